#pragma once
// Opens the one "Layout Tools" window and keeps it for the run: closing it
// only hides it, so what was typed is there when it opens again. Its place
// is saved with the other windows' places whenever it closes and when the
// program ends, and applied when it is first opened, where it can be seen.
//   Open() the first time  -> a new window at the saved place, shown
//   Open() again           -> the same window, raised and activated
//   Unload()               -> its place saved (if it was ever shown), destroyed
#include <QPointer>

#include "engine/options.h"
#include "layout/frmLayout.h"

namespace spanwright::settings {
class Store;
}

namespace spanwright::layout {

class LayoutOpener {
public:
    LayoutOpener(settings::Store& store, const OutputOptions& options);
    ~LayoutOpener();  // unloads the window
    LayoutOpener(const LayoutOpener&) = delete;
    LayoutOpener& operator=(const LayoutOpener&) = delete;

    frmLayout* Open();
    void Unload();
    frmLayout* window() const { return window_.data(); }

private:
    void SavePlace();

    settings::Store& store_;
    const OutputOptions& options_;
    QPointer<frmLayout> window_;
    bool shown_ = false;
};

}  // namespace spanwright::layout
