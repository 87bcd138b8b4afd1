#pragma once
// Opens the one stair calculator window and unloads it. The main window
// owns the variables, the calculator whose options the window formats with,
// and one StairOpener, declared in that order so the opener goes first:
//
//   stair::StairVariables stairVars;
//   calculator::Calculator core_;
//   std::unique_ptr<stair::StairOpener> stairOpener_;  // made over stairVars, core_.Options()
//   void frmMain::cmdStair_Click() { stairOpener_->Open(); }
//   shut-down (closeEvent):           stairOpener_->Unload();
//
//   Open() with no window  -> a new frmStair (Risers, empty), shown modeless
//                             with no owner window
//   Open() with one open   -> the same window, raised and activated, unchanged
//   Close in the window    -> destroyed; the next Open() loads a fresh one
#include <QPointer>

#include "engine/options.h"
#include "stair/frmStair.h"
#include "stair/stair_calc.h"

namespace spanwright::stair {

class StairOpener {
public:
    StairOpener(StairVariables& vars, const OutputOptions& options);
    ~StairOpener();  // unloads the window if it is open
    StairOpener(const StairOpener&) = delete;
    StairOpener& operator=(const StairOpener&) = delete;

    frmStair* Open();
    // Destroys the window at once if it is loaded; nothing otherwise.
    void Unload();
    // The loaded window, or nullptr.
    frmStair* window() const { return window_.data(); }

private:
    StairVariables& vars_;
    const OutputOptions& options_;
    QPointer<frmStair> window_;
};

}  // namespace spanwright::stair
