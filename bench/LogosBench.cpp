// The logo editor's costs: one painted dot from the mouse event to the repainted window, the
// grid's clear-to-size, unpacking the widest bitmap, opening the widest PBM.
#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "SimRig.h"
#include "app/MainWindow.h"
#include "logos/LogoEditor.h"
#include "platform/SerialPortPosix.h"
#include "session/Dispatcher.h"
#include "session/LogoRoutines.h"
#include "session/Session.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace nimbrel;

class NoDevices : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> list() override { return {}; }
};

struct Window {
    nimbrel::testing::FakeClock clock;
    nimbrel::testing::FakeSerialPort port{clock};
    nimbrel::testing::ScriptedDialogs dialogs;
    NoDevices lister;
    session::Session session{port, clock, dialogs, lister};
    session::Dispatcher dispatcher{session};
    app::MainWindow window{session, dispatcher};
};

QByteArray randomColumns(int size) {
    QByteArray data(size, '\0');
    QRandomGenerator random(7);
    for (auto& b : data)
        b = static_cast<char>(random.bounded(256));
    return data;
}

void BM_PaintOneDotToScreen(benchmark::State& state) {
    Window w;
    w.window.show();
    w.window.render();
    QApplication::processEvents();
    app::GraphicsWindow* graphics = w.window.graphicsWindow();
    QWidget* editor = graphics->editorPicture();
    int i = 0;
    for (auto _ : state) {
        // Alternate cells and buttons so every event really changes a dot.
        const QPoint client(25 + 10 * (i % 64), 25 + 10 * ((i / 64) % 24));
        const Qt::MouseButton button = (i / (64 * 24)) % 2 ? Qt::RightButton : Qt::LeftButton;
        const QPoint local = editor->mapFrom(graphics->canvas(), client);
        QMouseEvent press(QEvent::MouseButtonPress, local, editor->mapToGlobal(local), button,
                          button, Qt::NoModifier);
        QApplication::sendEvent(editor, &press);
        QApplication::processEvents(); // the repaint of the box, the strip pixel and "XY="
        ++i;
    }
    state.counters["dark_dots"] = logos::countActiveDrops(w.session.logos);
}
BENCHMARK(BM_PaintOneDotToScreen)->Unit(benchmark::kMicrosecond);

void BM_ClearToSize(benchmark::State& state) {
    logos::LogoState logo;
    for (auto _ : state) {
        logos::clearToSize(logo, 63, 32);
        benchmark::DoNotOptimize(logo.grid.constBits());
    }
}
BENCHMARK(BM_ClearToSize)->Unit(benchmark::kMillisecond);

void BM_Unpack819By32(benchmark::State& state) {
    logos::LogoState logo;
    const QByteArray columns = randomColumns(819 * 4);
    for (auto _ : state) {
        logos::unpackColumns(logo, columns, 819, 4);
        benchmark::DoNotOptimize(logo.grid.constBits());
    }
}
BENCHMARK(BM_Unpack819By32)->Unit(benchmark::kMillisecond);

// The open command end to end: the question, the file read, the header, the editor redrawn.
void openPbm(benchmark::State& state, int width, int bytesPerColumn) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.pbm"));
    QByteArray file;
    file.append(static_cast<char>(bytesPerColumn));
    file.append(static_cast<char>(width & 0xFF));
    file.append(static_cast<char>(width >> 8));
    file.append(randomColumns(width * bytesPerColumn));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        state.SkipWithError("cannot write the PBM file");
        return;
    }
    out.close();
    nimbrel::testing::FakeClock clock;
    nimbrel::testing::FakeSerialPort port(clock);
    nimbrel::testing::ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context linkCtx{port, clock, dialogs, conn, shell};
    logos::LogoState logo;
    session::LogoContext ctx{linkCtx, logo, dir.path()};
    for (auto _ : state) {
        dialogs.answer(path);
        session::openLogoFile(ctx);
        dialogs.calls.clear();
    }
    state.counters["logo_width"] = logo.width;
}

void BM_OpenPbm819Columns(benchmark::State& state) {
    openPbm(state, 819, 4);
}
BENCHMARK(BM_OpenPbm819Columns)->Unit(benchmark::kMillisecond);

// 1664 columns is the PBM limit; the editor shows 819, so such a file is refused by its header.
void BM_OpenPbm1664ColumnsRefused(benchmark::State& state) {
    openPbm(state, 1664, 4);
}
BENCHMARK(BM_OpenPbm1664ColumnsRefused)->Unit(benchmark::kMillisecond);

// The verified logo write against the simulator: request, 1 ms, the 256-byte block, 200 ms for
// the answer, then the read-back of the slot (up to 200 passes of two 1 ms counts).
void BM_LogoWrite(benchmark::State& state) {
    bench::SimRig rig({"--model", "T260"});
    if (!rig.port.isOpen()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    logos::LogoState logo;
    logos::makeBlankLogo(logo, 63, 32);
    for (int x = 0; x < 63; ++x)
        logos::paintDot(logo, x, x % 32, true);
    session::LogoContext ctx{rig.ctx, logo, rig.runtime.path()};
    std::vector<double> times;
    for (auto _ : state) {
        rig.dialogs.answer("5");
        QElapsedTimer t;
        t.start();
        session::writeLogo(ctx);
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    if (rig.conn.linkFailed() || rig.dialogs.messages().back().kind != 64) {
        state.SkipWithError("the write failed");
        return;
    }
    state.counters["median_ms"] = bench::medianMs(times);
    state.counters["pauses_ms"] = 1 + 200;
}
BENCHMARK(BM_LogoWrite)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
