#pragma once
// UTF-8 text counted in characters (code points), as the entry limit and
// Backspace count them.
//   CodePoints("5½")        -> 2       DropLast("5½", 1) -> "5", returns "½"
//   DropLast("12", 5)       -> ""      Contains("5'3", '\'') -> true
//   HasAtLeast("½", 2)      -> false   HasAtLeast("+ ", 2) -> true
#include <cstddef>
#include <string>
#include <string_view>

namespace spanwright::calculator::text {

std::size_t CodePoints(std::string_view s);
// Removes the last n characters (all of them when there are fewer) and
// returns what it removed.
std::string DropLast(std::string& s, std::size_t n);
// Whether s holds at least n characters, looking at its first 4n bytes only.
inline bool HasAtLeast(std::string_view s, std::size_t n) { return CodePoints(s.substr(0, 4 * n)) >= n; }
inline bool Contains(std::string_view s, char c) { return s.find(c) != std::string_view::npos; }

}  // namespace spanwright::calculator::text
