// Dimension formatting, table-driven: every output form and rounding.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/mdlDisplay.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

namespace {

using spanwright::PlainOptions;
using spanwright::testkit::FormatResult;
using spanwright::testkit::ParseOptions;

struct FormatRow {
    const char* name;
    const char* options;  // as in the golden files
    double inches;
    const char* expected;
};

const FormatRow kFormatRows[] = {
    // Fractional at 1/16, codes 0, 1, 2 (1.2 stays on the 1/16 grid)
    {"p40_5_code0", "Format=0", 40.5, "40-1/2"},
    {"p40_5_code1", "Format=1", 40.5, "3'4-1/2\""},
    {"p40_5_code2", "Format=2", 40.5, "40-1/2\""},
    {"m40_5_code0", "Format=0", -40.5, "-40-1/2"},
    {"m40_5_code1", "Format=1", -40.5, "-3'4-1/2\""},
    {"m40_5_code2", "Format=2", -40.5, "-40-1/2\""},
    {"m4_5_code0", "Format=0", -4.5, "-4-1/2"},
    {"m4_5_code1", "Format=1", -4.5, "-0'4-1/2\""},
    {"m4_5_code2", "Format=2", -4.5, "-4-1/2\""},
    {"m0_5_code0", "Format=0", -0.5, "-0-1/2"},
    {"m0_5_code1", "Format=1", -0.5, "-0'0-1/2\""},
    {"m0_5_code2", "Format=2", -0.5, "-0-1/2\""},
    {"zero_code0", "Format=0", 0, "0"},
    {"zero_code1", "Format=1", 0, "0'0\""},
    {"zero_code2", "Format=2", 0, "0\""},
    {"negzero_code0", "Format=0", -0.0, "0"},
    {"negzero_code1", "Format=1", -0.0, "0'0\""},
    {"negzero_code2", "Format=2", -0.0, "0\""},
    {"small_negative_code0", "Format=0", -0.01, "-0"},
    {"small_negative_code1", "Format=1", -0.01, "-0'0\""},
    {"small_negative_code2", "Format=2", -0.01, "-0\""},
    {"p12_code0", "Format=0", 12, "12"},
    {"p12_code1", "Format=1", 12, "1'0\""},
    {"p12_code2", "Format=2", 12, "12\""},
    {"p4_0625_code0", "Format=0", 4.0625, "4-1/16"},
    {"p4_0625_code1", "Format=1", 4.0625, "0'4-1/16\""},
    {"p4_0625_code2", "Format=2", 4.0625, "4-1/16\""},
    {"p16_3_code0", "Format=0", 16.3, "16-5/16"},
    {"p16_3_code1_D1", "Format=1", 16.3, "1'4-5/16\""},
    {"p16_3_code2", "Format=2", 16.3, "16-5/16\""},
    {"p1_2_code0_D1", "Format=0", 1.2, "1-3/16"},
    {"p1_2_code1_D1", "Format=1", 1.2, "0'1-3/16\""},
    {"p1_2_code2_D1", "Format=2", 1.2, "1-3/16\""},
    {"p2_4_code2_D1", "Format=2", 2.4, "2-3/8\""},
    {"p47_999_code0", "Format=0", 47.999, "48"},
    {"p47_999_code1_nocarry", "Format=1", 47.999, "3'12\""},
    {"p47_999_code2", "Format=2", 47.999, "48\""},
    {"p1_99_code0", "Format=0", 1.99, "2"},
    {"p1_99_code1", "Format=1", 1.99, "0'2\""},
    {"p1_99_code2", "Format=2", 1.99, "2\""},
    // Further cases
    {"half_step_2_25_at_half", "Format=2 Round=1", 2.25, "2-1/2\""},
    {"half_4_5_whole", "Format=1 Round=0", 4.5, "0'5\""},
    {"half_10_5_whole", "Format=1 Round=0", 10.5, "0'11\""},
    {"half_m4_5_whole", "Format=1 Round=0", -4.5, "-0'5\""},
    {"reduced_3_09375", "Format=2", 3.09375, "3-1/8\""},
    {"square_inches_fractional", "Square=1 Format=0", 1620.5, "1620-1/2"},
    {"decimal_unrounded_code1", "Output=1 RoundOn=0 Format=1", 4.0625, "0'4.0625\""},
    {"square_feet_decimal", "Output=1 Square=1 Format=0 Round=2", 135, "11.25"},
    {"square_inches_decimal", "Output=1 Square=1 Format=1 Round=2", 1640.25, "1640.25"},
    // Decimal, two places
    {"d40_5_code0", "Output=1 Round=2 Format=0", 40.5, "40.5"},
    {"d40_5_code1", "Output=1 Round=2 Format=1", 40.5, "3'4.5\""},
    {"d40_5_code2_D21", "Output=1 Round=2 Format=2", 40.5, "3.38'"},
    {"d40_5_code3", "Output=1 Round=2 Format=3", 40.5, "40.5\""},
    {"dm40_5_code0", "Output=1 Round=2 Format=0", -40.5, "-40.5"},
    {"dm40_5_code1", "Output=1 Round=2 Format=1", -40.5, "-3'4.5\""},
    {"dm40_5_code2", "Output=1 Round=2 Format=2", -40.5, "-3.38'"},
    {"dm40_5_code3", "Output=1 Round=2 Format=3", -40.5, "-40.5\""},
    {"d4_0625_code0", "Output=1 Round=2 Format=0", 4.0625, "4.06"},
    {"d4_0625_code1", "Output=1 Round=2 Format=1", 4.0625, "0'4.06\""},
    {"d4_0625_code2", "Output=1 Round=2 Format=2", 4.0625, "0.34'"},
    {"d4_0625_code3", "Output=1 Round=2 Format=3", 4.0625, "4.06\""},
    {"d47_999_code0", "Output=1 Round=2 Format=0", 47.999, "48"},
    {"d47_999_code1", "Output=1 Round=2 Format=1", 47.999, "3'12\""},
    {"d47_999_code2", "Output=1 Round=2 Format=2", 47.999, "4'"},
    {"d47_999_code3", "Output=1 Round=2 Format=3", 47.999, "48\""},
    // Decimal feet are rounded once
    {"D21_161_9512_whole_feet", "Output=1 Round=0 Format=2", 161.9512, "13'"},
    {"D21_161_9388_two_places", "Output=1 Round=2 Format=2", 161.9388, "13.49'"},
    {"D21_square_feet_same_code", "Output=1 Square=1 Format=0 Round=0", 161.9512, "13"},
    // Pattern half away from zero on the 15-digit form; ties the split used to break
    {"d2_675_two_places", "Output=1 Round=2 Format=0", 2.675, "2.68"},
    {"d0_025_two_places_tie", "Output=1 Round=2 Format=0", 0.025, "0.03"},
    {"dm0_025_two_places_tie", "Output=1 Round=2 Format=0", -0.025, "-0.03"},
    {"d_small_negative_code1", "Output=1 Round=2 Format=1", -0.001, "-0'0\""},
    // Big and exponent forms
    {"big_1E20_code0", "Format=0", 1e20, "1E+20"},
    {"big_1E20_code1", "Format=1", 1e20, "8.33333333333333E+18'0\""},
    {"big_1E20_decimal", "Output=1 Format=0", 1e20, "1E+20"},
    {"tiny_decimal_exponent", "Output=1 RoundOn=0 Format=3", 0.00001, "1E-05\""},
    {"tiny_decimal_rounded", "Output=1 Round=2 Format=3", 0.00001, "0\""},
    {"max_double_code0", "Format=0", 1.7976931348623157e308, "1.79769313486231E+308"},
    // Errors and empty forms
    {"no_round_step_fractional", "Round=-1", 1, "Error 94"},
    {"round_beyond_8_fractional", "Round=9", 1, "Error 94"},
    {"no_round_step_decimal_code2", "Output=1 Round=-1 Format=2", 1, "Error 5"},
    {"no_round_step_decimal_code3", "Output=1 Round=-1 Format=3", 1, "Error 5"},
    {"no_round_step_decimal_code0", "Output=1 Round=-1 Format=0", 1.4, "1"},
    {"fractional_code3_empty", "Format=3", 1, ""},
    {"no_format_empty", "Format=-1", 1, ""},
    {"neither_output_empty", "Output=2", 1, ""},
    {"decimal_code4_empty", "Output=1 Format=4", 1, ""},
};

void PrintTo(const FormatRow& row, std::ostream* os) {
    *os << row.options << " | " << row.inches << " -> " << row.expected;
}
void PrintTo(const struct FractionRow& row, std::ostream* os);

class FormatTable : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatTable, Writes) {
    const FormatRow& row = GetParam();
    PlainOptions o;
    std::string problem;
    ASSERT_TRUE(ParseOptions(row.options, o, &problem)) << problem;
    EXPECT_EQ(FormatResult(row.inches, o), row.expected) << "options: " << row.options;
}

INSTANTIATE_TEST_SUITE_P(Part12, FormatTable, ::testing::ValuesIn(kFormatRows),
                         [](const ::testing::TestParamInfo<FormatRow>& info) { return std::string(info.param.name); });

// Exact half steps round away from zero at every denominator, both signs:
// value = whole inches + (m + 1/2) steps, exactly between two steps.
class HalfSteps : public ::testing::TestWithParam<int> {};

TEST_P(HalfSteps, AwayFromZero) {
    const int k = GetParam();
    const double den = static_cast<double>(1 << k);
    PlainOptions o;
    o.format = 2;
    o.round = k;
    for (const double whole : {0.0, 3.0, 25.0}) {
        for (int m = 0; m < 4; ++m) {
            const double step = (2 * m + 1) / 2.0;  // a half step: 0.5, 1.5, ...
            const double v = whole + step / den;
            const double up = whole + (m + 1) / den;
            PlainOptions g = o;
            g.round = 8;
            const std::string want = FormatResult(up, g);  // exact at 1/256
            EXPECT_EQ(FormatResult(v, o), want) << "k=" << k << " v=" << v;
            std::string neg = want;
            neg.insert(neg.begin(), '-');
            EXPECT_EQ(FormatResult(-v, o), neg) << "k=" << k << " v=" << -v;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Denominators, HalfSteps, ::testing::Range(0, 9),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "one_over_" + std::to_string(1 << info.param);
                         });

struct FractionRow {
    const char* name;
    double n;
    double d;
    const char* expected;
};

const FractionRow kFractionRows[] = {
    {"eight_sixteenths", 8, 16, "1/2"},      {"five_tenths", 5, 10, "1/2"},
    {"already_lowest", 3, 16, "3/16"},       {"whole", 4, 2, "2/1"},
    {"tenths_of_inch", 2, 10, "1/5"},         {"finest", 390625, 100000000, "1/256"},
    {"zero_not_reduced", 0, 16, "0/16"},      {"negative_not_reduced", -2, 4, "-2/4"},
    {"zero_denominator", 3, 0, "1/0"},        {"equal", 7, 7, "1/1"},
};

void PrintTo(const FractionRow& row, std::ostream* os) { *os << row.n << "/" << row.d << " -> " << row.expected; }

class FractionTextTable : public ::testing::TestWithParam<FractionRow> {};

TEST_P(FractionTextTable, Reduces) {
    const FractionRow& row = GetParam();
    EXPECT_EQ(spanwright::mdlDisplay::FractionText(row.n, row.d), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Part12, FractionTextTable, ::testing::ValuesIn(kFractionRows),
                         [](const ::testing::TestParamInfo<FractionRow>& info) { return std::string(info.param.name); });

}  // namespace
