#pragma once
// The one main-window fixture of the window tests: a new main window over
// settings in a temporary folder, message boxes recorded.
//   Window f; f.settings.Write("ListCount", "3"); frmMain& w = f.Start();
#include <memory>

#include "platform/display_label.h"
#include "main_window/frmMain.h"
#include "support/ui_support.h"

namespace spanwright::test {

struct Window {
    TempSettings settings;
    MessageRecorder messages;
    std::unique_ptr<frmMain> form;
    ~Window() {
        if (form) form->close();
    }
    // A fresh window, loaded; one started before goes without shutting down.
    frmMain& Start() {
        form.reset();
        form = std::make_unique<frmMain>();
        form->Form_Load();
        return *form;
    }
};

}  // namespace spanwright::test
