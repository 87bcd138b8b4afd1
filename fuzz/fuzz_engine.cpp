// libFuzzer target: any bytes as an operand. The first byte picks the output
// options and the pending operator; the rest is the text. Checks:
// - only NumberedError escapes the parser and formatter, with a known number;
// - DoMath never throws, returns "0" exactly when it reported an error, and
//   leaves a finite total;
// - a formatted fractional result parses back (on the step's grid; no exponent dash).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine/numeric.h"

using namespace spanwright;

namespace {

bool Known(int n) { return n == 5 || n == 6 || n == 11 || n == 13 || n == 94 || n == 100; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t sel = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    OutputOptions o;
    o.output = sel & 1;
    o.format = (sel >> 1) & 3;
    o.square = (sel >> 3) & 1;
    o.round_on = ((sel >> 4) & 1) ? 0 : 1;
    o.round = (sel >> 5) + ((sel & 0x80) ? 1 : 0);  // 0..8

    double v = 0;
    bool parsed = false;
    try {
        const std::int32_t mode = mdlDetType::DetType(text);
        v = mdlConvertInput::ConvertInput(text, mode);
        parsed = true;
        if (!std::isfinite(v)) std::abort();
    } catch (const NumberedError& e) {
        if (!Known(e.number())) std::abort();
    }
    if (parsed) {
        try {
            const std::string shown = mdlDisplay::FormatDimension(v, o);
            if (o.output == 0 && o.square == 0 && std::fabs(v) < 1e300 && shown.find("E-") == std::string::npos &&
                !shown.empty()) {
                const std::int32_t mode = mdlDetType::DetType(shown);
                (void)mdlConvertInput::ConvertInput(shown, mode);  // must not raise
            }
        } catch (const NumberedError& e) {
            if (!Known(e.number())) std::abort();
            if (o.output == 0 && o.square == 0 && std::fabs(v) < 1e15) std::abort();
        }
        (void)numeric::Text(v);
        (void)numeric::Pattern(v, o.round);
    }

    const int op = sel % 5;
    const mdlDoMath::StepResult step = mdlDoMath::DoMath(1.5, text, op, o);
    if (!step.ok() && (step.text != "0" || !Known(step.error) || step.total != 1.5)) std::abort();
    if (!std::isfinite(step.total)) std::abort();
    return 0;
}
