// Recording into the history window, the History button, and the history
// window's life beside the main window.
//   AddToHistory("5\r\n+ ")  on ""        -> "5\r\n+ "
//   AddToHistory("ChangeOp") with - pending -> "5\r\n- "
//   AddToHistory("ChangeOp") on ""  (cleared between two operators) -> "- "
#include <QPlainTextEdit>
#include <QTimer>

#include "engine/mdlDisplay.h"
#include "frmMain.h"
#include "history/frmHistory.h"

namespace spanwright {

void frmMain::AddToHistory(const QString& text) {
    if (text == QLatin1String("ChangeOp")) {
        // A history cleared since the last operator has nothing to swap.
        if (History().Length() >= 2) History().RemoveLast(2);
        History().Append(OperatorText(mdlDisplay::lngOperator));
    } else {
        History().Append(text);
    }
}

void frmMain::cmdHistory_Click() {
    if (History().isVisible()) {
        History().hide();
    } else {
        History().show();
        activateWindow();  // keys go on reaching the keyboard map
    }
    FocusBack();
}

// Created hidden at first use (start-up asks for it); its own start-up
// restores its position.
frmHistory& frmMain::History() {
    if (!history_) history_ = new frmHistory(this);
    return *history_;
}

// Start-up creates the hidden history window once the main window has been
// painted, so that it does not hold up the first map; whatever needs it
// sooner (a key, the History button) creates it on the spot.
void frmMain::LoadHistoryWindow() { historyPending_ = true; }

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

// First at shut-down: the history window saves its position.
void frmMain::UnloadHistoryWindow() {
    if (!history_) return;
    history_->Form_Unload();
    history_->hide();
}

frmHistory* frmMain::HistoryWindow() { return &History(); }

}  // namespace spanwright
