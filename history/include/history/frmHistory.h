#pragma once
// The history window: the CR-LF record of the calculations in a read-only
// box, with File > "Export to File...", File > "Close" and "Clear".
//
// The recorder changes the text only through this API; each call costs the
// same with 10 lines or 100,000:
//   Append("5\r\n+ ")  on ""             -> Text() "5\r\n+ "    Length() 5
//   Append("3")                          -> Text() "5\r\n+ 3"   Length() 6
//   on "5\r\n+ ": RemoveLast(2), Append("- ") -> "5\r\n- "  (an operator swapped)
//   RemoveLast(2) on "-"                 -> nothing removed (n beyond Length())
//   ShowLastLine()                       -> the box's cursor at the end, last line in view
//   Append(a pasted 1 MB line)           -> Text() and the export hold it whole; the box
//                                           shows its first and last 1,000 characters
//                                           with "…" between (copying from the box gives that)
// Clear (the "Clear" menu) empties it: Text() "", Length() 0.
//
// Life: the main window creates it hidden at its start (the constructor runs
// Form_Load, which restores the saved position), shows and hides
// it, and calls Form_Unload when it closes, which saves the position.
#include <QMainWindow>
#include <functional>
#include <memory>

#include "history/history_text.h"
#include "settings/saved_settings.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace spanwright {

class frmHistory : public QMainWindow {
    Q_OBJECT
public:
    // What the save dialog is asked for: title "Export History List to a
    // File...", the user's documents folder (else home), "History.txt", "*.txt".
    struct SaveRequest {
        QString title;
        QString folder;
        QString fileName;
        QString filter;
    };
    // Returns the chosen path, or the empty text when the user cancels.
    using SaveDialog = std::function<QString(QWidget* parent, const SaveRequest& request)>;

    // With the program's settings store; alone (tests), with a store of its own.
    frmHistory(settings::Store& store, QWidget* parent);
    explicit frmHistory(QWidget* parent = nullptr);
    ~frmHistory() override;

    // The recorder's API (see the examples above).
    void Append(const QString& s);
    void RemoveLast(qsizetype n);
    qsizetype Length() const { return text_->Length(); }
    const QString& Text() const { return text_->Text(); }
    void ShowLastLine();
    void Clear();
    // What the "Clear" menu does instead of clearing the box itself: the main
    // window clears the calculator's tape, whose edit then clears the box.
    void SetClearRequest(std::function<void()> request);

    // Saves the window's top and left edges, in twips, shown or hidden
    // (nothing when it was never shown nor placed, so has no position yet).
    void Form_Unload();

    void mnuExport_Click();
    void mnuClose_Click();
    void mnuClear_Click();

    // Replaces the save dialog (tests); an empty one restores QFileDialog.
    void SetSaveDialog(SaveDialog dialog);

    QPlainTextEdit* Text1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExport = nullptr;
    QAction* Space1 = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuClear = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();

    frmHistory(settings::Store* store, QWidget* parent);

    std::unique_ptr<settings::Store> ownStore_;
    settings::Store& store_;
    std::unique_ptr<history::HistoryText> text_;
    SaveDialog dialog_;
    std::function<void()> clearRequest_;
    bool shownOnce_ = false;
};

}  // namespace spanwright
