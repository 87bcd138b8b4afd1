#include "calculator/spoken.h"

#include "engine/units.h"

namespace spanwright::calculator {
namespace {

std::string_view UnitWord(units::Family family) {
    switch (family) {
        case units::Family::Inches: return "inches";
        case units::Family::Feet: return "feet";
        case units::Family::Yards: return "yards";
        case units::Family::Meters: return "meters";
    }
    return {};
}

// The metric unit a display ends in, after a digit or a point.
std::string_view MetricWord(std::string_view display, std::size_t* length) {
    for (const units::Metric unit : units::kMetricUnits) {
        const std::string_view symbol = units::Symbol(unit);
        if (display.size() <= symbol.size() || !display.ends_with(symbol)) continue;
        const char before = display[display.size() - symbol.size() - 1];
        if ((before >= '0' && before <= '9') || before == '.') {
            *length = symbol.size();
            return units::Name(unit);
        }
    }
    return {};
}

}  // namespace

std::string Spoken(std::string_view display, std::string_view tag) {
    if (const auto tagged = units::ParseTag(tag)) {
        std::string words(display);
        words += tagged->degree == 2 ? " square " : " cubic ";
        words += UnitWord(tagged->family);
        return words;
    }
    std::size_t length = 0;
    const std::string_view word = MetricWord(display, &length);
    if (word.empty()) return std::string(display);
    std::string words(display.substr(0, display.size() - length));
    words += ' ';
    words += word;
    return words;
}

}  // namespace spanwright::calculator
