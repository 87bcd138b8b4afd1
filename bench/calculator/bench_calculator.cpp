// One key press through the calculator core alone: the digit, operator and
// Enter keys of a worked chain (3'4-1/2" + 10 * 2 Enter), each key's median.
// Target: at most 2 us a key (one engine step is about 0.9 us of it).
#include <benchmark/benchmark.h>

#include "calculator/calculator.h"

namespace {

using namespace spanwright::calculator;

const char kChain[] = "3'4f1/2\"+10*2=";

void BM_KeyOfChain(benchmark::State& state) {
    Calculator core;
    core.Start({});
    std::vector<keys::Key> chain;
    for (const char c : std::string_view(kChain)) chain.push_back(*keys::OfTypedCharacter(c));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(core.KeyDown(chain[i].code, chain[i].shift));
        if (++i == chain.size()) i = 0;
    }
}
BENCHMARK(BM_KeyOfChain);

// Keys that evaluate: "5 +" again and again (every + applies the pending
// add), and "5 + 5 =" (the + and the Enter evaluate); the time is a key's.
void BM_EvaluatingChain(benchmark::State& state, const char* chainText) {
    Calculator core;
    core.Start({});
    std::vector<keys::Key> chain;
    for (const char c : std::string_view(chainText)) chain.push_back(*keys::OfTypedCharacter(c));
    for (auto _ : state)
        for (const keys::Key& key : chain) benchmark::DoNotOptimize(core.KeyDown(key.code, key.shift));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(chain.size()));
    state.counters["ns_per_key"] = benchmark::Counter(static_cast<double>(state.iterations() * chain.size()),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK_CAPTURE(BM_EvaluatingChain, digit_operator, "5+");
BENCHMARK_CAPTURE(BM_EvaluatingChain, digit_operator_digit_enter, "5+5=");

}  // namespace

BENCHMARK_MAIN();
