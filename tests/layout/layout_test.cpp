// The right triangle and the stair layout, one row per case: the lines as
// the command line prints them ("name value; ..."), or the message and
// whether the input was refused (R) or impossible (I).
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "layout/right_triangle.h"
#include "layout/stair_layout.h"

namespace spanwright::layout {
namespace {

const OutputOptions kFeetInches{};                                     // fractional, 1/16
const OutputOptions kDecimalInches{.output = 1, .format = 3, .round = 2};
const OutputOptions kSquareInches{.output = 0, .format = 0, .square = 1};

std::string Shown(const LayoutOutcome& out) {
    if (out.message) return (out.failure == Failure::Refused ? "R " : "I ") + *out.message;
    std::string text;
    for (const ResultLine& line : out.lines) {
        text += (text.empty() ? "" : "; ") + line.name + " " + line.value;
        // Whatever the input, never a number that is no number.
        EXPECT_EQ(line.value.find("inf"), std::string::npos) << line.value;
        EXPECT_EQ(line.value.find("nan"), std::string::npos) << line.value;
    }
    return text;
}

struct TriangleRow {
    const char* name;
    TriangleFields fields;  // rise, run, diagonal, pitch, angle
    std::string shown;
    OutputOptions options = kFeetInches;
};
void PrintTo(const TriangleRow& r, std::ostream* os) { *os << r.name; }

const TriangleRow kTriangles[] = {
    {"run_and_pitch", {"", "12'", "", "4", ""},
     "rise 4'0\"; run 12'0\"; diagonal 12'7-13/16\"; pitch 4/12; angle 18.43"},
    {"metric_run", {"", "3657.6mm", "", "4", ""},
     "rise 4'0\"; run 12'0\"; diagonal 12'7-13/16\"; pitch 4/12; angle 18.43"},
    {"pitch_written_over_12", {"", "12'", "", "4/12", ""},
     "rise 4'0\"; run 12'0\"; diagonal 12'7-13/16\"; pitch 4/12; angle 18.43"},
    {"rise_and_run_3_4_5", {"30'", "40'", "", "", ""}, "rise 30'0\"; run 40'0\"; diagonal 50'0\"; pitch 9/12; angle 36.87"},
    {"inches_only", {"6\"", "12\"", "", "", ""}, "rise 0'6\"; run 1'0\"; diagonal 1'1-7/16\"; pitch 6/12; angle 26.57"},
    {"rise_and_diagonal", {"3'", "", "5'", "", ""}, "rise 3'0\"; run 4'0\"; diagonal 5'0\"; pitch 9/12; angle 36.87"},
    {"diagonal_and_angle", {"", "", "10", "", "45"}, "rise 0'7-1/16\"; run 0'7-1/16\"; diagonal 0'10\"; pitch 12/12; angle 45.00"},
    {"rise_and_decimal_pitch", {"9.5", "", "", "9.5", ""}, "rise 9.5\"; run 12\"; diagonal 15.31\"; pitch 9.5/12; angle 38.37",
     kDecimalInches},
    {"lengths_never_in_square_units", {"5'3-1/2\"", "12'6\"", "", "", ""},
     "rise 5'3-1/2\"; run 12'6\"; diagonal 13'6-7/8\"; pitch 5.08/12; angle 22.94", kSquareInches},
    {"steep_pitch", {"", "12", "", "1000000", ""}, "rise 83333'4\"; run 1'0\"; diagonal 83333'4\"; pitch 1000000/12; angle 90.00"},
    {"angle_just_under_90", {"", "12'", "", "", "89.9999"},
     "rise 6875493'6-1/2\"; run 12'0\"; diagonal 6875493'6-1/2\"; pitch 6875493.54/12; angle 90.00"},
    {"diagonal_no_longer_than_leg", {"5", "", "5", "", ""}, "I The diagonal must be longer than the rise."},
    {"run_longer_than_diagonal", {"", "6", "5", "", ""}, "I The diagonal must be longer than the run."},
    {"zero_length", {"0", "12", "", "", ""}, "I Rise: must be more than 0."},
    {"negative_length", {"", "-1'", "", "4", ""}, "I Run: must be more than 0."},
    {"pitch_of_zero", {"", "12", "", "0", ""}, "I Pitch: must be more than 0."},
    {"angle_of_zero", {"", "12", "", "", "0"}, "I Angle: must be more than 0 and less than 90 degrees."},
    {"angle_of_90", {"", "12", "", "", "90"}, "I Angle: must be more than 0 and less than 90 degrees."},
    {"too_large", {"1E308", "", "", "0.000001", ""}, "I The numbers are too large."},
    {"huge_legs_still_a_triangle", {"1E308", "1E308", "", "", ""},
     "rise 8.33333333333333E+306'0\"; run 8.33333333333333E+306'0\"; diagonal 1.17851130197758E+307'0\"; pitch 12/12; "
     "angle 45.00"},
    {"text", {"", "abc", "", "4", ""}, "R Run: Invalid input."},
    {"nan_like", {"nan", "", "", "4", ""}, "R Rise: Invalid input."},
    {"beyond_double", {"", "1E400", "", "4", ""}, "R Run: Overflow."},
    {"bad_pitch", {"", "12", "", "4/x", ""}, "R Pitch: Invalid input."},
    {"pitch_over_zero_run", {"", "12", "", "4/0", ""}, "I Pitch: the run after \"/\" must be more than 0."},
    {"blank_is_not_given", {"  ", "12", "", "4", ""},
     "rise 0'4\"; run 1'0\"; diagonal 1'0-5/8\"; pitch 4/12; angle 18.43"},
    {"one_given", {"", "12", "", "", ""}, "R Enter two of Rise, Run, Diagonal, Pitch and Angle."},
    {"three_given", {"3", "4", "5", "", ""}, "R Enter two of Rise, Run, Diagonal, Pitch and Angle."},
    {"pitch_and_angle", {"", "", "", "4", "30"}, "R Enter Pitch or Angle, not both."},
};

class Triangle : public ::testing::TestWithParam<TriangleRow> {};
TEST_P(Triangle, SolvesOrTells) {
    const TriangleRow& r = GetParam();
    EXPECT_EQ(Shown(SolveTriangle(r.fields, r.options)), r.shown);
}
INSTANTIATE_TEST_SUITE_P(Rows, Triangle, ::testing::ValuesIn(kTriangles),
                         [](const auto& info) { return std::string(info.param.name); });

struct StairRow {
    const char* name;
    StairFields fields;  // total rise, tread depth, total run, risers, code
    std::string shown;
    OutputOptions options = kFeetInches;
};
void PrintTo(const StairRow& r, std::ostream* os) { *os << r.name; }

constexpr auto IRC = BuildingCode::Irc;
constexpr auto IBC = BuildingCode::Ibc;
constexpr auto NONE = BuildingCode::None;

const StairRow kStairs[] = {
    {"residential", {"9'", "10\"", "", "", IRC},
     "risers 14; riser 7-11/16\"; riser_exact 7.714\"; treads 13; tread 10\"; run 10'10\"; diagonal 14'1\"; "
     "angle 37.65; cut 14 risers at 7-11/16\" make 8'11-5/8\", 3/8\" short; check riser pass 7.714 <= 7.75; "
     "check tread pass 10 >= 10"},
    {"metric_rise_and_tread", {"2743.2mm", "25.4cm", "", "", IRC},
     "risers 14; riser 7-11/16\"; riser_exact 7.714\"; treads 13; tread 10\"; run 10'10\"; diagonal 14'1\"; "
     "angle 37.65; cut 14 risers at 7-11/16\" make 8'11-5/8\", 3/8\" short; check riser pass 7.714 <= 7.75; "
     "check tread pass 10 >= 10"},
    {"forced_count_fails_the_riser_limit", {"9'", "10\"", "", "13", IRC},
     "risers 13; riser 8-5/16\"; riser_exact 8.308\"; treads 12; tread 10\"; run 10'0\"; diagonal 13'5-7/16\"; "
     "angle 39.72; cut 13 risers at 8-5/16\" make 9'0-1/16\", 1/16\" over; check riser fail 8.308 > 7.75; "
     "check tread pass 10 >= 10"},
    {"commercial_takes_its_least_tread", {"9'", "", "", "", IBC},
     "risers 16; riser 6-3/4\"; riser_exact 6.75\"; treads 15; tread 11\"; run 13'9\"; diagonal 16'5-3/16\"; "
     "angle 31.53; cut 16 risers at 6-3/4\" make 9'0\", exact; check riser pass 6.75 <= 7; "
     "check riser_least pass 6.75 >= 4; check tread pass 11 >= 11"},
    {"riser_exactly_at_the_limit", {"108.5", "10", "", "", IRC},
     "risers 14; riser 7-3/4\"; riser_exact 7.75\"; treads 13; tread 10\"; run 10'10\"; diagonal 14'1-5/16\"; "
     "angle 37.78; cut 14 risers at 7-3/4\" make 9'0-1/2\", exact; check riser pass 7.75 <= 7.75; "
     "check tread pass 10 >= 10"},
    {"tread_from_total_run_fails", {"9'", "", "8'8\"", "", IRC},
     "risers 14; riser 7-11/16\"; riser_exact 7.714\"; treads 13; tread 8\"; run 8'8\"; diagonal 12'5-15/16\"; "
     "angle 43.96; cut 14 risers at 7-11/16\" make 8'11-5/8\", 3/8\" short; check riser pass 7.714 <= 7.75; "
     "check tread fail 8 < 10"},
    {"too_many_short_risers_for_commercial", {"9'", "11", "", "31", IBC},
     "risers 31; riser 3-1/2\"; riser_exact 3.484\"; treads 30; tread 11\"; run 27'6\"; diagonal 28'11-1/4\"; "
     "angle 17.57; cut 31 risers at 3-1/2\" make 9'0-1/2\", 1/2\" over; check riser pass 3.484 <= 7; "
     "check riser_least fail 3.484 < 4; check tread pass 11 >= 11"},
    {"no_code_forced_count", {"100", "9", "", "12", NONE},
     "risers 12; riser 8-5/16\"; riser_exact 8.333\"; treads 11; tread 9\"; run 8'3\"; diagonal 11'8-11/16\"; "
     "angle 42.80; cut 12 risers at 8-5/16\" make 8'3-3/4\", 1/4\" short"},
    {"decimal_inches", {"108", "10", "", "", IRC},
     "risers 14; riser 7.71\"; riser_exact 7.714\"; treads 13; tread 10\"; run 130\"; diagonal 169.01\"; "
     "angle 37.65; cut 14 risers at 7.71\" make 107.94\", 0.06\" short; check riser pass 7.714 <= 7.75; "
     "check tread pass 10 >= 10",
     kDecimalInches},
    {"one_riser", {"0-1/256\"", "10", "", "", IRC},
     "risers 1; riser 0\"; riser_exact 0.004\"; treads 0; tread 10\"; run 0'0\"; diagonal 0'0\"; angle 0.02; "
     "cut 1 riser at 0\" make 0'0\", 0\" short; check riser pass 0.004 <= 7.75; check tread pass 10 >= 10"},
    {"ten_thousand_feet", {"10000'", "10", "", "", IRC},
     "risers 15484; riser 7-3/4\"; riser_exact 7.75\"; treads 15483; tread 10\"; run 12902'6\"; diagonal 16324'0-9/16\"; "
     "angle 37.78; cut 15484 risers at 7-3/4\" make 10000'1\", 1\" over; check riser pass 7.75 <= 7.75; "
     "check tread pass 10 >= 10"},
    {"forced_one_is_a_single_step", {"9'", "10", "", "1", IRC},
     "risers 1; riser 108\"; riser_exact 108\"; treads 0; tread 10\"; run 0'0\"; diagonal 9'0\"; angle 84.71; "
     "cut 1 riser at 108\" make 9'0\", exact; check riser fail 108 > 7.75; check tread pass 10 >= 10"},
    {"run_too_long_to_write", {"9'", "1E308", "", "", IRC}, "I The numbers are too large."},
    {"fraction_without_inches", {"1/256\"", "10", "", "", IRC}, "R Total Rise: Invalid argument."},
    {"too_high", {"1E308", "10", "", "", IRC}, "I Total Rise: a stair of more than 32767 risers."},
    {"forced_zero", {"9'", "10", "", "0", IRC}, "I Risers: give a whole count from 1 to 32767."},
    {"forced_past_the_most", {"9'", "10", "", "32768", IRC}, "I Risers: give a whole count from 1 to 32767."},
    {"forced_fraction", {"9'", "10", "", "2.5", IRC}, "I Risers: give a whole count from 1 to 32767."},
    {"run_with_one_riser", {"9'", "", "10'", "1", IRC}, "I Total Run: a stair of one riser has no treads to share it."},
    {"no_rise", {"  ", "10", "", "", IRC}, "R Total Rise: enter the height from floor to floor."},
    {"zero_rise", {"0", "10", "", "", IRC}, "I Total Rise: must be more than 0."},
    {"negative_tread", {"9'", "-10", "", "", IRC}, "I Tread Depth: must be more than 0."},
    {"tread_and_run", {"9'", "10", "10'", "", IRC}, "R Enter Tread Depth or Total Run, not both."},
    {"no_code_no_count", {"9'", "10", "", "", NONE}, "R Risers: give a count when no code is chosen."},
    {"no_code_no_tread", {"9'", "", "", "14", NONE}, "R Tread Depth: enter a depth or a total run when no code is chosen."},
    {"text_count", {"9'", "10", "", "many", IRC}, "R Risers: Invalid input."},
};

class Stair : public ::testing::TestWithParam<StairRow> {};
TEST_P(Stair, LaysOutOrTells) {
    const StairRow& r = GetParam();
    EXPECT_EQ(Shown(LayOutStair(r.fields, r.options)), r.shown);
}
INSTANTIATE_TEST_SUITE_P(Rows, Stair, ::testing::ValuesIn(kStairs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace spanwright::layout
