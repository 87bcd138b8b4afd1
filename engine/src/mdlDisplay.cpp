// Dimension formatting. The fraction is counted in whole steps of 1/den and
// never rounded a second time, so it stays on the chosen grid; decimal feet
// are rounded once.
#include "engine/mdlDisplay.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/errors.h"
#include "engine/numeric.h"

namespace spanwright::mdlDisplay {

namespace {

using numeric::Text;

struct Split {
    double feet = 0;    // whole feet, with the sign of the value
    double inches = 0;  // the remainder, |inches| < 12 (up to 12 after rounding)
    bool negative = false;
};

// Splitting into feet and inches: x = value / 12 rounded to `places`.
Split SplitFeet(double value, int places) {
    Split split;
    const double x = numeric::RoundPlaces(value / 12, places);
    split.feet = std::trunc(x);
    split.inches = (x - split.feet) * 12;
    split.negative = value < 0;
    // Rounding x moves a remainder by up to 6E-9 inches, which decides exact
    // ties the wrong way (0.025 at two places showed 0.02; 3/256 at 1/128
    // showed 1/128). Where the remainder is not zero, take it from the value
    // itself when the two agree within that noise and in sign; the feet and
    // every other result stay as they are.
    const double exact = value - split.feet * 12;
    if (split.inches != 0 && std::fabs(exact - split.inches) <= 1e-7 &&
        std::signbit(exact) == std::signbit(split.inches) && exact != 0) {
        split.inches = exact;
    }
    return split;
}

int FormatCode(const OutputOptions& options) {
    const int position = options.FormatPosition();
    return options.SquareValue() == 1 ? position + 2 : position;
}

// Leading text of codes 0 and 2: the number, "-0" when the value is negative
// and the number is zero.
std::string SignedLead(double number, bool negative) {
    if (negative && number == 0) return "-0";
    return Text(number);
}

std::string FeetText(double feet, bool negative) {
    std::string text = Text(feet);
    if (negative && text.find('-') == std::string::npos) text.insert(text.begin(), '-');
    return text;
}

// Euclid's method on whole numbers, first > 0: (8, 16) -> 8, (3, 0) -> 3.
std::int32_t GreatestCommonDivisor(std::int32_t first, std::int32_t second) {
    std::int32_t divisor = 1;
    std::int32_t remainder;
    do {
        remainder = second % first;
        if (remainder == 0) divisor = first;
        second = first;
        first = remainder;
    } while (remainder != 0);
    return divisor;
}

// "feet', inches, fraction, inch mark" of code 1.
std::string FeetAndInches(const Split& split, std::string_view inches, std::string_view fraction, bool square) {
    std::string text = FeetText(split.feet, split.negative);
    if (!square) text += '\'';
    text += inches;
    text += fraction;
    if (!square) text += '"';
    return text;
}

}  // namespace

std::string FractionText(double numerator, double denominator) {
    if (numerator > 0) {
        const std::int32_t top = numeric::ToWhole(numerator);
        const std::int32_t bottom = numeric::ToWhole(denominator);
        const std::int32_t divisor = GreatestCommonDivisor(top, bottom);
        numerator = top / divisor;
        denominator = bottom / divisor;
    }
    return Text(numerator) + "/" + Text(denominator);
}

std::string FormatFractional(const double& value, const OutputOptions& options) {
    const int code = FormatCode(options);
    const bool square = options.SquareValue() == 1;
    const int position = options.RoundPosition();
    if (position < 0 || position > 8) Raise(kNoRoundingStep);
    const std::int32_t den = 1 << position;
    numeric::Finite(value);

    const Split split = SplitFeet(value, 9);
    // The remainder in whole steps of 1/den (|steps| <= 12 den), half away
    // from zero: 4.5 at 1/16 is 72 steps, 4 inches and 8/16 = 1/2.
    const auto steps = static_cast<std::int32_t>(numeric::PatternValue(den * split.inches, 0));
    double wholeInches = steps / den;  // toward zero
    std::string fraction;
    if (const std::int32_t part = (steps < 0 ? -steps : steps) % den; part != 0) {
        const std::int32_t divisor = GreatestCommonDivisor(part, den);
        fraction = "-";
        fraction += std::to_string(part / divisor);
        fraction += '/';
        fraction += std::to_string(den / divisor);
    }

    switch (code) {
        case 0:
            return SignedLead(split.feet * 12 + wholeInches, split.negative) + fraction;
        case 1:
            if (split.negative) wholeInches = -wholeInches;
            return FeetAndInches(split, Text(wholeInches), fraction, square);
        case 2:
            return SignedLead(split.feet * 12 + wholeInches, split.negative) + fraction + (square ? "" : "\"");
        default:
            return {};
    }
}

std::string FormatDecimal(const double& value, const OutputOptions& options) {
    const int code = FormatCode(options);
    const bool square = options.SquareValue() == 1;
    numeric::Finite(value);

    const Split split = SplitFeet(value, 11);
    // With rounding off, ten places; a position of 0 or less is the pattern "0".
    const int places = options.RoundValue() == 1 ? options.RoundPosition() : 10;
    double inches = numeric::PatternValue(split.inches, places);

    switch (code) {
        case 0:
            return Text(split.feet * 12 + inches);
        case 1:
            if (split.negative) inches = -inches;
            return FeetAndInches(split, Text(inches), "", square);
        case 2:
            // The feet are rounded once, from the unrounded remainder.
            return Text(numeric::RoundPlaces(split.inches / 12 + split.feet, places)) + (square ? "" : "'");
        case 3:
            return Text(numeric::RoundPlaces(split.feet * 12 + inches, places)) + (square ? "" : "\"");
        default:
            return {};
    }
}

std::string FormatDimension(const double& value, const OutputOptions& options) {
    std::string text;
    if (options.FractionalSelected()) text = FormatFractional(value, options);
    if (options.DecimalSelected()) text = FormatDecimal(value, options);
    return text;
}

}  // namespace spanwright::mdlDisplay
