// The memory and the clipboard. Store and Recall keep display texts in the
// core; the pop-up menu cp shows them beside the Recall button, and a
// choice puts a stored text back on the display as the next operand. Copy
// and paste exchange the display with the clipboard, plain text only.
//   menu at start: 1 "Clear" (red x), 2 separator
//   Store on 5' then on 3"  -> 3 "5'", 4 "3"" (each with the small display)
//   choose 4 -> display 3";  choose 1 ("Clear") -> only "Clear" and the separator
//   clipboard with a picture only: Paste changes nothing
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>

#include "main_window/control_style.h"
#include "main_window/frmMain.h"
#include "platform/pictures.h"
#include "platform/popup_menu.h"

namespace spanwright {
namespace {

constexpr std::int32_t kFirstStored = 3;  // after "Clear" and the separator

}  // namespace

std::optional<std::string> frmMain::ClipboardText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText()) return std::nullopt;
    return data->text().toStdString();
}

void frmMain::ConnectMemoryAndClipboard() {
    connect(cmdStore, &QPushButton::clicked, this, &frmMain::cmdStore_Click);
    connect(cmdRecall, &QPushButton::clicked, this, &frmMain::cmdRecall_Click);
    connect(cmdClipboard, &QPushButton::clicked, this, &frmMain::cmdClipboard_Click);
    connect(cmdPaste, &QPushButton::clicked, this, &frmMain::cmdPaste_Click);
}

// At start-up, once the window is shown.
void frmMain::SetUpMemory() {
    cp = std::make_unique<platform::PopupMenu>();
    cp->SetOwner(this);
    cp->SetImageList(platform::ImageList2());
    cp->OnClick([this](std::int32_t& ItemNumber) { cp_Click(ItemNumber); });
    MirrorMemory();
}

void frmMain::cmdStore_Click() { Show(core_.Store()); }

// The menu opens at the right edge of the button, halfway down: with the
// button at 234, 76, 58 by 19 pixels that is (292, 85) in the window.
void frmMain::cmdRecall_Click() {
    cp->ShowMenu(mapToGlobal(controls::RightMiddle(cmdRecall->geometry())));
    FocusBack();
}

void frmMain::cp_Click(std::int32_t& ItemNumber) {
    Show(ItemNumber == 1 ? core_.ClearMemory() : core_.Recall(static_cast<std::size_t>(ItemNumber - kFirstStored + 1)));
}

void frmMain::cmdClipboard_Click() { Show(core_.Copy()); }
void frmMain::cmdPaste_Click() { Show(core_.Paste(ClipboardText())); }

}  // namespace spanwright
