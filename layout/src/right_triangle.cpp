#include "layout/right_triangle.h"

#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "engine/numeric.h"
#include "fields.h"

namespace spanwright::layout {
namespace {

using namespace detail;

constexpr double kDegrees = 180 / std::numbers::pi;

// "4", "9.5", or "4/12" (rise per run, written as inches per 12 of run).
std::optional<double> ReadPitch(const std::string& text) {
    const std::size_t bar = text.find('/');
    if (bar == std::string::npos) return ReadNumber(text, "Pitch");
    const std::optional<double> rise = ReadNumber(text.substr(0, bar), "Pitch");
    const std::optional<double> run = ReadNumber(text.substr(bar + 1), "Pitch");
    if (!rise || !run) Refuse("Pitch: Invalid input.");
    if (*run <= 0) Impossible("Pitch: the run after \"/\" must be more than 0.");
    return 12 * *rise / *run;
}

void Positive(const std::optional<double>& value, const char* label) {
    if (value && !(*value > 0)) Impossible(std::string(label) + ": must be more than 0.");
}

// The legs from whatever two of the five were given.
struct Legs {
    double rise, run;
};

Legs Solve(std::optional<double> rise, std::optional<double> run, std::optional<double> diagonal,
           std::optional<double> slope) {
    auto leg = [&](double other, const char* name) {
        if (!(*diagonal > other)) Impossible(std::string("The diagonal must be longer than the ") + name + ".");
        return std::sqrt((*diagonal - other) * (*diagonal + other));
    };
    if (rise && run) return {*rise, *run};
    if (rise && diagonal) return {*rise, leg(*rise, "rise")};
    if (run && diagonal) return {leg(*run, "run"), *run};
    if (rise) return {*rise, *rise / *slope};
    if (run) return {*run * *slope, *run};
    const double angle = std::atan(*slope);
    return {*diagonal * std::sin(angle), *diagonal * std::cos(angle)};
}

}  // namespace

LayoutOutcome SolveTriangle(const TriangleFields& fields, const OutputOptions& options) {
    return Run([&](std::vector<ResultLine>& lines) {
        const std::optional<double> rise = ReadLength(fields.rise, "Rise");
        const std::optional<double> run = ReadLength(fields.run, "Run");
        const std::optional<double> diagonal = ReadLength(fields.diagonal, "Diagonal");
        const std::optional<double> pitch = ReadPitch(fields.pitch);
        const std::optional<double> angle = ReadNumber(fields.angle, "Angle");
        const int given = int(rise.has_value()) + int(run.has_value()) + int(diagonal.has_value()) +
                          int(pitch.has_value()) + int(angle.has_value());
        if (pitch && angle) Refuse("Enter Pitch or Angle, not both.");
        if (given != 2) Refuse("Enter two of Rise, Run, Diagonal, Pitch and Angle.");
        Positive(rise, "Rise");
        Positive(run, "Run");
        Positive(diagonal, "Diagonal");
        Positive(pitch, "Pitch");
        if (angle && !(*angle > 0 && *angle < 90)) Impossible("Angle: must be more than 0 and less than 90 degrees.");

        // The slope as rise over run, from the pitch or the angle.
        std::optional<double> slope;
        if (pitch) slope = *pitch / 12;
        if (angle) slope = std::tan(*angle / kDegrees);
        const Legs legs = Solve(rise, run, diagonal, slope);
        if (!(legs.rise > 0 && legs.run > 0)) Impossible("The triangle is too flat or too steep to lay out.");
        const double hypotenuse = diagonal ? *diagonal : std::hypot(legs.rise, legs.run);
        const double ratio = legs.rise / legs.run;
        if (!std::isfinite(ratio) || !std::isfinite(12 * ratio)) Impossible("The numbers are too large.");

        const OutputOptions lengths = LengthOptions(options);
        lines.push_back({"rise", "Rise", Length(legs.rise, lengths)});
        lines.push_back({"run", "Run", Length(legs.run, lengths)});
        lines.push_back({"diagonal", "Diagonal", Length(hypotenuse, lengths)});
        lines.push_back({"pitch", "Pitch", Trimmed(12 * ratio, 2) + "/12"});
        lines.push_back({"angle", "Angle", numeric::Pattern(std::atan2(legs.rise, legs.run) * kDegrees, 2)});
    });
}

}  // namespace spanwright::layout
