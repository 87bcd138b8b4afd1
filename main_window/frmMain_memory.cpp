// The memory: Store keeps the display text at the end of a short list in the
// pop-up menu cp, Recall opens that menu beside the Recall button, and a
// choice puts a stored text back on the display as the next operand.
//   menu at start: 1 "Clear" (red x), 2 separator
//   Store on 5' then on 3"  -> 3 "5'", 4 "3"" (each with the small display)
//   with room for 10 texts, the 11th Store drops the oldest (item 3)
//   choose 4 -> display 3" (a square tag goes, the next operator uses it;
//               after a result a digit still starts afresh)
//   choose 1 ("Clear") -> only "Clear" and the separator remain
#include <QPushButton>

#include "engine/numeric.h"
#include "frmMain.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace spanwright {
namespace {

const QString kItemSet = QStringLiteral("Recall");
constexpr std::int32_t kFirstStored = 3;  // after "Clear" and the separator

std::int32_t AddItem(platform::PopupMenu& menu, const QString& caption, std::int32_t picture) {
    return menu.AddMenuItem(caption, QString(), 0, 0, picture, 0, true, QString());
}

}  // namespace

void frmMain::ConnectMemoryAndClipboard() {
    connect(cmdStore, &QPushButton::clicked, this, [this] { cmdStore_Click(); });
    connect(cmdRecall, &QPushButton::clicked, this, [this] { cmdRecall_Click(); });
    connect(cmdClipboard, &QPushButton::clicked, this, [this] { cmdClipboard_Click(); });
    connect(cmdPaste, &QPushButton::clicked, this, [this] { cmdPaste_Click(); });
}

void frmMain::SetUpMemory() {
    cp = std::make_unique<platform::PopupMenu>();
    cp->SetOwner(this);
    cp->ClearItems();
    cp->SetImageList(platform::ImageList2());
    AddItem(*cp, QStringLiteral("Clear"), 0);
    AddItem(*cp, QStringLiteral("-"), -1);
    cp->StoreItems(kItemSet);
    cp->OnClick([this](std::int32_t& ItemNumber) { cp_Click(ItemNumber); });
}

// The display text is kept as it is: empty, unfinished or unreadable alike.
void frmMain::cmdStore_Click() {
    cp->RestoreItems(kItemSet);
    if (cp->MenuItemCount() >= lngListCount + 2) cp->RemoveMenuItem(kFirstStored);
    AddItem(*cp, lblDisplay->text(), 1);
    cp->StoreItems(kItemSet);
    FocusBack();
}

// The menu opens at the right edge of the button, halfway down: with the
// button at 3510, 1140, 870 by 285 twips that is (4380, 1282).
void frmMain::cmdRecall_Click() {
    cp->RestoreItems(kItemSet);
    const QRect button = cmdRecall->geometry();
    const double x = platform::ToTwips(button.x()) + platform::ToTwips(button.width());
    const double y = platform::ToTwips(button.y()) + platform::ToTwips(button.height()) / 2.0;
    cp->ShowMenu(numeric::ToWhole(x), numeric::ToWhole(y), 0, 0, 0, 0, true);
    FocusBack();
}

void frmMain::cp_Click(std::int32_t& ItemNumber) {
    if (ItemNumber == 1) {
        cp->RestoreItems(kItemSet);
        const std::int32_t count = cp->MenuItemCount();
        for (std::int32_t k = kFirstStored; k <= count; ++k) cp->RemoveMenuItem(kFirstStored);
        cp->StoreItems(kItemSet);
    } else {
        PutOperand(cp->MenuItemCaption(ItemNumber));
    }
    FocusBack();
}

// A recalled or pasted text is a new operand, as a keyed one is: a square
// tag does not glue its mark to it, and an operator key right after an
// operator uses it instead of only changing the operator. A pending new
// expression stays pending, so a digit still replaces the text.
void frmMain::PutOperand(const QString& text) {
    lblSquare->setText(QString());
    lblDisplay->setText(text);
    StartNewOperand();
}

}  // namespace spanwright
