#include "fields.h"

#include <cmath>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDisplay.h"
#include "engine/numeric.h"

namespace spanwright::layout::detail {
namespace {

std::string Blankless(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The words the display's evaluation uses for the same failure.
std::string Reading(const NumberedError& e) {
    if (e.number() == kBadDashOrPoint) return "Invalid fractional or decimal input.";
    if (e.number() == kTypeMismatch) return "Invalid input.";
    return e.description();
}

template <class Read>
std::optional<double> ReadField(const std::string& text, const std::string& label, Read read) {
    const std::string given = Blankless(text);
    if (given.empty()) return std::nullopt;
    try {
        return read(given);
    } catch (const NumberedError& e) {
        Refuse(label + ": " + Reading(e));
    }
}

}  // namespace

void Refuse(const std::string& message) { throw Stop{message, Failure::Refused}; }
void Impossible(const std::string& message) { throw Stop{message, Failure::Impossible}; }

std::optional<double> ReadLength(const std::string& text, const std::string& label) {
    return ReadField(text, label, [](const std::string& t) { return mdlConvertInput::ReadDimension(t); });
}

std::optional<double> ReadNumber(const std::string& text, const std::string& label) {
    return ReadField(text, label, [](const std::string& t) { return numeric::Real(t); });
}

OutputOptions LengthOptions(const OutputOptions& options) {
    OutputOptions lengths = options;
    if (lengths.square == 1) lengths.format = 1;  // feet and inches in both forms
    lengths.square = 0;
    return lengths;
}

OutputOptions StepOptions(const OutputOptions& options) {
    OutputOptions steps = LengthOptions(options);
    if (steps.format != 0) steps.format = steps.DecimalSelected() ? 3 : 2;  // "Inches"
    return steps;
}

std::string Length(double inches, const OutputOptions& options) {
    if (!std::isfinite(inches)) Impossible("The numbers are too large.");
    try {
        return mdlDisplay::FormatDimension(inches, options);
    } catch (const NumberedError& e) {
        Impossible("The results cannot be written: " + e.description());
    }
}

std::string Trimmed(double value, int places) { return numeric::Text(numeric::PatternValue(value, places)); }

}  // namespace spanwright::layout::detail
