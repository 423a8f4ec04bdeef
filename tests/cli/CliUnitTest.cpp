#include "TestNames.h"
#include "cli/Job.h"
#include "cli/LogoTransfer.h"
#include "cli/Manifest.h"
#include "cli/ManyPorts.h"
#include "cli/Options.h"
#include "cli/PortChoice.h"
#include "cli/TraceLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <tuple>

namespace nimbrel::cli {
namespace {

const std::vector<platform::SerialDevice> kDevices{
    {"COM1", "/dev/ttyS0", "9600,n,8,1", "ttyS0"},
    {"COM33", "/dev/ttyUSB0", "115200,n,8,1", "USB Serial"},
    {"COM200", "/dev/pts/4", "", "pts"},
    {"COM12", "rfc2217://10.1.2.3:4001", "", "Линия 3 rfc2217://10.1.2.3:4001"},
};

struct PortCase {
    const char* argument;
    const char* portName;
    const char* devicePath;
    bool ok;
    bool usage;
};

class PortChoiceTest : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortChoiceTest, ResolvesLikeThePortDialog) {
    const PortCase& c = GetParam();
    const PortChoice choice = choosePort(QString::fromUtf8(c.argument), kDevices);
    EXPECT_EQ(choice.ok(), c.ok) << choice.error.toStdString();
    EXPECT_EQ(choice.usageError, c.usage);
    if (c.ok) {
        EXPECT_EQ(choice.portName, QString::fromUtf8(c.portName));
        EXPECT_EQ(choice.devicePath, QString::fromUtf8(c.devicePath));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, PortChoiceTest,
    ::testing::Values(
        PortCase{"COM33", "COM33", "/dev/ttyUSB0", true, false},
        PortCase{"com200", "COM200", "/dev/pts/4", true, false},
        PortCase{"1", "COM1", "/dev/ttyS0", true, false},
        PortCase{"/dev/ttyUSB0", "COM33", "/dev/ttyUSB0", true, false},
        PortCase{"/dev/ttyACM2", "COM67", "/dev/ttyACM2", true, false},
        PortCase{"/dev/pts/4", "COM200", "/dev/pts/4", true, false},
        PortCase{"СОМ33", "COM33", "/dev/ttyUSB0", true, false},
        PortCase{"сОм200", "COM200", "/dev/pts/4", true, false},
        PortCase{"7", "", "", false, false}, PortCase{"0", "", "", false, false},
        PortCase{"256", "", "", false, false}, PortCase{"COMX", "", "", false, false},
        PortCase{"", "", "", false, true},
        PortCase{"12", "COM12", "rfc2217://10.1.2.3:4001", true, false},
        PortCase{"rfc2217://10.1.2.3:4001", "COM12", "rfc2217://10.1.2.3:4001", true, false},
        PortCase{"tcp://10.1.2.4:23", "tcp://10.1.2.4:23", "tcp://10.1.2.4:23", true, false},
        PortCase{"tcp://10.1.2.4", "", "", false, true}),
    [](const auto& info) { return testName(info.param.argument); });

TEST(PortChoice, MissingPortHasOneMessageHoweverNamed) {
    const QString tail = QStringLiteral(
        " НЕ ОБНАРУЖЕН: устройство отсутствует или отключено. Список портов: nimbrel-cli ports");
    for (const auto& [typed, named] : std::vector<std::pair<QString, QString>>{{"7", "COM7"},
                                                                               {"com7", "COM7"},
                                                                               {"СОМ7", "COM7"},
                                                                               {"COMX", "COMX"},
                                                                               {"СОМX", "COMX"},
                                                                               {"0", "COM0"},
                                                                               {"COM256", "COM256"},
                                                                               {"ttyS0", "ttyS0"}})
        EXPECT_EQ(choosePort(typed, kDevices).error, QStringLiteral("ПОРТ ") + named + tail)
            << typed.toStdString();
    EXPECT_EQ(noSuchPortText("COM40", "/dev/ttyUSB7"), "ПОРТ COM40 (/dev/ttyUSB7)" + tail);
}

TEST(PortChoice, ProgramMessagesBecomeOneLine) {
    EXPECT_EQ(oneLine(QStringLiteral("COM-ПОРТ COM3 (/dev/x) ЗАНЯТ:\n\rпорт открыт.\n\rЗакройте")),
              QStringLiteral("COM-ПОРТ COM3 (/dev/x) ЗАНЯТ: порт открыт. Закройте"));
}

struct TraceCase {
    const char* line;
    bool ok;
    char kind;
    QByteArray bytes;
};

class TraceLineTest : public ::testing::TestWithParam<TraceCase> {};

TEST_P(TraceLineTest, ParsesTheSimulatorForm) {
    const TraceCase& c = GetParam();
    const auto entry = parseTraceLine(QString::fromUtf8(c.line));
    ASSERT_EQ(entry.has_value(), c.ok);
    if (c.ok) {
        EXPECT_EQ(entry->kind, c.kind);
        EXPECT_EQ(entry->bytes, c.bytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TraceLineTest,
    ::testing::Values(TraceCase{"10:29:34.759 > 11 69 0E", true, '>', QByteArray("\x11\x69\x0E")},
                      TraceCase{"23:59:59.999 < 06 00 FF", true, '<',
                                QByteArray("\x06\x00\xFF", 3)},
                      TraceCase{"10:29:34.759 # model T936", true, '#', QByteArray()},
                      TraceCase{"10:29:34.759 > 1 69", false, '>', QByteArray()},
                      TraceCase{"10:29:34.759 ! 11", false, '!', QByteArray()},
                      TraceCase{"25:00:00.000 > 11", false, '>', QByteArray()},
                      TraceCase{"garbage", false, '#', QByteArray()}),
    [](const auto& info) { return testName(info.param.line); });

TEST(TraceLog, WritesWhatItParsesBack) {
    TraceLog log;
    log.add(QTime(9, 5, 7, 42), link::TraceDirection::Sent, QByteArray("\x0F\x72\x30\x35\x0E"));
    log.add(QTime(9, 5, 7, 60), link::TraceDirection::Received, QByteArray(1, '\0'));
    EXPECT_EQ(log.text(), QByteArray("09:05:07.042 > 0F 72 30 35 0E\n09:05:07.060 < 00\n"));
}

TEST(Manifest, SurvivesItsOwnJson) {
    Manifest m{"T936",
               "T936 v4.07",
               "2026-12-07T10:00:00+00:00",
               "1234.5",
               "105",
               {{"settings", -1, "settings.bin", "ab"}, {"logo", 7, "logo007.bin", "cd"}}};
    const ManifestRead read = parseManifest(manifestJson(m));
    ASSERT_TRUE(read.manifest) << read.error.toStdString();
    EXPECT_EQ(read.manifest->model, "T936");
    ASSERT_EQ(read.manifest->files.size(), 2u);
    EXPECT_EQ(read.manifest->files[1].slot, 7);
    EXPECT_EQ(read.manifest->files[1].sha256, "cd");
    EXPECT_EQ(read.manifest->files[0].slot, -1);
}

TEST(Manifest, RefusesNamesLeadingOutOfTheFolder) {
    for (const char* name : {"../mark05.mrt", "/etc/passwd", ".hidden", "a/b"}) {
        Manifest m{"T936", "", "", "", "", {{"mark", 5, name, "00"}}};
        EXPECT_FALSE(parseManifest(manifestJson(m)).manifest) << name;
    }
    EXPECT_FALSE(parseManifest("{not json").manifest);
    EXPECT_FALSE(parseManifest(R"({"format": 2, "model": "T936"})").manifest);
}

struct ManifestCase {
    const char* name;
    std::vector<ManifestFile> files;
    const char* error; // empty when the manifest is accepted
};

class ManifestTwice : public ::testing::TestWithParam<ManifestCase> {};

TEST_P(ManifestTwice, RefusesASlotOrAFileNamedTwice) {
    const ManifestRead read =
        parseManifest(manifestJson({"T936", "", "", "", "", GetParam().files}));
    EXPECT_EQ(read.error, QString::fromUtf8(GetParam().error));
    EXPECT_EQ(read.manifest.has_value(), read.error.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ManifestTwice,
    ::testing::Values(
        ManifestCase{"MarkSlotTwice",
                     {{"mark", 5, "mark05.mrt", "00"}, {"mark", 5, "mark06.mrt", "00"}},
                     "manifest.json: марка #5 названа дважды"},
        ManifestCase{"LogoSlotTwice",
                     {{"logo", 7, "a.bin", "00"}, {"logo", 7, "b.bin", "00"}},
                     "manifest.json: логотип #7 назван дважды"},
        ManifestCase{"FileTwice",
                     {{"mark", 5, "x.mrt", "00"}, {"mark", 6, "x.mrt", "00"}},
                     "manifest.json: файл 'x.mrt' назван дважды"},
        ManifestCase{"SameNumberMarkAndLogo",
                     {{"mark", 5, "mark05.mrt", "00"}, {"logo", 5, "logo005.bin", "00"}},
                     ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandHelp, ShowsItsOwnCommandAndOptionsOnly) {
    const std::vector<std::tuple<QString, QStringList, QStringList>> cases{
        {"logo", {"  logo write ", "--yes"}, {"  mark read ", "--time", "--force"}},
        {"restore", {"  restore ", "--force", "--marks"}, {"  backup ", "--font"}},
        {"clock", {"  clock set ", "--time", "--port"}, {"  offset ", "--yes"}}};
    for (const auto& [command, shown, hidden] : cases) {
        const QString text = commandHelpText(command);
        for (const QString& part : shown)
            EXPECT_TRUE(text.contains(part)) << command.toStdString() << part.toStdString();
        for (const QString& part : hidden)
            EXPECT_FALSE(text.contains(part)) << command.toStdString() << part.toStdString();
    }
    EXPECT_EQ(commandHelpText("nonsense"), helpText());
}

TEST(Manifest, HashesFamiliesAndNames) {
    EXPECT_EQ(sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(modelFamily("T936"), modelFamily("T95Z"));
    EXPECT_NE(modelFamily("T260"), modelFamily("T760"));
    EXPECT_EQ(markFileName(5), "mark05.mrt");
    EXPECT_EQ(logoFileName(7), "logo007.bin");
}

TEST(NumberArgument, DigitsWithinTheRangeOnly) {
    EXPECT_EQ(numberArgument("05", 0, 85), 5);
    EXPECT_EQ(numberArgument("85", 0, 85), 85);
    for (const char* bad : {"86", "-1", "5a", "", " 5", "0x5", "+5"})
        EXPECT_FALSE(numberArgument(bad, 0, 85)) << bad;
}

TEST(Options, ParsesAndRefuses) {
    const ParsedInvocation ok = parseInvocation(
        {"fragment", "write", "1", "2", "--type", "ean", "--font", "12", "-p", "COM5", "--", "-7"});
    ASSERT_TRUE(ok.invocation) << ok.error.toStdString();
    EXPECT_EQ(ok.invocation->words, QStringList({"fragment", "write", "1", "2", "-7"}));
    EXPECT_EQ(ok.invocation->port, "COM5");
    EXPECT_EQ(ok.invocation->font, "12");
    EXPECT_EQ(parseInvocation({"info", "--bogus"}).error,
              QStringLiteral("неизвестный параметр 'bogus'"));
    EXPECT_FALSE(parseInvocation({"info", "--baud", "fast"}).invocation);
}

struct ConversionCase {
    QStringList args;
    const char* error; // a part of the usage message; empty: taken
    int height;
    int threshold;
    bool dither;
    bool invert;
};

class ConversionOptionsTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(ConversionOptionsTest, PictureOptionsAsTheDialogAnswers) {
    const ConversionCase& c = GetParam();
    const ParsedInvocation parsed =
        parseInvocation(QStringList{"logo", "convert", "a.png", "a.bin"} + c.args);
    ASSERT_TRUE(parsed.invocation) << parsed.error.toStdString();
    const ConversionChoice choice = conversionChoiceOf(*parsed.invocation);
    if (*c.error != '\0') {
        EXPECT_TRUE(choice.error.contains(QString::fromUtf8(c.error)))
            << choice.error.toStdString();
        return;
    }
    EXPECT_EQ(choice.error, QString());
    EXPECT_EQ(choice.options.height, c.height);
    EXPECT_EQ(choice.options.threshold, c.threshold);
    EXPECT_EQ(choice.options.dithering == logos::Dithering::FloydSteinberg, c.dither);
    EXPECT_EQ(choice.options.invert, c.invert);
    EXPECT_TRUE(choice.options.transparentAsLight);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ConversionOptionsTest,
    ::testing::Values(
        ConversionCase{{"--height", "32"}, "", 32, logos::kAutoThreshold, false, false},
        ConversionCase{{"--height", "8", "--threshold", "auto"}, "", 8, -1, false, false},
        ConversionCase{{"--height=16", "--threshold", "0", "--dither"}, "", 16, 0, true, false},
        ConversionCase{
            {"--height", "24", "--threshold", "255", "--invert"}, "", 24, 255, false, true},
        ConversionCase{{}, "--height 8|16|24|32", 0, 0, false, false},
        ConversionCase{{"--height", "12"}, "'12'", 0, 0, false, false},
        ConversionCase{{"--height", "40"}, "'40'", 0, 0, false, false},
        ConversionCase{{"--height", "0"}, "'0'", 0, 0, false, false},
        ConversionCase{{"--height", "32", "--threshold", "256"}, "'256'", 0, 0, false, false},
        ConversionCase{{"--height", "32", "--threshold", "-1"}, "'-1'", 0, 0, false, false},
        ConversionCase{{"--height", "32", "--threshold", "Auto"}, "'Auto'", 0, 0, false, false}),
    [](const auto& info) { return testName(info.param.args); });

TEST(Options, StoredMarkAndSplitAreTaken) {
    const ParsedInvocation parsed =
        parseInvocation({"fragment", "write", "1", "1", "--mark", "03", "LOT", "--split"});
    ASSERT_TRUE(parsed.invocation) << parsed.error.toStdString();
    EXPECT_EQ(parsed.invocation->mark, "03");
    EXPECT_TRUE(parsed.invocation->split);
    EXPECT_EQ(parsed.invocation->words, QStringList({"fragment", "write", "1", "1", "LOT"}));
    EXPECT_FALSE(parseInvocation({"fragment", "read", "1", "1", "--mark"}).invocation);
}

struct PortListCase {
    QStringList args;  // "FILE" stands for the ports file
    const char* file;  // its text; nullptr: no file at all
    QStringList ports; // what the call runs on
    bool ok;           // no error
};

class PortListTest : public ::testing::TestWithParam<PortListCase> {};

TEST_P(PortListTest, EveryPortOnceInOrder) {
    const PortListCase& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ports"));
    if (c.file != nullptr) {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(c.file);
    }
    QStringList args = c.args;
    args.replaceInStrings(QStringLiteral("FILE"), path);
    const ParsedInvocation parsed = parseInvocation(args);
    ASSERT_TRUE(parsed.invocation) << parsed.error.toStdString();
    const PortList list = portList(*parsed.invocation);
    EXPECT_EQ(list.error.isEmpty(), c.ok) << list.error.toStdString();
    if (c.ok) {
        EXPECT_EQ(list.ports, c.ports);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, PortListTest,
    ::testing::Values(PortListCase{{"info", "-p", "5"}, nullptr, {"5"}, true},
                      PortListCase{{"info"}, nullptr, {}, true},
                      PortListCase{{"info", "-p", "5", "--port", "COM6", "-p", "/dev/ttyUSB0"},
                                   nullptr,
                                   {"5", "COM6", "/dev/ttyUSB0"},
                                   true},
                      PortListCase{{"info", "--ports", "FILE"},
                                   "COM5 # line 1\n\n  6  \n# spare\r\nrfc2217://10.1.2.3:4001\r\n",
                                   {"COM5", "6", "rfc2217://10.1.2.3:4001"},
                                   true},
                      PortListCase{{"info", "-p", "7", "--ports", "FILE"},
                                   "tcp://h:23",
                                   {"7", "tcp://h:23"},
                                   true},
                      PortListCase{{"info", "--ports", "FILE"}, "# none yet\n\n", {}, false},
                      PortListCase{{"info", "--ports", "FILE"}, nullptr, {}, false}));

TEST(ManyPorts, FolderNamesAndErrorObjects) {
    EXPECT_EQ(portFolderName("COM12"), "COM12");
    EXPECT_EQ(portFolderName("rfc2217://10.1.2.3:4001"), "rfc2217___10.1.2.3_4001");
    EXPECT_EQ(portFolderName("/dev/ttyUSB0"), "_dev_ttyUSB0");
    EXPECT_EQ(errorJson("COM5", 4, "no-reply", QStringLiteral("Нет ответа")),
              QStringLiteral(R"({"code":4,"error":"no-reply","message":"Нет ответа","port":"COM5"})"
                             "\n"));
    EXPECT_EQ(errorJson("", 2, "usage", "x"),
              QStringLiteral(R"({"code":2,"error":"usage","message":"x","port":null})"
                             "\n"));
}

TEST(Options, HelpNamesEveryExitCode) {
    const QString help = helpText();
    for (const char* line :
         {"  0  успешно\n", "  2  ошибка в командной строке\n",
          "  3  порт не открывается (не найден, занят, нет прав)\n",
          "  4  Маркиратор не отвечает или ошибка связи\n", "  5  проверка чтением не пройдена\n"})
        EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << line;
}

} // namespace
} // namespace nimbrel::cli
