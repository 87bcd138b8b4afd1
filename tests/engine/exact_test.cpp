// Properties checked against exact arithmetic (whole numbers in 128 bits):
// - a decimal half step typed at 1 to 4 places (X.XX5, up to 99999 feet)
//   goes up in magnitude in every form that shows decimal inches;
// - values of 4- to 13-digit feet are shown within half a step of their
//   exact value in every output form (decimal forms: plus half a unit of the
//   value's 15th significant digit, the precision they are read at), with
//   the feet F such that 0 <= |value| - 12 F < 12 where the feet are shown.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine_testkit.h"

namespace {

using namespace spanwright;
__extension__ typedef __int128 Int;

Int Power10(int n) {
    Int p = 1;
    while (n-- > 0) p *= 10;
    return p;
}

// A shown number "[-]A[.B]" or "[-]W[-a/b]" (marks stripped by the caller)
// as a multiple of 10^-14, which holds every decimal of up to 14 places and
// every fraction of up to 1/256 exactly. Nothing when it is neither.
std::optional<Int> Exact14(std::string text) {
    bool negative = !text.empty() && text[0] == '-';
    if (negative) text.erase(0, 1);
    Int whole = 0, part = 0;
    std::size_t i = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) whole = whole * 10 + (text[i] - '0');
    if (i == 0) return std::nullopt;
    if (i < text.size() && text[i] == '.') {
        int places = 0;
        for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i, ++places)
            part = part * 10 + (text[i] - '0');
        if (places > 14) return std::nullopt;
        part *= Power10(14 - places);
    } else if (i < text.size() && text[i] == '-') {
        const std::size_t bar = text.find('/', i);
        if (bar == std::string::npos) return std::nullopt;
        const Int numerator = std::stoll(text.substr(i + 1, bar - i - 1));
        const Int denominator = std::stoll(text.substr(bar + 1));
        if (Power10(14) % denominator != 0) return std::nullopt;
        part = numerator * (Power10(14) / denominator);
        i = text.size();
    }
    if (i != text.size()) return std::nullopt;
    const Int value = whole * Power10(14) + part;
    return negative ? -value : value;
}

struct Shown {
    Int feet = 0;    // the feet before the mark, 0 when none is shown
    Int inches = 0;  // the rest in inches, in units of 10^-14 (with the sign)
    bool negative = false;
};

// Reads a display text; feet_only: the number is in feet (the feet forms).
std::optional<Shown> Read(std::string text, bool feet_only) {
    Shown shown;
    shown.negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text.back() == '"' || text.back() == '\'')) text.pop_back();
    const std::size_t mark = text.find('\'');
    if (mark != std::string::npos) {
        const auto feet = Exact14(text.substr(0, mark));
        std::string inches = text.substr(mark + 1);
        if (shown.negative) inches.insert(inches.begin(), '-');
        const auto rest = Exact14(inches);
        if (!feet || !rest || *feet % Power10(14) != 0) return std::nullopt;
        shown.feet = (*feet < 0 ? -*feet : *feet) / Power10(14);
        shown.inches = *rest;
        return shown;
    }
    const auto number = Exact14(text);
    if (!number) return std::nullopt;
    shown.inches = feet_only ? *number * 12 : *number;
    return shown;
}

// One output form and the step it rounds to.
struct Form {
    std::string options;
    int kind;       // 0 fractional, 1 decimal inches, 2 decimal feet
    bool feet_mark; // the text shows feet and inches
    int step;       // fractional: the denominator; decimal: places (10 with rounding off)
};

std::vector<Form> AllForms() {
    std::vector<Form> forms;
    auto add = [&](std::string options, int kind, bool feet_mark, int step) {
        forms.push_back({std::move(options), kind, feet_mark, step});
    };
    for (int k = 0; k <= 8; ++k) {
        const std::string round = " Round=" + std::to_string(k);
        add("Format=0" + round, 0, false, 1 << k);
        add("Format=1" + round, 0, true, 1 << k);
        add("Format=2" + round, 0, false, 1 << k);
        add("Square=1 Format=0" + round, 0, false, 1 << k);  // square inches
    }
    for (int k = 0; k <= 9; ++k) {
        const std::string round = k == 9 ? " RoundOn=0" : " Round=" + std::to_string(k);
        const int places = k == 9 ? 10 : k;
        add("Output=1 Format=0" + round, 1, false, places);
        add("Output=1 Format=1" + round, 1, true, places);
        add("Output=1 Format=2" + round, 2, false, places);
        add("Output=1 Format=3" + round, 1, false, places);
        add("Output=1 Square=1 Format=0" + round, 2, false, places);  // square feet
        add("Output=1 Square=1 Format=1" + round, 1, false, places);  // square inches
    }
    return forms;
}

std::string Show(double value, const std::string& options) {
    return mdlDisplay::FormatDimension(value, testkit::Options(options));
}

TEST(DecimalTies, GoUpInMagnitude) {
    std::mt19937_64 rng(20261207);
    int failures = 0;
    for (int i = 0; i < 3000 && failures < 20; ++i) {
        const long feet = static_cast<long>(rng() % 100000);
        const long inch = static_cast<long>(rng() % 12);
        const int places = 1 + static_cast<int>(rng() % 4);
        const long digits = static_cast<long>(rng() % static_cast<unsigned long>(Power10(places)));
        const bool negative = rng() & 1;
        std::string decimals = std::to_string(digits);
        decimals.insert(0, static_cast<std::size_t>(places) - decimals.size(), '0');
        decimals += '5';
        const std::string sign = negative ? "-" : "";
        const std::string round = " Round=" + std::to_string(places);
        // Rounded up in magnitude: the kept digits plus one unit, in 10^-14.
        const Int up = (static_cast<Int>(digits) + 1) * Power10(14 - places);
        struct Case {
            std::string typed, options;
            bool feet_mark;
        };
        const std::string inches = std::to_string(12 * feet + inch) + "." + decimals;
        const Case cases[] = {
            {sign + inches, "Output=1 Format=0" + round, false},
            {sign + inches, "Output=1 Format=3" + round, false},
            {sign + inches, "Output=1 Square=1 Format=1" + round, false},
            {sign + std::to_string(feet) + "'" + std::to_string(inch) + "." + decimals, "Output=1 Format=1" + round, true},
        };
        for (const Case& c : cases) {
            const double value = mdlConvertInput::ConvertInput(c.typed, mdlDetType::DetType(c.typed));
            const std::string text = Show(value, c.options);
            const auto shown = Read(text, false);
            const Int whole = c.feet_mark ? inch : 12 * feet + inch;
            const Int want = whole * Power10(14) + up;
            const bool ok = shown && shown->negative == negative && (!c.feet_mark || shown->feet == feet) &&
                            shown->inches == (negative ? -want : want);
            if (!ok) {
                ++failures;
                ADD_FAILURE() << c.typed << " with " << c.options << " shows " << text;
            }
        }
    }
}

TEST(LargeFeet, ExactToHalfAStep) {
    const std::vector<Form> forms = AllForms();
    std::mt19937_64 rng(20261208);
    int failures = 0, checked = 0;
    for (int i = 0; i < 2000 && failures < 20; ++i) {
        const int feet_digits = 4 + i % 10;  // 4 to 13
        const double low = std::pow(10.0, feet_digits - 1);
        const double feet = std::floor(low + static_cast<double>(rng() % static_cast<std::uint64_t>(9 * low)));
        // Inches on a fine binary grid, a half step of some grid now and then.
        const double inches = static_cast<double>(rng() % (12 << 10)) / 1024;
        const double value = ((rng() & 1) ? -1 : 1) * (12 * feet + inches);
        // The value exactly, in units of 2^-40 (every value here is a multiple).
        const Int scaled = static_cast<Int>(std::ldexp(std::fabs(value), 40));
        ASSERT_EQ(static_cast<double>(scaled), std::ldexp(std::fabs(value), 40));
        const Int unit40 = static_cast<Int>(1) << 40;
        const Int true_feet = scaled / (12 * unit40);
        const Int rest = scaled - true_feet * 12 * unit40;  // 0 <= rest < 12 inches
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        const int feet_exponent = static_cast<int>(std::floor(std::log10(std::fabs(value) / 12)));
        for (const Form& form : forms) {
            const std::string text = Show(value, form.options);
            const auto shown = Read(text, form.kind == 2);
            ++checked;
            // The error bound in units of 10^-14 x 2^-40 inches.
            Int bound;
            if (form.kind == 0) {
                bound = Power10(14) / (2 * form.step) * unit40;
            } else if (form.kind == 1) {
                bound = (5 * Power10(13 - form.step) + 5 * Power10(exponent - 1)) * unit40;
            } else {
                const double binary = std::fabs(value) * 0x1p-51 * 1e14 * 0x1p40;  // R / 12 + F in a double
                bound = 12 * (5 * Power10(13 - form.step) + 5 * Power10(feet_exponent - 1)) * unit40 +
                        static_cast<Int>(binary) + 1;
            }
            bool ok = shown.has_value() && shown->negative == (value < 0);
            if (ok) {
                // shown - value with the true feet taken from both; the sign
                // is taken off the shown rest (inches only: the whole value).
                const Int shown_feet = form.feet_mark ? shown->feet : 0;
                const Int magnitude = shown->inches < 0 ? -shown->inches : shown->inches;
                const Int difference = (magnitude + (shown_feet - true_feet) * 12 * Power10(14)) * unit40 -
                                       rest * Power10(14);
                ok = (difference < 0 ? -difference : difference) <= bound &&
                     (!form.feet_mark || shown_feet == true_feet);
            }
            if (!ok) {
                ++failures;
                ADD_FAILURE() << testkit::Exactly(value) << " with " << form.options << " shows " << text;
            }
        }
    }
    EXPECT_GT(checked, 100000);
}

}  // namespace
