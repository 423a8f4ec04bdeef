// Wall time of exchanges over a pseudo-terminal against the simulator, beside their floor:
// the reply's line time at 115200 baud plus two polling passes of two 1 ms sleeps. Each runs
// on the local pseudo-terminal (/0) and through ser2net on loopback with the Telnet com-port
// option, as ser2net comes (/1) and with tcp(nodelay) on its accepter (/2).
#include "SimRig.h"
#include "cli/Cli.h"
#include "link/PortControl.h"
#include "marks/MarkBlock.h"
#include "marks/MarkOperations.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/SerialPortNetwork.h"
#include "platform/SerialPortPosix.h"
#include "printer/PrinterOperations.h"
#include "session/MarkRoutines.h"
#include "session/PortRoutines.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace nimbrel;

constexpr double kByteMs = 10.0 / 115200.0 * 1000.0;

using bench::SimRig;
using bench::Transport;

Transport transportOf(const benchmark::State& state) {
    return static_cast<Transport>(state.range(0));
}

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
    SimRig rig(simArgs, transportOf(state));
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
BENCHMARK(BM_VersionRead)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->UseRealTime()
    ->DenseRange(0, 2);

// The settings as the program reads them: whole at their known length.
void BM_SettingsReport(benchmark::State& state) {
    exchange(state, {"--model", "T936"},
             [](link::Line& line) { return printer::readSettings(line, "T936"); });
}
BENCHMARK(BM_SettingsReport)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->UseRealTime()
    ->DenseRange(0, 2);

// The window's mark write: the command, six 256-byte pieces 30 ms apart and the read-back.
// Over the network each piece also waits its line time (256 bytes at 115200 baud, 22 ms),
// which a pseudo-terminal does not have but a device server's serial line does.
void BM_MarkWriteReadBack(benchmark::State& state) {
    SimRig rig({"--model", "T260"}, transportOf(state));
    if (!rig.port.isOpen()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    marks::MarkState mark;
    for (int row = 0; row < marks::kRows; ++row)
        mark.table.setFragment(row, QStringLiteral("Текст"), QStringLiteral(" 02"),
                               QStringLiteral("Партия №%1 годен до 31.12.2025").arg(row));
    std::vector<double> times;
    for (auto _ : state) {
        rig.dialogs.answer("12");
        QElapsedTimer t;
        t.start();
        session::writeMark(rig.ctx, mark);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    if (rig.conn.linkFailed())
        state.SkipWithError("the write failed");
    state.counters["median_ms"] = bench::medianMs(times);
    state.counters["line_time_ms"] = (1541 + 5) * kByteMs;
}
BENCHMARK(BM_MarkWriteReadBack)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(8)
    ->UseRealTime()
    ->DenseRange(0, 2);

// nimbrel-cli's backup of a stocked printer, in this process: settings, the current mark,
// three marks and three logos. Replies in one piece: some 140 exchanges, one of them cut by a
// paced reply that a busy machine holds up, would fail the run.
void BM_Backup(benchmark::State& state) {
    SimRig rig({"--model", "T936", "--occupy-marks", "1,40,85", "--occupy-logos", "0,64,127",
                "--no-pacing"},
               transportOf(state));
    const QString portPath = rig.portPath;
    rig.port.close();
    if (portPath.isEmpty()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    platform::SystemDeviceLister lister;
    cli::Console console;
    console.out = [](const QString&) {};
    console.err = [](const QString& text) { std::fputs(text.toUtf8().constData(), stderr); };
    cli::Environment env{lister, rig.port, rig.clock, console};
    QTemporaryDir folder;
    std::vector<double> times;
    int run = 0;
    int code = 0;
    for (auto _ : state) {
        QElapsedTimer t;
        t.start();
        code |=
            cli::runCli({"backup", folder.filePath(QString::number(run++)), "-p", portPath}, env);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    if (code != 0)
        state.SkipWithError("the backup failed");
    state.counters["median_ms"] = bench::medianMs(times);
}
BENCHMARK(BM_Backup)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime()->DenseRange(0, 2);

// The drain margin of the network port: from a write handed over to the network port until
// its last byte comes out of the far end's serial line (a pseudo-terminal, so no line time).
void BM_NetworkHandOver(benchmark::State& state) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const std::string slavePath = ::ptsname(master);
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios mode{};
    ::tcgetattr(slave, &mode);
    ::cfmakeraw(&mode);
    ::tcsetattr(slave, TCSANOW, &mode);
    {
        nimbrel::testing::Ser2net server(slavePath);
        platform::SerialPortNetwork port;
        if (!server.ok() || !port.open(QString::fromStdString(server.rfc2217Url()), {}).ok()) {
            state.SkipWithError("ser2net not reachable");
        } else {
            const QByteArray piece(static_cast<int>(state.range(0)), 'M');
            std::vector<double> times;
            for (auto _ : state) {
                QElapsedTimer t;
                t.start();
                port.write(piece);
                int got = 0;
                char buffer[4096];
                while (got < piece.size()) {
                    pollfd p{master, POLLIN, 0};
                    if (::poll(&p, 1, 1000) <= 0)
                        break;
                    got += static_cast<int>(::read(master, buffer, sizeof buffer));
                }
                times.push_back(t.nsecsElapsed() / 1e6);
            }
            state.counters["median_ms"] = bench::medianMs(times);
            state.counters["max_ms"] = *std::max_element(times.begin(), times.end());
            state.counters["margin_ms"] = platform::SerialPortNetwork::kDrainMarginUs / 1000.0;
        }
    }
    ::close(slave);
    ::close(master);
}
BENCHMARK(BM_NetworkHandOver)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200)
    ->UseRealTime()
    ->Arg(3)
    ->Arg(256);

// The same reply taken by the count alone, as it was before its length was known.
void BM_SettingsReportOpenLength(benchmark::State& state) {
    exchange(state, {"--model", "T936"}, openLength(QByteArray("\x11\x5C\x0E", 3)));
}
BENCHMARK(BM_SettingsReportOpenLength)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50)
    ->UseRealTime()
    ->Arg(0);

// A stored mark: 1536 bytes, 134 ms of line time.
void BM_StoredMarkRead(benchmark::State& state) {
    exchange(state, {"--model", "T936", "--occupy-marks", "5"}, [](link::Line& line) {
        const marks::MarkRead r = marks::readMark(line, 5);
        return link::ExchangeResult{r.error, r.block};
    });
}
BENCHMARK(BM_StoredMarkRead)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime()
    ->DenseRange(0, 1);

// A mark written and proven by reading it back.
void BM_VerifiedMarkWrite(benchmark::State& state) {
    const QByteArray block = marks::encodeMarkBlock(marks::MarkTable()).block;
    exchange(state, {"--model", "T936"}, [&block](link::Line& line) {
        const marks::MarkWrite w = marks::writeMarkVerified(line, 12, block);
        return link::ExchangeResult{w.confirmed() ? link::ExchangeError::None : w.error, block};
    });
}
BENCHMARK(BM_VerifiedMarkWrite)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime()
    ->DenseRange(0, 1);

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
