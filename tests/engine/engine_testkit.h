#pragma once
// Helpers shared by the engine's GoogleTest suites and the golden-file
// runner: a recording host, options from "Key=value" text, and one-line
// forms of parse, format and a whole calculator sequence.
#include <string>
#include <string_view>
#include <vector>

#include "engine/options.h"

namespace spanwright::testkit {

// A plain host: records the square tag, every error, and clear-all (which,
// like cmdAC_Click, resets the total and the pending operator).
struct RecordingHost final : CalculatorHost {
    std::string tag;
    std::vector<int> errors;
    std::vector<std::string> descriptions;
    int clear_alls = 0;
    void SetSquareTag(const std::string& t) override { tag = t; }
    void ReportError(int number, const std::string& description) override {
        errors.push_back(number);
        descriptions.push_back(description);
    }
    void ClearAll() override;
};

// "Output=1 Format=2 Round=3 RoundOn=0 Square=1"; omitted keys keep the
// first-run defaults (Output=0 Format=1 Round=4 RoundOn=1 Square=0).
// Returns false (and leaves *error set) on an unknown key or a bad number.
bool ParseOptions(std::string_view text, PlainOptions& options, std::string* error = nullptr);

// Inches as %.15G text, or "Error N".
std::string ParseResult(std::string_view text);
// Display text, or "Error N".
std::string FormatResult(double inches, const OutputOptions& options);

// Runs "3'4-1/2\" + 10 * 2 =" from a fresh engine (total 0, nothing
// pending). The display after the last step, or "Error N" at the first
// failure (the sequence stops there). *tag receives the square tag.
// An operator with no operand before it uses the display text (initially "0").
// Returns false when the sequence is malformed (an operand after the last
// operator, or nothing at all).
bool RunSequence(std::string_view seq, const OutputOptions& options, std::string& display,
                 std::string* tag = nullptr);

// Splits at "|" and trims blanks (space, tab) from every field.
std::vector<std::string> SplitFields(std::string_view line);
std::string Trim(std::string_view s);

// A GoogleTest-safe row name made from a dimension text: 3'4-1/2" -> 3ft4dash1over2in.
std::string RowName(std::string_view text);

}  // namespace spanwright::testkit
