// Dimension text to inches. One pass finds the marks; every part is then a
// view into the text, read by one conversion, so the time is linear in the
// text's length and nothing is copied.
#include "engine/mdlConvertInput.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "engine/units.h"

namespace spanwright::mdlConvertInput {

namespace {

using numeric::Finite;
using numeric::Quotient;
using numeric::Real;
using numeric::Whole;

constexpr std::size_t kAbsent = std::string_view::npos;

// The marks of a dimension text, 0-based, each its first occurrence.
//   "-3'4-1/2\"": negative, feet 2, separator 4, bar 6, body "-3'4-1/2"
struct Marks {
    bool negative = false;            // the text begins with "-"
    bool holdsBar = false;            // a "/" anywhere: the fraction parser reads it
    std::size_t feet = kAbsent;       // the feet mark
    std::size_t separator = kAbsent;  // the first "-" after the first character
    std::size_t bar = kAbsent;        // the first "/" in the fraction part of the body
    std::string_view body;            // the text without its last character when it holds an inch mark
};

Marks Scan(std::string_view text) {
    Marks marks;
    bool inchMark = false;
    std::size_t firstBar = kAbsent;
    std::size_t barAfterSeparator = kAbsent;
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (text[i]) {
            case '"': inchMark = true; break;
            case '\'':
                if (marks.feet == kAbsent) marks.feet = i;
                break;
            case '-':
                if (i == 0) marks.negative = true;
                else if (marks.separator == kAbsent) marks.separator = i;
                break;
            case '/':
                if (firstBar == kAbsent) firstBar = i;
                if (marks.separator != kAbsent && barAfterSeparator == kAbsent) barAfterSeparator = i;
                break;
            default: break;
        }
    }
    marks.holdsBar = firstBar != kAbsent;
    // The inch mark is expected last: the body drops the last character.
    marks.body = inchMark ? text.substr(0, text.size() - 1) : text;
    const std::size_t bar = marks.separator == kAbsent ? firstBar : barAfterSeparator;
    if (bar < marks.body.size()) marks.bar = bar;
    return marks;
}

// The characters of `text` after position `mark`; empty past the end.
std::string_view After(std::string_view text, std::size_t mark) {
    return mark + 1 <= text.size() ? text.substr(mark + 1) : std::string_view{};
}

// The numerator and denominator: the fraction part is everything after the
// separator (the whole body without one), split at its bar. No bar is 5.
struct Fraction {
    std::int32_t numerator;
    std::int32_t denominator;
};

Fraction ReadFraction(const Marks& marks) {
    if (marks.bar == kAbsent) Raise(kInvalidArgument);
    const std::size_t begin = marks.separator == kAbsent ? 0 : marks.separator + 1;
    const std::int32_t numerator = Whole(marks.body.substr(begin, marks.bar - begin));
    const std::int32_t denominator = Whole(After(marks.body, marks.bar));
    return {numerator, denominator};
}

double FractionFromMarks(const Marks& marks) {
    const std::string_view body = marks.body;
    if (marks.feet != kAbsent) {
        const double feet = Real(body.substr(0, marks.feet));
        const Fraction fraction = ReadFraction(marks);
        if (marks.separator == kAbsent) Raise(kInvalidArgument);
        // The whole inches lie between the feet mark and the separator.
        const std::string_view beforeSeparator = body.substr(0, marks.separator);
        const std::string_view wholeInches = After(beforeSeparator, marks.feet);
        const double quotient = Quotient(fraction.numerator, fraction.denominator);
        double inches = Finite(Real(wholeInches) + quotient);
        if (marks.negative) inches = -inches;
        return Finite(feet * 12 + inches);
    }
    Fraction fraction = ReadFraction(marks);
    if (marks.negative) {
        if (fraction.numerator == INT32_MIN) Raise(kOverflow);  // integer negation overflows
        fraction.numerator = -fraction.numerator;
    }
    if (marks.separator == kAbsent) Raise(kInvalidArgument);
    // The whole inches carry the leading minus themselves.
    const double wholeInches = Real(body.substr(0, marks.separator));
    return Finite(wholeInches + Quotient(fraction.numerator, fraction.denominator));
}

double PlainFromMarks(std::string_view text, const Marks& marks) {
    if (marks.separator != kAbsent) Raise(kBadDashOrPoint);
    const std::string_view body = marks.body;
    if (marks.feet != kAbsent) {
        const double feet = Real(body.substr(0, marks.feet));
        double inches = 0;
        if (marks.feet + 1 != text.size()) {
            inches = Real(After(body, marks.feet));
            if (marks.negative) inches = -inches;
        }
        return Finite(feet * 12 + inches);
    }
    return Real(body);
}

}  // namespace

double ParseFraction(std::string_view text) { return FractionFromMarks(Scan(text)); }

double ParsePlain(std::string_view text) { return PlainFromMarks(text, Scan(text)); }

double ConvertInput(std::string_view text, const std::int32_t& mode) {
    if (text.empty()) return 0;
    if (const std::optional<double> metric = ReadMetric(text, false)) return *metric;
    if (mode == 0) return ParseFraction(text);
    if (mode == 1) return ParsePlain(text);
    return 0;
}

std::optional<double> ReadMetric(std::string_view text, bool decimalComma) {
    std::size_t end = text.size();
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    if (end == 0 || (text[end - 1] | 0x20) != 'm') return std::nullopt;
    --end;
    units::Metric unit = units::Metric::Meters;
    if (end > 0 && (text[end - 1] | 0x20) == 'm') unit = units::Metric::Millimeters;
    if (end > 0 && (text[end - 1] | 0x20) == 'c') unit = units::Metric::Centimeters;
    if (unit != units::Metric::Meters) --end;
    const std::string_view number = text.substr(0, end);
    if (decimalComma && number.find(',') != std::string_view::npos) {
        std::string pointed(number);
        for (char& c : pointed)
            if (c == ',') c = '.';
        return units::MetricInches(Real(pointed), unit);
    }
    return units::MetricInches(Real(number), unit);
}

double ReadDimension(std::string_view text, bool decimalComma) {
    if (text.empty()) return 0;
    if (const std::optional<double> metric = ReadMetric(text, decimalComma)) return *metric;
    const Marks marks = Scan(text);
    return marks.holdsBar ? FractionFromMarks(marks) : PlainFromMarks(text, marks);
}

}  // namespace spanwright::mdlConvertInput
