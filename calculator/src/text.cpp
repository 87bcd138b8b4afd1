#include "text.h"

namespace spanwright::calculator::text {
namespace {

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::size_t CodePoints(std::string_view s) {
    std::size_t n = 0;
    for (const char c : s) n += Continues(c) ? 0 : 1;
    return n;
}

std::string DropLast(std::string& s, std::size_t n) {
    std::size_t end = s.size();
    for (; n > 0 && end > 0; --n) {
        --end;
        while (end > 0 && Continues(s[end])) --end;
    }
    std::string removed = s.substr(end);
    s.resize(end);
    return removed;
}

}  // namespace spanwright::calculator::text
