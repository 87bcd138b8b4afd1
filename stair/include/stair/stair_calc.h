#pragma once
// The stair calculator's computation, with no window: the user fills two of
// the three fields of one direction (Risers: maximum riser height, number of
// risers, overall height; Treads: the same across), Calculate works out the
// third, raises the count until no step is higher (wider) than the maximum,
// and gives back the texts to write into the fields and the summary line.
//
//   Risers, fields {"7.5", "", "108"}     -> fields {-, "15", "108"},
//                                            summary 15 Risers @ 7.20" = 9'0"
//   Risers, fields {"", "15", "108"}      -> fields {"7.20", "15", "108"}
//   Risers, fields {"7.25", "15", ""}     -> fields {-, "15", "108.75"}
//   Risers, fields {"25", "", "10"}       -> count 1, riser 10.00 (a maximum
//                                            over twice the overall still gives
//                                            one riser)
//   Risers, fields {"", "0", "10"}        -> "Error: 11 - Division by zero."
//   Risers, fields {"", "40000", "10"}    -> "Error : 6 - A value that has been
//                                            entered is too large."
//   Risers, fields {"", "", "108"}        -> "You must enter values in two of
//                                            the three available fields."
// ("-" marks a field that is left as the user typed it; summaries shown with
// fractional feet-and-inches output.)
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/options.h"

namespace spanwright::stair {

// The values of the last calculation. They outlive the window: the main
// window owns them, so they are kept between calculations and between
// openings of the window. All start at 0.
struct StairVariables {
    double dblRiserHeight = 0;     // maximum, then actual, riser height (inches)
    std::int16_t intRisers = 0;
    double dblOverallHeight = 0;
    double dblTreadWidth = 0;      // maximum, then actual, tread width (inches)
    std::int16_t intTreads = 0;
    double dblOverallWidth = 0;
    std::int32_t intMissing = 0;   // index of the field computed last: 0, 1 or 2
};

// optStair's index: 0 Risers, 1 Treads.
enum class StairMode : int { Risers = 0, Treads = 1 };

// The three field texts of one direction, by index: 0 maximum step,
// 1 number of steps, 2 overall.
using StairFields = std::array<std::string, 3>;

struct StairMessage {
    std::string text;
    std::string title;  // shown with an exclamation icon and an OK button
};

struct StairOutcome {
    // Set when the calculation ended with a message; then nothing below is
    // written and the window keeps what it showed.
    std::optional<StairMessage> message;
    // New texts for the fields that are written back; nullopt: leave as is.
    std::array<std::optional<std::string>, 3> fields;
    std::string summary;  // caption for lblRiser (Risers) or lblTread (Treads)
};

// The whole of Calculate: checks, reads, computes and formats. `vars` keeps
// every value that was changed before a failure, as the window's variables
// did. The overall length is written with FormatDimension under `options`.
StairOutcome Calculate(StairVariables& vars, StairMode mode, const StairFields& fields,
                       const OutputOptions& options);

// True when at most one field is empty; only "" is empty ("  " is not).
bool CheckInputs(const StairFields& fields);

// x rounded to ten decimal places, halves away from zero: ten(7.71428571428571)
// -> 7.7142857143.
double ten(double x);

// x rounded to a whole count, halves away from zero: whole(14.5) -> 15,
// whole(-0.5) -> -1; outside -32768..32767 raises error 6.
std::int16_t whole(double x);

// One quantity of one direction from the other two (errors 6 and 11 as
// NumberedError). CalcNumRisers also runs the fitting loop; the count it
// starts from is at least 1.
void CalcRiserHeight(StairVariables& vars);    // 120 / 16 -> 7.5
void CalcNumRisers(StairVariables& vars);      // 108, max 7.5 -> 15 @ 7.2
void CalcOverallHeight(StairVariables& vars);  // 15 x 7.25 -> 108.75
void CalcTreadWidth(StairVariables& vars);
void CalcNumTreads(StairVariables& vars);
void CalcOverallWidth(StairVariables& vars);

}  // namespace spanwright::stair
