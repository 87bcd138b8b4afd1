#include "engine/errors.h"

namespace spanwright {

NumberedError::NumberedError(int number)
    : std::runtime_error(StandardDescription(number)), number_(number), description_(what()) {}

std::string StandardDescription(int number) {
    switch (number) {
        case kInvalidArgument: return "Invalid argument.";
        case kOverflow: return "Overflow.";
        case kDivisionByZero: return "Division by zero.";
        case kTypeMismatch: return "Type mismatch.";
        case kNoRoundingStep: return "No rounding step is chosen.";
        case kBadDashOrPoint: return "Invalid fractional or decimal input.";
        default: return "Error " + std::to_string(number) + ".";
    }
}

void Raise(int number) { throw NumberedError(number); }

}  // namespace spanwright
