#pragma once
// The numeric conversions every other engine file uses. "." is the decimal
// point whatever the locale, so the keypad and the formatter always agree.
//   Real(" 3.5 ")         -> 3.5        Real("1,5") -> error 13
//   Real("1E+400")        -> error 6    Real("inf") -> error 13
//   Whole("2.5")          -> 2          Whole("3.5") -> 4 (half to even)
//   Whole("3000000000")   -> error 6    Whole16("32768") -> error 6
//   Text(0.1 + 0.2)       -> "0.3"      Text(1e15) -> "1E+15"
//   Text(0.00001)         -> "1E-05"    Text(-0.0) -> "0"
//   Pattern(2.675, 2)     -> "2.68"     Pattern(2.5, 0) -> "3"
//   RoundPlaces(0.125, 2) -> 0.12       RoundPlaces(2.5, 0) -> 2
#include <cstdint>
#include <string>
#include <string_view>

namespace spanwright::numeric {

// Text to number: blanks (space, tab) around; optional sign; digits with at
// most one "."; optional exponent. Anything else (empty text too) is error 13;
// a finite number beyond the double range is error 6.
double Real(std::string_view text);

// Text to a whole number: Real first, then half to even; out of range is 6.
std::int32_t Whole(std::string_view text);
std::int16_t Whole16(std::string_view text);

// The arithmetic's checks: a result that is not finite (overflow, an
// invalid operation) is error 6; x / 0 is error 11 and 0 / 0 error 6.
//   Finite(1e308 * 10) -> error 6     Quotient(1, 4) -> 0.25
//   Quotient(3, 0)     -> error 11    Quotient(0, 0) -> error 6
double Finite(double value);
double Quotient(double numerator, double denominator);

// Number to whole number, half to even; out of range (or not finite) is 6.
std::int32_t ToWhole(double value);
std::int16_t ToWhole16(double value);

// Text to single precision (window positions): Real, then error 6 when the
// value does not fit a float.
float Single(std::string_view text);

// Text to Boolean: "True"/"False" in any letter case (blanks around allowed),
// or a number, non-zero being true. Anything else is error 13.
//   ToBoolean("tRUE") -> true   ToBoolean("0") -> false   ToBoolean("2.5") -> true
bool ToBoolean(std::string_view text);

// Like C's %.15G: at most 15 significant digits, no trailing zeros, no point
// for whole numbers, exponent form below 1E-4 and from 1E15 on; -0 is "0".
std::string Text(double value);

// Round half away from zero to `places` decimals (places <= 0: the pattern
// "0"), deciding on the 15-significant-digit form, and write it with exactly
// that many decimals: Pattern(7.2, 2) -> "7.20", Pattern(-0.4, 0) -> "-0".
std::string Pattern(double value, int places);

// Pattern, read back as a number: PatternValue(2.675, 2) -> 2.68.
double PatternValue(double value, int places);

// Round half to even to `places` decimals, on the 15-significant-digit form.
double RoundPlaces(double value, int places);

// What is left of a value when a whole number (0 <= |whole| <= |value|) is
// taken away, read at the value's own precision: its 15-significant-digit
// form less |whole|, with the value's sign, as the nearest double (from
// 10^15 on, where the value is whole, the exact difference). The binary
// remainder would carry the typed value's error into a later rounding.
//   Remainder15(12.45, 12)  -> 0.45   (12.45 - 12 is 0.44999999999999929)
//   Remainder15(-24.005, 24) -> -0.005
//   Remainder15(x, 0)       -> x
double Remainder15(double value, double whole);

}  // namespace spanwright::numeric
