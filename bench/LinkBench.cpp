// Wall time of exchanges over a pseudo-terminal against the simulator, beside their floor:
// the reply's line time at 115200 baud plus two polling passes of two 1 ms sleeps.
#include "SimRig.h"
#include "link/PortControl.h"
#include "marks/MarkBlock.h"
#include "marks/MarkOperations.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/SerialPortPosix.h"
#include "printer/PrinterOperations.h"
#include "session/PortRoutines.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

using namespace nimbrel;

constexpr double kByteMs = 10.0 / 115200.0 * 1000.0;

using bench::SimRig;

using Operation = std::function<link::ExchangeResult(link::Line&)>;

// The raw exchange of a command whose reply tells no length: taken when the count stops growing.
Operation openLength(const QByteArray& command) {
    return [command](link::Line& line) {
        link::Request request;
        request.command = command;
        request.wait = link::kCommandWait;
        return link::exchange(line, request);
    };
}

void exchange(benchmark::State& state, const QStringList& simArgs, const Operation& operation) {
    SimRig rig(simArgs);
    if (!rig.port.isOpen()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    std::vector<double> times;
    int replyBytes = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        link::Line line = rig.ctx.line();
        const link::ExchangeResult r = operation(line);
        times.push_back(t.nsecsElapsed() / 1e6);
        replyBytes = static_cast<int>(r.reply.size());
        benchmark::DoNotOptimize(r.reply.data());
    }
    const double floor = replyBytes * kByteMs + 4.0;
    const double median = bench::medianMs(times);
    state.counters["reply_bytes"] = replyBytes;
    state.counters["median_ms"] = median;
    state.counters["floor_ms"] = floor;
    state.counters["over_floor_ms"] = times.empty() ? 0 : median - floor;
}

void BM_VersionRead(benchmark::State& state) {
    exchange(state, {"--model", "T936"}, openLength(QByteArray("\x11\x69\x0E", 3)));
}
BENCHMARK(BM_VersionRead)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();

// The settings as the program reads them: whole at their known length.
void BM_SettingsReport(benchmark::State& state) {
    exchange(state, {"--model", "T936"},
             [](link::Line& line) { return printer::readSettings(line, "T936"); });
}
BENCHMARK(BM_SettingsReport)->Unit(benchmark::kMillisecond)->Iterations(50)->UseRealTime();

// The same reply taken by the count alone, as it was before its length was known.
void BM_SettingsReportOpenLength(benchmark::State& state) {
    exchange(state, {"--model", "T936"}, openLength(QByteArray("\x11\x5C\x0E", 3)));
}
BENCHMARK(BM_SettingsReportOpenLength)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->UseRealTime();

// A stored mark: 1536 bytes, 134 ms of line time.
void BM_StoredMarkRead(benchmark::State& state) {
    exchange(state, {"--model", "T936", "--occupy-marks", "5"}, [](link::Line& line) {
        const marks::MarkRead r = marks::readMark(line, 5);
        return link::ExchangeResult{r.error, r.block};
    });
}
BENCHMARK(BM_StoredMarkRead)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// A mark written and proven by reading it back.
void BM_VerifiedMarkWrite(benchmark::State& state) {
    const QByteArray block = marks::encodeMarkBlock(marks::MarkTable()).block;
    exchange(state, {"--model", "T936"}, [&block](link::Line& line) {
        const marks::MarkWrite w = marks::writeMarkVerified(line, 12, block);
        return link::ExchangeResult{w.confirmed() ? link::ExchangeError::None : w.error, block};
    });
}
BENCHMARK(BM_VerifiedMarkWrite)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

void BM_MissingReply(benchmark::State& state) {
    SimRig rig({"--model", "T936", "--fault", "no-reply@i"});
    std::vector<double> times;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        link::Line line = rig.ctx.line();
        benchmark::DoNotOptimize(printer::readVersion(line).error);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    state.counters["median_ms"] = bench::medianMs(times);
    state.counters["max_ms"] = times.empty() ? 0 : *std::max_element(times.begin(), times.end());
}
BENCHMARK(BM_MissingReply)->Unit(benchmark::kMillisecond)->Iterations(8)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
