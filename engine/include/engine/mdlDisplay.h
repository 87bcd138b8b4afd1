#pragma once
// Inches to display text under the output options.
//   FormatDimension(40.5)  -> 3'4-1/2"  (fractional, 1/16, feet and inches)
//   FormatDimension(-4.5)  -> -0'4-1/2" (the sign survives a zero foot)
//   FormatDimension(1.2)   -> 0'1-3/16" (the fraction stays on the 1/16 grid)
//   FormatDimension(47.999)-> 3'12"     (no carry from inches to feet)
//   FormatDimension(40.5)  -> 3.38'     (decimal, 2 places, feet)
//   FormatDimension(0.025) -> 0.03      (decimal, 2 places: an exact tie goes
//                                        away from zero; the remainder of the
//                                        feet split is taken from the value)
//   FormatDimension(12.45) -> 12.5"     (decimal, 1 place, inches: the inches
//                                        after the feet are read at the
//                                        value's own precision, 0.45)
//   FormatDimension(11999999999995) -> 999999999999'7" (the feet F are the
//                                        whole number with 0 <= |value| - 12 F
//                                        < 12, exact below 2^53 inches)
//   FormatDimension(150)   -> 3810mm, 381cm, 3.81m (decimal "Millimeters",
//                                        "Centimeters", "Meters")
// A value that is not finite raises 6.
#include <cstdint>
#include <string>

#include "engine/options.h"
#include "engine/units.h"

namespace spanwright::mdlDisplay {

std::string FormatDimension(const double& value, const OutputOptions& options);
std::string FormatFractional(const double& value, const OutputOptions& options);
std::string FormatDecimal(const double& value, const OutputOptions& options);

// A total as the calculator shows it: an entry as FormatDimension writes it;
// with square units a measured area or volume in the chosen item's unit, a
// length in that family's length form, any other power as a plain number.
//   {17280 sq in}, "Square Feet", 0 places -> 120       {144 in} -> 12'
//   {69120 cu in}, "Square Yards", 2 places -> 1.48     fractional -> 69120
//   {17280 sq in} * {17280 sq in} (degree 4), "Square Feet" -> 14400
std::string FormatQuantity(const units::Quantity& q, const OutputOptions& options);

// FractionText(8, 16) -> "1/2"; FractionText(5, 10) -> "1/2"; N <= 0 is not reduced.
std::string FractionText(double numerator, double denominator);

}  // namespace spanwright::mdlDisplay
