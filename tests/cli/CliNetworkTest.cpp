// nimbrel-cli on network ports: the built tool, the built simulator and ser2net forwarding
// loopback ports to the simulator's pseudo-terminal.
#include "CliProcess.h"
#include "Ser2net.h"
#include "cli/TraceLog.h"
#include "platform/SerialPortNetwork.h"

namespace nimbrel::testing {
namespace {

struct CliNetworkTest : CliFixture {
    std::unique_ptr<Ser2net> server;

    SimProcess& startForwarded(const QStringList& simArgs) {
        SimProcess& sim = startSim(simArgs);
        server = std::make_unique<Ser2net>(sim.announced().path);
        EXPECT_TRUE(server->ok()) << server->logText();
        return sim;
    }
    QString rfc2217() const { return QString::fromStdString(server->rfc2217Url()); }

    // The sent and received bytes of a trace, without times and notes.
    QStringList traceBytes(const QString& file) const {
        QFile f(path(file));
        f.open(QIODevice::ReadOnly);
        QStringList out;
        for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts))
            if (const auto entry = cli::parseTraceLine(line); entry && entry->kind != '#')
                out << entry->kind + QString::fromLatin1(entry->bytes.toHex());
        return out;
    }
};

const QStringList kStocked{"--model", "T936", "--occupy-marks", "1,40", "--occupy-logos", "0,64"};

TEST_F(CliNetworkTest, BackupOverTheNetworkEqualsTheLocalOne) {
    SimProcess& sim = startForwarded(kStocked);
    const CliRun local = on(sim, {"backup", path("local")});
    ASSERT_EQ(local.code, 0) << local.err.toStdString();
    for (const QString& url : {rfc2217(), QString::fromStdString(server->rawUrl())}) {
        const QString folder = path(url.section(':', 0, 0));
        const CliRun net = cli({"backup", folder, "-p", url});
        ASSERT_EQ(net.code, 0) << url.toStdString() << ": " << net.err.toStdString();
        EXPECT_EQ(hashes(folder), hashes(path("local"))) << url.toStdString();
    }
    EXPECT_EQ(hashes(path("local")).size(), 6u); // settings, marks 0, 1, 40, logos 0, 64
}

TEST_F(CliNetworkTest, TraceIsTheSameAsOverTheLocalLine) {
    SimProcess& sim = startForwarded({"--model", "T936"});
    ASSERT_EQ(on(sim, {"info", "--trace", path("local.txt")}).code, 0);
    ASSERT_EQ(cli({"info", "--trace", path("net.txt"), "-p", rfc2217()}).code, 0);
    EXPECT_EQ(traceBytes("net.txt"), traceBytes("local.txt"));
    EXPECT_EQ(traceBytes("net.txt").size(), 6);
}

TEST_F(CliNetworkTest, PortsFileNamesTheNetworkPort) {
    SimProcess& sim = startForwarded({"--model", "T936"});
    QDir(work.path()).mkpath(QStringLiteral("config/nimbrel"));
    QFile file(path(QStringLiteral("config/nimbrel/ports")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        (QStringLiteral("# plant\nCOM12 ") + rfc2217() + QStringLiteral("  Линия 3\n")).toUtf8());
    file.close();
    qputenv("XDG_CONFIG_HOME", path(QStringLiteral("config")).toLocal8Bit());
    const CliRun ports = cli({"ports"});
    const CliRun info = cli({"info", "-p", "12"});
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(ports.out.contains(QStringLiteral("COM12:\t\t\tЛиния 3 ") + rfc2217()))
        << ports.out.toStdString();
    EXPECT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.startsWith(QStringLiteral("Модель:\tT936\n"))) << info.out.toStdString();
    (void)sim;
}

enum class Fault { Refused, Silent, Busy, Dropped };

struct FaultCase {
    const char* name;
    Fault fault;
    QStringList args;
    int code;
    const char* message; // {url} stands for the port's address
};

class CliNetworkFault : public CliNetworkTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(CliNetworkFault, SameMessageAndCodeAsTheLocalFault) {
    const FaultCase& c = GetParam();
    QString url;
    std::unique_ptr<SilentListener> silent;
    platform::SerialPortNetwork holder;
    switch (c.fault) {
    case Fault::Refused:
        url = QStringLiteral("rfc2217://127.0.0.1:%1").arg(Ser2net::freePort());
        break;
    case Fault::Silent:
        silent = std::make_unique<SilentListener>();
        url = QStringLiteral("rfc2217://127.0.0.1:%1").arg(silent->port());
        break;
    case Fault::Busy:
        startForwarded({"--model", "T936"});
        url = rfc2217();
        ASSERT_TRUE(holder.open(url, {}).ok());
        break;
    case Fault::Dropped: {
        // The simulator's line hangs up once it has taken the mark write (command and block)
        // and ser2net drops the connection: the mark is written, but the check read finds the
        // connection gone, as on the local line.
        SimProcess& sim = startForwarded({"--model", "T936", "--fault", "hangup=1@t"});
        ASSERT_EQ(on(sim, {"mark", "read", "0", "-o", "m.mrt"}).code, 0);
        url = rfc2217();
        break;
    }
    }
    const CliRun run = cli(c.args + QStringList{"-p", url});
    EXPECT_EQ(run.code, c.code) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.message).replace("{url}", url)))
        << run.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CliNetworkFault,
    ::testing::Values(
        FaultCase{"Refused",
                  Fault::Refused,
                  {"info"},
                  3,
                  "ПОРТ {url} НЕ ОБНАРУЖЕН: устройство отсутствует или отключено."},
        FaultCase{"NoAnswer",
                  Fault::Silent,
                  {"info"},
                  3,
                  "ПОРТ {url} НЕ ОБНАРУЖЕН: устройство отсутствует или отключено."},
        FaultCase{"Busy",
                  Fault::Busy,
                  {"info"},
                  3,
                  "COM-ПОРТ {url} ({url}) ЗАНЯТ: порт открыт другой программой."},
        FaultCase{"DroppedMidWrite",
                  Fault::Dropped,
                  {"mark", "write", "5", "m.mrt"},
                  4,
                  "Марка #05 записана, но проверить её не удалось: Маркиратор не ответил на "
                  "чтение. Устройство {url}"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
