#pragma once
// A real main window over settings in a temporary folder, with message
// boxes recorded instead of shown.
//   MainWindowFixture f; f.settings.Write("Output", "1"); f.Start();
//     -> f.form is loaded and shown, decimal output selected.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "main_window/frmMain.h"
#include "support/ui_support.h"

namespace spanwright::test {

struct MainWindowFixture {
    TempSettings settings;
    MessageRecorder messages;
    std::unique_ptr<frmMain> form;

    MainWindowFixture() {
        mdlDisplay::lngOperator = 0;
        mdlDoMath::dblTotal = 0;
    }

    frmMain& Start() {
        form = std::make_unique<frmMain>();
        form->Form_Load();
        return *form;
    }

    // Closes the window as the user would, running its shut-down.
    void Close() {
        if (form) form->close();
    }
};

}  // namespace spanwright::test
