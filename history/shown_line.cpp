#include "history/shown_line.h"

namespace spanwright::history {
namespace {

// The longest UTF-8 character.
constexpr std::size_t kMostBytesPerCharacter = 4;

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Bytes taken by the first `count` characters of s.
std::size_t HeadBytes(std::string_view s, std::size_t count) {
    std::size_t i = 0;
    for (; count > 0 && i < s.size(); --count)
        for (++i; i < s.size() && Continues(s[i]);) ++i;
    return i;
}

// Bytes taken by the last `count` characters of s.
std::size_t TailBytes(std::string_view s, std::size_t count) {
    std::size_t i = s.size();
    for (; count > 0 && i > 0; --count)
        for (--i; i > 0 && Continues(s[i]);) --i;
    return s.size() - i;
}

QString FromUtf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

bool IsLongLine(std::string_view line) {
    if (line.size() <= kMostShownCharacters) return false;
    if (line.size() > kMostBytesPerCharacter * kMostShownCharacters) return true;
    return HeadBytes(line, kMostShownCharacters) < line.size();
}

QString ShownLine(std::string_view line) {
    if (!IsLongLine(line)) return FromUtf8(line);
    return FromUtf8(line.substr(0, HeadBytes(line, kShownEachSide))) + QChar(0x2026) +
           FromUtf8(line.substr(line.size() - TailBytes(line, kShownEachSide)));
}

}  // namespace spanwright::history
