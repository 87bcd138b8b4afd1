#include "stair/stair_calc.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/mdlDisplay.h"
#include "engine/numeric.h"

namespace spanwright::stair {
namespace {

constexpr std::int16_t kMaxCount = 32767;

// One direction's three values, so that both directions share one body.
struct Flight {
    double& step;
    std::int16_t& count;
    double& overall;
};

Flight Risers(StairVariables& v) { return {v.dblRiserHeight, v.intRisers, v.dblOverallHeight}; }
Flight Treads(StairVariables& v) { return {v.dblTreadWidth, v.intTreads, v.dblOverallWidth}; }

// Division and multiplication as the calculator's arithmetic reports them:
// x / 0 is error 11, 0 / 0 and a result beyond the double range error 6.
using numeric::Quotient;
double Multiply(double a, double b) { return numeric::Finite(a * b); }

// Raises the count one at a time until each step is no larger than the
// maximum held in `step`, then makes `step` the actual step.
void Fit(Flight f) {
    for (;;) {
        const double h = ten(Quotient(f.overall, f.count));
        if (h <= f.step) {
            f.step = h;
            return;
        }
        if (f.count == kMaxCount) Raise(kOverflow);
        ++f.count;
    }
}

void CalcStep(Flight f) {
    f.step = ten(Quotient(f.overall, f.count));
    Fit(f);
}

void CalcCount(Flight f) {
    f.count = whole(Quotient(f.overall, f.step));
    // A maximum over twice the overall rounds the count to 0; one step of
    // the whole overall is the answer then, not a division by zero.
    if (f.count < 1) f.count = 1;
    Fit(f);
}

void CalcOverall(Flight f) { f.overall = ten(Multiply(f.count, f.step)); }

StairMessage ErrorMessage(int number) {
    if (number == kOverflow) return {"Error : 6 - A value that has been entered is too large.", "Error"};
    return {"Error: " + std::to_string(number) + " - " + StandardDescription(number), "Error"};
}

}  // namespace

double ten(double x) { return numeric::PatternValue(x, 10); }

std::int16_t whole(double x) { return numeric::ToWhole16(numeric::PatternValue(x, 0)); }

void CalcRiserHeight(StairVariables& vars) { CalcStep(Risers(vars)); }
void CalcNumRisers(StairVariables& vars) { CalcCount(Risers(vars)); }
void CalcOverallHeight(StairVariables& vars) { CalcOverall(Risers(vars)); }
void CalcTreadWidth(StairVariables& vars) { CalcStep(Treads(vars)); }
void CalcNumTreads(StairVariables& vars) { CalcCount(Treads(vars)); }
void CalcOverallWidth(StairVariables& vars) { CalcOverall(Treads(vars)); }

bool CheckInputs(const StairFields& fields) {
    int empty = 0;
    for (const auto& text : fields) empty += text.empty() ? 1 : 0;
    return empty <= 1;
}

StairOutcome Calculate(StairVariables& vars, StairMode mode, const StairFields& fields,
                       const OutputOptions& options) {
    StairOutcome out;
    if (!CheckInputs(fields)) {
        out.message = StairMessage{"You must enter values in two of the three available fields.",
                                   "Stair Calculator"};
        return out;
    }
    const bool risers = mode == StairMode::Risers;
    const Flight f = risers ? Risers(vars) : Treads(vars);
    try {
        // Read in index order; a failure leaves the values read before it.
        f.step = fields[0].empty() ? 0 : numeric::Real(fields[0]);
        f.count = fields[1].empty() ? std::int16_t{0} : numeric::Whole16(fields[1]);
        f.overall = fields[2].empty() ? 0 : numeric::Real(fields[2]);
        // With all three filled, the quantity computed last time is computed again.
        for (std::int32_t i = 0; i < 3; ++i) {
            if (fields[static_cast<std::size_t>(i)].empty()) vars.intMissing = i;
        }
        switch (vars.intMissing) {
            case 0: risers ? CalcRiserHeight(vars) : CalcTreadWidth(vars); break;
            case 1: risers ? CalcNumRisers(vars) : CalcNumTreads(vars); break;
            default: risers ? CalcOverallHeight(vars) : CalcOverallWidth(vars); break;
        }
        // Everything is formatted before anything is written, so a failure
        // in the formatter leaves the window as it was.
        const std::string step = numeric::Pattern(f.step, 2);
        const std::string count = numeric::Text(f.count);
        out.summary = count + (risers ? " Risers @ " : " Treads @ ") + step + "\" = " +
                      mdlDisplay::FormatDimension(f.overall, options);
        // A maximum the user typed stays as typed, even when the fitting
        // loop lowered the actual step.
        if (fields[0].empty()) out.fields[0] = step;
        out.fields[1] = count;
        out.fields[2] = numeric::Text(f.overall);
    } catch (const NumberedError& e) {
        out = StairOutcome{};
        out.message = ErrorMessage(e.number());
    }
    return out;
}

}  // namespace spanwright::stair
