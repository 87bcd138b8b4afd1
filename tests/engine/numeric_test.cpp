// The numeric conversions (DESIGN.md, "Numeric rules").
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "engine/numeric.h"

namespace {

namespace n = spanwright::numeric;

template <typename F>
int ErrorOf(F f) {
    try {
        f();
    } catch (const spanwright::NumberedError& e) {
        return e.number();
    }
    return 0;
}

struct TextRow {
    const char* name;
    double value;
    const char* expected;
};

const TextRow kTextRows[] = {
    {"point_three", 0.1 + 0.2, "0.3"},       {"e15", 1e15, "1E+15"},
    {"below_e15", 999999999999999.0, "999999999999999"},
    {"e_minus5", 0.00001, "1E-05"},          {"e_minus4", 0.0001, "0.0001"},
    {"negative_zero", -0.0, "0"},            {"zero", 0.0, "0"},
    {"whole", 40, "40"},                     {"negative", -40.5, "-40.5"},
    {"fifteen_digits", 1.0 / 3, "0.333333333333333"},
    {"e20", 1e20, "1E+20"},                  {"e100", 1e100, "1E+100"},
    {"e_minus300", 1e-300, "1E-300"},        {"rounds_up_to_e15", 999999999999999.9, "1E+15"},
    {"one_sixteenth", 0.0625, "0.0625"},     {"negative_exp", -1.5e-7, "-1.5E-07"},
};

class TextTable : public ::testing::TestWithParam<TextRow> {};
TEST_P(TextTable, LikePercent15G) { EXPECT_EQ(n::Text(GetParam().value), GetParam().expected); }
INSTANTIATE_TEST_SUITE_P(Numeric, TextTable, ::testing::ValuesIn(kTextRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Real, AcceptsNumbers) {
    EXPECT_EQ(n::Real(" 3.5 "), 3.5);
    EXPECT_EQ(n::Real("+2"), 2);
    EXPECT_EQ(n::Real("-2.5e1"), -25);
    EXPECT_EQ(n::Real("1E+20"), 1e20);
    EXPECT_EQ(n::Real("5."), 5);
    EXPECT_EQ(n::Real(".25"), 0.25);
    EXPECT_EQ(n::Real("1e-400"), 0);
    EXPECT_TRUE(std::signbit(n::Real("-0")));
}

TEST(Real, RefusesOthers) {
    for (const char* t : {"", " ", "1,5", "inf", "nan", "0x1p3", "1.2.3", "e5", "1e", "--1", "+-1", "1 2", "abc", "."}) {
        EXPECT_EQ(ErrorOf([&] { n::Real(t); }), 13) << t;
    }
    EXPECT_EQ(ErrorOf([] { n::Real("1E+400"); }), 6);
    EXPECT_EQ(ErrorOf([] { n::Real("-1E+309"); }), 6);
    EXPECT_EQ(ErrorOf([] { n::Real(std::string(400, '9')); }), 6);
}

TEST(Whole, HalfToEvenAndRange) {
    EXPECT_EQ(n::Whole("2.5"), 2);
    EXPECT_EQ(n::Whole("3.5"), 4);
    EXPECT_EQ(n::Whole("1.5"), 2);
    EXPECT_EQ(n::Whole("-2.5"), -2);
    EXPECT_EQ(n::Whole("-3.5"), -4);
    EXPECT_EQ(n::Whole("2147483647"), 2147483647);
    EXPECT_EQ(n::Whole("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(n::Whole("2147483647.4"), 2147483647);
    EXPECT_EQ(ErrorOf([] { n::Whole("3000000000"); }), 6);
    EXPECT_EQ(ErrorOf([] { n::Whole("2147483647.5"); }), 6);
    EXPECT_EQ(ErrorOf([] { n::Whole(""); }), 13);
    EXPECT_EQ(n::Whole16("32767"), 32767);
    EXPECT_EQ(ErrorOf([] { n::Whole16("32768"); }), 6);
    EXPECT_EQ(ErrorOf([] { n::ToWhole(NAN); }), 6);
}

TEST(Pattern, HalfAwayOnFifteenDigits) {
    EXPECT_EQ(n::Pattern(2.675, 2), "2.68");
    EXPECT_EQ(n::Pattern(2.5, 0), "3");
    EXPECT_EQ(n::Pattern(-2.5, 0), "-3");
    EXPECT_EQ(n::Pattern(7.2, 2), "7.20");
    EXPECT_EQ(n::Pattern(-0.4, 0), "-0");
    EXPECT_EQ(n::Pattern(0.4, -1), "0");
    EXPECT_EQ(n::Pattern(9.995, 2), "10.00");
    EXPECT_EQ(n::Pattern(1e20, 0), "100000000000000000000");
    EXPECT_EQ(n::Pattern(0.00001, 4), "0.0000");
    EXPECT_EQ(n::Pattern(0.00005, 4), "0.0001");
    EXPECT_EQ(n::PatternValue(2.675, 2), 2.68);
    EXPECT_EQ(n::PatternValue(1.0005, 3), 1.001);
}

TEST(RoundPlaces, HalfToEvenOnFifteenDigits) {
    EXPECT_EQ(n::RoundPlaces(2.5, 0), 2);
    EXPECT_EQ(n::RoundPlaces(3.5, 0), 4);
    EXPECT_EQ(n::RoundPlaces(0.125, 2), 0.12);
    EXPECT_EQ(n::RoundPlaces(0.375, 2), 0.38);
    EXPECT_EQ(n::RoundPlaces(0.1251, 2), 0.13);
    EXPECT_EQ(n::RoundPlaces(-0.125, 2), -0.12);
    EXPECT_EQ(n::RoundPlaces(0.1 + 0.2, 11), 0.3);
    EXPECT_EQ(n::RoundPlaces(0.004, 2), 0);
    EXPECT_EQ(ErrorOf([] { n::RoundPlaces(1, -1); }), 5);
}

TEST(Substring, OneBased) {
    EXPECT_EQ(n::Substring("3'4", 3, 9), "4");
    EXPECT_EQ(n::Substring("3'4", 4, 1), "");
    EXPECT_EQ(n::Substring("abc", 2, 0), "");
    EXPECT_EQ(n::Substring("abc", 1, 2), "ab");
    EXPECT_EQ(ErrorOf([] { n::Substring("ab", 0, 1); }), 5);
    EXPECT_EQ(ErrorOf([] { n::Substring("ab", 1, -1); }), 5);
}

TEST(Conversions, SingleAndBoolean) {
    EXPECT_EQ(n::Single("1.5"), 1.5f);
    EXPECT_EQ(ErrorOf([] { n::Single("1E+39"); }), 6);
    EXPECT_TRUE(n::ToBoolean("tRUE"));
    EXPECT_FALSE(n::ToBoolean(" False "));
    EXPECT_FALSE(n::ToBoolean("0"));
    EXPECT_TRUE(n::ToBoolean("2.5"));
    EXPECT_EQ(ErrorOf([] { n::ToBoolean("yes"); }), 13);
}

TEST(Errors, Descriptions) {
    EXPECT_EQ(spanwright::StandardDescription(5), "Invalid argument.");
    EXPECT_EQ(spanwright::StandardDescription(6), "Overflow.");
    EXPECT_EQ(spanwright::StandardDescription(11), "Division by zero.");
    EXPECT_EQ(spanwright::StandardDescription(13), "Type mismatch.");
    EXPECT_EQ(spanwright::StandardDescription(94), "No rounding step is chosen.");
}

}  // namespace
