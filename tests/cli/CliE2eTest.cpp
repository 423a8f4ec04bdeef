#include "CliProcess.h"
#include "cli/TraceLog.h"
#include "platform/SerialPortPosix.h"

#include <QDirIterator>
#include <QRegularExpression>

namespace nimbrel::testing {
namespace {

struct ExitCase {
    const char* name;
    QStringList simArgs; // empty: no simulator, the port named in args
    QStringList args;
    int code;
    const char* stderrPart; // {port} stands for the simulator's COM name
};

class CliExitTest : public CliFixture, public ::testing::WithParamInterface<ExitCase> {};
using CliTest = CliFixture;

TEST_P(CliExitTest, ExitCodeAndMessage) {
    const ExitCase& c = GetParam();
    CliRun run;
    QString port = QStringLiteral("COM250");
    if (c.simArgs.isEmpty()) {
        run = cli(c.args);
    } else {
        SimProcess& sim = startSim(c.simArgs);
        port = portName(sim);
        run = on(sim, c.args);
    }
    EXPECT_EQ(run.code, c.code) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.stderrPart).replace("{port}", port)))
        << run.err.toStdString();
    if (c.code != 0) {
        EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << "one line: " << run.err.toStdString();
    }
}

const QStringList kT936{"--model", "T936"};

INSTANTIATE_TEST_SUITE_P(
    Commands, CliExitTest,
    ::testing::Values(
        ExitCase{"Info", kT936, {"info"}, 0, ""},
        ExitCase{"Settings", kT936, {"settings", "--json"}, 0, ""},
        ExitCase{"Lines", kT936, {"lines", "get"}, 0, ""},
        ExitCase{"LinesOverLimit",
                 kT936,
                 {"lines", "set", "3"},
                 2,
                 "НЕРЕАЛЬНОЕ ЧИСЛО СТРОК: '3', для T936 допустимо 1..2"},
        ExitCase{"Clock", kT936, {"clock", "set", "--time", "2019-05-31T14:05:09"}, 0, ""},
        ExitCase{"ClockBadTime",
                 kT936,
                 {"clock", "set", "--time", "31.05.2019"},
                 2,
                 "НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ"},
        ExitCase{"Offset", kT936, {"offset", "set", "9999"}, 0, ""},
        ExitCase{"OffsetTooBig", kT936, {"offset", "set", "10000"}, 2, "0..9999"},
        ExitCase{"NoReply",
                 kT936 + QStringList{"--fault", "no-reply"},
                 {"info"},
                 4,
                 "Ошибка при чтении данных из Маркиратора ({port})! Устройство /dev/pts/"},
        ExitCase{
            "LateReply", kT936 + QStringList{"--fault", "delay=900@i"}, {"info"}, 4, "({port})!"},
        ExitCase{"CutVersion",
                 kT936 + QStringList{"--fault", "cut=4@i"},
                 {"info"},
                 4,
                 "Ошибка при чтении данных из Маркиратора ({port})! Ответ Маркиратора не "
                 "распознан. Устройство /dev/pts/"},
        ExitCase{"NoMapReply",
                 kT936 + QStringList{"--fault", "no-reply@x"},
                 {"map", "marks"},
                 4,
                 "({port})!"},
        ExitCase{"EmptyMark", kT936, {"mark", "read", "12"}, 6, "МАРКА #12: ПУСТАЯ МАРКА!"},
        ExitCase{"MissingMarkFile",
                 kT936,
                 {"mark", "write", "5", "missing.mrt"},
                 6,
                 "Файл открыть невозможно"},
        ExitCase{"EmptyLogo",
                 kT936,
                 {"logo", "read", "9"},
                 6,
                 "LOGO#009 is EMPTY or have FORMAT ERROR."},
        ExitCase{"SilentLogoDeleteProvenByReadingBack",
                 kT936 + QStringList{"--occupy-logos", "5", "--fault", "no-reply@l"},
                 {"logo", "delete", "5", "--yes"},
                 0,
                 ""},
        ExitCase{"DeleteUnconfirmed", kT936, {"logo", "delete", "9"}, 2, "--yes"},
        ExitCase{
            "MarkNumber", kT936, {"mark", "read", "86"}, 2, "Недопустимый Номер Марки '86': 0..85"},
        ExitCase{"UnknownCommand", {}, {"frobnicate"}, 2, "неизвестная команда 'frobnicate'"},
        ExitCase{"NoSuchPort", {}, {"info", "-p", "250"}, 3, "ПОРТ COM250 НЕ ОБНАРУЖЕН"},
        ExitCase{"NoSuchDevice",
                 {},
                 {"info", "-p", "/dev/ttyUSB7"},
                 3,
                 "ПОРТ COM40 (/dev/ttyUSB7) НЕ ОБНАРУЖЕН: устройство отсутствует или "
                 "отключено. Список портов: nimbrel-cli ports"},
        ExitCase{"FragmentText", kT936, {"fragment", "write", "1", "1", "Ωmega"}, 2, "'Ω'"}),
    [](const auto& info) { return std::string(info.param.name); });

struct JsonErrorCase {
    const char* name;
    QStringList simArgs; // empty: no simulator, the port named in args
    QStringList args;
    int code;
    const char* error;
};

class CliJsonErrorTest : public CliFixture, public ::testing::WithParamInterface<JsonErrorCase> {};

// A script reads every failure as one object on standard error; standard output stays empty.
TEST_P(CliJsonErrorTest, OneObjectOnStandardError) {
    const JsonErrorCase& c = GetParam();
    QFile mrt(path("m.mrt"));
    ASSERT_TRUE(mrt.open(QIODevice::WriteOnly));
    mrt.write("11\x18"
              "02LOT 7\r\n");
    mrt.close();
    QString port = QStringLiteral("COM250");
    CliRun run;
    if (c.simArgs.isEmpty()) {
        run = cli(c.args + QStringList{"--json"});
    } else {
        SimProcess& sim = startSim(c.simArgs);
        port = portName(sim);
        run = on(sim, c.args + QStringList{"--json"});
    }
    EXPECT_EQ(run.code, c.code);
    EXPECT_EQ(run.out, QString());
    ASSERT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(run.err.toUtf8()).object();
    EXPECT_EQ(o.value("port").toString(), port) << run.err.toStdString();
    EXPECT_EQ(o.value("code").toInt(), c.code);
    EXPECT_EQ(o.value("error").toString(), QString::fromUtf8(c.error));
    EXPECT_FALSE(o.value("message").toString().isEmpty());
    EXPECT_FALSE(o.value("message").toString().startsWith("nimbrel-cli"));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, CliJsonErrorTest,
    ::testing::Values(
        JsonErrorCase{"NoSuchPort", {}, {"info", "-p", "250"}, 3, "port-not-found"},
        JsonErrorCase{
            "NoReply", kT936 + QStringList{"--fault", "no-reply"}, {"info"}, 4, "no-reply"},
        JsonErrorCase{"Differs",
                      kT936 + QStringList{"--alter-writes"},
                      {"mark", "write", "5", "m.mrt"},
                      5,
                      "verify"},
        JsonErrorCase{"Unchecked",
                      kT936 + QStringList{"--fault", "cut=60@r", "--fault", "cut=4@i"},
                      {"mark", "write", "5", "m.mrt"},
                      4,
                      "unanswered-check"},
        JsonErrorCase{"EmptyMark", kT936, {"mark", "read", "12"}, 6, "file"},
        JsonErrorCase{"MarkNumber", kT936, {"mark", "read", "86"}, 2, "usage"}),
    [](const auto& info) { return std::string(info.param.name); });

// Three printers in one call, one of them silent: each answers for itself, the worst code
// is the call's.
TEST_F(CliTest, ThreePrintersAtOnceTheWorstCodeWins) {
    const QStringList good{portName(startSim(kT936)), portName(startSim(kT936))};
    const QString silent = portName(startSim(kT936 + QStringList{"--fault", "no-reply"}));
    const QStringList ports{"-p", good[0], "-p", good[1], "-p", silent};

    const CliRun text = cli(QStringList{"info"} + ports);
    EXPECT_EQ(text.code, 4);
    QStringList lines = text.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.takeLast(), QStringLiteral("Итого: портов 3, успешно 2, с ошибкой 1: ") +
                                    silent + QStringLiteral(" (код 4)."));
    EXPECT_EQ(lines.size(), 10); // five lines of info from each good printer
    for (const QString& port : good)
        EXPECT_EQ(lines.filter(QRegularExpression("^" + port + ": ")).size(), 5);
    EXPECT_TRUE(text.err.startsWith(silent + QStringLiteral(": nimbrel-cli: Ошибка при чтении")))
        << text.err.toStdString();

    const CliRun json = cli(QStringList{"info", "--json"} + ports);
    EXPECT_EQ(json.code, 4);
    const QStringList objects = json.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(objects.size(), 4) << json.out.toStdString();
    for (int i = 0; i < 2; ++i) {
        const QJsonObject o = QJsonDocument::fromJson(objects[i].toUtf8()).object();
        EXPECT_EQ(o.value("port").toString(), good[i]);
        EXPECT_EQ(o.value("code").toInt(), 0);
        EXPECT_EQ(o.value("result").toObject().value("model").toString(), "T936");
    }
    EXPECT_EQ(QJsonDocument::fromJson(objects[2].toUtf8()).object(),
              (QJsonObject{{"port", silent}, {"code", 4}, {"error", "no-reply"}}));
    EXPECT_EQ(QJsonDocument::fromJson(objects[3].toUtf8()).object(),
              (QJsonObject{{"ports", 3}, {"ok", 2}, {"failed", 1}, {"code", 4}}));
    const QJsonObject error = QJsonDocument::fromJson(json.err.toUtf8()).object();
    EXPECT_EQ(error.value("port").toString(), silent) << json.err.toStdString();
    EXPECT_EQ(error.value("error").toString(), "no-reply");
}

TEST_F(CliTest, BackupOfThreePrintersGoesToAFolderEach) {
    const QStringList stocked{"--model", "T936", "--occupy-marks", "4", "--occupy-logos", "9"};
    QStringList ports;
    for (int i = 0; i < 3; ++i)
        ports << portName(startSim(stocked));
    QFile list(path("ports.txt"));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write(("# line 1\n" + ports.join("\n") + "  # last\n").toUtf8());
    list.close();
    const CliRun run = cli({"backup", path("plant"), "--ports", path("ports.txt")});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(path("plant")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), [&] {
        QStringList s = ports;
        s.sort();
        return s;
    }());
    const auto first = hashes(QDir(path("plant")).filePath(ports[0]));
    EXPECT_EQ(first.size(), 4u); // settings, marks 0 and 4, logo 9
    for (const QString& port : ports)
        EXPECT_EQ(hashes(QDir(path("plant")).filePath(port)), first) << port.toStdString();
    // A restore from the one folder each came from; a file read goes to a folder a port too.
    EXPECT_EQ(cli({"restore", path("plant"), "--yes", "--ports", path("ports.txt")}).code, 0);
    ASSERT_EQ(
        cli({"logo", "read", "9", "-o", path("plant/l.bin"), "--ports", path("ports.txt")}).code,
        0);
    for (const QString& port : ports)
        EXPECT_TRUE(QFile::exists(path("plant/" + port + "/l.bin"))) << port.toStdString();
}

TEST_F(CliTest, BusyPortNamesTheOtherProgram) {
    SimProcess& sim = startSim(kT936);
    platform::SerialPortPosix holder;
    ASSERT_TRUE(holder.open(devicePath(sim), {}).ok());
    const CliRun run = on(sim, {"info"});
    EXPECT_EQ(run.code, 3);
    EXPECT_TRUE(run.err.contains(QStringLiteral("ЗАНЯТ: порт открыт другой программой.")))
        << run.err.toStdString();
}

TEST_F(CliTest, FragmentWrittenFiveTimesReadsTheLast) {
    SimProcess& sim = startSim(kT936);
    for (int i = 1; i <= 5; ++i)
        ASSERT_EQ(on(sim, {"fragment", "write", "2", "3", "--type", "number", "--font", "12",
                           QStringLiteral("ПАРТИЯ %1").arg(i)})
                      .code,
                  0);
    const CliRun read = on(sim, {"fragment", "read", "2", "3", "--json"});
    const QJsonObject f = QJsonDocument::fromJson(read.out.toUtf8()).object();
    EXPECT_EQ(f.value("text").toString(), QStringLiteral("ПАРТИЯ 5"));
    EXPECT_EQ(f.value("typeCode").toInt(), 0x19);
    EXPECT_EQ(f.value("font").toInt(), 12);
}

TEST_F(CliTest, MarkAndLogoWritesAreVerifiedByReadingBack) {
    SimProcess& good = startSim(kT936);
    QFile mrt(path("m.mrt"));
    ASSERT_TRUE(mrt.open(QIODevice::WriteOnly));
    // Lines fill the table from row 0 on: the second line is fragment 12.
    mrt.write("11\x18"
              "02LOT 7\r\n12\x19"
              "030001\r\n");
    mrt.close();
    QFile bin(path("l.bin"));
    ASSERT_TRUE(bin.open(QIODevice::WriteOnly));
    bin.write(QByteArray("\x06\x00\x02\x02\x01\x80\x03\xC0\x07\xE0", 10));
    bin.close();
    EXPECT_EQ(on(good, {"mark", "write", "5", path("m.mrt")}).out,
              QStringLiteral("Запись Марки #5 успешно завершена.\n"));
    EXPECT_EQ(on(good, {"logo", "write", "3", path("l.bin")}).code, 0);
    ASSERT_EQ(on(good, {"mark", "read", "5", "-o", path("back.mrt")}).code, 0);
    QFile back(path("back.mrt"));
    ASSERT_TRUE(back.open(QIODevice::ReadOnly));
    EXPECT_TRUE(back.readAll().startsWith("11\x18"
                                          "02LOT 7\r\n12\x19"
                                          "030001\r\n13\x18"
                                          "02\r\n"));

    // A printer that keeps something else than what was sent: the check fails.
    SimProcess& altered = startSim(kT936 + QStringList{"--alter-writes"});
    const CliRun mark = on(altered, {"mark", "write", "5", path("m.mrt")});
    EXPECT_EQ(mark.code, 5);
    EXPECT_TRUE(mark.err.contains(QStringLiteral("проверка не пройдена.")))
        << mark.err.toStdString();
    EXPECT_EQ(on(altered, {"logo", "write", "3", path("l.bin")}).code, 5);

    // A read-back cut short is no mark at all: written, but not proven.
    SimProcess& cut = startSim(kT936 + QStringList{"--fault", "cut=60@r", "--fault", "cut=4@i"});
    const CliRun unchecked = on(cut, {"mark", "write", "5", path("m.mrt")});
    EXPECT_EQ(unchecked.code, 4);
    EXPECT_TRUE(unchecked.err.contains(QStringLiteral(
        "Марка #05 записана, но проверить её не удалось: Маркиратор не ответил на чтение.")))
        << unchecked.err.toStdString();
    EXPECT_EQ(on(cut, {"logo", "write", "3", path("l.bin")}).code, 4);
}

TEST_F(CliTest, MapsAndLogoPicturesRoundTrip) {
    SimProcess& sim =
        startSim({"--model", "T936", "--occupy-marks", "4,85", "--occupy-logos", "0,127"});
    const QJsonObject marks =
        QJsonDocument::fromJson(on(sim, {"map", "marks", "--json"}).out.toUtf8()).object();
    EXPECT_EQ(marks.value("occupied").toArray(), (QJsonArray{4, 85}));
    EXPECT_TRUE(on(sim, {"map", "logos"}).out.contains(QStringLiteral("000 ---  ")));
    ASSERT_EQ(on(sim, {"logo", "read", "127", "-o", path("l.bmp")}).code, 0);
    ASSERT_EQ(on(sim, {"logo", "write", "5", path("l.bmp")}).code, 0);
    ASSERT_EQ(on(sim, {"logo", "read", "5", "-o", path("a.bin")}).code, 0);
    ASSERT_EQ(on(sim, {"logo", "read", "127", "-o", path("b.bin")}).code, 0);
    const CliRun unnamed = on(sim, {"logo", "read", "127"});
    EXPECT_TRUE(unnamed.out.endsWith(QStringLiteral("Логотип записан в файл ") +
                                     path("logo127.bin") + QLatin1Char('\n')))
        << unnamed.out.toStdString();
    QFile a(path("a.bin"));
    QFile b(path("b.bin"));
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
    EXPECT_EQ(on(sim, {"logo", "read", "7", "-o", path("x.pbm")}).code, 2);
    EXPECT_EQ(on(sim, {"logo", "delete", "5", "--yes"}).code, 0);
    EXPECT_EQ(on(sim, {"logo", "read", "5"}).code, 6);
}

// A printer that pads its replies gives every command what a clean line gives; a logo file
// keeps the answer's bytes as they came.
TEST_F(CliTest, PaddedRepliesGiveTheCleanLineResults) {
    const QStringList stocked{"--model", "T936", "--occupy-marks", "5", "--occupy-logos", "3"};
    SimProcess& clean = startSim(stocked);
    SimProcess& padded = startSim(stocked + QStringList{"--fault", "pad=9"});
    const QList<QStringList> commands{{"info", "--json"},
                                      {"settings", "--json"},
                                      {"mode", "--json"},
                                      {"map", "marks", "--json"},
                                      {"map", "logos", "--json"},
                                      {"lines", "get"},
                                      {"mark", "read", "5"},
                                      {"mark", "read", "0"},
                                      {"fragment", "read", "1", "1", "--json"},
                                      {"logo", "read", "3", "-o", path("l.bmp")},
                                      {"bitmap", "-o", path("b.bmp")}};
    for (const QStringList& command : commands) {
        const CliRun want = on(clean, command);
        CliRun got = on(padded, command);
        EXPECT_EQ(want.code, 0) << command.join(' ').toStdString() << want.err.toStdString();
        EXPECT_EQ(got.out.replace(portName(padded), portName(clean)), want.out)
            << command.join(' ').toStdString() << got.err.toStdString();
    }
    ASSERT_EQ(on(clean, {"backup", path("clean")}).code, 0);
    ASSERT_EQ(on(padded, {"backup", path("padded")}).code, 0);
    auto one = hashes(path("clean"));
    auto two = hashes(path("padded"));
    ASSERT_EQ(one.size(), two.size());
    one.erase(QStringLiteral("logo003.bin"));
    two.erase(QStringLiteral("logo003.bin"));
    EXPECT_EQ(two, one);
}

TEST_F(CliTest, AModelOfThePrintersOwnIsTaken) {
    SimProcess& sim = startSim({"--version-text", "T980 v1.00"});
    const CliRun info = on(sim, {"info", "--json"});
    ASSERT_EQ(info.code, 0) << info.err.toStdString();
    EXPECT_EQ(QJsonDocument::fromJson(info.out.toUtf8()).object().value("model").toString(),
              QStringLiteral("T980"));
    EXPECT_EQ(on(sim, {"settings"}).code, 0);
}

TEST_F(CliTest, TraceHoldsEveryExchangeInBothDirections) {
    SimProcess& sim = startSim(kT936);
    ASSERT_EQ(on(sim, {"info", "--trace", path("trace.txt")}).code, 0);
    QFile f(path("trace.txt"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QList<QByteArray> sent;
    int received = 0;
    for (const QString& line : QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts)) {
        const auto entry = cli::parseTraceLine(line);
        ASSERT_TRUE(entry) << line.toStdString();
        if (entry->kind == '>')
            sent << entry->bytes;
        received += entry->kind == '<' ? 1 : 0;
    }
    EXPECT_EQ(sent, (QList<QByteArray>{"\x11\x69\x0E", "\x11\x77\x0E", "\x11\x6D\x0E"}));
    EXPECT_EQ(received, 3);
}

TEST_F(CliTest, BackupRestoreBackupGivesTheSameFiles) {
    const QStringList stocked{"--model", "T936",           "--occupy-marks",
                              "1,40,85", "--occupy-logos", "0,64,127"};
    SimProcess& first = startSim(stocked);
    const CliRun backup = on(first, {"backup", path("one")});
    ASSERT_EQ(backup.code, 0) << backup.err.toStdString();
    const auto one = hashes(path("one"));
    EXPECT_EQ(one.size(), 8u); // settings, marks 0, 1, 40, 85, logos 0, 64, 127
    EXPECT_TRUE(one.count(QStringLiteral("logo127.bin")) &&
                one.count(QStringLiteral("mark85.mrt")));

    SimProcess& second = startSim({"--model", "T936", "--no-current-mark"});
    const CliRun restore = on(second, {"restore", path("one"), "--yes"});
    ASSERT_EQ(restore.code, 0) << restore.err.toStdString();
    EXPECT_TRUE(
        restore.out.contains(QStringLiteral("марка #40 (mark40.mrt): записана, проверена\n")));
    EXPECT_TRUE(
        restore.out.contains(QStringLiteral("логотип #064 (logo064.bin): записан, проверен\n")));
    ASSERT_EQ(on(second, {"backup", path("two")}).code, 0);
    EXPECT_EQ(hashes(path("two")), one);
}

TEST_F(CliTest, RestoreRefusesChangedFilesAndOtherFamilies) {
    SimProcess& source = startSim({"--model", "T936", "--occupy-marks", "7"});
    ASSERT_EQ(on(source, {"backup", path("copy")}).code, 0);
    SimProcess& t236 = startSim({"--model", "T236", "--no-current-mark"});
    const CliRun family = on(t236, {"restore", path("copy"), "--yes"});
    EXPECT_EQ(family.code, 6);
    EXPECT_TRUE(family.err.contains(QStringLiteral("Копия сделана с T936, а к ") + portName(t236) +
                                    QStringLiteral(" подключён T236 другого семейства")))
        << family.err.toStdString();
    EXPECT_EQ(on(t236, {"map", "marks", "--json"}).out.count(QLatin1Char('7')), 0);
    EXPECT_EQ(on(t236, {"restore", path("copy"), "--yes", "--force", "--marks"}).code, 0);

    QFile mark(QDir(path("copy")).filePath(QStringLiteral("mark07.mrt")));
    ASSERT_TRUE(mark.open(QIODevice::Append));
    mark.write("x");
    mark.close();
    const CliRun changed = on(source, {"restore", path("copy"), "--yes"});
    EXPECT_EQ(changed.code, 6);
    EXPECT_TRUE(changed.err.contains(QStringLiteral("mark07.mrt изменён после копирования")));
}

TEST_F(CliTest, InterruptedBackupLeavesNoFolder) {
    SimProcess& sim = startSim({"--model", "T936", "--occupy-marks", "3", "--fault", "no-reply@r"});
    EXPECT_EQ(on(sim, {"backup", path("broken")}).code, 4);
    EXPECT_EQ(QDir(work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
    QDir().mkpath(path("full/x"));
    EXPECT_EQ(on(sim, {"backup", path("full")}).code, 6);
}

} // namespace
} // namespace nimbrel::testing
