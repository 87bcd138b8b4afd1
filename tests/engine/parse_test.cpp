// Dimension input parsing, table-driven.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <ostream>
#include <string>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

namespace {

using spanwright::testkit::ParseResult;
using spanwright::testkit::RowName;

struct ParseRow {
    const char* text;
    const char* expected;  // inches as %.15G, or "Error N"
};

const ParseRow kParseRows[] = {
    // Accepted forms
    {"12.75\"", "12.75"}, {"2.5'", "30"}, {"-3'4.5\"", "-40.5"}, {"-0-3/8\"", "-0.375"}, {"3'4-1/2\"", "40.5"},
    // Edge cases worth testing
    {"", "0"}, {"0", "0"}, {"-0", "0"}, {"12\"", "12"}, {"12", "12"}, {"3'", "36"}, {"3'0", "36"},
    {"-3'4-1/2\"", "-40.5"}, {"-0'4-1/2\"", "-4.5"}, {"-0-1/2\"", "-0.5"}, {"0-1/2", "0.5"},
    {"1/2", "Error 5"}, {"4-3/2", "5.5"}, {"4-1.5/2", "5"}, {"4-2.5/2", "5"}, {"3.5", "3.5"}, {"-3.5", "-3.5"},
    {"1E+20", "1E+20"}, {"3' 4-1/2", "40.5"},
    // Errors, one row per cause
    {"-1/2", "Error 5"}, {"4/2", "Error 5"}, {"0-1/9999999999", "Error 6"}, {"0-9999999999/2", "Error 6"},
    {"4-1/0", "Error 11"}, {"4-0/0", "Error 6"}, {"3'-1/2", "Error 13"}, {"3'1/2", "Error 13"}, {"4-/2", "Error 13"},
    {"4-1/", "Error 13"}, {"3'\"", "Error 13"}, {"3'x", "Error 13"}, {"abc", "Error 13"}, {"3.4.5", "Error 13"},
    {"3-4", "Error 100"}, {"3'-4", "Error 100"}, {"1E-05", "Error 100"}, {"--3", "Error 100"},
    // Number forms
    {"+3", "3"}, {" 3.5 ", "3.5"}, {"\t7\t", "7"}, {"5.", "5"}, {".5", "0.5"}, {"1e3", "1000"}, {"1E3\"", "1000"},
    {"2.5E+1'", "300"}, {"1,5", "Error 13"}, {"inf", "Error 13"}, {"nan", "Error 13"}, {"0x10", "Error 13"},
    {"1 000", "Error 13"}, {".", "Error 13"}, {"E5", "Error 13"}, {"1E", "Error 13"}, {"1E+", "Error 13"},
    {"1E+400", "Error 6"}, {"1E+308'", "Error 6"}, {"1E-400'", "Error 100"}, {"1E+999999999999", "Error 6"},
    {"0.000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000001",
     "9.98012604599318E-322"},  // a subnormal, read as it is
    // Marks in odd places
    {"'", "Error 13"}, {"''''", "Error 13"}, {"\"", "Error 13"}, {"\"\"\"\"", "Error 13"}, {"-", "Error 13"},
    {"/", "Error 13"}, {"-/", "Error 13"}, {"3'4", "40"}, {"-3'", "-36"}, {"0'0\"", "0"}, {"-0'0\"", "0"},
    {"-0'0-1/2\"", "-0.5"}, {"3'12\"", "48"}, {"1'4-5/16\"", "16.3125"}, {"0'1-3/16\"", "1.1875"},
    {"12-1/256\"", "12.00390625"}, {"3'4-1/2", "40.5"}, {"4-1/2\"", "4.5"}, {"1-2147483647/2147483647", "2"},
    {"-0--2147483648/1", "Error 6"},
};

void PrintTo(const ParseRow& row, std::ostream* os) { *os << "[" << std::string(row.text).substr(0, 60) << "] -> " << row.expected; }

class ParseTable : public ::testing::TestWithParam<ParseRow> {};

TEST_P(ParseTable, Reads) {
    const ParseRow& row = GetParam();
    EXPECT_EQ(ParseResult(row.text), row.expected) << "text: [" << row.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Part11, ParseTable, ::testing::ValuesIn(kParseRows),
                         [](const ::testing::TestParamInfo<ParseRow>& info) {
                             return "r" + std::to_string(info.index) + "_" + RowName(info.param.text).substr(0, 40);
                         });

TEST(DetType, ExactlyOneOrZero) {
    EXPECT_EQ(spanwright::mdlDetType::DetType("3'4-1/2\""), 0);
    EXPECT_EQ(spanwright::mdlDetType::DetType("12.75\""), 1);
    EXPECT_EQ(spanwright::mdlDetType::DetType(""), 1);
    EXPECT_EQ(spanwright::mdlDetType::DetType("/"), 0);
}

TEST(ConvertInput, OtherModesYieldZero) {
    std::int32_t mode = 7;
    EXPECT_EQ(spanwright::mdlConvertInput::ConvertInput("3'4-1/2\"", mode), 0);
    mode = -1;
    EXPECT_EQ(spanwright::mdlConvertInput::ConvertInput("abc", mode), 0);
}

TEST(ConvertInput, MinusZeroKeepsSign) {
    std::int32_t mode = 1;
    const double v = spanwright::mdlConvertInput::ConvertInput("-0", mode);
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(std::signbit(v));
}

TEST(ConvertInput, SafeAndLinearOnLongInput) {
    // 1 MB of digits, the same with marks, binary bytes: an error or a value,
    // in time proportional to the length.
    auto time_of = [](const std::string& s) {
        const auto t0 = std::chrono::steady_clock::now();
        (void)ParseResult(s);
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    };
    const std::string mb(1 << 20, '7');
    EXPECT_EQ(ParseResult(mb), "Error 6");
    EXPECT_EQ(ParseResult("0." + mb), "0.777777777777778");
    EXPECT_EQ(ParseResult(mb + "'" + mb + "-1/2\""), "Error 6");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '\'')), "Error 13");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '-')), "Error 100");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '/')), "Error 13");  // empty numerator
    std::string binary;
    for (int i = 0; i < (1 << 20); ++i) binary += static_cast<char>((i * 131 + 7) & 0xFF);
    EXPECT_NE(ParseResult(binary).rfind("Error", 0), std::string::npos);
    const double t1 = time_of(std::string(1 << 18, '7') + "-1/2");
    const double t4 = time_of(std::string(1 << 20, '7') + "-1/2");
    EXPECT_LT(t4, 0.5);
    EXPECT_LT(t4, 16 * t1 + 0.01) << "quadrupling the input should not multiply the time by 16";
}

}  // namespace
