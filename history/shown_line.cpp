#include "history/shown_line.h"

namespace spanwright::history {
namespace {

// A low surrogate right after a high one ends a pair: the two are one character.
bool EndsPair(QStringView s, qsizetype i) {
    return i > 0 && s[i].isLowSurrogate() && s[i - 1].isHighSurrogate();
}

// Units taken by the first `count` characters of s.
qsizetype HeadUnits(QStringView s, qsizetype count) {
    qsizetype i = 0;
    for (; count > 0 && i < s.size(); --count) i += (i + 1 < s.size() && EndsPair(s, i + 1)) ? 2 : 1;
    return i;
}

// Units taken by the last `count` characters of s.
qsizetype TailUnits(QStringView s, qsizetype count) {
    qsizetype i = s.size();
    for (; count > 0 && i > 0; --count) i -= EndsPair(s, i - 1) ? 2 : 1;
    return s.size() - i;
}

}  // namespace

bool IsLongLine(QStringView line) {
    if (line.size() <= kMostShownCharacters) return false;
    if (line.size() > 2 * kMostShownCharacters) return true;
    return HeadUnits(line, kMostShownCharacters) < line.size();
}

QString ShownLine(QStringView line) {
    if (!IsLongLine(line)) return line.toString();
    const QStringView head = line.first(HeadUnits(line, kShownEachSide));
    const QStringView tail = line.last(TailUnits(line, kShownEachSide));
    QString shown;
    shown.reserve(head.size() + 1 + tail.size());
    shown.append(head).append(QChar(0x2026)).append(tail);
    return shown;
}

}  // namespace spanwright::history
