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
// With square units the total is a measured quantity (units.h): a product
// of lengths an area, an area times a length a volume, an area divided by
// a length a length; sums keep the total's kind.
//   {17280 sq in} * "4\"", "Square Feet"       -> "40", tag "cuFt"
//   {17280 sq in} / "10'", "Square Feet"       -> "12'" (a length, no tag)
//   {17280 sq in} * "120'" carried as "sqFt"   -> "14400", no tag (degree 4)
//   {17280 sq in} / "2"                        -> "60", tag "sqFt" (a number
//                                                 with no mark scales the total)
#include <optional>
#include <string>
#include <string_view>

#include "engine/options.h"
#include "engine/units.h"

namespace spanwright::mdlDoMath {

// The pending operator: 0 none, 1 add, 2 subtract, 3 multiply, 4 divide.
enum Operator : int { kNone = 0, kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4 };

struct StepResult {
    double total = 0;       // the new total's value; after a failure the one passed in
    units::Quantity quantity;  // the new total with its kind
    std::string text;       // the new total as display text; "0" after a failure
    int error = 0;          // 0, or the number of the failure
    std::string errorText;  // its description: "Invalid input.", "Division by zero.", ...
    std::string squareTag;  // "sqFt", "sqIn", "cuFt", ... when this step set the square tag, else empty
                            // (a step can set the tag and then fail in formatting)
    bool ok() const { return error == 0; }
};

// carriedTag: the tag the display's number had before this key turned it
// into an entry ("120'" carried as "sqFt" is 120 square feet). A text may
// also end in a tag of its own after a blank ("40 cuFt", from the memory).
StepResult DoMath(const units::Quantity& total, std::string_view text, int op, const OutputOptions& options,
                  std::string_view carriedTag = {});

// A square or cubic result shown again, with nothing pending, in the square unit the
// options now choose. The text is read with the mark its tag turned into:
//   "432\"" with tag "sqIn", "Square Feet" chosen -> "3", tag "sqFt"
//   "3'"    with tag "sqFt", "Square Inches"      -> "432", tag "sqIn"
//   "40'"   with tag "cuFt", "Square Yards", 2 places -> "1.48", tag "cuYd"
// Nothing (std::nullopt) when the text cannot be read: the caller evaluates
// it as a plain Enter, which reports the failure.
std::optional<StepResult> ReShowArea(std::string_view text, std::string_view tag, const OutputOptions& options);

}  // namespace spanwright::mdlDoMath
