// One step of the running calculation, and the one place where the engine's
// failures become a number and a text.
#include "engine/mdlDoMath.h"

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDisplay.h"
#include "engine/numeric.h"

namespace spanwright::mdlDoMath {
namespace {

using numeric::Finite;

double Operand(std::string_view text) { return mdlConvertInput::ReadDimension(text); }

}  // namespace

StepResult DoMath(double total, std::string_view text, int op, const OutputOptions& options) {
    StepResult step;
    step.total = total;
    try {
        const int p = options.FormatPosition();
        const double v = Operand(text);
        double r = total;  // an unknown operator leaves the total as it is
        switch (op) {
            case kNone: r = v; break;
            case kAdd: r = Finite(total + v); break;
            case kSubtract: r = Finite(total - v); break;
            case kMultiply:
                r = Finite(total * v);
                if (options.SquareValue() == 1) {
                    const bool squareFeet = options.DecimalSelected() && p == 0;
                    if (squareFeet) r = Finite(r / 12);
                    step.squareTag = squareFeet ? "sqFt" : "sqIn";
                }
                break;
            case kDivide:
                if (v == 0) Raise(kDivisionByZero);
                r = Finite(total / v);
                break;
            default: break;
        }
        step.total = r;
        step.text = mdlDisplay::FormatDimension(r, options);
    } catch (const NumberedError& e) {
        step.total = total;
        step.text = "0";
        step.error = e.number();
        step.errorText = e.number() == kBadDashOrPoint ? "Invalid fractional or decimal input."
                         : e.number() == kTypeMismatch ? "Invalid input."
                                                       : e.description();
    }
    return step;
}

std::optional<StepResult> ReShowArea(std::string_view text, std::string_view tag, const OutputOptions& options) {
    double squareInches = 0;
    try {
        const double v = Operand(text);
        squareInches = tag == "sqFt" ? v * 12 : v;
    } catch (const NumberedError&) {
        return std::nullopt;
    }
    // The area times 1 lets the step choose the unit and the tag as it did
    // for the product.
    return DoMath(squareInches, "1", kMultiply, options);
}

}  // namespace spanwright::mdlDoMath
