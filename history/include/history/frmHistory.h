#pragma once
// The history window: the calculator's tape (CR LF between lines) in a
// read-only box, with File > "Export to File...", File > "Close" and "Clear".
//
// The window keeps no copy of the tape: it reads its owner's text and is told
// each edit with the text it added or removed; each costs the same with 10
// lines or 100,000:
//   tape "5\r\n+ ",  Appended("5\r\n+ ")  -> the box shows "5" / "+ "
//   tape "5\r\n- ",  Removed("+ "), Appended("- ") -> "5" / "- "  (an operator swapped)
//   ShowLastLine()                       -> the box's cursor at the end, last line in view
//   a pasted 1 MB line                   -> the tape and the export hold it whole; the box
//                                           shows its first and last 1,000 characters
//                                           with "…" between (copying from the box gives that)
// "Clear" asks the owner to empty the tape (SetClearRequest), which then
// reports Cleared(). Enter or a double-click on a line gives its value back
// (SetLineRequest): on "+ 10" -> "10", on "= 8'5\"" -> "8'5\"", on "clr" nothing.
// File > "Print..." (Ctrl+P) prints the tape through the print dialog.
//
// Life: the main window creates it hidden at its start (the constructor runs
// Form_Load, which restores the saved position), shows and hides
// it, and calls Form_Unload when it closes, which saves the position.
#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "history/history_text.h"
#include "settings/saved_settings.h"

class QAction;
class QMenu;
class QPlainTextEdit;
class QPrinter;

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
    // Sets the printer up with the user; false when the user cancels.
    using PrintDialog = std::function<bool(QWidget* parent, QPrinter& printer)>;

    // Shows `tape`, which outlives the window; with the program's settings
    // store, or alone (tests) with a store of its own.
    frmHistory(const std::string& tape, settings::Store& store, QWidget* parent);
    explicit frmHistory(const std::string& tape, QWidget* parent = nullptr);
    ~frmHistory() override;

    // The tape's edits, reported after they are made (see the examples above).
    void Appended(std::string_view added);
    void Removed(std::string_view removed);
    void Cleared();
    const std::string& Tape() const { return text_->Tape(); }
    void ShowLastLine();
    // What the "Clear" menu asks of the tape's owner.
    void SetClearRequest(std::function<void()> request);
    // What a line given back (Enter, double-click) hands on: its value.
    void SetLineRequest(std::function<void(const std::string& value)> request);

    // Saves the window's top and left edges, in twips, shown or hidden
    // (nothing when it was never shown nor placed, so has no position yet).
    void Form_Unload();

    void mnuExport_Click();
    void mnuPrint_Click();
    void mnuClose_Click();
    void mnuClear_Click();
    // Gives back the value of the line the box's cursor is on.
    void Text1_GiveBack();

    // Replace the save and print dialogs (tests); an empty one restores Qt's.
    void SetSaveDialog(SaveDialog dialog);
    void SetPrintDialog(PrintDialog dialog);

    QPlainTextEdit* Text1 = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* Space1 = nullptr;
    QAction* mnuClose = nullptr;
    QAction* mnuClear = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();

    frmHistory(const std::string& tape, settings::Store* store, QWidget* parent);

    std::unique_ptr<settings::Store> ownStore_;
    settings::Store& store_;
    std::unique_ptr<history::HistoryText> text_;
    SaveDialog dialog_;
    PrintDialog printDialog_;
    std::function<void()> clearRequest_;
    std::function<void(const std::string&)> lineRequest_;
    bool shownOnce_ = false;
};

}  // namespace spanwright
