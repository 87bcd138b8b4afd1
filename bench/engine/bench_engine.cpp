// Parse, format and one whole DoMath step for a typical operand in each
// form. Targets (scripts/bench reports the medians): one DoMath step <= 1 us,
// and one step of the worked chain 3'4-1/2" + 10 * 2 = at most 5 times
// BM_ConversionFloor, one from_chars and one to_chars of 15 digits.
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>

#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "engine/options.h"

namespace {

using namespace spanwright;

// The last is a metric operand, 3'4-1/2" in millimeters: its step is
// measured against the feet-inch step (index 0), within 10 %.
const char* const kTexts[] = {"3'4-1/2\"", "12.75\"", "2.5'", "-3'4.5\"", "-0-3/8\"", "1620.25", "1028.7mm"};
const char* const kNames[] = {"feet_inches_fraction", "inches_decimal", "feet", "feet_inches_decimal",
                              "inches_fraction", "plain_number", "metric"};

OutputOptions Options(int output, int format, int round) {
    OutputOptions o;
    o.output = output;
    o.format = format;
    o.round = round;
    return o;
}

void BM_Parse(benchmark::State& state) {
    const std::string text = kTexts[state.range(0)];
    state.SetLabel(kNames[state.range(0)]);
    for (auto _ : state) {
        const std::int32_t mode = mdlDetType::DetType(text);
        benchmark::DoNotOptimize(mdlConvertInput::ConvertInput(text, mode));
    }
}
BENCHMARK(BM_Parse)->DenseRange(0, 6);

void BM_Format(benchmark::State& state) {
    // 0-2 fractional codes at 1/16, 3-6 decimal codes at 2 places.
    const int form = static_cast<int>(state.range(0));
    const OutputOptions o = form < 3 ? Options(0, form, 4) : Options(1, form - 3, 2);
    static const char* const names[] = {"fractional_none", "fractional_feet_inches", "fractional_inches",
                                        "decimal_none", "decimal_feet_inches", "decimal_feet",
                                        "decimal_inches"};
    state.SetLabel(names[form]);
    const double value = 40.53125;
    for (auto _ : state) benchmark::DoNotOptimize(mdlDisplay::FormatDimension(value, o));
}
BENCHMARK(BM_Format)->DenseRange(0, 6);

void BM_DoMathStep(benchmark::State& state) {
    const std::string text = kTexts[state.range(0)];
    state.SetLabel(kNames[state.range(0)]);
    const OutputOptions o = Options(0, 1, 4);  // first-run default output
    for (auto _ : state) benchmark::DoNotOptimize(mdlDoMath::DoMath(100, text, mdlDoMath::kAdd, o));
}
BENCHMARK(BM_DoMathStep)->DenseRange(0, 6);

// A metric result: 3'4-1/2" written in millimeters at 2 places.
void BM_DoMathStepMetricOutput(benchmark::State& state) {
    const std::string text = "3'4-1/2\"";
    const OutputOptions o = Options(1, 4, 2);
    for (auto _ : state) benchmark::DoNotOptimize(mdlDoMath::DoMath(100, text, mdlDoMath::kAdd, o));
}
BENCHMARK(BM_DoMathStepMetricOutput);

void BM_DoMathStepDecimal(benchmark::State& state) {
    const std::string text = "3'4.5\"";
    const OutputOptions o = Options(1, 1, 2);
    for (auto _ : state) benchmark::DoNotOptimize(mdlDoMath::DoMath(100, text, mdlDoMath::kAdd, o));
}
BENCHMARK(BM_DoMathStepDecimal);

// One step per iteration, cycling through the chain 3'4-1/2" + 10 * 2 = at
// the first-run default output (display 3'4-1/2", 4'2-1/2", 8'5").
void BM_WorkedChainStep(benchmark::State& state) {
    struct Step {
        double total;
        const char* text;
        int op;
    };
    static const Step chain[] = {{0, "3'4-1/2\"", mdlDoMath::kNone}, {40.5, "10", mdlDoMath::kAdd},
                                 {50.5, "2", mdlDoMath::kMultiply}};
    const OutputOptions o = Options(0, 1, 4);
    std::size_t i = 0;
    for (auto _ : state) {
        const Step& s = chain[i];
        benchmark::DoNotOptimize(mdlDoMath::DoMath(s.total, s.text, s.op, o));
        i = i == 2 ? 0 : i + 1;
    }
}
BENCHMARK(BM_WorkedChainStep);

// The floor a step is measured against: a 15-digit number read with
// from_chars and written back with to_chars at 15 significant digits.
void BM_ConversionFloor(benchmark::State& state) {
    const std::string text = "4050.53125000001";
    char out[32];
    for (auto _ : state) {
        double v = 0;
        std::from_chars(text.data(), text.data() + text.size(), v);
        benchmark::DoNotOptimize(v);
        const auto res = std::to_chars(out, out + sizeof out, v, std::chars_format::general, 15);
        benchmark::DoNotOptimize(res.ptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ConversionFloor);

}  // namespace
