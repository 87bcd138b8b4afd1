// spanwright_golden FILE...: runs golden-file lines against the engine.
//   # comment; blank lines ignored; fields separated by " | "
//   parse  | <text>               | <inches as %.15G, or Error N>
//   format | <options> | <inches> | <display text, or Error N>
//   calc   | <options> | <seq>    | <display text, or Error N> [| <tag>]
// Prints each failing line with what it got, then "N passed, N failed";
// exits non-zero on any failure (a malformed line counts as a failure).
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

using namespace spanwright;
using namespace spanwright::testkit;

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: spanwright_golden FILE...\n");
        return 2;
    }
    int passed = 0;
    int failed = 0;
    for (int a = 1; a < argc; ++a) {
        std::ifstream in(argv[a], std::ios::binary);
        if (!in) {
            std::printf("%s: cannot open\n", argv[a]);
            ++failed;
            continue;
        }
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            const std::string trimmed = Trim(line);
            if (trimmed.empty() || trimmed[0] == '#') continue;
            const auto f = SplitFields(trimmed);
            std::string got;
            std::string expected;
            bool ok = false;
            std::string problem;
            if (f[0] == "parse" && f.size() == 3) {
                expected = f[2];
                got = ParseResult(f[1]);
                ok = got == expected;
            } else if (f[0] == "format" && f.size() == 4) {
                PlainOptions o;
                expected = f[3];
                if (!ParseOptions(f[1], o, &problem)) {
                    got = "(bad line: " + problem + ")";
                } else {
                    double v = 0;
                    try {
                        v = numeric::Real(f[2]);
                        got = FormatResult(v, o);
                        ok = got == expected;
                    } catch (const NumberedError&) {
                        got = "(bad line: inches not a number)";
                    }
                }
            } else if (f[0] == "calc" && (f.size() == 4 || f.size() == 5)) {
                PlainOptions o;
                expected = f[3];
                if (!ParseOptions(f[1], o, &problem)) {
                    got = "(bad line: " + problem + ")";
                } else {
                    std::string display;
                    std::string tag;
                    if (!RunSequence(f[2], o, display, &tag)) {
                        got = "(bad line: sequence must end with an operator or =)";
                    } else {
                        got = display;
                        ok = display == expected;
                        if (f.size() == 5) {
                            expected += " | " + f[4];
                            got += " | " + tag;
                            ok = ok && tag == f[4];
                        }
                    }
                }
            } else {
                got = "(bad line: unknown kind or wrong field count)";
            }
            if (ok) {
                ++passed;
            } else {
                ++failed;
                std::printf("%s:%d: %s\n    expected: %s\n    got:      %s\n", argv[a], number, trimmed.c_str(),
                            expected.c_str(), got.c_str());
            }
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
