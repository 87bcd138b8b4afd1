#include "history/history_text.h"

#include <QTextCursor>
#include <QTextDocument>

namespace spanwright::history {
namespace {
constexpr QChar kCr = QLatin1Char('\r');
constexpr QChar kLf = QLatin1Char('\n');
}  // namespace

HistoryText::HistoryText(QTextDocument* shown) : shown_(shown) {
    shown_->setUndoRedoEnabled(false);
    shown_->clear();
}

int HistoryText::ShownWidth(qsizetype i) const {
    return (text_[i] == kLf && i > 0 && text_[i - 1] == kCr) ? 0 : 1;
}

void HistoryText::Append(const QString& s) {
    if (s.isEmpty()) return;
    const qsizetype from = text_.size();
    text_ += s;

    QString shown;
    shown.reserve(s.size());
    for (qsizetype i = from; i < text_.size(); ++i) {
        if (ShownWidth(i) == 0) continue;
        const QChar c = text_[i];
        shown += (c == kCr || c == kLf) ? QChar(QChar::ParagraphSeparator) : c;
    }
    if (shown.isEmpty()) return;
    QTextCursor cursor(shown_);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(shown);
}

void HistoryText::RemoveLast(qsizetype n) {
    if (n <= 0 || n > text_.size()) return;
    int shownCount = 0;
    for (qsizetype i = text_.size() - n; i < text_.size(); ++i) shownCount += ShownWidth(i);
    text_.chop(n);
    if (shownCount == 0) return;
    QTextCursor cursor(shown_);
    cursor.movePosition(QTextCursor::End);
    cursor.setPosition(cursor.position() - shownCount, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void HistoryText::Clear() {
    text_.clear();
    shown_->clear();
}

}  // namespace spanwright::history
