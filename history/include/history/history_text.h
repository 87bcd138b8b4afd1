#pragma once
// The history text: one string whose lines end in CR LF, kept exactly, and
// shown in a QTextDocument where each line break is one block separator and
// a line longer than 2,000 characters is shortened (shown_line.h).
// Every edit costs what the edited characters cost, whatever the length of
// the whole text and of its last line (no copy, no rebuild, no huge block).
//   Append("5")               -> Text() "5"                 Length() 1
//   Append("\r\n+ ")          -> Text() "5\r\n+ "           Length() 5
//                                shown as two lines "5" / "+ "
//   RemoveLast(2)             -> Text() "5\r\n"             shown "5" / ""
//   RemoveLast(3)             -> Text() "5" again; RemoveLast(9) on "5" changes nothing
//   Append(1 MB of "7")       -> Text() holds them all; shown as 1000 "7", "…", 1000 "7"
//   then Append("8")          -> shown 999 "7" and "8" after the "…"
// A lone CR or LF, and the characters the document itself takes for block
// breaks (U+2029, U+FDD0, U+FDD1), also show as a line break; the text keeps
// each as it came.
#include <QString>

class QTextDocument;

namespace spanwright::history {

class HistoryText {
public:
    // shown: the document that displays the text; it is emptied here and
    // from now on edited only through this object. Its undo stack is turned
    // off (it would keep every edit of the run).
    explicit HistoryText(QTextDocument* shown);

    // Adds s at the end; s may hold CR LF line breaks.
    void Append(const QString& s);
    // Removes the last n characters of the CR-LF text; an n outside 0 to
    // Length() changes nothing.
    void RemoveLast(qsizetype n);
    void Clear();

    qsizetype Length() const { return text_.size(); }
    const QString& Text() const { return text_; }

private:
    // True when text_[i] starts a line break: any break character except
    // the LF of a CR LF pair (the CR already made the break).
    bool StartsBreak(qsizetype i) const;
    // Shows the last line anew from the document's block `block` on,
    // which replaces that block and every one after it.
    void ShowLastLineFrom(int block);

    QTextDocument* shown_;
    QString text_;
    qsizetype lastLineStart_ = 0;  // where the last line begins in text_
    bool lastLineShortened_ = false;
};

}  // namespace spanwright::history
