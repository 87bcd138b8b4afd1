// spanwright_golden FILE...: runs golden-file lines against the engine.
//   # comment; blank lines ignored; fields separated by "|", blanks trimmed
//   parse   | <text>                | <inches as %.15G, or Error N>
//   format  | <options> | <inches>  | <display text, or Error N>
//   calc    | <options> | <seq>     | <display text, or Error N> [| <tag>]
//   real    | <text>                | <the number as %.15G, or Error N>
//   text    | <number>              | <the number as %.15G>
//   whole   | <text>                | <32-bit whole number, or Error N>
//   whole16 | <text>                | <16-bit whole number, or Error N>
//   pattern | <places> | <number>   | <rounded half away, that many places>
//   round   | <places> | <number>   | <rounded half to even, as %.15G, or Error N>
// "real" and "round" results that are not the double nearest their text get
// " (not the nearest double)" appended.
// Prints each failing line with what it got, then "N passed, N failed";
// exits non-zero on any failure (a malformed line counts as a failure).
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/mdlDisplay.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

using namespace spanwright;
using namespace spanwright::testkit;
namespace n = spanwright::numeric;

namespace {

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> out;
    for (std::size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
        bar = line.find('|', start);
        const std::string f = line.substr(start, bar == std::string::npos ? bar : bar - start);
        const std::size_t b = f.find_first_not_of(" \t\r"), e = f.find_last_not_of(" \t\r");
        out.push_back(b == std::string::npos ? "" : f.substr(b, e - b + 1));
    }
    return out;
}

// What the line's program part gives, to compare with its last field(s).
std::string Run(const std::vector<std::string>& f, std::string& expected) {
    const std::string& kind = f[0];
    expected = f.back();
    if (f.size() == 3) {
        const std::string& a = f[1];
        if (kind == "parse") return ParseResult(a);
        if (kind == "real") return OrError([&] {
            const double r = n::Real(a);
            return n::Text(r) + (r == std::strtod(a.c_str(), nullptr) ? "" : " (not the nearest double)");
        });
        if (kind == "text") return n::Text(n::Real(a));
        if (kind == "whole") return OrError([&] { return std::to_string(n::Whole(a)); });
        if (kind == "whole16") return OrError([&] { return std::to_string(n::Whole16(a)); });
    } else if (f.size() == 4 && kind != "calc") {
        const double v = n::Real(f[2]);
        if (kind == "format") return OrError([&] { return mdlDisplay::FormatDimension(v, Options(f[1])); });
        if (kind == "pattern") return n::Pattern(v, n::Whole(f[1]));
        if (kind == "round") return OrError([&] { return Exactly(n::RoundPlaces(v, n::Whole(f[1]))); });
    } else if (kind == "calc" && (f.size() == 4 || f.size() == 5)) {
        std::string tag;
        const std::string display = RunSequence(f[2], Options(f[1]), &tag);
        if (f.size() == 4) return display;
        expected = f[3] + " | " + f[4];
        return display + " | " + tag;
    }
    throw std::invalid_argument("unknown kind or wrong field count");
}

}  // namespace

int main(int argc, char** argv) {
    int passed = 0, failed = 0;
    for (int a = 1; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        if (!in) {
            std::printf("%s: cannot open\n", argv[a]);
            ++failed;
        }
        std::string line, expected, got;
        for (int number = 1; std::getline(in, line); ++number) {
            const auto f = Fields(line);
            if (f[0].rfind('#', 0) == 0 || (f.size() == 1 && f[0].empty())) continue;
            try {
                got = Run(f, expected);
            } catch (const std::exception& e) {
                got = std::string("(malformed line: ") + e.what() + ")";
            }
            (got == expected ? passed : failed) += 1;
            if (got != expected)
                std::printf("%s:%d: %s\n    expected: %s\n    got:      %s\n", argv[a], number, line.c_str(),
                        expected.c_str(), got.c_str());
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 && passed > 0 ? 0 : 1;
}
