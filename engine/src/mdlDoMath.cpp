// One step of the running calculation, and the one place where
// the engine's failures are reported.
#include "engine/mdlDoMath.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"

namespace spanwright::mdlDoMath {

double dblTotal = 0;

namespace {

// Overflow and invalid operation (inf, nan) are error 6.
double Checked(double r) {
    if (!std::isfinite(r)) Raise(kOverflow);
    return r;
}

}  // namespace

std::string DoMath(const std::string& text, const std::int32_t& op,
                   const OutputOptions& options, CalculatorHost& host) {
    try {
        const int p = options.FormatPosition();
        const std::int32_t mode = mdlDetType::DetType(text);
        const double v = mdlConvertInput::ConvertInput(text, mode);
        double r = dblTotal;  // an unknown operator leaves the total as it is
        switch (op) {
            case 0:
                r = v;
                break;
            case 1:
                r = Checked(dblTotal + v);
                break;
            case 2:
                r = Checked(dblTotal - v);
                break;
            case 3:
                if (options.SquareValue() == 1) {
                    if (options.DecimalSelected() && p == 0) {
                        r = Checked(Checked(dblTotal * v) / 12);
                        host.SetSquareTag("sqFt");
                    } else {
                        r = Checked(dblTotal * v);
                        host.SetSquareTag("sqIn");
                    }
                } else {
                    r = Checked(dblTotal * v);
                }
                break;
            case 4:
                if (v == 0) Raise(kDivisionByZero);
                r = Checked(dblTotal / v);
                break;
            default:
                break;
        }
        dblTotal = r;
        return mdlDisplay::FormatDimension(r, options);
    } catch (const NumberedError& e) {
        std::string description = e.description();
        if (e.number() == kBadDashOrPoint) description = "Invalid fractional or decimal input.";
        if (e.number() == kTypeMismatch) description = "Invalid input.";
        host.ReportError(e.number(), description);
        host.ClearAll();
        return "0";
    }
}

}  // namespace spanwright::mdlDoMath
