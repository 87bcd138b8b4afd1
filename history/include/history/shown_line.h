#pragma once
// How the history box shows one line of the tape (UTF-8). A line of at most
// 2,000 characters shows as it is; a longer one as its first and last 1,000
// characters with "…" (U+2026) between, so the box never lays out a huge
// line. The tape itself (and its export) keeps the line whole.
// Characters are Unicode code points, never cut.
//   ShownLine("12'3")                    -> "12'3"
//   ShownLine(2000 x "7")                -> the same 2000 characters
//   ShownLine("1" + 1999 x "0" + "5")    -> "1" + 999 x "0" + "…" + 999 x "0" + "5"
//   ShownLine(2001 x "📐")               -> 1000 x "📐" + "…" + 1000 x "📐" (4001 UTF-16 units)
//   IsLongLine(1999 x "a" + "📐")        -> false (2000 characters in 2003 bytes)
// Both read at most 8,000 bytes of the line, whatever its length.
#include <QString>
#include <cstddef>
#include <string_view>

namespace spanwright::history {

inline constexpr std::size_t kMostShownCharacters = 2000;
inline constexpr std::size_t kShownEachSide = 1000;

// True when the line has more than kMostShownCharacters characters.
bool IsLongLine(std::string_view line);

// The line as the box shows it (see above).
QString ShownLine(std::string_view line);

}  // namespace spanwright::history
