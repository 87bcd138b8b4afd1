#pragma once
// One step of the running calculation: apply the operator to the total with
// the operand text and write the new total in the current output form. The
// caller keeps the total and the pending operator; a failure comes back as
// its number and text, never as an exception.
//   DoMath(0, "3'4-1/2\"", 0)  -> total 40.5, "3'4-1/2\""
//   DoMath(40.5, "10", 1)     -> total 50.5, "4'2-1/2\""
//   DoMath(50.5, "2", 3)      -> total 101,  "8'5\""
//   DoMath(7, "0", 4)         -> error 11 "Division by zero.", text "0"
//   DoMath(40.5, "40.5", 3), square units, fractional -> "1640-1/4", tag "sqIn"
#include <optional>
#include <string>
#include <string_view>

#include "engine/options.h"

namespace spanwright::mdlDoMath {

// The pending operator: 0 none, 1 add, 2 subtract, 3 multiply, 4 divide.
enum Operator : int { kNone = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4 };

struct StepResult {
    double total = 0;       // the new total; after a failure the one passed in
    std::string text;       // the new total as display text; "0" after a failure
    int error = 0;          // 0, or the number of the failure
    std::string errorText;  // its description: "Invalid input.", "Division by zero.", ...
    std::string squareTag;  // "sqFt" or "sqIn" when this step set the square tag, else empty
                            // (a step can set the tag and then fail in formatting)
    bool ok() const { return error == 0; }
};

StepResult DoMath(double total, std::string_view text, int op, const OutputOptions& options);

// A square result shown again, with nothing pending, in the square unit the
// options now choose. The text is read with the mark its tag turned into:
//   "432\"" with tag "sqIn", "Square Feet" chosen -> "3", tag "sqFt"
//   "3'"    with tag "sqFt", "Square Inches"      -> "432", tag "sqIn"
// Nothing (std::nullopt) when the text cannot be read: the caller evaluates
// it as a plain Enter, which reports the failure.
std::optional<StepResult> ReShowArea(std::string_view text, std::string_view tag, const OutputOptions& options);

}  // namespace spanwright::mdlDoMath
