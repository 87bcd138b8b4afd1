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

// The keys that evaluate, alone: an operator with an operand pending, and Enter.
void BM_OperatorAndEnter(benchmark::State& state) {
    Calculator core;
    core.Start({});
    const keys::Key add = *keys::OfTypedCharacter('+');
    const keys::Key five = *keys::OfTypedCharacter('5');
    const keys::Key enter = *keys::OfTypedCharacter('=');
    for (auto _ : state) {
        state.PauseTiming();
        core.KeyDown(five.code, five.shift);
        state.ResumeTiming();
        benchmark::DoNotOptimize(core.KeyDown(add.code, add.shift));
        state.PauseTiming();
        core.KeyDown(five.code, five.shift);
        state.ResumeTiming();
        benchmark::DoNotOptimize(core.KeyDown(enter.code, enter.shift));
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_OperatorAndEnter);

}  // namespace

BENCHMARK_MAIN();
