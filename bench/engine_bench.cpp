// Keys per second through handleCommand over a long mixed key stream.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "base/tape.h"
#include "engine/dispatch.h"
#include "engine/key_names.h"
#include "tests/support/null_view.h"

namespace {

using namespace zentra;

std::vector<std::uint32_t> mixedStream(std::size_t count) {
    const CommandId digits[] = {CommandId::Cmd1,    CommandId::Cmd2, CommandId::Cmd3,
                                CommandId::Cmd4,    CommandId::Cmd7, CommandId::Cmd9,
                                CommandId::CmdPoint};
    const CommandId operators[] = {CommandId::CmdAdd,         CommandId::CmdSubtract,
                                   CommandId::CmdMultiply,    CommandId::CmdDivide,
                                   CommandId::CmdOpenBracket, CommandId::CmdCloseBracket,
                                   CommandId::CmdEquals};
    std::mt19937 random(42);
    std::vector<std::uint32_t> keys;
    keys.reserve(count);
    while (keys.size() < count) {
        const int length = 1 + static_cast<int>(random() % 4);
        for (int i = 0; i < length; ++i) keys.push_back(commandWord(digits[random() % 7]));
        keys.push_back(commandWord(operators[random() % 7]));
        if (random() % 50 == 0) keys.push_back(commandWord(CommandId::CmdAllClear));
    }
    return keys;
}

// The same key stream with or without a tape, so that the two figures compare;
// the view stores the display text and nothing else, as a cheap host would.
void runMixedStream(benchmark::State& bench, bool withTape) {
    const std::vector<std::uint32_t> keys = mixedStream(100000);
    CalculatorState state;
    Tape tape;
    if (withTape) state.tape = &tape;
    testing::NullView view;
    for (auto _ : bench) {
        for (std::uint32_t key : keys) handleCommand(state, view, key);
        benchmark::ClobberMemory();
    }
    bench.SetItemsProcessed(static_cast<std::int64_t>(bench.iterations()) *
                            static_cast<std::int64_t>(keys.size()));
}

void BM_HandleCommandMixedStream(benchmark::State& bench) {
    runMixedStream(bench, false);
}
BENCHMARK(BM_HandleCommandMixedStream)->Unit(benchmark::kMillisecond);

void BM_HandleCommandMixedStreamWithTape(benchmark::State& bench) {
    runMixedStream(bench, true);
}
BENCHMARK(BM_HandleCommandMixedStreamWithTape)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
