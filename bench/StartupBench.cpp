// Start-up to the shown main window, and resident memory once it is up.
#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "app/MainWindow.h"
#include "session/Dispatcher.h"
#include "session/Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace nimbrel;

class NoDevices : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> list() override { return {}; }
};

double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// One start-up without a serial device: the window built, shown and painted, the working folder
// made in `dir`; the current directory is restored afterwards.
bool startOnce(const QString& dir) {
    const QString previous = QDir::currentPath();
    nimbrel::testing::FakeClock clock;
    nimbrel::testing::FakeSerialPort port(clock);
    nimbrel::testing::ScriptedDialogs dialogs;
    NoDevices lister;
    session::Session session(port, clock, dialogs, lister);
    session::Dispatcher dispatcher(session);
    app::MainWindow window(session, dispatcher);
    window.show();
    dispatcher.startUp(dir);
    window.render();
    QApplication::processEvents();
    QDir::setCurrent(previous);
    return window.isVisible();
}

void BM_StartUpToShownWindow(benchmark::State& state) {
    QTemporaryDir dir;
    for (auto _ : state)
        benchmark::DoNotOptimize(startOnce(dir.path()));
    state.counters["rss_MB_after"] = residentMegabytes();
}
BENCHMARK(BM_StartUpToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The first window pays for fonts and the platform plugin, as a real start does.
    QElapsedTimer cold;
    cold.start();
    QApplication app(argc, argv);
    {
        QTemporaryDir dir;
        startOnce(dir.path());
        std::printf("cold start-up to shown window: %.1f ms, resident memory: %.1f MB\n",
                    cold.nsecsElapsed() / 1e6, residentMegabytes());
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
