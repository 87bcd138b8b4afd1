#pragma once
// Dimension text to inches. Failures raise NumberedError (5, 6, 11, 13, 100).
//   ConvertInput("3'4-1/2\"", 0) -> 40.5     ConvertInput("-0'4-1/2\"", 0) -> -4.5
//   ConvertInput("2.5'", 1)      -> 30       ConvertInput("", any) -> 0
//   ParseFraction("1/2")         -> error 5  ParsePlain("3-4") -> error 100
//   ReadDimension("3'4-1/2\"")   -> 40.5     (the parser DetType names, one scan)
//   ReadDimension("1000mm")      -> 39.3700787401575   ReadDimension("3810 MM") -> 150
//   ReadDimension("2,5m", true)  -> 98.4251968503937 (a comma locale)
//   ReadDimension("1'2mm"), ReadDimension("25c") -> error 13
#include <cstdint>
#include <optional>
#include <string_view>

namespace spanwright::mdlConvertInput {

double ConvertInput(std::string_view text, const std::int32_t& mode);
double ParseFraction(std::string_view text);
double ParsePlain(std::string_view text);

// ConvertInput(text, DetType(text)), with the marks found in one pass; a
// text ending in a metric unit is a number in that unit.
double ReadDimension(std::string_view text, bool decimalComma = false);

// A decimal number followed by "mm", "cm" or "m" (any letter case, blanks
// before the unit), in inches; nothing when the text ends in no unit. The
// number is read as Real reads it ("." always, "," too in a comma locale),
// so a feet, inch or fraction mark in it is error 13.
std::optional<double> ReadMetric(std::string_view text, bool decimalComma);

}  // namespace spanwright::mdlConvertInput
