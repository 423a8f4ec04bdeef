// A full backup by nimbrel-cli of a simulated printer holding 86 marks (0..85) and 128 logos
// of the largest size a slot takes, beside its protocol floor: for every exchange in the
// tool's own trace, the line time of the bytes sent and received at 115200 baud plus the
// reply rule's least wait (the first delay and one pass of two pauses) and the settling
// pauses. Peak memory is the tool's largest resident set.
// Also: eight such printers backed up by one call in parallel, beside one of them alone.
#include "SimProcessQt.h"
#include "cli/TraceLog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

using namespace nimbrel;

constexpr double kByteMs = 10.0 / 115200.0 * 1000.0;
constexpr int kRecordSize = 48;
constexpr int kRecords = 32;

QByteArray fullMark(int slot) {
    QByteArray block(kRecords * kRecordSize, '\0');
    for (int record = 0; record < kRecords; ++record) {
        const QByteArray text = QStringLiteral("LOT %1-%2").arg(slot).arg(record).toLatin1();
        char* r = block.data() + record * kRecordSize;
        r[0] = 0x18;
        r[1] = 2;
        r[2] = static_cast<char>(text.size());
        std::copy(text.begin(), text.end(), r + 3);
    }
    return block;
}

// 63 columns of 32 dots: a 254-byte block, the most a slot's one-byte length announces.
QByteArray fullLogo(int slot) {
    QByteArray block;
    block.append(char(63));
    block.append(char(4));
    for (int i = 0; i < 63 * 4; ++i)
        block.append(static_cast<char>((i * 7 + slot) & 0xFF));
    return block;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

// The least time an exchange takes by the reply rule, from its command bytes.
double exchangeFloorMs(const QByteArray& sent, int received, bool lineTime) {
    double wait = 2.0; // one pass of two 1 ms pauses
    if (sent.size() >= 2 && sent[0] == '\x0F' && sent[1] == 'r')
        wait = sent.mid(2, 2) == "00" ? 4.0 : 10.0 + 10.0 + 200.0;
    if (sent.size() >= 2 && sent[0] == '\x0F' && sent[1] == 'b')
        wait = 2.0 + 100.0;
    return (lineTime ? (sent.size() + received) * kByteMs : 0.0) + wait;
}

struct Run {
    double wallMs = 0;
    long peakKb = 0;
    int code = -1;
};

Run spawnCli(const QStringList& args, const QString& runtime) {
    std::vector<std::string> store{NIMBREL_CLI_PATH};
    for (const QString& a : args)
        store.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& s : store)
        argv.push_back(s.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStore{"XDG_RUNTIME_DIR=" + runtime.toStdString()};
    for (char** e = environ; *e != nullptr; ++e)
        if (std::string(*e).rfind("XDG_RUNTIME_DIR=", 0) != 0)
            envStore.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& s : envStore)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    Run run;
    QElapsedTimer t;
    t.start();
    pid_t pid = -1;
    if (posix_spawn(&pid, NIMBREL_CLI_PATH, nullptr, nullptr, argv.data(), envp.data()) != 0)
        return run;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.wallMs = t.nsecsElapsed() / 1e6;
    run.peakKb = usage.ru_maxrss;
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// A simulator state folder with every mark and writable logo slot full.
void stockState(const QString& stateDir) {
    QDir().mkpath(stateDir);
    for (int mark = 0; mark <= 85; ++mark)
        writeFile(
            QDir(stateDir).filePath(QStringLiteral("mark-%1.blk").arg(mark, 2, 10, QChar('0'))),
            fullMark(mark));
    for (int logo = 0; logo < 128; ++logo)
        writeFile(
            QDir(stateDir).filePath(QStringLiteral("logo-%1.blk").arg(logo, 3, 10, QChar('0'))),
            fullLogo(logo));
}

void fullBackup(benchmark::State& state, bool paced) {
    QTemporaryDir runtime;
    QTemporaryDir work;
    const QString stateDir = work.filePath(QStringLiteral("state"));
    stockState(stateDir);
    // Paced at the line's byte rate, as a printer sends; unpaced, each reply in one piece (a
    // busy machine can stall paced bytes long enough for a reply to look finished early).
    QStringList args{"--model", "T936", "--state", stateDir};
    if (!paced)
        args << QStringLiteral("--no-pacing");
    const auto sim = nimbrel::testing::startSimIn(runtime.path(), args);
    const QString portName = nimbrel::testing::portName(*sim);
    if (portName.isEmpty()) {
        state.SkipWithError("simulator not reachable");
        return;
    }
    int round = 0;
    Run last;
    double floorMs = 0;
    double waitFloorMs = 0;
    int marks = 0;
    int logos = 0;
    for (auto _ : state) {
        const QString folder = work.filePath(QStringLiteral("backup%1").arg(round));
        const QString trace = work.filePath(QStringLiteral("trace%1.txt").arg(round++));
        last = spawnCli({"backup", folder, "-p", portName, "--trace", trace}, runtime.path());
        if (last.code != 0) {
            state.SkipWithError("backup failed");
            return;
        }
        QFile f(trace);
        f.open(QIODevice::ReadOnly);
        floorMs = 0;
        waitFloorMs = 0;
        QByteArray sent;
        int received = 0;
        bool pending = false;
        for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
            const auto entry = cli::parseTraceLine(line);
            if (!entry || entry->kind == '#')
                continue;
            if (entry->kind == '>') {
                if (pending) {
                    floorMs += exchangeFloorMs(sent, received, true);
                    waitFloorMs += exchangeFloorMs(sent, received, false);
                }
                sent = entry->bytes;
                received = 0;
                pending = true;
            } else {
                received += static_cast<int>(entry->bytes.size());
            }
        }
        if (pending) {
            floorMs += exchangeFloorMs(sent, received, true);
            waitFloorMs += exchangeFloorMs(sent, received, false);
        }
        QFile manifest(QDir(folder).filePath(QStringLiteral("manifest.json")));
        manifest.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(manifest.readAll());
        marks = static_cast<int>(text.count(QStringLiteral("\"kind\": \"mark\"")));
        logos = static_cast<int>(text.count(QStringLiteral("\"kind\": \"logo\"")));
        state.SetIterationTime(last.wallMs / 1000.0);
    }
    state.counters["wall_s"] = last.wallMs / 1000.0;
    state.counters["floor_s"] = floorMs / 1000.0;
    state.counters["over_floor_pct"] = floorMs > 0 ? (last.wallMs / floorMs - 1.0) * 100.0 : 0;
    // Without pacing the pseudo-terminal moves bytes at once: the waits alone are the floor.
    state.counters["wait_floor_s"] = waitFloorMs / 1000.0;
    state.counters["over_wait_floor_pct"] =
        waitFloorMs > 0 ? (last.wallMs / waitFloorMs - 1.0) * 100.0 : 0;
    state.counters["peak_rss_MB"] = last.peakKb / 1024.0;
    state.counters["marks"] = marks;
    state.counters["logos"] = logos;
}
void BM_FullBackupPaced(benchmark::State& state) {
    fullBackup(state, true);
}
BENCHMARK(BM_FullBackupPaced)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

void BM_FullBackupUnpaced(benchmark::State& state) {
    fullBackup(state, false);
}
BENCHMARK(BM_FullBackupUnpaced)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

// The whole process of `logo convert` of a 4000 x 3000 JPEG photo to a 32-dot BIN logo: start,
// reading the picture, the conversion and the file written.
void BM_LogoConvertJpeg4000x3000Process(benchmark::State& state) {
    QTemporaryDir work;
    QImage picture(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 4000, 3000);
    gradient.setColorAt(0, QColor(240, 220, 180));
    gradient.setColorAt(1, QColor(40, 60, 120));
    painter.fillRect(picture.rect(), gradient);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(QRect(400, 300, 1333, 2000));
    painter.drawRect(QRect(2400, 600, 1000, 400));
    painter.end();
    const QString jpeg = work.filePath(QStringLiteral("photo.jpg"));
    picture.save(jpeg, "JPEG", 90);
    const QStringList args{"logo",     "convert", jpeg, work.filePath(QStringLiteral("logo.bin")),
                           "--height", "32"};
    Run run;
    for (auto _ : state) {
        run = spawnCli(args, work.path());
        state.SetIterationTime(run.wallMs / 1000.0);
    }
    if (run.code != 0)
        state.SkipWithError("logo convert failed");
    state.counters["peak_rss_MB"] = run.peakKb / 1024.0;
}
BENCHMARK(BM_LogoConvertJpeg4000x3000Process)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseManualTime();

// Eight full printers at line speed backed up by one call, in parallel, beside one of them
// alone; the parallel call should take little more than the one printer.
void BM_EightBackupsPaced(benchmark::State& state) {
    constexpr int kPrinters = 8;
    QTemporaryDir runtime;
    QTemporaryDir work;
    std::vector<std::unique_ptr<nimbrel::testing::SimProcess>> sims;
    QStringList ports;
    for (int i = 0; i < kPrinters; ++i) {
        const QString stateDir = work.filePath(QStringLiteral("state%1").arg(i));
        stockState(stateDir);
        sims.push_back(
            nimbrel::testing::startSimIn(runtime.path(), {"--model", "T936", "--state", stateDir}));
        const QString name = nimbrel::testing::portName(*sims.back());
        if (name.isEmpty()) {
            state.SkipWithError("simulator not reachable");
            return;
        }
        ports << QStringLiteral("-p") << name;
    }
    int round = 0;
    Run one;
    Run eight;
    for (auto _ : state) {
        one = spawnCli(
            {"backup", work.filePath(QStringLiteral("one%1").arg(round)), ports[0], ports[1]},
            runtime.path());
        eight = spawnCli(
            QStringList{"backup", work.filePath(QStringLiteral("eight%1").arg(round))} + ports,
            runtime.path());
        ++round;
        if (one.code != 0 || eight.code != 0) {
            state.SkipWithError("backup failed");
            return;
        }
        state.SetIterationTime(eight.wallMs / 1000.0);
    }
    state.counters["one_s"] = one.wallMs / 1000.0;
    state.counters["eight_s"] = eight.wallMs / 1000.0;
    state.counters["eight_over_one"] = one.wallMs > 0 ? eight.wallMs / one.wallMs : 0;
    state.counters["eight_peak_rss_MB"] = eight.peakKb / 1024.0;
}
BENCHMARK(BM_EightBackupsPaced)->Unit(benchmark::kSecond)->Iterations(1)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
