#pragma once
// Shared by the engine tests and the golden-file runner.
#include <cctype>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine/numeric.h"
#include "engine/options.h"

namespace spanwright::testkit {

// f()'s text, or "Error N" when it raises a numbered error.
template <typename F>
std::string OrError(F f) {
    try {
        return f();
    } catch (const NumberedError& e) {
        return "Error " + std::to_string(e.number());
    }
}

// v as %.15G, plus " (not the nearest double)" when that text reads back as
// another number: Exactly(0.1 + 0.2) -> "0.3 (not the nearest double)".
inline std::string Exactly(double v) {
    return numeric::Text(v) + (numeric::Real(numeric::Text(v)) == v ? "" : " (not the nearest double)");
}

// "Output=1 Format=2 Round=3 RoundOn=0 Square=1"; omitted keys keep the
// first-run defaults. std::invalid_argument on an unknown key or a bad value.
inline OutputOptions Options(std::string_view text) {
    OutputOptions o;
    std::istringstream in{std::string(text)};
    for (std::string key; std::getline(in >> std::ws, key, '=');) {
        int* field = key == "Output" ? &o.output : key == "Format" ? &o.format : key == "Round" ? &o.round
                   : key == "RoundOn" ? &o.round_on : key == "Square" ? &o.square : nullptr;
        if (key == "Comma") {
            int comma = 0;
            if (!(in >> comma)) throw std::invalid_argument("bad option " + key);
            o.decimalComma = comma == 1;
            continue;
        }
        if (!field || !(in >> *field) || (in.peek() != EOF && !std::isspace(in.peek())))
            throw std::invalid_argument("bad option " + key);
    }
    return o;
}

// Inches as %.15G text, or "Error N".
inline std::string ParseResult(std::string_view text) {
    return OrError([&] { return numeric::Text(mdlConvertInput::ConvertInput(text, mdlDetType::DetType(text))); });
}

// Runs "3'4-1/2\" + 10 * 2 =" from a fresh total: the display after the
// last operator, or "Error N" at the first failure; *tag gets the square tag
// the last step set. An operator with no operand before it takes the display
// (initially "0"), as on the calculator, and with it the tag the last step
// set, as the key that turns it into an entry does. std::invalid_argument when an
// operand is left over.
inline std::string RunSequence(std::string_view seq, const OutputOptions& options, std::string* tag = nullptr) {
    units::Quantity total;
    int pending = 0;
    std::string operand, display = "0", lastTag;
    bool stepped = false;
    std::istringstream in{std::string(seq)};
    for (std::string token; in >> token;) {
        const std::size_t op = std::string_view("=+-*/").find(token);
        if (token.size() != 1 || op == std::string_view::npos) {
            operand += (operand.empty() ? "" : " ") + token;
            continue;
        }
        const std::string carried = operand.empty() ? lastTag : "";
        const std::string text = operand.empty() ? display + std::string(units::CarryMark(carried)) : operand;
        const mdlDoMath::StepResult step = mdlDoMath::DoMath(total, text, pending, options, carried);
        if (tag && !step.squareTag.empty()) *tag = step.squareTag;
        lastTag = step.squareTag;
        if (!step.ok()) return "Error " + std::to_string(step.error);
        total = step.quantity;
        display = step.text;
        pending = static_cast<int>(op);
        operand = "";
        stepped = true;
    }
    if (!stepped || !operand.empty()) throw std::invalid_argument("no operator after the last operand");
    return display;
}

}  // namespace spanwright::testkit
