#pragma once
// The display as a screen reader says it: the units in words where the
// display or its tag shows an abbreviation; anything else as it shows.
//   Spoken("3810mm", "")  -> "3810 millimeters"   Spoken("2.5m", "") -> "2.5 meters"
//   Spoken("40", "cuYd")  -> "40 cubic yards"     Spoken("16.72", "sqM") -> "16.72 square meters"
//   Spoken("5'3\"", "")   -> "5'3\""              Spoken("5c", "") -> "5c" (no unit yet)
#include <string>
#include <string_view>

namespace spanwright::calculator {

std::string Spoken(std::string_view display, std::string_view tag);

}  // namespace spanwright::calculator
