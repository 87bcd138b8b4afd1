// One step of the running calculation.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine_testkit.h"

namespace {

using spanwright::PlainOptions;
using spanwright::mdlDoMath::DoMath;
using spanwright::mdlDoMath::dblTotal;
using spanwright::testkit::ParseOptions;
using spanwright::testkit::RecordingHost;
using spanwright::testkit::RunSequence;

struct CalcRow {
    const char* name;
    const char* options;
    const char* seq;
    const char* expected;
    const char* tag;  // nullptr: unchecked
};

const CalcRow kCalcRows[] = {
    {"worked_sequence", "", "3'4-1/2\" + 10 * 2 =", "8'5\"", ""},
    {"no_precedence", "", "2 + 3 * 4 =", "1'8\"", nullptr},
    {"zero_start", "", "0 =", "0'0\"", nullptr},
    {"empty_operand_is_zero", "", " =", "0'0\"", nullptr},
    {"subtract_to_negative", "", "3 - 5 =", "-0'2\"", nullptr},
    {"divide", "", "8 / 2 =", "0'4\"", nullptr},
    {"divide_by_zero", "", "8 / 0 =", "Error 11", nullptr},
    {"divide_by_zero_fraction", "", "8 / 0-0/1 =", "Error 11", nullptr},
    {"divide_overflow", "", "1E+308 / 0.01 =", "Error 6", nullptr},
    // A divisor like 1E-300 cannot be keyed: its dash is refused.
    {"divide_by_exponent_text", "", "1E+10 / 1E-300 =", "Error 100", nullptr},
    {"add_overflow", "", "1E+308 + 1E+308 =", "Error 6", nullptr},
    {"multiply_overflow", "", "1E+200 * 1E+200 =", "Error 6", nullptr},
    {"dash_without_fraction", "", "3-4 =", "Error 100", nullptr},
    {"letters", "", "3'x =", "Error 13", nullptr},
    {"fraction_without_whole", "", "1/2 =", "Error 5", nullptr},
    {"square_inches_fractional", "Square=1 Format=0", "40.5 * 40.5 =", "1640-1/4", "sqIn"},
    {"square_feet_decimal", "Output=1 Square=1 Format=0 Round=2", "40.5 * 40.5 =", "11.39", "sqFt"},
    {"square_inches_decimal", "Output=1 Square=1 Format=1 Round=2", "40.5 * 40.5 =", "1640.25", "sqIn"},
    {"square_off_no_tag", "", "40.5 * 40.5 =", "136'8-1/4\"", ""},
    {"square_feet_reads_back", "Output=1 Square=1 Format=0 Round=2", "18 * 24 = 3' + 0 =", "3", "sqFt"},
    {"negative_zero_operand", "", "-0 =", "0'0\"", nullptr},
    {"negative_small_result", "", "0 - 0.01 =", "-0'0\"", nullptr},
    {"big_operand", "Format=0", "1E+20 =", "1E+20", nullptr},
    {"no_round_step", "Round=-1", "5 =", "Error 94", nullptr},
    {"rounded_reuse", "", "1 / 3 = * 3 =", "0'0-15/16\"", nullptr},
    {"lone_inch_marks", "", "5 * \"\" =", "Error 13", nullptr},
};

void PrintTo(const CalcRow& row, std::ostream* os) { *os << row.options << " | " << row.seq << " -> " << row.expected; }

class CalcTable : public ::testing::TestWithParam<CalcRow> {};

TEST_P(CalcTable, Runs) {
    const CalcRow& row = GetParam();
    PlainOptions o;
    std::string problem;
    ASSERT_TRUE(ParseOptions(row.options, o, &problem)) << problem;
    std::string display;
    std::string tag;
    ASSERT_TRUE(RunSequence(row.seq, o, display, &tag));
    EXPECT_EQ(display, row.expected);
    if (row.tag) {
        EXPECT_EQ(tag, row.tag);
    }
}

INSTANTIATE_TEST_SUITE_P(Part13, CalcTable, ::testing::ValuesIn(kCalcRows),
                         [](const auto& info) { return std::string(info.param.name); });

class DoMathStep : public ::testing::Test {
protected:
    void SetUp() override { dblTotal = 0; }
    PlainOptions options;
    RecordingHost host;
};

TEST_F(DoMathStep, WorkedSequenceTotals) {
    EXPECT_EQ(DoMath("3'4-1/2\"", 0, options, host), "3'4-1/2\"");
    EXPECT_EQ(dblTotal, 40.5);
    EXPECT_EQ(DoMath("10", 1, options, host), "4'2-1/2\"");
    EXPECT_EQ(dblTotal, 50.5);
    EXPECT_EQ(DoMath("2", 3, options, host), "8'5\"");
    EXPECT_EQ(dblTotal, 101);
    EXPECT_TRUE(host.errors.empty());
    EXPECT_EQ(host.clear_alls, 0);
    EXPECT_EQ(host.tag, "");
}

TEST_F(DoMathStep, ErrorTextsAndClearAll) {
    struct Case {
        const char* text;
        std::int32_t op;
        int number;
        const char* description;
    };
    const Case cases[] = {
        {"3-4", 0, 100, "Invalid fractional or decimal input."},
        {"3'x", 0, 13, "Invalid input."},
        {"1/2", 0, 5, "Invalid argument."},
        {"0", 4, 11, "Division by zero."},
        {"0-1/9999999999", 0, 6, "Overflow."},
    };
    for (const Case& c : cases) {
        RecordingHost h;
        dblTotal = 7;
        EXPECT_EQ(DoMath(c.text, c.op, options, h), "0") << c.text;
        ASSERT_EQ(h.errors.size(), 1u) << c.text;
        EXPECT_EQ(h.errors[0], c.number) << c.text;
        EXPECT_EQ(h.descriptions[0], c.description) << c.text;
        EXPECT_EQ(h.clear_alls, 1) << c.text;
        EXPECT_EQ(dblTotal, 0) << c.text;
    }
}

TEST_F(DoMathStep, OverflowKeepsTotalUntilClearAll) {
    struct KeepingHost final : spanwright::CalculatorHost {
        int errors = 0;
        void SetSquareTag(const std::string&) override {}
        void ReportError(int, const std::string&) override { ++errors; }
        void ClearAll() override {}
    } keeping;
    dblTotal = 1e308;
    EXPECT_EQ(DoMath("0.01", 4, options, keeping), "0");
    EXPECT_EQ(keeping.errors, 1);
    EXPECT_EQ(dblTotal, 1e308);  // not stored before the test failed
}

TEST_F(DoMathStep, OperatorIsNotChanged) {
    const std::int32_t op = 1;
    dblTotal = 1;
    DoMath("2", op, options, host);
    EXPECT_EQ(op, 1);
    EXPECT_EQ(dblTotal, 3);
}

TEST_F(DoMathStep, SquareTagNotTouchedWithoutSquareUnits) {
    host.tag = "sqFt";
    dblTotal = 2;
    DoMath("3", 3, options, host);
    EXPECT_EQ(host.tag, "sqFt");
    EXPECT_EQ(dblTotal, 6);
}

TEST_F(DoMathStep, SquareFeetDividesByTwelve) {
    options.output = 1;
    options.square = 1;
    options.format = 0;
    options.round = 2;
    dblTotal = 40.5;
    EXPECT_EQ(DoMath("40.5", 3, options, host), "11.39");
    EXPECT_DOUBLE_EQ(dblTotal, 1640.25 / 12);
    EXPECT_EQ(host.tag, "sqFt");
}

TEST_F(DoMathStep, ZeroDivisorTestedBeforeDividing) {
    dblTotal = 0;
    EXPECT_EQ(DoMath("-0", 4, options, host), "0");
    ASSERT_EQ(host.errors.size(), 1u);
    EXPECT_EQ(host.errors[0], 11);
}

}  // namespace
