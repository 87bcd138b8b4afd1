#include "history/history_text.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "history/shown_line.h"

namespace spanwright::history {
namespace {
constexpr QChar kCr = u'\r';
constexpr QChar kLf = u'\n';

// The characters after which the box starts a new line: QTextCursor makes
// a block break of each of them, so the text counts them as breaks too.
bool IsBreak(QChar c) {
    const char16_t u = c.unicode();
    if (u <= u'\r') return u == u'\r' || u == u'\n';  // most characters are decided by one test
    return u >= QChar::ParagraphSeparator && (u == QChar::ParagraphSeparator || u == 0xFDD0 || u == 0xFDD1);
}

// The first line-break character of text at or after from, else text's size.
qsizetype FindBreak(const QString& text, qsizetype from) {
    const QChar* const begin = text.constData();
    const QChar* const end = begin + text.size();
    const QChar* p = begin + from;
    while (p != end && !IsBreak(*p)) ++p;
    return p - begin;
}
}  // namespace

HistoryText::HistoryText(QTextDocument* shown) : shown_(shown) {
    shown_->setUndoRedoEnabled(false);
    shown_->clear();
}

bool HistoryText::StartsBreak(qsizetype i) const {
    return IsBreak(text_[i]) && !(text_[i] == kLf && i > 0 && text_[i - 1] == kCr);
}

void HistoryText::Append(const QString& s) {
    if (s.isEmpty()) return;
    const qsizetype from = text_.size();
    text_ += s;

    // The characters before the first new break extend the last line; an
    // LF that completes a CR LF pair belongs to the break before it.
    qsizetype at = from;
    if (IsBreak(text_[at]) && !StartsBreak(at)) lastLineStart_ = ++at;
    const qsizetype extendFrom = at;
    at = FindBreak(text_, at);

    // What the document gets: the last line's extension (the whole line
    // again once it is long, since its shown end moves), then each new line.
    QString shown;
    bool rewrite = false;
    if (at > extendFrom) {
        const QStringView lastLine = QStringView(text_).sliced(lastLineStart_, at - lastLineStart_);
        rewrite = lastLineShortened_ || IsLongLine(lastLine);
        shown = rewrite ? ShownLine(lastLine) : QStringView(text_).sliced(extendFrom, at - extendFrom).toString();
        lastLineShortened_ = rewrite;
    }
    while (at < text_.size()) {
        shown += QChar(QChar::ParagraphSeparator);
        at += (text_[at] == kCr && at + 1 < text_.size() && text_[at + 1] == kLf) ? 2 : 1;
        lastLineStart_ = at;
        at = FindBreak(text_, at);  // a CR LF pair was passed whole, so each break found starts one
        const QStringView line = QStringView(text_).sliced(lastLineStart_, at - lastLineStart_);
        shown += ShownLine(line);
        lastLineShortened_ = IsLongLine(line);
    }
    if (shown.isEmpty()) return;

    QTextCursor cursor(shown_);
    cursor.movePosition(QTextCursor::End);
    if (rewrite) cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(shown);
}

void HistoryText::RemoveLast(qsizetype n) {
    if (n <= 0 || n > text_.size()) return;
    const qsizetype end = text_.size() - n;
    if (end >= lastLineStart_ && !lastLineShortened_) {
        // Within a line shown whole: its last n characters are the document's.
        text_.chop(n);
        QTextCursor cursor(shown_);
        cursor.movePosition(QTextCursor::End);
        cursor.setPosition(cursor.position() - static_cast<int>(n), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        return;
    }
    int block = shown_->blockCount() - 1;
    if (end < lastLineStart_) {
        // Back across line breaks: an earlier line becomes the last one.
        for (qsizetype i = end; i < lastLineStart_; ++i)
            if (StartsBreak(i)) --block;
        lastLineStart_ = end;
        while (lastLineStart_ > 0 && !IsBreak(text_[lastLineStart_ - 1])) --lastLineStart_;
    }
    text_.chop(n);
    ShowLastLineFrom(block);
}

void HistoryText::ShowLastLineFrom(int block) {
    const QStringView line = QStringView(text_).sliced(lastLineStart_);
    QTextCursor cursor(shown_);
    cursor.setPosition(shown_->findBlockByNumber(block).position());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    const QString shown = ShownLine(line);
    if (shown.isEmpty()) cursor.removeSelectedText();
    else cursor.insertText(shown);
    lastLineShortened_ = IsLongLine(line);
}

void HistoryText::Clear() {
    text_.clear();
    lastLineStart_ = 0;
    lastLineShortened_ = false;
    shown_->clear();
}

}  // namespace spanwright::history
