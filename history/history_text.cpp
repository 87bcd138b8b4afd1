#include "history/history_text.h"

#include <QString>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "history/shown_line.h"

namespace spanwright::history {
namespace {
constexpr char kCr = '\r';
constexpr char kLf = '\n';

// The bytes of the line-break character that starts at s[i], or 0 when none
// does: CR, LF, and the ones QTextCursor also makes a block break of,
// U+2029 (E2 80 A9), U+FDD0 (EF B7 90) and U+FDD1 (EF B7 91).
std::size_t BreakAt(std::string_view s, std::size_t i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (c == kCr || c == kLf) return 1;
    if ((c != 0xE2 && c != 0xEF) || i + 2 >= s.size()) return 0;
    const auto b1 = static_cast<unsigned char>(s[i + 1]);
    const auto b2 = static_cast<unsigned char>(s[i + 2]);
    if (c == 0xE2) return b1 == 0x80 && b2 == 0xA9 ? 3 : 0;
    return b1 == 0xB7 && (b2 == 0x90 || b2 == 0x91) ? 3 : 0;
}

// True when a line-break character ends just before s[end].
bool BreakEndsAt(std::string_view s, std::size_t end) {
    if (end == 0) return false;
    if (s[end - 1] == kCr || s[end - 1] == kLf) return true;
    return end >= 3 && BreakAt(s, end - 3) == 3;
}

// True when s[i] starts a line break: any break character except the LF of
// a CR LF pair (the CR already made the break).
bool StartsBreak(std::string_view s, std::size_t i) {
    return BreakAt(s, i) > 0 && !(s[i] == kLf && i > 0 && s[i - 1] == kCr);
}

// The bytes of the line break that starts at s[i], a CR LF pair whole.
std::size_t BreakLength(std::string_view s, std::size_t i) {
    return s[i] == kCr && i + 1 < s.size() && s[i + 1] == kLf ? 2 : BreakAt(s, i);
}

// The first line-break character of s at or after from, else s's size.
std::size_t FindBreak(std::string_view s, std::size_t from) {
    for (std::size_t i = from; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        // Most bytes are decided by one test.
        if ((c <= kCr || c == 0xE2 || c == 0xEF) && BreakAt(s, i) > 0) return i;
    }
    return s.size();
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

HistoryText::HistoryText(QTextDocument* shown, const std::string& tape) : shown_(shown), tape_(tape) {
    shown_->setUndoRedoEnabled(false);
    shown_->clear();
    Appended(tape_);  // a tape kept before the view began shows whole
}

void HistoryText::Appended(std::string_view added) {
    if (added.empty() || added.size() > tape_.size()) return;
    const std::string_view tape = tape_;
    const std::size_t from = tape.size() - added.size();

    // The characters before the first new break extend the last line; an
    // LF that completes a CR LF pair belongs to the break before it.
    std::size_t at = from;
    if (BreakAt(tape, at) > 0 && !StartsBreak(tape, at)) lastLineStart_ = ++at;
    const std::size_t extendFrom = at;
    at = FindBreak(tape, at);

    // What the document gets: the last line's extension (the whole line
    // again once it is long, since its shown end moves), then each new line.
    QString shown;
    bool rewrite = false;
    if (at > extendFrom) {
        const std::string_view lastLine = tape.substr(lastLineStart_, at - lastLineStart_);
        rewrite = lastLineShortened_ || IsLongLine(lastLine);
        shown = rewrite ? ShownLine(lastLine) : FromUtf8(tape.substr(extendFrom, at - extendFrom));
        lastLineShortened_ = rewrite;
    }
    while (at < tape.size()) {
        shown += QChar(QChar::ParagraphSeparator);
        at += BreakLength(tape, at);
        lastLineStart_ = at;
        at = FindBreak(tape, at);  // a CR LF pair was passed whole, so each break found starts one
        const std::string_view line = tape.substr(lastLineStart_, at - lastLineStart_);
        shown += ShownLine(line);
        lastLineShortened_ = IsLongLine(line);
    }
    if (shown.isEmpty()) return;

    QTextCursor cursor(shown_);
    cursor.movePosition(QTextCursor::End);
    if (rewrite) cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(shown);
}

void HistoryText::Removed(std::string_view removed) {
    if (removed.empty()) return;
    const std::size_t end = tape_.size();
    if (end >= lastLineStart_ && !lastLineShortened_) {
        // Within a line shown whole: the document's last characters are the
        // removed ones, as many of its units as they take.
        QTextCursor cursor(shown_);
        cursor.movePosition(QTextCursor::End);
        cursor.setPosition(cursor.position() - static_cast<int>(FromUtf8(removed).size()), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        return;
    }
    int block = shown_->blockCount() - 1;
    if (end < lastLineStart_) {
        // Back across line breaks: an earlier line becomes the last one. The
        // breaks counted are those the removed text started, read with the
        // character before it (a removed LF may end a kept CR's pair).
        const std::string before = end > 0 ? std::string(1, tape_[end - 1]) : std::string();
        const std::string old = before + std::string(removed.substr(0, lastLineStart_ - end));
        for (std::size_t i = before.size(); i < old.size(); ++i)
            if (StartsBreak(old, i)) --block;
        lastLineStart_ = end;
        while (lastLineStart_ > 0 && !BreakEndsAt(tape_, lastLineStart_)) --lastLineStart_;
    }
    ShowLastLineFrom(block);
}

std::string_view HistoryText::Line(int block) const {
    const std::string_view tape = tape_;
    std::size_t start = 0;
    for (int n = 0; n < block; ++n) {
        const std::size_t at = FindBreak(tape, start);
        if (at == tape.size()) return {};
        start = at + BreakLength(tape, at);
    }
    return tape.substr(start, FindBreak(tape, start) - start);
}

void HistoryText::ShowLastLineFrom(int block) {
    const std::string_view line = std::string_view(tape_).substr(lastLineStart_);
    QTextCursor cursor(shown_);
    cursor.setPosition(shown_->findBlockByNumber(block).position());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const QString shown = ShownLine(line);
    if (shown.isEmpty()) cursor.removeSelectedText();
    else cursor.insertText(shown);
    lastLineShortened_ = IsLongLine(line);
}

void HistoryText::Cleared() {
    lastLineStart_ = 0;
    lastLineShortened_ = false;
    shown_->clear();
}

}  // namespace spanwright::history
