#include "session/PrinterRoutines.h"
#include "PrinterFixture.h"
#include "TestNames.h"
#include "printer/Counters.h"
#include "printer/PrinterOperations.h"

namespace nimbrel::testing {
namespace {

using session::LinkIcon;
using Icons = std::vector<LinkIcon>;

// The counter commands as their rows of the command table make them.
void showWorkingHours(session::Context& ctx) {
    session::showQuery(ctx, printer::readWorkingHours, printer::workingHoursText);
}
void showPrintedCount(session::Context& ctx) {
    session::showQuery(ctx, printer::readPrintedCount, printer::printedCountText);
}

class InfoCommandsTest : public PrinterFixture {
protected:
    void expectOneReport(const QString& text) {
        const auto shown = dialogs.messages();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, u(u"Информация Системы Печати"));
        EXPECT_EQ(shown[0].kind, 64);
        expectSameText(shown[0].text, text);
    }
    void expectReadErrors(std::size_t count) {
        const auto shown = dialogs.messages();
        ASSERT_EQ(shown.size(), count);
        for (const auto& m : shown) {
            EXPECT_EQ(m.title, u(u"ОШИБКА"));
            EXPECT_EQ(m.text, readError());
            EXPECT_EQ(m.kind, 16);
        }
    }
};

TEST_F(InfoCommandsTest, VersionSetsModelUpperCase) {
    port.queueReply(QByteArray("\x06t236 v1.07\0", 12));
    session::showVersion(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x11\x69\x0E")});
    EXPECT_EQ(conn.printerModel, QStringLiteral("T236"));
    expectOneReport(u(u"Версия Программы Системы Печати:\n\r't236 v1.07'"));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    EXPECT_FALSE(conn.linkFailed());
}

// A model code of the printer's own is taken; a text that pauses before its end byte is not cut.
TEST_F(InfoCommandsTest, VersionOfAnUnknownModelAcrossAPause) {
    port.queueReply(QByteArray("\x06T980 v"), 2);
    port.schedule(QByteArray("1.00\0", 5), 8);
    session::showVersion(ctx);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T980"));
    expectOneReport(u(u"Версия Программы Системы Печати:\n\r'T980 v1.00'"));
}

TEST_F(InfoCommandsTest, EmptyVersionKeepsModel) {
    conn.printerModel = QStringLiteral("T936");
    port.queueReply(QByteArray("\0T760 v2", 8));
    session::showVersion(ctx);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T936"));
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"ОШИБКА"));
    EXPECT_EQ(shown[0].kind, 16);
    EXPECT_EQ(shown[0].text, u(u"Ошибка при чтении данных из Маркиратора (COM3)!\n\r"
                               u"(возможно Маркиратор не включен или не подключен)"));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_TRUE(conn.linkFailed());
}

TEST_F(InfoCommandsTest, VersionWithoutReplyKeepsModel) {
    port.queueSilence();
    session::showVersion(ctx);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T260"));
    expectReadErrors(1);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(port.readCount, 0);
}

TEST_F(InfoCommandsTest, VersionWriteRefused) {
    port.failWrites = true;
    session::showVersion(ctx);
    expectReadErrors(1);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T260"));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
}

// A reply that arrives after its exchange failed must not pass for the next one's.
TEST_F(InfoCommandsTest, LateReplyIsNotTakenForTheNext) {
    port.queueSilence();
    session::showVersion(ctx);
    port.schedule(QByteArray("\x06T999 late"), clock.elapsedMs() + 1);
    clock.advance(20);
    port.queueReply(QByteArray("\x06T760 v2"));
    dialogs.calls.clear();
    session::showVersion(ctx);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T760"));
    expectOneReport(u(u"Версия Программы Системы Печати:\n\r'T760 v2'"));
}

struct CounterCase {
    const char* name;
    void (*run)(session::Context&);
    QByteArray command;
    QByteArray reply;
    const char16_t* text;
};

class CounterCommandTest : public InfoCommandsTest,
                           public ::testing::WithParamInterface<CounterCase> {};

TEST_P(CounterCommandTest, ShowsCounter) {
    const auto& c = GetParam();
    port.queueReply(c.reply);
    c.run(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{c.command});
    expectOneReport(u(c.text));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
}

TEST_P(CounterCommandTest, FailedExchangeShowsOnlyTheError) {
    port.queueSilence();
    GetParam().run(ctx);
    expectReadErrors(1);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
}

INSTANTIATE_TEST_SUITE_P(
    Counters, CounterCommandTest,
    ::testing::Values(
        CounterCase{"Hours", showWorkingHours, QByteArray("\x11\x77\x0E"),
                    bytes({0x06, 0, 1, 23, 45}), u"  Маркиратор отработал 1234.5 часов. "},
        CounterCase{"Marks", showPrintedCount, QByteArray("\x11\x6D\x0E"),
                    bytes({0x06, 0, 0, 0, 0, 1, 5}), u"  Маркиратор отпечатал 105 марок. "},
        CounterCase{"MarksBadDigit", showPrintedCount, QByteArray("\x11\x6D\x0E"),
                    bytes({0x06, 0, 0, 0, 0, 0, 0xC8}), u"  Маркиратор отпечатал ?? марок. "}),
    [](const auto& info) { return std::string(info.param.name); });

// More than the buffer holds: a failed read, and the excess is dropped, not left for the next
// command.
TEST_F(InfoCommandsTest, OversizedCounterReplyIsDrained) {
    QByteArray big(9000, '\x63');
    big[0] = 0x06;
    port.queueReply(big);
    showPrintedCount(ctx);
    port.queueReply(bytes({0x06, 0, 0, 7, 0}));
    showWorkingHours(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u(u"  Маркиратор отпечатал 999999999999 марок. "));
    EXPECT_EQ(shown[1].text, u(u"  Маркиратор отработал 70.0 часов. "));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

TEST_F(InfoCommandsTest, SettingsReportFollowsModelAndXpFlag) {
    conn.printerModel = QStringLiteral("T93Z");
    shell.xpLayoutFlag = 1;
    QByteArray reply(73, '\x01');
    port.queueReply(reply);
    session::showSettingsReport(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x11\x5C\x0E")});
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"Информация Системы Печати"));
    EXPECT_EQ(shown[0].kind, 64);
    EXPECT_TRUE(shown[0].text.startsWith(u(u"УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T93Z ) :\r\n\n"
                                           u"Интервал Автопечати по времени, мс\t\t2570\n\r")));
    EXPECT_TRUE(shown[0].text.contains(u(u"\n\rВертикальный размер Марки:\t\t1/1/1/1/1/1\n\r")));
    EXPECT_TRUE(shown[0].text.endsWith(u(u"\n\rИнтервал Автопечати, импульсов\t\t257")));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

TEST_F(InfoCommandsTest, SettingsReportT2xLayoutForT236) {
    conn.printerModel = QStringLiteral("T236");
    QByteArray reply(47, '\0');
    reply[0] = 0x06;
    port.queueReply(reply);
    session::showSettingsReport(ctx);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].text.startsWith(u(u"УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T236 ) :\r\n\n")));
    EXPECT_TRUE(shown[0].text.contains(u(u"\n\rИнтервал Автопечати (тахоимпульсы)\t0\n\r")));
}

TEST_F(InfoCommandsTest, SettingsReportFailedExchange) {
    port.queueSilence();
    session::showSettingsReport(ctx);
    expectReadErrors(1);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
    EXPECT_EQ(port.readCount, 0);
}

TEST_F(InfoCommandsTest, PrintModeReport) {
    shell.xpLayoutFlag = 1;
    port.queueReply(bytes({0x4D, 0x80}));
    session::showPrintModeReport(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x11\x4D\x0E")});
    expectOneReport(u(u"ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n"
                      u"Коррекция вертикальных линий\tДА\n\r"
                      u"Реверс печати\t\t\tнет\n\r"
                      u"Вертикальный переворот\t\tнет\n\r"
                      u"Автоповтор Печати Марки\t\tнет\n\r"
                      u"Синхронизация от ТахоДатчика\tнет\n\r"
                      u"Задержка от ТахоДатчика\t\tнет\n\r"
                      u"АвтоУстановка Порога Теста\tДА\n\r"
                      u"Автоматическое Фазирование\tДА  \n\r"));
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Ok}));
}

TEST_F(InfoCommandsTest, PrintModeReportFailedExchange) {
    port.queueSilence();
    session::showPrintModeReport(ctx);
    expectReadErrors(1);
    EXPECT_EQ(icons, (Icons{LinkIcon::Busy, LinkIcon::Error}));
}

TEST_F(InfoCommandsTest, MarkAreaReportWithoutIcons) {
    shell.xpLayoutFlag = 1;
    QByteArray reply(85, 'Y');
    port.queueReply(reply);
    session::showMarkAreaReport(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x0F\x78\x0E")});
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"Информация Системы Печати"));
    EXPECT_EQ(shown[0].kind, 64);
    EXPECT_TRUE(shown[0].text.startsWith(u(u"ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:\r\n\n"
                                           u"--    01   02   03   04   05   06   07   08   09   "
                                           u"\t| 00:09\n\r")));
    EXPECT_TRUE(
        shown[0].text.endsWith(u(u"\n\r80   81   82   83   84   85   \t\t\t| 80:85   \n\r")));
    EXPECT_TRUE(icons.empty());
}

TEST_F(InfoCommandsTest, LogoAreaReport) {
    QByteArray reply(128, 'Y');
    reply[0] = 'N';
    port.queueReply(reply);
    session::showLogoAreaReport(ctx);
    EXPECT_EQ(written(), std::vector<QByteArray>{QByteArray("\x0F\x61\x0E")});
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, 64);
    EXPECT_TRUE(shown[0].text.startsWith(u(u"ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:\r\n\n"
                                           u"---  001 002 003 004 005 006 007   | 000:007\n\r")));
    EXPECT_TRUE(icons.empty());
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

// A report is built from the whole reply of its known length, never from part of one (a cut
// line) or more than one (a late reply run into the next): one byte short or one byte over is
// the read error and no report.
// The area reports repeat the transaction's message after it.
class AreaFailureTest : public InfoCommandsTest,
                        public ::testing::WithParamInterface<void (*)(session::Context&)> {};

TEST_P(AreaFailureTest, ShowsErrorTwice) {
    port.queueSilence();
    GetParam()(ctx);
    expectReadErrors(2);
    EXPECT_EQ(icons, (Icons{LinkIcon::Error}));
    EXPECT_TRUE(conn.linkFailed());
    EXPECT_EQ(port.readCount, 0);
}

INSTANTIATE_TEST_SUITE_P(Areas, AreaFailureTest,
                         ::testing::Values(session::showMarkAreaReport,
                                           session::showLogoAreaReport),
                         [](const auto& info) {
                             return std::string(
                                 info.param == session::showMarkAreaReport ? "Marks" : "Logos");
                         });

} // namespace
} // namespace nimbrel::testing
