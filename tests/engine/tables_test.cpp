// Named table rows for what the golden files cannot say: blanks around a
// field, signs of zero, non-finite values, host callbacks, the conversions
// the golden runner has no line kind for. Most cases live in golden/*.txt.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <functional>
#include <string>

#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine/numeric.h"
#include "engine_testkit.h"

namespace {

using namespace spanwright;
using namespace spanwright::testkit;
namespace n = spanwright::numeric;

struct Row {
    const char* name;
    std::function<std::string()> got;  // the program's answer, or "Error N"
    std::string want;
};
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }
std::string RowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

class Table : public ::testing::TestWithParam<Row> {};
TEST_P(Table, Gives) { EXPECT_EQ(OrError(GetParam().got), GetParam().want); }

std::string Sign(double v) { return std::signbit(v) ? "minus" : "plus"; }
std::string Format(double v, const char* options) { return mdlDisplay::FormatDimension(v, Options(options)); }

const Row kParse[] = {
    {"blanks_around", [] { return ParseResult(" 3.5 "); }, "3.5"},
    {"tabs_around", [] { return ParseResult("\t7\t"); }, "7"},
    {"minus_zero_keeps_its_sign", [] { return Sign(mdlConvertInput::ConvertInput("-0", 1)); }, "minus"},
    {"feet_inches_type_is_0", [] { return n::Text(mdlDetType::DetType("3'4-1/2\"")); }, "0"},
    {"decimal_type_is_1", [] { return n::Text(mdlDetType::DetType("12.75\"")); }, "1"},
    {"empty_type_is_1", [] { return n::Text(mdlDetType::DetType("")); }, "1"},
    {"lone_slash_type_is_0", [] { return n::Text(mdlDetType::DetType("/")); }, "0"},
    {"other_type_reads_zero", [] { return n::Text(mdlConvertInput::ConvertInput("3'4-1/2\"", 7)); }, "0"},
    {"negative_type_reads_zero_for_letters", [] { return n::Text(mdlConvertInput::ConvertInput("abc", -1)); }, "0"},
    {"dash_after_the_inch_mark_is_refused", [] { return n::Text(mdlConvertInput::ParsePlain("5\"-")); }, "Error 100"},
    {"bar_after_the_inch_mark_is_no_bar", [] { return n::Text(mdlConvertInput::ParseFraction("1-\"/")); }, "Error 5"},
    {"bar_before_the_separator_is_not_the_fractions",
     [] { return n::Text(mdlConvertInput::ParseFraction("1/2-3/4")); }, "Error 13"},
    {"one_scan_reads_a_fraction", [] { return n::Text(mdlConvertInput::ReadDimension("-3'4-1/2\"")); }, "-40.5"},
    {"one_scan_refuses_a_stray_dash", [] { return n::Text(mdlConvertInput::ReadDimension("3-4")); }, "Error 100"},
    {"one_scan_of_nothing", [] { return n::Text(mdlConvertInput::ReadDimension("")); }, "0"},
};
INSTANTIATE_TEST_SUITE_P(Parse, Table, ::testing::ValuesIn(kParse), RowName);

const Row kNumeric[] = {
    {"real_trims_blanks", [] { return n::Text(n::Real(" \t3.5 ")); }, "3.5"},
    {"real_of_blanks_only", [] { return n::Text(n::Real("  ")); }, "Error 13"},
    {"real_minus_zero_keeps_its_sign", [] { return Sign(n::Real("-0")); }, "minus"},
    {"to_whole_not_finite", [] { return n::Text(n::ToWhole(NAN)); }, "Error 6"},
    {"pattern_value_is_the_nearest_double", [] { return Exactly(n::PatternValue(2.675, 2)); }, "2.68"},
    {"pattern_value_tie_at_three_places", [] { return Exactly(n::PatternValue(1.0005, 3)); }, "1.001"},
    {"single", [] { return n::Text(n::Single("1.5")); }, "1.5"},
    {"single_too_large", [] { return n::Text(n::Single("1E+39")); }, "Error 6"},
    {"boolean_any_letter_case", [] { return n::Text(n::ToBoolean("tRUE")); }, "1"},
    {"boolean_blanks_around", [] { return n::Text(n::ToBoolean(" False ")); }, "0"},
    {"boolean_zero", [] { return n::Text(n::ToBoolean("0")); }, "0"},
    {"boolean_non_zero", [] { return n::Text(n::ToBoolean("2.5")); }, "1"},
    {"boolean_other_words", [] { return n::Text(n::ToBoolean("yes")); }, "Error 13"},
    {"description_13", [] { return StandardDescription(13); }, "Type mismatch."},
    {"description_94", [] { return StandardDescription(94); }, "No rounding step is chosen."},
};
INSTANTIATE_TEST_SUITE_P(Numeric, Table, ::testing::ValuesIn(kNumeric), RowName);

const Row kFraction[] = {
    {"eight_sixteenths", [] { return mdlDisplay::FractionText(8, 16); }, "1/2"},
    {"five_tenths", [] { return mdlDisplay::FractionText(5, 10); }, "1/2"},
    {"already_lowest", [] { return mdlDisplay::FractionText(3, 16); }, "3/16"},
    {"whole", [] { return mdlDisplay::FractionText(4, 2); }, "2/1"},
    {"finest", [] { return mdlDisplay::FractionText(390625, 100000000); }, "1/256"},
    {"zero_not_reduced", [] { return mdlDisplay::FractionText(0, 16); }, "0/16"},
    {"negative_not_reduced", [] { return mdlDisplay::FractionText(-2, 4); }, "-2/4"},
    {"zero_denominator", [] { return mdlDisplay::FractionText(3, 0); }, "1/0"},
};
INSTANTIATE_TEST_SUITE_P(FractionText, Table, ::testing::ValuesIn(kFraction), RowName);

const Row kFormat[] = {
    {"infinity_fractional", [] { return Format(INFINITY, "Format=0"); }, "Error 6"},
    {"minus_infinity_feet_inches", [] { return Format(-INFINITY, "Format=1"); }, "Error 6"},
    {"nan_decimal", [] { return Format(NAN, "Output=1 Format=3"); }, "Error 6"},
    {"no_step_is_told_before_infinity", [] { return Format(INFINITY, "Round=-1"); }, "Error 94"},
};
INSTANTIATE_TEST_SUITE_P(Format, Table, ::testing::ValuesIn(kFormat), RowName);

// One DoMath step from a given total: display, total after, and the failure
// or square tag it reports ("tag sqIn", "Error 13: Invalid input.").
struct Step {
    const char* name;
    const char* options;
    double total;
    std::int32_t op;  // 0 none, 1 +, 2 -, 3 *, 4 /
    const char* text;
    const char* display;
    const char* total_after;
    const char* report;
};
void PrintTo(const Step& s, std::ostream* os) { *os << s.name; }

const Step kSteps[] = {
    {"first_operand_replaces_total", "", 7, 0, "3'4-1/2\"", "3'4-1/2\"", "40.5", ""},
    {"add", "", 40.5, 1, "10", "4'2-1/2\"", "50.5", ""},
    {"multiply_sets_no_tag_without_square_units", "", 50.5, 3, "2", "8'5\"", "101", ""},
    {"square_inches", "Square=1 Format=0", 40.5, 3, "40.5", "1640-1/4", "1640.25", "tag sqIn"},
    // The area is held in square inches and shown in square feet.
    {"square_feet_hold_square_inches", "Output=1 Square=1 Format=0 Round=2", 40.5, 3, "40.5", "11.39", "1640.25",
     "tag sqFt"},
    {"stray_dash", "", 7, 0, "3-4", "0", "7", "Error 100: Invalid fractional or decimal input."},
    {"letters", "", 7, 1, "3'x", "0", "7", "Error 13: Invalid input."},
    {"fraction_without_whole", "", 7, 0, "1/2", "0", "7", "Error 5: Invalid argument."},
    {"divide_by_zero", "", 7, 4, "0", "0", "7", "Error 11: Division by zero."},
    {"zero_by_zero_is_division_by_zero", "", 0, 4, "0", "0", "0", "Error 11: Division by zero."},
    {"operand_overflow", "", 7, 0, "0-1/9999999999", "0", "7", "Error 6: Overflow."},
    {"overflow_is_not_stored", "", 1e308, 4, "0.01", "0", "1E+308", "Error 6: Overflow."},
    {"no_rounding_step", "Round=-1", 7, 0, "5", "0", "7", "Error 94: No rounding step is chosen."},
    {"tag_set_before_a_formatting_failure", "Square=1 Format=0 Round=-1", 2, 3, "3", "0", "2",
     "tag sqIn; Error 94: No rounding step is chosen."},
};

class DoMathStep : public ::testing::TestWithParam<Step> {};
TEST_P(DoMathStep, ShowsTheTotalOrReportsTheFailure) {
    const Step& s = GetParam();
    const mdlDoMath::StepResult step = mdlDoMath::DoMath(s.total, s.text, s.op, Options(s.options));
    std::string report = step.squareTag.empty() ? "" : "tag " + step.squareTag;
    if (!step.ok())
        report += (report.empty() ? "" : "; ") + ("Error " + std::to_string(step.error) + ": " + step.errorText);
    EXPECT_EQ(step.text, s.display);
    EXPECT_EQ(n::Text(step.total), s.total_after);
    EXPECT_EQ(report, s.report);
}
INSTANTIATE_TEST_SUITE_P(DoMath, DoMathStep, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

// A square result re-shown in the unit now chosen keeps its area; text that
// cannot be read is left to a plain evaluation.
struct AreaRow {
    const char* name;
    const char* options;
    const char* text;
    const char* tag;
    const char* shown;  // "text tag", or "none"
};
void PrintTo(const AreaRow& r, std::ostream* os) { *os << r.name; }

const AreaRow kAreas[] = {
    {"square_inches_to_square_feet", "Output=1 Square=1 Format=0 Round=2", "432\"", "sqIn", "3 sqFt"},
    {"square_feet_to_square_inches", "Output=1 Square=1 Format=1 Round=2", "3'", "sqFt", "432 sqIn"},
    {"fractional_square_inches_to_decimal", "Output=1 Square=1 Format=1 Round=2", "40-1/2\"", "sqIn", "40.5 sqIn"},
    {"unreadable_text", "Square=1 Format=0", "4x\"", "sqIn", "none"},
};

class ReShowArea : public ::testing::TestWithParam<AreaRow> {};
TEST_P(ReShowArea, KeepsTheArea) {
    const AreaRow& r = GetParam();
    const auto step = mdlDoMath::ReShowArea(r.text, r.tag, Options(r.options));
    EXPECT_EQ(step ? step->text + " " + step->squareTag : "none", r.shown);
}
INSTANTIATE_TEST_SUITE_P(Area, ReShowArea, ::testing::ValuesIn(kAreas),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LongInput, ReadsOrRefuses) {
    // 1 MB of digits, of marks, of bytes: an error or a value (the time it
    // takes is the engine benchmark's and the fuzzer's to watch).
    const std::string mb(1 << 20, '7');
    EXPECT_EQ(ParseResult(mb), "Error 6");
    EXPECT_EQ(ParseResult("0." + mb), "0.777777777777778");
    EXPECT_EQ(ParseResult(mb + "'" + mb + "-1/2\""), "Error 6");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '\'')), "Error 13");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '-')), "Error 100");
    EXPECT_EQ(ParseResult(std::string(1 << 20, '/')), "Error 13");
    std::string bytes;
    for (int i = 0; i < (1 << 20); ++i) bytes += static_cast<char>((i * 131 + 7) & 0xFF);
    EXPECT_EQ(ParseResult(bytes).rfind("Error", 0), 0u);
}

TEST(GermanLocale, PointIsTheDecimalPoint) {
    // scripts/test makes the locale: localedef -i de_DE -f UTF-8 de_DE.UTF-8
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the de_DE.UTF-8 locale is missing";
    struct Restore {
        ~Restore() { std::setlocale(LC_ALL, "C"); }
    } restore;
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(ParseResult("3.5"), "3.5");
    EXPECT_EQ(n::Pattern(2.675, 2), "2.68");
    const OutputOptions decimal = Options("Output=1 Format=0 Round=2");
    const auto first = mdlDoMath::DoMath(0, "3.5", 0, decimal);
    EXPECT_EQ(first.text, "3.5");
    const auto sum = mdlDoMath::DoMath(first.total, "1", 1, decimal);
    EXPECT_EQ(sum.text, "4.5");
    EXPECT_EQ(sum.total, 4.5);
}

}  // namespace
