#pragma once
// What both layout tools share: reading a field (a length as the display
// reads it, or a plain number), the output options for lengths and for
// step sizes, and the one way a calculation stops with a message.
//   ReadLength(" 12'6\" ", "Run")  -> 150      ReadLength("  ", "Run") -> nothing
//   ReadLength("abc", "Run")       -> throws "Run: Invalid input." (refused)
//   StepOptions(feet and inches)   -> inches: 7.714 shows 7-11/16"
//   Trimmed(7.7142857, 3)          -> "7.714";  Trimmed(10, 3) -> "10"
#include <optional>
#include <string>

#include "engine/errors.h"
#include "engine/options.h"
#include "layout/layout_outcome.h"

namespace spanwright::layout::detail {

// Ends a calculation: LayOutStair and SolveTriangle turn it into the outcome.
struct Stop {
    std::string message;
    Failure failure;
};
[[noreturn]] void Refuse(const std::string& message);
[[noreturn]] void Impossible(const std::string& message);

// Nothing for an empty or blank field; otherwise the value, or Refuse with
// "<label>: " and the reading's message, the display's own words.
std::optional<double> ReadLength(const std::string& text, const std::string& label);
std::optional<double> ReadNumber(const std::string& text, const std::string& label);

// Lengths: the main window's output form and rounding, never in square
// units (a square-units "Square Inches" shows lengths in feet and inches).
OutputOptions LengthOptions(const OutputOptions& options);
// Step sizes (a riser, a tread, a shortfall): the same form, in inches.
OutputOptions StepOptions(const OutputOptions& options);
// FormatDimension; a value that is not finite stops with "too large".
std::string Length(double inches, const OutputOptions& options);

// At most `places` decimals, halves away from zero, no trailing zeros.
std::string Trimmed(double value, int places);

// Runs a calculation that fills `out.lines`, catching its Stop.
template <class F>
LayoutOutcome Run(F&& calculate) {
    LayoutOutcome out;
    try {
        calculate(out.lines);
    } catch (const Stop& stop) {
        out.lines.clear();
        out.message = stop.message;
        out.failure = stop.failure;
    } catch (const NumberedError& e) {
        out.lines.clear();
        out.message = "The results cannot be written: " + e.description();
        out.failure = Failure::Impossible;
    }
    return out;
}

}  // namespace spanwright::layout::detail
