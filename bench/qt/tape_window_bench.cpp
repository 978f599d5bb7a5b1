// Opening the tape window the first time on a full tape of 1,000 entries: its
// controls, the file read and every line made.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "base/tape.h"
#include "shell/tape_window.h"

namespace {

using namespace zentra;

void BM_QtOpenTapeWindow(benchmark::State& state) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tape.txt"));
    Tape tape;
    for (std::size_t k = 0; k < kTapeLimit; ++k)
        tape.append(k % 2 ? tapeStep(TapeKind::Operation, std::to_string(k), "+")
                          : tapeStep(TapeKind::Function, "30", "sin", "0.5000000000"));
    saveTapeFile(file.toStdString(), tape);
    QWidget calculator;
    calculator.resize(200, 300);
    calculator.show();
    for (auto _ : state) {
        TapeWindow window(&calculator, file);
        window.toggle();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(window.tape().size());
    }
}
BENCHMARK(BM_QtOpenTapeWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
