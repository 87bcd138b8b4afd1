#pragma once
// A pop-up menu over QMenu that keeps its own numbered item list. Items are
// numbered from 1; a caption "-" is a separator, which cannot be chosen.
// Pictures come from an ImageList and are numbered from 0 here (-1: none).
//   PopupMenu m; m.SetImageList(ImageList2());
//   m.AddMenuItem("Clear", 0)  -> 1 (the red x)
//   m.AddMenuItem("-", -1)     -> 2 (a separator)
//   m.AddMenuItem("5'", 1)     -> 3 (the small display)
//   m.MenuItemCount() -> 3     m.MenuItemCaption(3) -> "5'"
//   m.StoreItems("Recall")     -> the menu is named "Recall" (for screen readers)
//   m.Choose(3) -> the click callback gets ItemNumber 3; m.Choose(2) -> nothing
// Captions are kept whole and shown literally ("a&b" is no accelerator),
// on one line and shortened to a sensible width ("1\n2" shows "1 2").
#include <QPoint>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

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

    // The window the menu belongs to (its child, gone with it).
    void SetOwner(QWidget* owner);
    void ClearItems();
    void SetImageList(const ImageList& images);
    // Appends an item with the picture of that number (-1: none) and
    // returns the item's number.
    std::int32_t AddMenuItem(const QString& Caption, std::int32_t Picture);
    std::int32_t MenuItemCount() const;
    // The caption exactly as added; empty for a number with no item.
    QString MenuItemCaption(std::int32_t index) const;
    // Names the current set of items; the name is the menu's accessible name.
    void StoreItems(const QString& name);
    // Opens the menu at a point on the screen (logical pixels) and returns
    // at once: a choice arrives later through the click callback, a menu
    // closed without one raises nothing. Arrows, Enter and Escape work while
    // it is open.
    void ShowMenu(QPoint atScreen);

    void OnClick(ClickHandler handler) { click_ = std::move(handler); }

    // Raises the click callback for item `index` as a click on it would;
    // false (and nothing raised) for a separator or no item.
    bool Choose(std::int32_t index);
    // The menu widget, built from the items (for reading what it shows).
    QMenu& Menu();

private:
    struct Item {
        QString caption;
        std::int32_t picture = -1;
    };

    void MakeMenu();
    bool Valid(std::int32_t index) const;
    void Changed();
    void Rebuild();

    std::vector<Item> items_;
    const ImageList* images_ = nullptr;
    QPointer<QWidget> owner_;
    QPointer<QMenu> menu_;
    QString name_;
    ClickHandler click_;
    bool stale_ = true;
};

}  // namespace spanwright::platform
