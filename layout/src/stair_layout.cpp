#include "layout/stair_layout.h"

#include <cmath>
#include <numbers>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/numeric.h"
#include "fields.h"

namespace spanwright::layout {
namespace {

using namespace detail;

constexpr double kDegrees = 180 / std::numbers::pi;

// A code's limits in inches (0: none) and the sections that set them.
struct Limits {
    const char* name;
    double mostRiser, leastRiser, leastTread;
    const char* riserSection;
    const char* treadSection;
};

Limits LimitsOf(BuildingCode code) {
    switch (code) {
        case BuildingCode::Irc: return {"IRC", 7.75, 0, 10, "R311.7.5.1", "R311.7.5.2"};
        case BuildingCode::Ibc: return {"IBC", 7, 4, 11, "1011.5.2", "1011.5.2"};
        case BuildingCode::None: break;
    }
    return {"", 0, 0, 0, "", ""};
}

// The fewest risers no higher than `most`: the quotient rounded up, then
// checked both ways so a height exactly at the limit counts as within it.
double FewestRisers(double rise, double most) {
    const double quotient = rise / most;
    if (!(quotient <= kMostRisers)) Impossible("Total Rise: a stair of more than 32767 risers.");
    double count = std::max(1.0, std::ceil(quotient));
    if (count > 1 && rise / (count - 1) <= most) --count;
    if (rise / count > most) ++count;
    if (count > kMostRisers) Impossible("Total Rise: a stair of more than 32767 risers.");
    return count;
}

double ForcedRisers(const std::string& text) {
    const std::optional<double> count = ReadNumber(text, "Risers");
    if (!count) return 0;
    if (!(*count >= 1 && *count <= kMostRisers && *count == std::floor(*count)))
        Impossible("Risers: give a whole count from 1 to 32767.");
    return *count;
}

std::string Plural(double count, const char* word) {
    return numeric::Text(count) + " " + word + (count == 1 ? "" : "s");
}

// A step size as the inches text, "0-3/8\"" written as "3/8\"".
std::string StepText(double inches, const OutputOptions& steps) {
    std::string text = Length(inches, steps);
    if (text.rfind("0-", 0) == 0) text.erase(0, 2);
    return text;
}

ResultLine Check(const char* what, const char* label, const char* section, double value, double limit, bool most) {
    const bool pass = most ? value <= limit : value >= limit;
    const std::string sign = most ? (pass ? " <= " : " > ") : (pass ? " >= " : " < ");
    return {std::string("check ") + what, std::string(label) + " (" + section + ")",
            std::string(pass ? "pass " : "fail ") + Trimmed(value, 3) + sign + Trimmed(limit, 3)};
}

}  // namespace

const char* CodeCaption(BuildingCode code) {
    switch (code) {
        case BuildingCode::Irc: return "IRC (residential)";
        case BuildingCode::Ibc: return "IBC (commercial)";
        case BuildingCode::None: break;
    }
    return "None";
}

LayoutOutcome LayOutStair(const StairFields& fields, const OutputOptions& options) {
    return Run([&](std::vector<ResultLine>& lines) {
        const std::optional<double> rise = ReadLength(fields.totalRise, "Total Rise");
        const std::optional<double> tread = ReadLength(fields.treadDepth, "Tread Depth");
        const std::optional<double> run = ReadLength(fields.totalRun, "Total Run");
        double risers = ForcedRisers(fields.risers);
        const Limits code = LimitsOf(fields.code);
        if (!rise) Refuse("Total Rise: enter the height from floor to floor.");
        if (tread && run) Refuse("Enter Tread Depth or Total Run, not both.");
        if (!tread && !run && fields.code == BuildingCode::None)
            Refuse("Tread Depth: enter a depth or a total run when no code is chosen.");
        if (risers == 0 && fields.code == BuildingCode::None) Refuse("Risers: give a count when no code is chosen.");
        if (!(*rise > 0)) Impossible("Total Rise: must be more than 0.");
        if (tread && !(*tread > 0)) Impossible("Tread Depth: must be more than 0.");
        if (run && !(*run > 0)) Impossible("Total Run: must be more than 0.");

        if (risers == 0) risers = FewestRisers(*rise, code.mostRiser);
        const double treads = risers - 1;
        if (run && treads == 0) Impossible("Total Run: a stair of one riser has no treads to share it.");
        const double riser = *rise / risers;
        const double depth = tread ? *tread : run ? *run / treads : code.leastTread;
        const double totalRun = run ? *run : depth * treads;
        const double diagonal = std::hypot(*rise, totalRun);

        const OutputOptions lengths = LengthOptions(options);
        const OutputOptions steps = StepOptions(options);
        // The riser as cut: its text read back, so the sum is what the
        // saw makes at the chosen rounding.
        const std::string cutText = StepText(riser, steps);
        const double cut = mdlConvertInput::ReadDimension(Length(riser, steps));
        const double made = cut * risers;
        const double left = *rise - made;
        std::string sum = Plural(risers, "riser") + " at " + cutText + " make " + Length(made, lengths);
        if (left == 0) sum += ", exact";
        else sum += ", " + StepText(std::fabs(left), steps) + (left > 0 ? " short" : " over");

        lines.push_back({"risers", "Risers", numeric::Text(risers)});
        lines.push_back({"riser", "Riser height", cutText});
        lines.push_back({"riser_exact", "Riser height, exact", Trimmed(riser, 3) + "\""});
        lines.push_back({"treads", "Treads", numeric::Text(treads)});
        lines.push_back({"tread", "Tread depth", StepText(depth, steps)});
        lines.push_back({"run", "Total run", Length(totalRun, lengths)});
        lines.push_back({"diagonal", "Diagonal", Length(diagonal, lengths)});
        lines.push_back({"angle", "Angle", numeric::Pattern(std::atan2(riser, depth) * kDegrees, 2)});
        lines.push_back({"cut", "Cut risers", sum});
        if (code.mostRiser > 0)
            lines.push_back(Check("riser", "Riser at most", code.riserSection, riser, code.mostRiser, true));
        if (code.leastRiser > 0)
            lines.push_back(Check("riser_least", "Riser at least", code.riserSection, riser, code.leastRiser, false));
        if (code.leastTread > 0)
            lines.push_back(Check("tread", "Tread at least", code.treadSection, depth, code.leastTread, false));
    });
}

}  // namespace spanwright::layout
