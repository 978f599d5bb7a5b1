// Opening the tape window the first time on a full tape of 1,000 entries: its
// controls, the file read and every line made.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "base/tape.h"
#include "platform/host_dispatch.h"
#include "shell/tape_window.h"

namespace {

using namespace zentra;

void BM_QtOpenTapeWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tape.txt"));
    Tape tape;
    for (std::size_t k = 0; k < kTapeLimit; ++k)
        if (k % 2)
            tape.append(TapeKind::Operation, std::to_string(k), "+");
        else
            tape.append(TapeKind::Function, "30", "sin", "0.5000000000");
    if (!saveTapeFile(file.toStdString(), tape)) state.SkipWithError("the tape was not written");
    QWidget keypad;
    keypad.resize(200, 300);
    keypad.show();
    PropertyDatabase database;
    const RuntimeProblemPresenter presenter;
    FloatingPointGuard guard(presenter);
    for (auto _ : state) {
        Calculator calculator(database, guard);
        TapeWindow window(&keypad, calculator, file);
        window.toggle();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.tape().size());
    }
}
BENCHMARK(BM_QtOpenTapeWindow)->Unit(benchmark::kMillisecond);

}  // namespace
