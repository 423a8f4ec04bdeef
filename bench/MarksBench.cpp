// The preview redraw of a full mark, and the verified mark write's wall time over a
// pseudo-terminal against the simulator beside its floor: six 30 ms pauses and the 2 ms after
// the command, the read-back's 10 ms first wait, one pass of two 5 ms counts and its 200 ms
// settle, plus, on a real line, the line time of the 1541 bytes out and 1541 back at 115200 baud.
#include "SimRig.h"
#include "marks/MarkPreview.h"
#include "platform/Clock.h"
#include "platform/SerialPortPosix.h"
#include "session/MarkRoutines.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace nimbrel;

constexpr double kByteMs = 10.0 / 115200.0 * 1000.0;

void fillFullMark(marks::MarkTable& table) {
    const QString pattern = QStringLiteral("Партия №0123 годен до 31.12.2025 ООО «Ёлка» WWWW");
    for (int row = 0; row < marks::kRows; ++row)
        table.setFragment(row, QStringLiteral("Текст"), QStringLiteral(" 02"),
                          pattern.mid(row % 4, marks::kMaxFragmentText));
}

void BM_PreviewRedraw(benchmark::State& state) {
    marks::MarkState mark;
    fillFullMark(mark.table);
    for (auto _ : state) {
        marks::redrawPreview(mark);
        benchmark::DoNotOptimize(mark.preview.constBits());
    }
    state.counters["texts"] = marks::kRows;
    state.counters["chars_each"] = static_cast<double>(mark.table.cell(0, 3).size());
}
BENCHMARK(BM_PreviewRedraw)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MarkWrite(benchmark::State& state) {
    bench::SimRig rig({"--model", "T260"});
    if (!rig.port.isOpen()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    marks::MarkState mark;
    fillFullMark(mark.table);

    std::vector<double> times;
    for (auto _ : state) {
        rig.dialogs.answer("12");
        QElapsedTimer t;
        t.start();
        session::writeMark(rig.ctx, mark);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    if (rig.conn.linkFailed()) {
        state.SkipWithError("the write failed");
        return;
    }
    // A pseudo-terminal has no baud rate: its output queue empties as fast as the simulator
    // reads, so over it only the pauses bound the write; a real line adds the line time.
    const double pauses = 6 * 30 + 2 + 10 + 2 * 5 + 200;
    const double median = bench::medianMs(times);
    state.counters["median_ms"] = median;
    state.counters["pauses_ms"] = pauses;
    state.counters["line_floor_ms"] = pauses + (1541 + 5 + 1536) * kByteMs;
    state.counters["over_pauses_ms"] = median - pauses;
}
BENCHMARK(BM_MarkWrite)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    // The preview draws text: a GUI application, without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
