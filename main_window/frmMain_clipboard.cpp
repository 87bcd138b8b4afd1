// Copy and paste of the display through the clipboard, plain text only.
//   display 5'3-1/2"        Copy  -> clipboard "5'3-1/2""
//   display ""              Copy  -> clipboard "" (a text, empty)
//   clipboard "12 ft\n"     Paste -> display "12 ft\n", whole and untested
//   clipboard with a picture only: Paste changes nothing
// Ctrl+C and Ctrl+V reach these through the keyboard map, after its square
// carry-over: on a square-feet result 3 Ctrl+C copies 3' while the copy
// button copies 3.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "frmMain.h"

namespace spanwright {

void frmMain::cmdClipboard_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(lblDisplay->text());
    FocusBack();
}

void frmMain::cmdPaste_Click() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasText()) PutOperand(data->text());
    FocusBack();
}

bool frmMain::KeyClipboard(int which) {
    if (which == 0) cmdClipboard_Click();
    else cmdPaste_Click();
    return true;
}

}  // namespace spanwright
