#include "platform/popup_menu.h"

#include <QAction>
#include <QFontMetrics>
#include <QMenu>
#include <QWidget>

#include "platform/pictures.h"

namespace spanwright::platform {
namespace {

const QString kSeparator = QStringLiteral("-");

// A caption as one literal line of menu text: line breaks and tabs (QMenu
// reads a tab as the start of a shortcut) become spaces, a long caption is
// cut to what a menu can show, and '&' is doubled so it is no accelerator.
//   "a&b" -> "a&&b"     "1\r\n2" -> "1 2"     a 1 MB text -> its start and "..."
QString ShownCaption(const QString& caption, const QFontMetrics& metrics) {
    constexpr qsizetype kMostChars = 200;
    constexpr int kMostWidth = 320;  // pixels
    QString line = caption.left(kMostChars);
    if (caption.size() > kMostChars) line += QChar(0x2026);
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar& c : line)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) c = QLatin1Char(' ');
    line = metrics.elidedText(line, Qt::ElideRight, kMostWidth);
    line.replace(QLatin1Char('&'), QLatin1String("&&"));
    return line;
}

}  // namespace

PopupMenu::PopupMenu() { MakeMenu(); }

PopupMenu::~PopupMenu() { delete menu_.data(); }

void PopupMenu::SetOwner(QWidget* owner) {
    owner_ = owner;
    if (menu_) menu_->setParent(owner, menu_->windowFlags());
}

void PopupMenu::ClearItems() {
    items_.clear();
    Changed();
}

void PopupMenu::SetImageList(const ImageList& images) {
    images_ = &images;
    Changed();
}

std::int32_t PopupMenu::AddMenuItem(const QString& Caption, std::int32_t Picture) {
    items_.push_back(Item{Caption, Picture});
    Changed();
    return static_cast<std::int32_t>(items_.size());
}

std::int32_t PopupMenu::MenuItemCount() const { return static_cast<std::int32_t>(items_.size()); }

QString PopupMenu::MenuItemCaption(std::int32_t index) const {
    return Valid(index) ? items_[static_cast<std::size_t>(index - 1)].caption : QString();
}

void PopupMenu::StoreItems(const QString& name) {
    name_ = name;
    if (menu_) menu_->setAccessibleName(name_);
}

void PopupMenu::ShowMenu(QPoint atScreen) { Menu().popup(atScreen); }

bool PopupMenu::Choose(std::int32_t index) {
    if (!Valid(index)) return false;
    const Item& item = items_[static_cast<std::size_t>(index - 1)];
    if (item.caption == kSeparator) return false;
    std::int32_t ItemNumber = index;
    if (click_) click_(ItemNumber);
    return true;
}

QMenu& PopupMenu::Menu() {
    if (!menu_) MakeMenu();  // its owner was deleted, and the menu with it
    if (stale_) Rebuild();
    return *menu_;
}

void PopupMenu::MakeMenu() {
    menu_ = new QMenu(owner_);
    QObject::connect(menu_, &QMenu::triggered, [this](QAction* action) { Choose(action->data().toInt()); });
    stale_ = true;
}

bool PopupMenu::Valid(std::int32_t index) const {
    return index >= 1 && static_cast<std::size_t>(index) <= items_.size();
}

// The menu is rebuilt when it is next shown, or at once while it is open.
void PopupMenu::Changed() {
    stale_ = true;
    if (menu_ && menu_->isVisible()) Rebuild();
}

void PopupMenu::Rebuild() {
    QMenu& menu = *menu_;
    menu.clear();
    menu.setAccessibleName(name_);
    const QFontMetrics metrics(menu.font());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const Item& item = items_[i];
        if (item.caption == kSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ShownCaption(item.caption, metrics));
        if (images_ && item.picture >= 0) action->setIcon(images_->Icon(item.picture + 1));
        action->setData(static_cast<int>(i + 1));
    }
    stale_ = false;
}

}  // namespace spanwright::platform
