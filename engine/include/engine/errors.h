#pragma once
// Numbered failures of the engine. Every conversion, arithmetic test and
// explicit check raises one NumberedError; DoMath and the stair calculator
// catch them in one place and show "Error N: description".
//   Raise(11)         -> NumberedError{11, "Division by zero."}
//   NumberedError(13) -> number 13, "Type mismatch."
#include <stdexcept>
#include <string>

namespace spanwright {

enum ErrorNumber : int {
    kInvalidArgument = 5,     // "Invalid argument."
    kOverflow = 6,            // "Overflow."
    kDivisionByZero = 11,     // "Division by zero."
    kTypeMismatch = 13,       // "Type mismatch."
    kNoRoundingStep = 94,     // "No rounding step is chosen."
    kBadDashOrPoint = 100,    // raised by the plain parser for a stray dash
};

class NumberedError : public std::runtime_error {
public:
    // Carries the number's standard description.
    explicit NumberedError(int number);

    int number() const noexcept { return number_; }
    const std::string& description() const noexcept { return description_; }

private:
    int number_;
    std::string description_;
};

// The standard description of an error number, in words a user understands.
// StandardDescription(6) -> "Overflow."; an unknown number -> "Error N."
std::string StandardDescription(int number);

[[noreturn]] void Raise(int number);

}  // namespace spanwright
