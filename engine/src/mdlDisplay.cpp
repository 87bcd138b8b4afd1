// Dimension formatting. The fraction is never rounded a second time, so it
// stays on the chosen grid, and decimal feet are rounded once.
#include "engine/mdlDisplay.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/numeric.h"

namespace spanwright::mdlDisplay {

namespace {

using numeric::Text;

struct Split {
    double F = 0;        // whole feet, sign of x
    double R = 0;        // inch remainder, |R| < 12 (up to 12 after rounding)
    bool negative = false;
};

// Splitting into feet and inches: x = value / 12 rounded to d places.
Split SplitFeet(double value, int d) {
    Split s;
    const double x = numeric::RoundPlaces(value / 12, d);
    s.F = std::trunc(x);
    s.R = (x - s.F) * 12;
    s.negative = value < 0;
    // Rounding x to d places moves a remainder by up to
    // 6E-9 inches, which decides exact ties the wrong way (0.025 at two
    // places showed 0.02; 3/256 at 1/128 showed 1/128). Where the remainder
    // is not zero, take it from the value itself when the two agree within
    // that noise and in sign; the feet and every other result stay as they are.
    const double exact = value - s.F * 12;
    if (s.R != 0 && std::fabs(exact - s.R) <= 1e-7 && std::signbit(exact) == std::signbit(s.R) && exact != 0) {
        s.R = exact;
    }
    return s;
}

int FormatCode(const OutputOptions& options) {
    const int p = options.FormatPosition();
    return options.SquareValue() == 1 ? p + 2 : p;
}

// Leading text of codes 0 and 2: the number, "-0" when the value is negative
// and the number is zero.
std::string SignedLead(double number, bool negative) {
    if (negative && number == 0) return "-0";
    return Text(number);
}

std::string FeetText(double F, bool negative) {
    std::string t = Text(F);
    if (negative && t.find('-') == std::string::npos) t.insert(t.begin(), '-');
    return t;
}

}  // namespace

std::string FractionText(double numerator, double denominator) {
    double N = numerator;
    double D = denominator;
    if (N > 0) {
        std::int32_t a = numeric::ToWhole(N);
        std::int32_t b = numeric::ToWhole(D);
        std::int32_t g = 1;
        std::int32_t r;
        do {
            r = b % a;  // a > 0 here: a starts at N > 0 and takes only non-zero r
            if (r == 0) g = a;
            b = a;
            a = r;
        } while (r != 0);
        N = numeric::ToWhole(N) / g;
        D = numeric::ToWhole(D) / g;
    }
    return Text(N) + "/" + Text(D);
}

std::string FormatFractional(const double& value, const OutputOptions& options) {
    const int code = FormatCode(options);
    const bool square = options.SquareValue() == 1;
    const std::string feet_mark = square ? "" : "'";
    const std::string inch_mark = square ? "" : "\"";
    const int k = options.RoundPosition();
    if (k < 0 || k > 8) Raise(kNoRoundingStep);
    const double den = static_cast<double>(1 << k);
    numeric::Finite(value);

    Split s = SplitFeet(value, 9);
    // Round R to the nearest 1/den, half away from zero, with no second
    // rounding, so the fraction is always a multiple of the chosen step.
    double R = numeric::PatternValue(den * s.R, 0) / den;

    double W;
    std::string fraction;
    const std::string rt = Text(R);
    const std::size_t point = rt.find('.');
    if (point != std::string::npos) {
        W = numeric::Whole(rt.substr(0, point));
        const std::string digits = rt.substr(point + 1);
        fraction = FractionText(numeric::Real(digits), std::pow(10.0, static_cast<double>(digits.size())));
    } else {
        W = numeric::ToWhole(R);
    }
    if (!fraction.empty()) fraction.insert(fraction.begin(), '-');

    switch (code) {
        case 0:
            return SignedLead(s.F * 12 + W, s.negative) + fraction;
        case 1:
            if (s.negative) W = -W;
            return FeetText(s.F, s.negative) + feet_mark + Text(W) + fraction + inch_mark;
        case 2:
            return SignedLead(s.F * 12 + W, s.negative) + fraction + inch_mark;
        default:
            return {};
    }
}

std::string FormatDecimal(const double& value, const OutputOptions& options) {
    const int code = FormatCode(options);
    const bool square = options.SquareValue() == 1;
    const std::string feet_mark = square ? "" : "'";
    const std::string inch_mark = square ? "" : "\"";
    numeric::Finite(value);

    Split s = SplitFeet(value, 11);
    int places;
    if (options.RoundValue() == 1) {
        places = options.RoundPosition();  // pattern "0" when places <= 0
    } else {
        places = 10;
    }
    const double raw_R = s.R;
    double R = numeric::PatternValue(s.R, places);

    switch (code) {
        case 0:
            return Text(s.F * 12 + R);
        case 1:
            if (s.negative) R = -R;
            return FeetText(s.F, s.negative) + feet_mark + Text(R) + inch_mark;
        case 2:
            // The feet are rounded once, from the unrounded remainder.
            return Text(numeric::RoundPlaces(raw_R / 12 + s.F, places)) + feet_mark;
        case 3:
            return Text(numeric::RoundPlaces(s.F * 12 + R, places)) + inch_mark;
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
