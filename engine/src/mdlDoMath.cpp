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
using units::Quantity;

int Degree(const Quantity& q) { return q.measured ? q.degree : 1; }

// The operand: a dimension text, a number that had a tag before this key
// (its mark, when the family has one, already makes it the base unit), or
// a number with its tag written after it. *plain: a number with no mark,
// unit or tag, which scales a measured total (an area * 2 is an area).
Quantity Operand(std::string_view text, std::string_view carriedTag, const OutputOptions& options,
                 bool* plain = nullptr) {
    // Without square units every operand is a dimension text (a tag in it
    // is unreadable, as any other letters are).
    if (options.SquareValue() != 1) return mdlConvertInput::ReadDimension(text, options.decimalComma);
    units::Tagged tagged{units::Family::Inches, 1};
    int marked = 0;  // the number carries the base unit's mark
    if (const auto carried = carriedTag.empty() ? std::nullopt : units::ParseTag(carriedTag)) {
        tagged = *carried;
        marked = units::CarryMark(carriedTag).empty() ? 0 : 1;
    } else if (const std::size_t blank = text.rfind(' '); blank != std::string_view::npos) {
        if (const auto own = units::ParseTag(text.substr(blank + 1))) {
            tagged = *own;
            text = text.substr(0, blank);
        }
    }
    const double v = mdlConvertInput::ReadDimension(text, options.decimalComma);
    if (plain && tagged.degree == 1)
        *plain = text.find_first_of("'\"") == std::string_view::npos &&
                 !mdlConvertInput::ReadMetric(text, options.decimalComma);
    if (tagged.degree == 1) return v;
    // The number in the tag's unit, then in inches to the tag's power.
    const double number = units::InFamilyUnits(v, tagged.family, marked);
    return Quantity(units::FromFamilyUnits(number, tagged.family, tagged.degree), tagged.degree);
}

// q's value as a quantity of another degree: its number in the family's
// unit, read in that unit to the new power (an entry counts as a length).
double AtDegree(const Quantity& q, int degree, units::Family family) {
    if (Degree(q) == degree) return q.value;
    return units::FromFamilyUnits(units::InFamilyUnits(q.value, family, Degree(q)), family, degree);
}

}  // namespace

StepResult DoMath(const Quantity& total, std::string_view text, int op, const OutputOptions& options,
                  std::string_view carriedTag) {
    StepResult step;
    step.total = total.value;
    step.quantity = total;
    try {
        const bool square = options.SquareValue() == 1;
        const units::Family family = square ? units::FamilyOf(options) : units::Family::Inches;
        bool plain = false;
        const Quantity v = Operand(text, carriedTag, options, total.measured ? &plain : nullptr);
        const bool scales = square && total.measured && plain;
        Quantity r = total;  // an unknown operator leaves the total as it is
        switch (op) {
            case kNone: r = v; break;
            case kAdd:
            case kSubtract: {
                const double operand = square ? AtDegree(v, Degree(total), family) : v.value;
                r.value = Finite(op == kAdd ? total.value + operand : total.value - operand);
                break;
            }
            case kMultiply:
                r = Quantity(Finite(total.value * v.value));
                if (square) r = Quantity(r.value, scales ? Degree(total) : Degree(total) + Degree(v));
                break;
            case kDivide:
                if (v.value == 0) Raise(kDivisionByZero);
                r = Quantity(Finite(total.value / v.value));
                if (scales) r = Quantity(r.value, Degree(total));
                else if (square && (total.measured || v.measured)) r = Quantity(r.value, Degree(total) - Degree(v));
                break;
            default: break;
        }
        if (!square) r = Quantity(r.value);
        if (r.measured) step.squareTag = units::TagOf(family, r.degree);
        step.total = r.value;
        step.quantity = r;
        step.text = r.measured ? mdlDisplay::FormatQuantity(r, options) : mdlDisplay::FormatDimension(r.value, options);
    } catch (const NumberedError& e) {
        step.total = total.value;
        step.quantity = total;
        step.text = "0";
        step.error = e.number();
        step.errorText = e.number() == kBadDashOrPoint ? "Invalid fractional or decimal input."
                         : e.number() == kTypeMismatch ? "Invalid input."
                                                       : e.description();
    }
    return step;
}

std::optional<StepResult> ReShowArea(std::string_view text, std::string_view tag, const OutputOptions& options) {
    try {
        Operand(text, tag, options);
    } catch (const NumberedError&) {
        return std::nullopt;
    }
    return DoMath(Quantity{}, text, kNone, options, tag);
}

}  // namespace spanwright::mdlDoMath
