#pragma once
// A pop-up menu over QMenu that keeps its own numbered item list. Items are
// numbered from 1; a caption "-" is a separator, which cannot be chosen.
// Pictures come from an ImageList and are numbered from 0 here (-1: none).
//   PopupMenu m; m.SetImageList(ImageList2());
//   m.AddMenuItem("Clear", "", 0, 0, 0, 0, true, "")  -> 1 (the red x)
//   m.AddMenuItem("-", "", 0, 0, -1, 0, true, "")     -> 2 (a separator)
//   m.AddMenuItem("5'", "", 0, 0, 1, 0, true, "")     -> 3 (the small display)
//   m.MenuItemCount() -> 3     m.MenuItemCaption(3) -> "5'"
//   m.RemoveMenuItem(2)  -> "5'" moves up to 2
//   m.StoreItems("Recall"); m.ClearItems(); m.RestoreItems("Recall") -> the 3 items again
//   m.Choose(3) -> the click callback gets ItemNumber 3; m.Choose(2) -> nothing
// Captions are kept whole and shown literally ("a&b" is no accelerator),
// on one line and shortened to a sensible width ("1\n2" shows "1 2").
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace spanwright::platform {

class ImageList;

class PopupMenu {
public:
    using ClickHandler = std::function<void(std::int32_t& ItemNumber)>;

    PopupMenu();
    ~PopupMenu();
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    // The window whose coordinates ShowMenu takes; the menu is its child.
    void SetOwner(QWidget* owner);
    void ClearItems();
    void SetImageList(const ImageList& images);
    // Appends an item and returns its number. The second text becomes the
    // item's status tip; the numbers marked unused are taken and ignored.
    std::int32_t AddMenuItem(const QString& Caption, const QString& HelpText, std::int32_t unused1,
                             std::int32_t unused2, std::int32_t Picture, std::int32_t unused3,
                             bool Enabled, const QString& KeyText);
    // Removes item `index`; the later items move up by one. No such item: nothing.
    void RemoveMenuItem(std::int32_t index);
    std::int32_t MenuItemCount() const;
    // The caption exactly as added; empty for a number with no item.
    QString MenuItemCaption(std::int32_t index) const;
    // Keeps the current items under `name`; RestoreItems brings back the set
    // last kept under it (an unknown name changes nothing).
    void StoreItems(const QString& name);
    void RestoreItems(const QString& name);
    // Opens the menu at (x, y), twips in the owner's coordinates, and returns
    // at once with 0: a choice arrives later through the click callback, a
    // menu closed without one raises nothing. Arrows, Enter and Escape work
    // while it is open. The four numbers and the flag are taken and ignored.
    std::int32_t ShowMenu(std::int32_t x, std::int32_t y, std::int32_t unused1, std::int32_t unused2,
                          std::int32_t unused3, std::int32_t unused4, bool unusedFlag);

    void OnClick(ClickHandler handler) { click_ = std::move(handler); }

    // Raises the click callback for item `index` as a click on it would;
    // false (and nothing raised) for a separator, a disabled item or no item.
    bool Choose(std::int32_t index);
    // The menu widget, built from the items (for reading what it shows).
    QMenu& Menu();

private:
    struct Item {
        QString caption;
        QString helpText;
        std::int32_t picture = -1;
        bool enabled = true;
    };

    void MakeMenu();
    bool Valid(std::int32_t index) const;
    void Changed();
    void Rebuild();

    std::vector<Item> items_;
    std::map<QString, std::vector<Item>> kept_;
    const ImageList* images_ = nullptr;
    QPointer<QWidget> owner_;
    QPointer<QMenu> menu_;
    QString name_;
    ClickHandler click_;
    bool stale_ = true;
};

}  // namespace spanwright::platform
