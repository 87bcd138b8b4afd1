#include "engine_testkit.h"

#include <charconv>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine/numeric.h"

namespace spanwright::testkit {

void RecordingHost::ClearAll() {
    ++clear_alls;
    mdlDoMath::dblTotal = 0;
    mdlDisplay::lngOperator = 0;
}

std::string Trim(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t' || s[b] == '\r')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t' || s[e - 1] == '\r')) --e;
    return std::string(s.substr(b, e - b));
}

std::vector<std::string> SplitFields(std::string_view line) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
        const std::size_t bar = line.find('|', start);
        if (bar == std::string_view::npos) {
            out.push_back(Trim(line.substr(start)));
            return out;
        }
        out.push_back(Trim(line.substr(start, bar - start)));
        start = bar + 1;
    }
}

bool ParseOptions(std::string_view text, PlainOptions& o, std::string* error) {
    o = PlainOptions{};
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        if (i >= text.size()) break;
        std::size_t j = i;
        while (j < text.size() && text[j] != ' ' && text[j] != '\t') ++j;
        const std::string_view item = text.substr(i, j - i);
        i = j;
        const std::size_t eq = item.find('=');
        int value = 0;
        if (eq == std::string_view::npos) {
            if (error) *error = "option without '=': " + std::string(item);
            return false;
        }
        const std::string_view key = item.substr(0, eq);
        const std::string_view num = item.substr(eq + 1);
        const auto res = std::from_chars(num.data(), num.data() + num.size(), value);
        if (res.ec != std::errc() || res.ptr != num.data() + num.size()) {
            if (error) *error = "bad option value: " + std::string(item);
            return false;
        }
        if (key == "Output") o.output = value;
        else if (key == "Format") o.format = value;
        else if (key == "Round") o.round = value;
        else if (key == "RoundOn") o.round_on = value;
        else if (key == "Square") o.square = value;
        else {
            if (error) *error = "unknown option: " + std::string(key);
            return false;
        }
    }
    return true;
}

std::string ParseResult(std::string_view text) {
    try {
        const std::int32_t mode = mdlDetType::DetType(text);
        return numeric::Text(mdlConvertInput::ConvertInput(text, mode));
    } catch (const NumberedError& e) {
        return "Error " + std::to_string(e.number());
    }
}

std::string FormatResult(double inches, const OutputOptions& options) {
    try {
        return mdlDisplay::FormatDimension(inches, options);
    } catch (const NumberedError& e) {
        return "Error " + std::to_string(e.number());
    }
}

bool RunSequence(std::string_view seq, const OutputOptions& options, std::string& display, std::string* tag) {
    mdlDoMath::dblTotal = 0;
    mdlDisplay::lngOperator = 0;
    RecordingHost host;
    std::string operand;
    bool any_step = false;
    display = "0";
    std::size_t i = 0;
    while (i < seq.size()) {
        while (i < seq.size() && (seq[i] == ' ' || seq[i] == '\t')) ++i;
        if (i >= seq.size()) break;
        std::size_t j = i;
        while (j < seq.size() && seq[j] != ' ' && seq[j] != '\t') ++j;
        const std::string_view token = seq.substr(i, j - i);
        i = j;
        int op = -1;
        if (token == "+") op = 1;
        else if (token == "-") op = 2;
        else if (token == "*") op = 3;
        else if (token == "/") op = 4;
        else if (token == "=") op = 0;
        if (op < 0) {
            if (!operand.empty()) operand += ' ';
            operand += token;
            continue;
        }
        const std::int32_t pending = mdlDisplay::lngOperator;
        // No operand before an operator: the display is the operand, as on
        // the calculator ("1 / 3 = * 3 =" goes on from the shown result).
        if (operand.empty()) operand = display;
        display = mdlDoMath::DoMath(operand, pending, options, host);
        any_step = true;
        operand.clear();
        if (!host.errors.empty()) {
            display = "Error " + std::to_string(host.errors.front());
            break;
        }
        mdlDisplay::lngOperator = op;
    }
    if (tag) *tag = host.tag;
    mdlDisplay::lngOperator = 0;
    return any_step && (operand.empty() || !host.errors.empty());
}

std::string RowName(std::string_view text) {
    std::string out;
    if (text.empty()) return "empty";
    for (const char c : text) {
        if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            out += c;
        } else {
            switch (c) {
                case '\'': out += "ft"; break;
                case '"': out += "in"; break;
                case '-': out += "dash"; break;
                case '/': out += "over"; break;
                case '.': out += "pt"; break;
                case '+': out += "plus"; break;
                case '*': out += "times"; break;
                case '=': out += "eq"; break;
                case ' ': out += "_"; break;
                default: out += "x"; break;
            }
        }
    }
    return out;
}

}  // namespace spanwright::testkit
