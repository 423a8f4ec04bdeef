#include "session/PortRoutines.h"
#include "LinkFixture.h"
#include "TestNames.h"
#include "link/PortControl.h"

using namespace nimbrel;
using nimbrel::testing::LinkFixture;
using Type = nimbrel::testing::ScriptedDialogs::Type;

namespace {

class ListedDevices : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> devices;
    QString problem;
    std::vector<platform::SerialDevice> list() override { return devices; }
    QString folderProblem() const override { return problem; }
};

struct PortOpen : LinkFixture {
    ListedDevices lister;
    void SetUp() override {
        lister.devices = {
            {"COM3", "/dev/ttyS2", "9600,n,8,1", "/dev/ttyS2"},
            {"COM4", "/dev/ttyUSB0", "115200,n,8,1", "FT232R USB UART (FTDI) /dev/ttyUSB0"},
            {"COM7", "/dev/ttyS6", "9600,n,8,1", "/dev/ttyS6"},
        };
        shell.activeView = session::View::Logo;
    }
    const QString questionTitle = QStringLiteral("ОШИБКА");
};

TEST_F(PortOpen, AnswerFourOpensCom4WithTheFixedLineSettings) {
    dialogs.answer("4");
    session::openPort(ctx, lister);
    EXPECT_FALSE(conn.linkFailed());
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(conn.portName, QStringLiteral("COM4"));
    EXPECT_EQ(port.openedPath, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(port.openedSettings.baud, 115200);
    EXPECT_EQ(port.openedSettings.dataBits, 8);
    EXPECT_EQ(port.openedSettings.stopBits, 1);
    EXPECT_EQ(port.openedSettings.parity, platform::Parity::None);
    EXPECT_EQ(shell.portText, QStringLiteral("COM4: 115200,n,8,1"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Ok);
    EXPECT_EQ(shell.graphicsLinkIcon, session::LinkIcon::Ok);

    ASSERT_EQ(dialogs.calls.size(), 1u);
    const auto& ask = dialogs.calls[0];
    EXPECT_EQ(ask.type, Type::Input);
    EXPECT_EQ(ask.title, QStringLiteral("Открыть СОМ-порт"));
    EXPECT_EQ(ask.prompt, QStringLiteral("ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"));
    EXPECT_EQ(ask.proposed, QStringLiteral("1"));
    EXPECT_EQ(ask.text,
              QStringLiteral("COM3:\t9600,n,8,1\t\t/dev/ttyS2\n"
                             "COM4:\t115200,n,8,1\t\tFT232R USB UART (FTDI) /dev/ttyUSB0\n"
                             "COM7:\t9600,n,8,1\t\t/dev/ttyS6\n"));
}

TEST_F(PortOpen, OpenedPortEnablesThePrinterCommandsForTheViewInFront) {
    dialogs.answer("3");
    session::openPort(ctx, lister);
    EXPECT_FALSE(shell.enabled(2));
    for (int id : {3, 12, 15, 17, 18, 19, 24, 25, 26, 28, 29, 51, 52, 53, 54, 55, 56, 60, 61})
        EXPECT_TRUE(shell.enabled(id)) << id;
    EXPECT_FALSE(shell.enabled(27));
    EXPECT_FALSE(shell.topEnabled[session::kTopMark]);
    EXPECT_TRUE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_TRUE(shell.topEnabled[session::kTopEditor]);
}

TEST_F(PortOpen, InTheMarkViewTheGraphicsTitlesStayGrey) {
    shell.activeView = session::View::Mark;
    dialogs.answer("3");
    session::openPort(ctx, lister);
    EXPECT_TRUE(shell.topEnabled[session::kTopMark]);
    EXPECT_FALSE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_FALSE(shell.topEnabled[session::kTopEditor]);
}

struct RejectedAnswer {
    const char* answer;
    const char* question;
};

class PortOpenRejects : public PortOpen, public ::testing::WithParamInterface<RejectedAnswer> {};

TEST_P(PortOpenRejects, AskAgainAndNoGivesUp) {
    dialogs.answer(GetParam().answer);
    dialogs.answer(platform::kNo);
    session::openPort(ctx, lister);
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.openCount, 0);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, questionTitle);
    EXPECT_EQ(dialogs.calls[1].text, QString::fromUtf8(GetParam().question));
    EXPECT_EQ(dialogs.calls[1].kind, 20);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, PortOpenRejects,
    ::testing::Values(RejectedAnswer{"5", "ПОРТ COM5 НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"04", "ПОРТ COM04 НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"0", "ПОРТ СОМ0 НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"300", "ПОРТ СОМ300 НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"abc", "ПОРТ СОМabc НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"COMX", "ПОРТ СОМX НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?"},
                      RejectedAnswer{"СОМ5", "ПОРТ COM5 НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?"}),
    [](const auto& info) { return testName(info.param.answer); });

TEST_F(PortOpen, YesAsksForTheNumberAgainWithTheSameList) {
    dialogs.answer("5");
    dialogs.answer(platform::kYes);
    dialogs.answer("7");
    session::openPort(ctx, lister);
    EXPECT_FALSE(conn.linkFailed());
    EXPECT_EQ(conn.portName, QStringLiteral("COM7"));
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[2].type, Type::Input);
    EXPECT_EQ(dialogs.calls[2].text, dialogs.calls[0].text);
}

TEST_F(PortOpen, CancelledDialogChangesNothingAndSaysNothing) {
    session::openPort(ctx, lister);
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Idle);
    EXPECT_EQ(port.openCount, 0);
}

TEST_F(PortOpen, AFolderLeftOutIsSaidInThePortList) {
    lister.problem = QStringLiteral("Папка виртуальных портов не используется: x.");
    session::openPort(ctx, lister);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.endsWith(
        QStringLiteral("/dev/ttyS6\nПапка виртуальных портов не используется: x.\n")));
    dialogs.calls.clear();
    lister.devices.clear();
    session::openPort(ctx, lister);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(
        dialogs.calls[0].text,
        QStringLiteral("  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  \n\rПапка виртуальных портов не "
                       "используется: x."));
}

TEST_F(PortOpen, NoDevicesGivesTheSystemMessage) {
    lister.devices.clear();
    session::openPort(ctx, lister);
    EXPECT_TRUE(conn.linkFailed());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("СООБЩЕНИЕ СИСТЕМЫ"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  "));
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Error);
    EXPECT_EQ(shell.graphicsLinkIcon, session::LinkIcon::Error);
}

struct FailureCase {
    platform::OpenError error;
    const char* detail;
    const char* text;
};

class PortOpenFails : public PortOpen, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(PortOpenFails, NamesThePortItsPathAndTheReason) {
    port.openResult = {GetParam().error, QString::fromUtf8(GetParam().detail)};
    dialogs.answer("4");
    session::openPort(ctx, lister);
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Error);
    EXPECT_TRUE(shell.enabled(2));
    EXPECT_FALSE(shell.enabled(55));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("СООБЩЕНИЕ СИСТЕМЫ"));
    EXPECT_EQ(dialogs.calls[1].kind, 16);
    EXPECT_EQ(dialogs.calls[1].text, QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, PortOpenFails,
    ::testing::Values(
        FailureCase{platform::OpenError::NotFound, "",
                    "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕ ОБНАРУЖЕН:\n\rустройство отсутствует или "
                    "отключено.\n\rВыберите другой порт."},
        FailureCase{platform::OpenError::Busy, "",
                    "COM-ПОРТ COM4 (/dev/ttyUSB0) ЗАНЯТ:\n\rпорт открыт другой программой.\n\r"
                    "Закройте её или выберите другой порт."},
        FailureCase{platform::OpenError::NoPermission, "uucp",
                    "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                    "устройства.\n\rДобавьте пользователя в группу 'uucp'\n\r(sudo usermod -aG "
                    "uucp $USER) и войдите в систему заново."},
        FailureCase{platform::OpenError::Other, "Input/output error",
                    "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕ ОТКРЫТ:\n\rInput/output error"}),
    [](const auto& info) {
        return testName(std::array{"None", "NotFound", "Busy", "NoPermission",
                                   "Other"}[static_cast<int>(info.param.error)]);
    });

TEST_F(PortOpen, ReconnectingClosesTheOpenPortFirst) {
    dialogs.answer("4");
    session::openPort(ctx, lister);
    ASSERT_TRUE(port.isOpen());
    std::vector<std::string> order;
    dialogs.answer("4");
    session::openPort(ctx, lister);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(port.openCount, 2);
    EXPECT_TRUE(port.isOpen());
    EXPECT_FALSE(conn.linkFailed());
}

TEST_F(PortOpen, CancelledReconnectKeepsTheOpenPort) {
    dialogs.answer("4");
    session::openPort(ctx, lister);
    session::openPort(ctx, lister);
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.closeCount, 0);
    EXPECT_EQ(shell.portText, QStringLiteral("COM4: 115200,n,8,1"));
}

TEST(PortList, LinesShorterThan22CharactersGetASecondTab) {
    EXPECT_EQ(link::portListLine({"COM3", "/dev/ttyS2", "9600,n,8,1", "Port"}),
              QStringLiteral("COM3:\t9600,n,8,1\t\tPort\n"));
    // "COM12:\t115200,n,8,1\t" is 20 characters.
    EXPECT_EQ(link::portListLine({"COM12", "/dev/x", "115200,n,8,1", "P"}),
              QStringLiteral("COM12:\t115200,n,8,1\t\tP\n"));
    // "COM123:\t1000000,n,8,1\t" is 22 characters.
    EXPECT_EQ(link::portListLine({"COM123", "/dev/x", "1000000,n,8,1", "P"}),
              QStringLiteral("COM123:\t1000000,n,8,1\tP\n"));
}

struct PortClose : PortOpen {
    void SetUp() override {
        PortOpen::SetUp();
        dialogs.answer("4");
        session::openPort(ctx, lister);
        shell.setSettingsEntries(true);
        dialogs.calls.clear();
    }
};

TEST_F(PortClose, ReturnsToTheNoPortState) {
    session::closePort(ctx);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Idle);
    EXPECT_TRUE(shell.enabled(2));
    for (int id :
         {3, 12, 15, 17, 18, 19, 24, 25, 26, 27, 28, 29, 50, 51, 52, 53, 54, 55, 56, 60, 61})
        EXPECT_FALSE(shell.enabled(id)) << id;
}

TEST_F(PortClose, WithoutAPortOnlyGreysTheSettingsAndShowsIdle) {
    session::closePort(ctx);
    shell.setLinkIcon(session::LinkIcon::Error);
    shell.enable({2}, false);
    session::closePort(ctx);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Idle);
    EXPECT_FALSE(shell.enabled(54));
    EXPECT_FALSE(shell.enabled(2)); // untouched
}

TEST_F(PortClose, LineSettingsReopenWithTheItemsText) {
    session::changeLineSettings(ctx, 110);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(port.openCount, 2);
    EXPECT_EQ(port.openedSettings.baud, 115200);
    EXPECT_EQ(shell.portText, QStringLiteral("COM4: 115200,n,8,1"));
    EXPECT_TRUE(shell.itemChecked[110]);
    EXPECT_FALSE(shell.itemChecked[116]);
    session::changeLineSettings(ctx, 116);
    EXPECT_EQ(port.openedSettings.baud, 9600);
    EXPECT_EQ(shell.portText, QStringLiteral("COM4: 9600,n,8,1"));
    EXPECT_TRUE(shell.itemChecked[116]);
    EXPECT_FALSE(shell.itemChecked[110]);
}

TEST_F(PortClose, FailedReopenSaysSoAndLeavesNoPortOpen) {
    port.openResult = {platform::OpenError::NotFound, {}};
    session::changeLineSettings(ctx, 110);
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_TRUE(shell.enabled(2));
    EXPECT_FALSE(shell.enabled(55));
    EXPECT_FALSE(shell.enabled(54));
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("СООБЩЕНИЕ СИСТЕМЫ"));
}

TEST(LineSettings, WithoutAPortNothingHappens) {
    nimbrel::testing::FakeClock clock;
    nimbrel::testing::FakeSerialPort port(clock);
    nimbrel::testing::ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    shell.itemChecked[110] = true;
    session::Context ctx{port, clock, dialogs, conn, shell};
    session::changeLineSettings(ctx, 116);
    EXPECT_EQ(port.openCount, 0);
    EXPECT_TRUE(shell.itemChecked[110]);
    EXPECT_FALSE(shell.itemChecked[116]);
    EXPECT_EQ(conn.settingsText, QStringLiteral(": baud=115200 parity=N Data=8 stop=1"));
}

TEST_F(PortOpen, ConnectionCheckMessage) {
    session::showConnectionCheck(ctx);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Соединение с Маркиратором не установлено!\n\rНЕ ВЫПОЛНЕНА "
                             "ИНИЦИАЛИЗАЦИЯ COM-ПОРТА:\n\r'Функции' >> 'Подключение' >> "
                             "'Открыть СОМ-порт'"));
}

} // namespace
