// The other windows: the history window (its tape edits come through here),
// the stair calculator, the layout tools and the About box, and unloading
// them at shut-down.
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "about/frmAbout.h"
#include "history/frmHistory.h"
#include "layout/layout_opener.h"
#include "main_window/frmMain.h"
#include "stair/stair_opener.h"

namespace spanwright {

void frmMain::ConnectWindows() {
    connect(cmdHistory, &QPushButton::clicked, this, &frmMain::cmdHistory_Click);
    connect(cmdStair, &QPushButton::clicked, this, &frmMain::cmdStair_Click);
    connect(cmdLayout, &QPushButton::clicked, this, &frmMain::cmdLayout_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmMain::cmdAbout_Click);
}

void frmMain::cmdHistory_Click() {
    History().setVisible(!History().isVisible());
    if (History().isVisible()) activateWindow();  // keys go on reaching the keyboard map
    FocusBack();
}

// Created hidden at first use; its own start-up restores its position. It
// shows the core's tape; its Clear is the core's, and the box empties when
// the tape does.
frmHistory& frmMain::History() {
    if (history_) return *history_;
    history_ = new frmHistory(core_.Tape(), Registry(), this);
    history_->SetClearRequest([this] { Show(core_.ClearHistory(), false); });
    // A line given back is pasted, and the keys go on to this window.
    history_->SetLineRequest([this](const std::string& value) {
        Show(core_.Paste(value));
        activateWindow();
    });
    return *history_;
}

frmHistory* frmMain::HistoryWindow() { return &History(); }

// Start-up creates the hidden history window once the main window has been
// painted, so that it does not hold up the first map; whatever needs it
// sooner (a key, the History button) creates it on the spot.
void frmMain::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (!historyPending_) return;
    historyPending_ = false;
    QTimer::singleShot(0, this, [this] { History(); });
}

// A minimise hides a shown history window; the restore brings it back.
void frmMain::HistoryFollowsWindowState() {
    History();
    if (isMinimized()) {
        if (history_->isVisible()) {
            blnHistVisible = true;
            history_->hide();
        }
    } else if (blnHistVisible) {
        history_->show();
        blnHistVisible = false;
    }
}

void frmMain::cmdStair_Click() { stairOpener_->Open(); }

// The window formats with the calculator's options as they are when it calculates.
void frmMain::cmdLayout_Click() { LayoutTools().Open(); }

layout::LayoutOpener& frmMain::LayoutTools() {
    if (!layoutOpener_) layoutOpener_ = std::make_unique<layout::LayoutOpener>(Registry(), core_.Options());
    return *layoutOpener_;
}

void frmMain::cmdAbout_Click() {
    frmAbout::ShowModal(this);
    FocusBack();
}

// First the history window, which saves its position; then the others. A
// modal About box can still be open when the session closes the program.
void frmMain::UnloadOtherWindows() {
    if (history_) {
        history_->Form_Unload();
        history_->hide();
    }
    stairOpener_->Unload();
    if (layoutOpener_) layoutOpener_->Unload();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* about = qobject_cast<frmAbout*>(window)) about->reject();
    }
}

}  // namespace spanwright
