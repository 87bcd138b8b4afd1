#pragma once
// The history box's view of the tape. The tape is one UTF-8 string whose
// lines end in CR LF, kept by its owner (the calculator) and only read here;
// the owner reports each edit with the text it added or removed, and the view
// mends a QTextDocument where each line break is one block separator and a
// line longer than 2,000 characters is shortened (shown_line.h).
// Every edit costs what the edited characters cost, whatever the length of
// the whole tape and of its last line (no copy, no rebuild, no huge block).
//   tape "5"              Appended("5")      -> shown "5"
//   tape "5\r\n+ "        Appended("\r\n+ ") -> shown as two lines "5" / "+ "
//   tape "5\r\n"          Removed("+ ")      -> shown "5" / ""
//   tape 1 MB of "7"      Appended(...)      -> shown as 1000 "7", "…", 1000 "7"
//   then "8" appended     Appended("8")      -> shown 999 "7" and "8" after the "…"
// A lone CR or LF, and the characters the document itself takes for block
// breaks (U+2029, U+FDD0, U+FDD1), also show as a line break; the tape keeps
// each as it came.
#include <cstddef>
#include <string>
#include <string_view>

class QTextDocument;

namespace spanwright::history {

class HistoryText {
public:
    // shown: the document that displays the tape; it is emptied here and
    // from now on edited only through this object. Its undo stack is turned
    // off (it would keep every edit of the run). tape: the owner's text,
    // which outlives this view.
    HistoryText(QTextDocument* shown, const std::string& tape);

    // The tape now ends with `added`, appended since the last report.
    void Appended(std::string_view added);
    // `removed` was taken from the tape's end since the last report.
    void Removed(std::string_view removed);
    // The tape was emptied.
    void Cleared();

    const std::string& Tape() const { return tape_; }
    // The whole tape line the document shows as block `block` (0 = first),
    // never shortened; empty past the last one.
    //   tape "5\r\n+ 3": Line(1) -> "+ 3"
    std::string_view Line(int block) const;

private:
    // Shows the last line anew from the document's block `block` on,
    // which replaces that block and every one after it.
    void ShowLastLineFrom(int block);

    QTextDocument* shown_;
    const std::string& tape_;
    std::size_t lastLineStart_ = 0;  // where the last line begins in tape_, in bytes
    bool lastLineShortened_ = false;
};

}  // namespace spanwright::history
