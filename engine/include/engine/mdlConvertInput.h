#pragma once
// Dimension text to inches. Failures raise NumberedError (5, 6, 11, 13, 100).
//   ConvertInput("3'4-1/2\"", 0) -> 40.5     ConvertInput("-0'4-1/2\"", 0) -> -4.5
//   ConvertInput("2.5'", 1)      -> 30       ConvertInput("", any) -> 0
//   ParseFraction("1/2")         -> error 5  ParsePlain("3-4") -> error 100
//   ReadDimension("3'4-1/2\"")   -> 40.5     (the parser DetType names, one scan)
#include <cstdint>
#include <string_view>

namespace spanwright::mdlConvertInput {

double ConvertInput(std::string_view text, const std::int32_t& mode);
double ParseFraction(std::string_view text);
double ParsePlain(std::string_view text);

// ConvertInput(text, DetType(text)), with the marks found in one pass.
double ReadDimension(std::string_view text);

}  // namespace spanwright::mdlConvertInput
