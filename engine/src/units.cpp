// Units and their exact factors.
#include "engine/units.h"

#include "engine/numeric.h"

namespace spanwright::units {

namespace {
struct MetricUnit {
    std::string_view symbol;
    std::string_view name;
};
constexpr MetricUnit kNames[] = {{"mm", "millimeters"}, {"cm", "centimeters"}, {"m", "meters"}};
}  // namespace

std::string_view Symbol(Metric unit) { return kNames[static_cast<int>(unit)].symbol; }
std::string_view Name(Metric unit) { return kNames[static_cast<int>(unit)].name; }

Ratio InchesPer(Metric unit) {
    switch (unit) {
        case Metric::Millimeters: return {10, 254};
        case Metric::Centimeters: return {100, 254};
        case Metric::Meters: return {10000, 254};
    }
    return {1, 1};
}

double MetricInches(double x, Metric unit) {
    const Ratio r = InchesPer(unit);
    return numeric::Finite(numeric::Finite(x * r.num) / r.den);
}

double FromInches(double inches, Metric unit) {
    const Ratio r = InchesPer(unit);
    return numeric::Finite(numeric::Finite(inches * r.den) / r.num);
}

Family FamilyOf(const OutputOptions& options) {
    if (!options.DecimalSelected()) return Family::Inches;
    switch (options.FormatPosition()) {
        case 0: return Family::Feet;
        case 2: return Family::Yards;
        case 3: return Family::Meters;
        default: return Family::Inches;
    }
}

Ratio InchesPer(Family family) {
    switch (family) {
        case Family::Inches: return {1, 1};
        case Family::Feet: return {12, 1};
        case Family::Yards: return {36, 1};
        case Family::Meters: return {10000, 254};
    }
    return {1, 1};
}

// The factor to a power of zero or more, as whole numbers, exact up to
// 10000^3 and 254^3.
namespace {
double Power(double base, int power) {
    double p = 1;
    for (int i = 0; i < power; ++i) p *= base;
    return p;
}
}  // namespace

double InFamilyUnits(double value, Family family, int power) {
    const Ratio r = InchesPer(family);
    const double num = power >= 0 ? Power(r.den, power) : Power(r.num, -power);
    const double den = power >= 0 ? Power(r.num, power) : Power(r.den, -power);
    return numeric::Finite(numeric::Finite(value * num) / den);
}

double FromFamilyUnits(double number, Family family, int power) { return InFamilyUnits(number, family, -power); }

std::string_view TagOf(Family family, int degree) {
    static constexpr std::string_view kSquare[] = {"sqIn", "sqFt", "sqYd", "sqM"};
    static constexpr std::string_view kCubic[] = {"cuIn", "cuFt", "cuYd", "cuM"};
    const auto at = static_cast<std::size_t>(family);
    if (degree == 2) return kSquare[at];
    if (degree == 3) return kCubic[at];
    return {};
}

std::optional<Tagged> ParseTag(std::string_view tag) {
    for (const Family f : {Family::Inches, Family::Feet, Family::Yards, Family::Meters}) {
        for (const int d : {2, 3})
            if (tag == TagOf(f, d)) return Tagged{f, d};
    }
    return std::nullopt;
}

std::string_view CarryMark(std::string_view tag) {
    const std::optional<Tagged> t = ParseTag(tag);
    if (!t) return {};
    switch (t->family) {
        case Family::Inches: return "\"";
        case Family::Feet: return "'";
        case Family::Meters: return "m";
        case Family::Yards: return {};
    }
    return {};
}

bool WrittenWithNumber(std::string_view tag) { return !tag.empty() && tag != "sqIn" && tag != "sqFt" && ParseTag(tag); }

}  // namespace spanwright::units
