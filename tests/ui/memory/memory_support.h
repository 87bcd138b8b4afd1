#pragma once
// A loaded main window over settings in a temporary folder, and the keys and
// clicks the memory and clipboard tests play on it.
//   MemoryWindow m; m.Keys("5 + 3 Enter") -> display 0'8"
//   m.Keys("Ctrl+C")   Ctrl goes down (a key-down of its own), then C
//   m.Recall(3)        clicks Recall, then the third item of the open menu
#include <QString>
#include <QStringList>
#include <memory>

#include "main_window/frmMain.h"
#include "support/ui_support.h"

class QMenu;

namespace spanwright::test {

struct MemoryWindow {
    TempSettings settings;
    MessageRecorder messages;
    std::unique_ptr<frmMain> form;

    // Writes "ListCount" (unless `listCount` is null) and loads the window.
    explicit MemoryWindow(const char* listCount = nullptr);
    ~MemoryWindow();

    frmMain& w() { return *form; }
    QString Display() const;
    QString Tag() const;
    QString History() const;

    // Blank-separated keys as a US keyboard sends them: a character
    // (" * + with a Shift key-down first), Enter, Del, Ctrl, Ctrl+C,
    // Ctrl+V, Ctrl+Shift+C.
    void Keys(const QString& script);
    void Click(QWidget* button);
    // Keys `digits` as a new entry (after a Delete unless the display reads
    // "0", which a digit replaces) and clicks Store.
    void StoreKeyed(const QString& digits);
    // The open menu after a click on Recall.
    QMenu& OpenRecall();
    // Clicks Recall, then item n of the menu with the mouse.
    void Recall(int n);
    // Captions of the stored texts (items 3 onward).
    QStringList Stored() const;
    // Chooses "Square Inches" (fractional) or "Square Feet" (decimal).
    void SquareUnits(bool decimalFeet);
};

}  // namespace spanwright::test
