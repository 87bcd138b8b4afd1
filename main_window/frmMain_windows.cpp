// The Stair and About buttons, and unloading those windows at shut-down.
#include <QApplication>
#include <QPushButton>

#include "about/frmAbout.h"
#include "main_window/frmMain.h"

namespace spanwright {

void frmMain::ConnectWindows() {
    connect(cmdStair, &QPushButton::clicked, this, [this] { cmdStair_Click(); });
    connect(cmdAbout, &QPushButton::clicked, this, [this] { cmdAbout_Click(); });
}

void frmMain::cmdStair_Click() {
    stairOpener_.Open();
}

void frmMain::cmdAbout_Click() {
    frmAbout::ShowModal(this);
    FocusBack();
}

void frmMain::UnloadOtherWindows() {
    stairOpener_.Unload();
    // A modal About box can still be open when the session closes the program.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(window)) about->reject();
    }
}

}  // namespace spanwright
