// Dimension formatting. The fraction is counted in whole steps of 1/den and
// never rounded a second time, so it stays on the chosen grid; decimal feet
// are rounded once.
#include "engine/mdlDisplay.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "engine/units.h"

namespace spanwright::mdlDisplay {

namespace {

using numeric::Text;

struct Split {
    double feet = 0;    // whole feet, with the sign of the value
    double inches = 0;  // the remainder, |inches| < 12 (up to 12 after rounding)
    bool negative = false;
};

// Splitting into feet and inches. Below 2^53 inches the feet are the whole
// number F with 0 <= |value| - 12 F < 12, from a division corrected by the
// exact remainder (fma gives it exactly), and the inches are that remainder:
// 11999999999995 is 999999999999' and 7". From 2^53 on every value is a
// whole number of an even count of inches and the feet are value / 12 to 15
// digits with no inches left, as they always were.
Split SplitFeet(double value) {
    Split split;
    split.negative = value < 0;
    const double magnitude = std::fabs(value);
    if (!(magnitude < 0x1p53)) {
        split.feet = std::trunc(numeric::RoundPlaces(value / 12, 0));
        return split;
    }
    double feet = std::trunc(magnitude / 12);
    double inches = std::fma(-12.0, feet, magnitude);
    if (inches < 0) {
        feet -= 1;
        inches += 12;
    } else if (inches >= 12) {
        feet += 1;
        inches -= 12;
    }
    split.feet = split.negative ? -feet : feet;
    split.inches = split.negative ? -inches : inches;
    return split;
}

// Decimal codes beyond the written four: 4-6 millimeters, centimeters,
// meters; with square units "Square Yards" and "Square Meters" (the number of
// the area's base length: value / 36, value in meters).
constexpr int kSquareYards = 102;
constexpr int kSquareMeters = 103;

int FormatCode(const OutputOptions& options) {
    const int position = options.FormatPosition();
    if (options.SquareValue() != 1) return position;
    if (options.DecimalSelected() && position == 2) return kSquareYards;
    if (options.DecimalSelected() && position == 3) return kSquareMeters;
    return position + 2;
}

// The places rounded half away from zero on the 15-digit form, as the
// inches are; no selection (places -1) is error 5, as for feet and inches.
std::string Places(double number, int places) {
    return Text(numeric::RoundPlaces(numeric::PatternValue(number, places), places));
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

    const Split split = SplitFeet(value);
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

    const Split split = SplitFeet(value);
    // The inches at the value's own precision (12.45 leaves 0.45, not the
    // binary 0.4499999999999993), so a half step goes up at every size.
    const double exactInches =
        std::fabs(value) < 0x1p53 ? numeric::Remainder15(value, split.feet * 12) : split.inches;
    // With rounding off, ten places; a position of 0 or less is the pattern "0".
    const int places = options.RoundValue() == 1 ? options.RoundPosition() : 10;
    double inches = numeric::PatternValue(exactInches, places);

    switch (code) {
        case 0:
            return Text(split.feet * 12 + inches);
        case 1:
            if (split.negative) inches = -inches;
            return FeetAndInches(split, Text(inches), "", square);
        case 2:
            // The feet are rounded once, from the exact remainder: the feet's
            // own 15-digit form already absorbs the binary error of the value.
            return Text(numeric::RoundPlaces(split.inches / 12 + split.feet, places)) + (square ? "" : "'");
        case 3:
            return Text(numeric::RoundPlaces(split.feet * 12 + inches, places)) + (square ? "" : "\"");
        case 4:
        case 5:
        case 6: {
            const units::Metric unit = units::kMetricUnits[code - 4];
            return Places(units::FromInches(value, unit), places) + std::string(units::Symbol(unit));
        }
        case kSquareYards: return Places(value / 36, places);
        case kSquareMeters: return Places(units::FromInches(value, units::Metric::Meters), places);
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

namespace spanwright::mdlDisplay {

std::string FormatQuantity(const units::Quantity& q, const OutputOptions& options) {
    if (!q.measured || options.SquareValue() != 1) return FormatDimension(q.value, options);
    const units::Family family = units::FamilyOf(options);
    OutputOptions plain = options;
    plain.square = 0;
    if (q.degree == 2 || q.degree == 3)
        return FormatDimension(units::InFamilyUnits(q.value, family, q.degree - 1), options);
    if (q.degree == 1) {
        // A length in the family's length form: feet (also for yards, which
        // have no form of their own), inches, meters.
        switch (family) {
            case units::Family::Feet:
            case units::Family::Yards: plain.format = 2; break;
            case units::Family::Inches: plain.format = options.DecimalSelected() ? 3 : 2; break;
            case units::Family::Meters: plain.format = 6; break;
        }
        return FormatDimension(q.value, plain);
    }
    plain.format = 0;
    return FormatDimension(units::InFamilyUnits(q.value, family, q.degree), plain);
}

}  // namespace spanwright::mdlDisplay
