// The stair computation, one row per case: what Calculate writes (fields,
// summary) or the message it gives, and the variables it leaves behind.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/numeric.h"
#include "stair/stair_calc.h"

namespace spanwright::stair {
namespace {

const std::string kTwoOfThree = "Stair Calculator | You must enter values in two of the three available fields.";
const std::string kTooLarge = "Error | Error : 6 - A value that has been entered is too large.";
const std::string kDivByZero = "Error | Error: 11 - Division by zero.";
const std::string kMismatch = "Error | Error: 13 - Type mismatch.";
const std::string kNoStep = "Error | Error: 94 - No rounding step is chosen.";
constexpr auto R = StairMode::Risers;
constexpr auto T = StairMode::Treads;

struct Row {
    const char* name;
    StairMode mode;
    std::int32_t missing_before;  // intMissing left by an earlier calculation
    StairFields fields;
    std::string outcome;  // written fields ("-": left alone) ": " summary, or "title | message"
    std::string vars;     // this direction's variables after: step count overall, m<intMissing>
    std::array<int, 3> output_format_round = {0, 1, 4};  // fractional feet and inches, 1/16
};
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

const Row kRows[] = {
    {"worked_example_raises_the_count", R, 0, {"7.5", "", "108"}, "- 15 108 : 15 Risers @ 7.20\" = 9'0\"", "7.2 15 108 m1"},
    {"exact_quotient_adds_no_riser", R, 0, {"7.2", "", "108"}, "- 15 108 : 15 Risers @ 7.20\" = 9'0\"", "7.2 15 108 m1"},
    {"step_from_count_and_overall", R, 0, {"", "15", "108"}, "7.20 15 108 : 15 Risers @ 7.20\" = 9'0\"", "7.2 15 108 m0"},
    {"overall_from_step_and_count", R, 0, {"7.25", "15", ""},
     "- 15 108.75 : 15 Risers @ 7.25\" = 9'0-3/4\"", "7.25 15 108.75 m2"},
    {"treads_same_rules", T, 0, {"10", "", "107.5"},
     "- 11 107.5 : 11 Treads @ 9.77\" = 8'11-1/2\"", "9.7727272727 11 107.5 m1"},
    {"count_at_least_one", R, 0, {"25", "", "10"}, "- 1 10 : 1 Risers @ 10.00\" = 0'10\"", "10 1 10 m1"},
    {"computed_count_half_away", R, 0, {"4", "", "10"}, "- 3 10 : 3 Risers @ 3.33\" = 0'10\"", "3.3333333333 3 10 m1"},
    {"typed_count_half_to_even_down", R, 0, {"", "2.5", "10"}, "5.00 2 10 : 2 Risers @ 5.00\" = 0'10\"", "5 2 10 m0"},
    {"typed_count_half_to_even_up", R, 0, {"", "3.5", "10"}, "2.50 4 10 : 4 Risers @ 2.50\" = 0'10\"", "2.5 4 10 m0"},
    {"largest_count", R, 0, {"", "32767", "32767"},
     "1.00 32767 32767 : 32767 Risers @ 1.00\" = 2730'7\"", "1 32767 32767 m0"},
    {"all_typed_at_start_recompute_step", R, 0, {"9", "15", "108"},
     "- 15 108 : 15 Risers @ 7.20\" = 9'0\"", "7.2 15 108 m0"},
    {"all_typed_recompute_last_computed", R, 1, {"7.5", "3", "108"},
     "- 15 108 : 15 Risers @ 7.20\" = 9'0\"", "7.2 15 108 m1"},
    {"last_computed_carries_to_treads", T, 1, {"10", "2", "95"}, "- 10 95 : 10 Treads @ 9.50\" = 7'11\"", "9.5 10 95 m1"},
    {"summary_in_decimal_feet", R, 0, {"7.25", "15", ""},
     "- 15 108.75 : 15 Risers @ 7.25\" = 9.06'", "7.25 15 108.75 m2", {1, 2, 2}},
    {"two_empty_reads_nothing", R, 2, {"7", "", ""}, kTwoOfThree, "0 0 0 m2"},
    {"blanks_only_is_not_a_number", R, 0, {" ", "", "108"}, kMismatch, "0 0 0 m0"},
    {"failure_keeps_what_was_read_before_it", R, 2, {"6", "x", "99"}, kMismatch, "6 0 0 m2"},
    {"typed_count_past_16_bits", R, 0, {"", "32768", "10"}, kTooLarge, "0 0 0 m0"},
    {"step_of_zero", R, 0, {"0", "", "10"}, kDivByZero, "0 0 10 m1"},
    {"count_of_zero", R, 0, {"", "0", "10"}, kDivByZero, "0 0 10 m0"},
    {"zero_over_zero", R, 0, {"", "0", "0"}, kTooLarge, "0 0 0 m0"},
    {"computed_count_past_16_bits", T, 0, {"1", "", "40000"}, kTooLarge, "1 0 40000 m1"},
    {"fitting_past_the_largest_count", R, 0, {"0.99999", "", "32767"}, kTooLarge, "0.99999 32767 32767 m1"},
    {"no_rounding_step_after_computing", R, 0, {"7.25", "15", ""}, kNoStep, "7.25 15 108.75 m2", {0, 1, -1}},
};

class StairCalculate : public ::testing::TestWithParam<Row> {};

TEST_P(StairCalculate, WritesOrTellsAndKeepsTheVariables) {
    const Row& r = GetParam();
    const bool risers = r.mode == R;
    const double mine = risers ? 0 : 99, other = risers ? 99 : 0;  // the other direction must stay 99
    StairVariables vars{mine, static_cast<std::int16_t>(mine), mine, other, static_cast<std::int16_t>(other), other,
                        r.missing_before};
    OutputOptions options;
    options.output = r.output_format_round[0];
    options.format = r.output_format_round[1];
    options.round = r.output_format_round[2];
    const StairOutcome out = Calculate(vars, r.mode, r.fields, options);
    std::string shown;
    for (const auto& f : out.fields) shown += (f ? *f : "-") + " ";
    shown += ": " + out.summary;
    if (out.message) shown = out.message->title + " | " + out.message->text + (shown == "- - - : " ? "" : " " + shown);
    EXPECT_EQ(shown, r.outcome);
    auto dump = [](double step, double count, double overall) {
        return numeric::Text(step) + " " + numeric::Text(count) + " " + numeric::Text(overall);
    };
    const std::string riser_vars = dump(vars.dblRiserHeight, vars.intRisers, vars.dblOverallHeight);
    const std::string tread_vars = dump(vars.dblTreadWidth, vars.intTreads, vars.dblOverallWidth);
    EXPECT_EQ((risers ? riser_vars : tread_vars) + " m" + std::to_string(vars.intMissing), r.vars);
    EXPECT_EQ(risers ? tread_vars : riser_vars, "99 99 99");
}

INSTANTIATE_TEST_SUITE_P(Cases, StairCalculate, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spanwright::stair
