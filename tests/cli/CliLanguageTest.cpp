#include "CliProcess.h"
#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "cli/Cli.h"
#include "platform/Language.h"

#include <QJsonObject>

namespace nimbrel::testing {
namespace {

struct LanguageCase {
    const char* name;
    QStringList args;
    const char* lang; // LANG of the run
    int code;
    const char* out; // a part of standard output
    const char* err; // standard error, whole
};

class CliLanguageTest : public CliFixture, public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(CliLanguageTest, TextsInTheLanguageAsked) {
    const LanguageCase& c = GetParam();
    const CliRun run = cli(c.args, {{QStringLiteral("LANG"), QString::fromUtf8(c.lang)}});
    EXPECT_EQ(run.code, c.code);
    EXPECT_TRUE(run.out.contains(QString::fromUtf8(c.out))) << run.out.toStdString();
    EXPECT_EQ(run.err, QString::fromUtf8(c.err));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CliLanguageTest,
    ::testing::Values(
        LanguageCase{"HelpLine",
                     {"--lang", "en", "--help"},
                     "C.UTF-8",
                     0,
                     "\n  --lang ru|en                   language of the help and messages: en or "
                     "ru;\n                                 without it the environment's",
                     ""},
        LanguageCase{"CommandHelp",
                     {"logo", "--help", "--lang", "en"},
                     "C.UTF-8",
                     0,
                     "Usage: nimbrel-cli logo [ARGUMENTS] [-p PORT] [OPTIONS]\n\n"
                     "  logo read DDD [-o FILE]        read logo 0..255 (BIN or BMP)\n",
                     ""},
        LanguageCase{"MissingPort",
                     {"--lang", "en", "info"},
                     "C.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: no port given: -p COM5, -p 5 or -p /dev/ttyUSB0 (list: "
                     "nimbrel-cli ports)\n"},
        LanguageCase{"EnglishEnvironment",
                     {"info"},
                     "en_US.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: no port given: -p COM5, -p 5 or -p /dev/ttyUSB0 (list: "
                     "nimbrel-cli ports)\n"},
        LanguageCase{"RussianOverEnvironment",
                     {"--lang", "ru", "info"},
                     "en_US.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: не указан порт: -p COM5, -p 5 или -p /dev/ttyUSB0 (список: "
                     "nimbrel-cli ports)\n"},
        LanguageCase{"RefusedLineInEnglish",
                     {"info", "--frob", "--lang=en"},
                     "C.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: unknown option 'frob' (help: nimbrel-cli --help)\n"},
        // Qt's own words in a Russian message stay as they have always been.
        LanguageCase{"QtWordsInRussian",
                     {"info", "-p", "3", "--baud"},
                     "ru_RU.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: ошибка в параметрах: Missing value after '--baud'. (справка: "
                     "nimbrel-cli --help)\n"},
        LanguageCase{"BadLanguage",
                     {"--lang", "de", "info"},
                     "en_US.UTF-8",
                     2,
                     "",
                     "nimbrel-cli: unknown language 'de': en or ru (help: nimbrel-cli --help)\n"},
        LanguageCase{"EmptyLanguageJson",
                     {"--json", "--lang=", "info"},
                     "C.UTF-8",
                     2,
                     "",
                     "{\"code\":2,\"error\":\"usage\",\"message\":\"неизвестный язык '': ru или en "
                     "(справка: nimbrel-cli --help)\",\"port\":null}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

using CliLanguageSimTest = CliFixture;

TEST_F(CliLanguageSimTest, PrinterRefusalInEnglishJsonKeysAsInRussian) {
    SimProcess& sim = startSim({"--model", "T936"});
    const CliRun refused = on(sim, {"--lang", "en", "lines", "set", "3"});
    EXPECT_EQ(refused.code, 2);
    EXPECT_EQ(refused.err, "nimbrel-cli: IMPOSSIBLE NUMBER OF LINES: '3', T936 allows 1..2 (help: "
                           "nimbrel-cli --help)\n");
    // A mark as listed names its types as the window's table does.
    EXPECT_TRUE(on(sim, {"--lang", "en", "mark", "read", "0"}).out.startsWith("11\tText\t02\t"));
    for (const char* command : {"settings", "mode"}) {
        const auto keys = [&](const QStringList& lang) {
            const CliRun run = on(sim, lang + QStringList{command, "--json"});
            const QJsonObject o = QJsonDocument::fromJson(run.out.toUtf8()).object();
            return o.contains("fields") ? o.value("fields").toObject().keys() : o.keys();
        };
        const QStringList russian = keys({});
        EXPECT_FALSE(russian.isEmpty()) << command;
        EXPECT_EQ(keys({"--lang", "en"}), russian) << command;
    }
}

class NoDevices final : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> list() override { return {}; }
};

// runCli in one process many times, as here: --lang holds for its own run only.
TEST(RunCliLanguage, LangHoldsForItsRunOnly) {
    FakeClock clock;
    FakeSerialPort port(clock);
    NoDevices lister;
    QString err;
    cli::Console console{[](const QString&) {}, [&err](const QString& text) { err += text; }};
    cli::Environment env{lister, port, clock, console};
    EXPECT_EQ(cli::runCli({"--lang", "en", "frob"}, env), 2);
    EXPECT_EQ(err, "nimbrel-cli: unknown command 'frob' (help: nimbrel-cli --help)\n");
    EXPECT_EQ(platform::currentLanguage(), platform::Language::Russian);
    err.clear();
    EXPECT_EQ(cli::runCli({"frob"}, env), 2);
    EXPECT_EQ(err, "nimbrel-cli: неизвестная команда 'frob' (справка: nimbrel-cli --help)\n");
}

} // namespace
} // namespace nimbrel::testing
