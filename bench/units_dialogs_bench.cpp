// Opening the units dialogs on a property with many units and constants,
// through the headless models: the time goes into filling the sorted lists.

#include <benchmark/benchmark.h>

#include "big_property.h"
#include "dialogs/convert_dialog_model.h"
#include "dialogs/properties_dialog_model.h"
#include "support/dialog_test_support.h"

namespace {

using namespace zentra;
using BenchView = zentra::testing::FakeDialogView;
using zentra::bench::bigProperty;

void BM_OpenConvert(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        BenchView view;
        ConvertDialogModel model(db);
        model.property = &property;
        model.fromUnit = &property.units.back();
        model.initialise(view);
        benchmark::DoNotOptimize(model.toUnit);
    }
    state.SetComplexityN(state.range(0));
}

void BM_OpenProperties(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        BenchView view;
        benchmark::DoNotOptimize(chooseProperty(db, &property, [&](PropertiesDialogModel& m) {
            m.initialise(view);
            return m.accept(view);
        }));
    }
    state.SetComplexityN(state.range(0));
}

void BM_OpenConstants(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        BenchView view;
        benchmark::DoNotOptimize(chooseConstant(db, &property, 0, [&](PropertiesDialogModel& m) {
            m.initialise(view);
            return m.accept(view);
        }));
    }
    state.SetComplexityN(state.range(0));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_OpenConvert)->Apply(sizes);
BENCHMARK(BM_OpenProperties)->Apply(sizes);
BENCHMARK(BM_OpenConstants)->Apply(sizes);

}  // namespace

BENCHMARK_MAIN();
