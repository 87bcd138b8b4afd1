#pragma once
// The value a line of the tape holds, as the history window gives it back to
// the display: a result after "= ", an operand after its operator, or a
// first operand alone on its line. Lines without a value give none.
//   LineValue("= 8'5\"")     -> "8'5\""
//   LineValue("+ 10")        -> "10"
//   LineValue("3'4-1/2\"")   -> "3'4-1/2\""
//   LineValue("-0'2\"")      -> "-0'2\"" (a negative operand, no operator)
//   LineValue("* ")          -> none (an operator still waiting)
//   LineValue("= Error 11"), LineValue("clr"), LineValue("") -> none
#include <optional>
#include <string>
#include <string_view>

namespace spanwright::history {

std::optional<std::string> LineValue(std::string_view line);

}  // namespace spanwright::history
