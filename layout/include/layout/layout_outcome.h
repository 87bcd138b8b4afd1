#pragma once
// What a layout calculation gives back: result lines to show (the window)
// or print as "name value" (the command line), or one message and nothing
// else. A message says whether the input was refused (a field that cannot
// be read, a wrong set of fields) or read but impossible (no triangle, no
// stair), so the command line can tell the two apart.
//   run 12', pitch 4   -> lines {"rise", "Rise", "4'0\""}, ... {"angle", "Angle", "18.43"}
//   run "abc"          -> message "Run: Invalid input.", Failure::Refused
//   rise 5, diagonal 4 -> message "The diagonal must be longer than the rise.",
//                         Failure::Impossible
#include <optional>
#include <string>
#include <vector>

namespace spanwright::layout {

struct ResultLine {
    std::string name;   // the command line's one-word name: "rise", "check riser"
    std::string label;  // the window's caption: "Rise", "Riser height"
    std::string value;  // "4'0\"", "pass 7.714 <= 7.75"
    friend bool operator==(const ResultLine&, const ResultLine&) = default;
};

enum class Failure { None, Refused, Impossible };

struct LayoutOutcome {
    std::vector<ResultLine> lines;  // empty when there is a message
    std::optional<std::string> message;
    Failure failure = Failure::None;
};

}  // namespace spanwright::layout
