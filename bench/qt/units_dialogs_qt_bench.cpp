// Opening the Qt Convert and Properties dialogs on a property with many units
// and constants: the models' lists as the window's combo boxes fill them.

#include <benchmark/benchmark.h>

#include <QCoreApplication>

#include "big_property.h"
#include "shell/dialogs/units_dialogs.h"

namespace {

using namespace zentra;
using zentra::bench::bigProperty;

template <class Dialog, class Model>
void open(Model& model) {
    Dialog dialog(model);
    dialog.show();
    QCoreApplication::processEvents();
    dialog.close();
}

void BM_QtOpenConvert(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        ConvertDialogModel model(db);
        model.property = &property;
        model.fromUnit = &property.units.back();
        open<ConvertDialog>(model);
    }
    state.SetComplexityN(state.range(0));
}

void BM_QtOpenProperties(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        chooseProperty(db, &property, [](PropertiesDialogModel& m) {
            open<PropertiesDialog>(m);
            return false;
        });
    }
    state.SetComplexityN(state.range(0));
}

void BM_QtOpenConstants(benchmark::State& state) {
    PropertyDatabase db;
    Property& property = bigProperty(db, state.range(0));
    for (auto _ : state) {
        chooseConstant(db, &property, 0, [](PropertiesDialogModel& m) {
            open<PropertiesDialog>(m);
            return false;
        });
    }
    state.SetComplexityN(state.range(0));
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Arg(1000)->Arg(10000)->Arg(100000)->Complexity()->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_QtOpenConvert)->Apply(sizes);
BENCHMARK(BM_QtOpenProperties)->Apply(sizes);
BENCHMARK(BM_QtOpenConstants)->Apply(sizes);

}  // namespace
