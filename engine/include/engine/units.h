#pragma once
// Units: the metric lengths an operand may carry, the unit family the square
// item chooses, and what the calculator knows of a total: a length, an area
// or a volume. Every factor is an exact ratio of whole numbers (1 inch is
// 25.4 mm), applied as one multiplication and one division.
//   MetricInches(1000, Millimeters) -> 39.3700787401575   (1000 * 10 / 254)
//   FromInches(150, Millimeters)     -> 3810               (150 * 254 / 10)
//   FamilyOf(decimal, "Square Yards") -> Yards;  fractional -> Inches
//   TagOf(Yards, 2) -> "sqYd"   TagOf(Meters, 3) -> "cuM"   TagOf(Feet, 1) -> ""
//   ParseTag("cuFt") -> {Feet, 3}   CarryMark("sqM") -> "m"   CarryMark("sqYd") -> ""
#include <optional>
#include <string_view>

#include "engine/options.h"

namespace spanwright::units {

// A metric unit of an operand or a result.
enum class Metric { Millimeters, Centimeters, Meters };

// A unit's symbol and its name in words, in one table:
//   Symbol(Millimeters) -> "mm"   Name(Centimeters) -> "centimeters"
std::string_view Symbol(Metric unit);
std::string_view Name(Metric unit);
inline constexpr Metric kMetricUnits[] = {Metric::Millimeters, Metric::Centimeters, Metric::Meters};

// Inches per unit as num / den.
struct Ratio {
    double num;
    double den;
};
Ratio InchesPer(Metric unit);

// x units in inches, and inches in units; a result too large is error 6.
double MetricInches(double x, Metric unit);
double FromInches(double inches, Metric unit);

// The family a total is shown in with square units on: the base length of
// the chosen square item. Fractional output has square inches only.
enum class Family { Inches, Feet, Yards, Meters };
Family FamilyOf(const OutputOptions& options);
Ratio InchesPer(Family family);

// A total's kind. An entry is a value as keyed (or a sum of them): the
// calculator shows it as it always did. A measured quantity has a degree,
// the power of length it is: 1 a length, 2 an area, 3 a volume; 0 and 4 on
// are plain numbers. Its value is in inches to that power.
struct Quantity {
    double value = 0;
    bool measured = false;
    int degree = 1;
    Quantity() = default;
    Quantity(double v) : value(v) {}  // an entry
    Quantity(double v, int d) : value(v), measured(true), degree(d) {}
    friend bool operator==(const Quantity&, const Quantity&) = default;
};

// value / (inches per base unit)^power, as one multiplication and one division.
double InFamilyUnits(double value, Family family, int power);
double FromFamilyUnits(double number, Family family, int power);

// "sqIn" "sqFt" "sqYd" "sqM" for degree 2, "cuIn" "cuFt" "cuYd" "cuM" for 3,
// else empty.
std::string_view TagOf(Family family, int degree);

struct Tagged {
    Family family;
    int degree;
};
std::optional<Tagged> ParseTag(std::string_view tag);

// The mark a tagged result gets when the next key turns it into an entry:
// feet "'", inches "\"", meters "m"; yards have no mark.
std::string_view CarryMark(std::string_view tag);

// The tags the tape and the memory write beside their number: every tag
// but the two square tags that existed before volumes ("sqIn", "sqFt").
bool WrittenWithNumber(std::string_view tag);

}  // namespace spanwright::units
