#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "engine/errors.h"
#include "stair/stair_calc.h"

namespace spanwright::stair {
namespace {

constexpr auto kTwoOfThree = "You must enter values in two of the three available fields.";
constexpr auto kTooLarge = "Error : 6 - A value that has been entered is too large.";
constexpr auto kDivByZero = "Error: 11 - Division by zero.";
constexpr auto kMismatch = "Error: 13 - Type mismatch.";

// Fractional output, feet and inches, nearest 1/16 inch.
const PlainOptions kFeetInches{};

struct Row {
    const char* name;
    StairMode mode;
    StairFields fields;
    // Expected: the written fields (nullopt: left alone) and summary, or the message.
    std::optional<std::string> f0, f1, f2;
    std::string summary;
    std::string message = {};
};
void PrintTo(const Row& r, std::ostream* os) { *os << r.name; }

const Row kRows[] = {
    {"WorkedExampleRaisesTheCount", StairMode::Risers, {"7.5", "", "108"},
     std::nullopt, "15", "108", "15 Risers @ 7.20\" = 9'0\""},
    {"MaximumFromCountAndOverall", StairMode::Risers, {"", "15", "108"},
     "7.20", "15", "108", "15 Risers @ 7.20\" = 9'0\""},
    {"ExactQuotientAddsNoRiser", StairMode::Risers, {"7.2", "", "108"},
     std::nullopt, "15", "108", "15 Risers @ 7.20\" = 9'0\""},
    {"OverallFromCountAndMaximum", StairMode::Risers, {"7.25", "15", ""},
     std::nullopt, "15", "108.75", "15 Risers @ 7.25\" = 9'0-3/4\""},
    {"TreadsModeSameRules", StairMode::Treads, {"10", "", "107.5"},
     std::nullopt, "11", "107.5", "11 Treads @ 9.77\" = 8'11-1/2\""},
    {"CountReadHalfToEven", StairMode::Risers, {"", "2.5", "10"},
     "5.00", "2", "10", "2 Risers @ 5.00\" = 0'10\""},
    {"CountThreeAndAHalfReadAsFour", StairMode::Risers, {"", "3.5", "10"},
     "2.50", "4", "10", "4 Risers @ 2.50\" = 0'10\""},
    {"LargestCountAccepted", StairMode::Risers, {"", "32767", "32767"},
     "1.00", "32767", "32767", "32767 Risers @ 1.00\" = 2730'7\""},
    {"MaximumOverTwiceTheOverallStillGivesOneRiser", StairMode::Risers, {"25", "", "10"},
     std::nullopt, "1", "10", "1 Risers @ 10.00\" = 0'10\""},
    {"MaximumOverTwiceTheOverallStillGivesOneTread", StairMode::Treads, {"25", "", "10"},
     std::nullopt, "1", "10", "1 Treads @ 10.00\" = 0'10\""},
    {"MaximumTimesHalfRoundsAway", StairMode::Risers, {"4", "", "10"},
     std::nullopt, "3", "10", "3 Risers @ 3.33\" = 0'10\""},
    {"BlanksAreNotEmpty", StairMode::Risers, {" ", "", "108"}, {}, {}, {}, "", kMismatch},
    {"TextIsNotANumber", StairMode::Risers, {"", "15", "abc"}, {}, {}, {}, "", kMismatch},
    {"TwoEmpty", StairMode::Risers, {"", "", "108"}, {}, {}, {}, "", kTwoOfThree},
    {"ThreeEmpty", StairMode::Treads, {"", "", ""}, {}, {}, {}, "", kTwoOfThree},
    {"CountBeyondSixteenBits", StairMode::Risers, {"", "40000", "10"}, {}, {}, {}, "", kTooLarge},
    {"CountJustBeyondSixteenBits", StairMode::Risers, {"", "32768", "10"}, {}, {}, {}, "", kTooLarge},
    {"MaximumOfZero", StairMode::Risers, {"0", "", "10"}, {}, {}, {}, "", kDivByZero},
    {"CountOfZero", StairMode::Risers, {"", "0", "10"}, {}, {}, {}, "", kDivByZero},
    {"ZeroOverZero", StairMode::Risers, {"", "0", "0"}, {}, {}, {}, "", kTooLarge},
    {"FittingPastTheLargestCount", StairMode::Risers, {"0.99999", "", "32767"}, {}, {}, {}, "", kTooLarge},
    {"ComputedCountBeyondSixteenBits", StairMode::Treads, {"1", "", "40000"}, {}, {}, {}, "", kTooLarge},
};

class StairCalculate : public ::testing::TestWithParam<Row> {};

TEST_P(StairCalculate, WritesFieldsAndSummaryOrGivesTheMessage) {
    const Row& r = GetParam();
    StairVariables vars;
    const StairOutcome out = Calculate(vars, r.mode, r.fields, kFeetInches);
    if (!r.message.empty()) {
        ASSERT_TRUE(out.message.has_value());
        EXPECT_EQ(out.message->text, r.message);
        EXPECT_EQ(out.message->title, r.message == kTwoOfThree ? "Stair Calculator" : "Error");
        EXPECT_FALSE(out.fields[0] || out.fields[1] || out.fields[2]);
        EXPECT_EQ(out.summary, "");
        return;
    }
    ASSERT_FALSE(out.message.has_value()) << out.message->text;
    EXPECT_EQ(out.fields[0], r.f0);
    EXPECT_EQ(out.fields[1], r.f1);
    EXPECT_EQ(out.fields[2], r.f2);
    EXPECT_EQ(out.summary, r.summary);
}

INSTANTIATE_TEST_SUITE_P(Cases, StairCalculate, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StairVariablesKept, AllThreeFilledRecomputesWhatWasComputedLast) {
    StairVariables vars;
    // First calculation computes the count (index 1).
    Calculate(vars, StairMode::Risers, {"7.5", "", "108"}, kFeetInches);
    EXPECT_EQ(vars.intMissing, 1);
    // All three filled: the count is computed again, the typed 3 is overwritten.
    const auto out = Calculate(vars, StairMode::Risers, {"7.5", "3", "108"}, kFeetInches);
    EXPECT_EQ(out.fields[1], "15");
    EXPECT_EQ(vars.intRisers, 15);
    // And it carries over to the other direction.
    const auto treads = Calculate(vars, StairMode::Treads, {"10", "2", "95"}, kFeetInches);
    EXPECT_EQ(treads.fields[1], "10");
    EXPECT_EQ(treads.summary, "10 Treads @ 9.50\" = 7'11\"");
    EXPECT_EQ(vars.dblRiserHeight, 7.2);  // the Risers values stand
}

TEST(StairVariablesKept, AtStartAllThreeFilledRecomputesTheStep) {
    StairVariables vars;
    const auto out = Calculate(vars, StairMode::Risers, {"9", "15", "108"}, kFeetInches);
    EXPECT_FALSE(out.fields[0].has_value());  // typed, so not rewritten
    EXPECT_EQ(out.summary, "15 Risers @ 7.20\" = 9'0\"");
}

TEST(StairVariablesKept, AFailureKeepsWhatWasReadBeforeIt) {
    StairVariables vars;
    vars.intMissing = 2;
    const auto out = Calculate(vars, StairMode::Risers, {"6", "x", "99"}, kFeetInches);
    ASSERT_TRUE(out.message.has_value());
    EXPECT_EQ(vars.dblRiserHeight, 6);      // read before the failure
    EXPECT_EQ(vars.dblOverallHeight, 0);    // never reached
    EXPECT_EQ(vars.intMissing, 2);          // not moved by a failed read
}

TEST(StairVariablesKept, TwoOfThreeMessageChangesNothing) {
    StairVariables vars;
    vars.dblRiserHeight = 3;
    vars.intMissing = 2;
    Calculate(vars, StairMode::Risers, {"7", "", ""}, kFeetInches);
    EXPECT_EQ(vars.dblRiserHeight, 3);
    EXPECT_EQ(vars.intMissing, 2);
}

struct SummaryRow {
    const char* name;
    PlainOptions options;
    std::string summary;
};
void PrintTo(const SummaryRow& r, std::ostream* os) { *os << r.name; }

PlainOptions Options(int output, int format, int round_on, int round) {
    PlainOptions o;
    o.output = output;
    o.format = format;
    o.round_on = round_on;
    o.round = round;
    return o;
}

const SummaryRow kSummaries[] = {
    {"FractionalFeetAndInches", Options(0, 1, 1, 4), "15 Risers @ 7.25\" = 9'0-3/4\""},
    {"FractionalInches", Options(0, 2, 1, 4), "15 Risers @ 7.25\" = 108-3/4\""},
    {"FractionalWholeInches", Options(0, 1, 1, 0), "15 Risers @ 7.25\" = 9'1\""},
    {"DecimalFeetTwoPlaces", Options(1, 2, 1, 2), "15 Risers @ 7.25\" = 9.06'"},
    {"DecimalInches", Options(1, 3, 0, 0), "15 Risers @ 7.25\" = 108.75\""},
    {"NeitherOutputSelected", Options(2, 1, 1, 4), "15 Risers @ 7.25\" = "},
};

class StairSummary : public ::testing::TestWithParam<SummaryRow> {};

TEST_P(StairSummary, OverallWrittenInTheCurrentOutputForm) {
    StairVariables vars;
    const auto out = Calculate(vars, StairMode::Risers, {"7.25", "15", ""}, GetParam().options);
    ASSERT_FALSE(out.message.has_value()) << out.message->text;
    EXPECT_EQ(out.summary, GetParam().summary);
}

INSTANTIATE_TEST_SUITE_P(Forms, StairSummary, ::testing::ValuesIn(kSummaries),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StairSummary, FormatterFailureWritesNothing) {
    StairVariables vars;
    const auto out = Calculate(vars, StairMode::Risers, {"7.25", "15", ""}, Options(0, 1, 1, -1));
    ASSERT_TRUE(out.message.has_value());
    EXPECT_EQ(out.message->text, "Error: 94 - " + StandardDescription(94));
    EXPECT_FALSE(out.fields[2].has_value());
    EXPECT_EQ(vars.dblOverallHeight, 108.75);  // computed before the failure
}

TEST(StairRounding, TenAndWhole) {
    EXPECT_EQ(ten(108.0 / 14), 7.7142857143);
    EXPECT_EQ(whole(14.5), 15);
    EXPECT_EQ(whole(-0.5), -1);
    EXPECT_EQ(whole(32767.4), 32767);
    EXPECT_THROW(whole(32767.5), NumberedError);
    EXPECT_THROW(whole(-32768.5), NumberedError);
}

}  // namespace
}  // namespace spanwright::stair
