#pragma once
// The history text: one string whose lines end in CR LF, kept exactly, and
// shown in a QTextDocument where each line break is one block separator.
// Every edit costs what the edited characters cost, whatever the length of
// the whole text (no copy, no rebuild).
//   Append("5")               -> Text() "5"                 Length() 1
//   Append("\r\n+ ")          -> Text() "5\r\n+ "           Length() 5
//                                shown as two lines "5" / "+ "
//   RemoveLast(2)             -> Text() "5\r\n"             shown "5" / ""
//   RemoveLast(3)             -> Text() "5" again; RemoveLast(9) on "5" changes nothing
// A lone CR or LF also shows as a line break; the text keeps it as it came.
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
    // How many document characters text_[i] makes: 0 for the LF of a CR LF
    // pair (the CR already made the block break), 1 for anything else.
    int ShownWidth(qsizetype i) const;

    QTextDocument* shown_;
    QString text_;
};

}  // namespace spanwright::history
