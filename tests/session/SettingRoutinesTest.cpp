#include "PrinterFixture.h"
#include "TestNames.h"
#include "platform/NumberText.h"
#include "session/PrinterRoutines.h"

#include <optional>

namespace nimbrel::testing {
namespace {

using session::LinkIcon;
using Icons = std::vector<LinkIcon>;
using Type = ScriptedDialogs::Type;
using Bytes = std::vector<QByteArray>;

constexpr int kYes = 6;
constexpr int kNo = 7;
constexpr int kCancel = 2;

class ClockCommandTest : public PrinterFixture {
protected:
    QString clockTitle() const { return u(u"Установка Часов Маркиратора"); }
    QString clockPrompt() const {
        return u(u"Введите дату и время в формате\n\r     'ДДММГГ ЧЧММСС'");
    }
};

TEST_F(ClockCommandTest, YesSendsPcDateThenTime50msApart) {
    clock.setStart(QDateTime(QDate(2019, 12, 31), QTime(23, 59, 59)));
    dialogs.answer(kYes);
    port.onWrite = [this](const QByteArray&) { EXPECT_TRUE(shell.talking); };
    session::setPrinterClock(ctx);
    EXPECT_FALSE(shell.talking);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Message);
    EXPECT_EQ(dialogs.calls[0].title, clockTitle());
    EXPECT_EQ(dialogs.calls[0].kind, 3);
    EXPECT_EQ(dialogs.calls[0].text,
              u(u"Установить время по Компьютеру?\n\rДата:  31.12.2019\tВремя:  23:59:59"));
    EXPECT_EQ(written(), (Bytes{QByteArray("\x1A\x44"
                                           "311219\x0E"),
                                QByteArray("\x1A\x54"
                                           "235959\x0E")}));
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_EQ(port.writes[1].atMs - port.writes[0].atMs, 50);
    EXPECT_EQ(clock.sleeps, std::vector<int>{50});
    EXPECT_EQ(icons, Icons{LinkIcon::Ok});
    EXPECT_EQ(port.readCount, 0);
}

// The question may stay open for a while: the printer gets the time it is when the commands
// go out, one instant for both.
TEST_F(ClockCommandTest, YesSendsTheClockAtWritingTime) {
    clock.setStart(QDateTime(QDate(2019, 12, 31), QTime(23, 59, 58)));
    SlowUserDialogs slow(dialogs, clock, 3000);
    session::Context slowCtx{port, clock, slow, conn, shell};
    dialogs.answer(kYes);
    session::setPrinterClock(slowCtx);
    EXPECT_EQ(dialogs.calls[0].text,
              u(u"Установить время по Компьютеру?\n\rДата:  31.12.2019\tВремя:  23:59:58"));
    EXPECT_EQ(written(), (Bytes{QByteArray("\x1A\x44"
                                           "010120\x0E"),
                                QByteArray("\x1A\x54"
                                           "000001\x0E")}));
}

TEST_F(ClockCommandTest, CancelSendsNothing) {
    session::setPrinterClock(ctx);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(icons.empty());
}

TEST_F(ClockCommandTest, TypedThirteenCharactersSent) {
    dialogs.answer(kNo);
    dialogs.answer("010120 120000");
    session::setPrinterClock(ctx);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].type, Type::Question);
    EXPECT_EQ(dialogs.calls[1].title, clockTitle());
    EXPECT_EQ(dialogs.calls[1].prompt, clockPrompt());
    EXPECT_EQ(dialogs.calls[1].proposed, QStringLiteral("310519 140509"));
    EXPECT_EQ(written(), (Bytes{QByteArray("\x1A\x44"
                                           "010120\x0E"),
                                QByteArray("\x1A\x54"
                                           "120000\x0E")}));
    EXPECT_EQ(clock.sleeps, std::vector<int>{50});
}

TEST_F(ClockCommandTest, TypedNonsenseOfRightLengthSentUnchanged) {
    dialogs.answer(kNo);
    dialogs.answer("320519-256199");
    session::setPrinterClock(ctx);
    EXPECT_EQ(written(), (Bytes{QByteArray("\x1A\x44"
                                           "320519\x0E"),
                                QByteArray("\x1A\x54"
                                           "256199\x0E")}));
}

TEST_F(ClockCommandTest, WrongLengthAsksAgainWithFreshProposal) {
    SlowUserDialogs slow(dialogs, clock, 2000);
    session::Context slowCtx{port, clock, slow, conn, shell};
    dialogs.answer(kNo);
    dialogs.answer("010120120000");
    dialogs.answer(kYes);
    dialogs.answer("010120 120000");
    session::setPrinterClock(slowCtx);
    ASSERT_EQ(dialogs.calls.size(), 4u);
    EXPECT_EQ(dialogs.calls[1].proposed, QStringLiteral("310519 140511"));
    EXPECT_EQ(dialogs.calls[2].type, Type::Message);
    EXPECT_EQ(dialogs.calls[2].title, u(u"ОШИБКА"));
    EXPECT_EQ(dialogs.calls[2].kind, 20);
    EXPECT_EQ(dialogs.calls[2].text,
              u(u"НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ!\n\rПовторить ввод даты+времени?"));
    EXPECT_EQ(dialogs.calls[3].type, Type::Question);
    EXPECT_EQ(dialogs.calls[3].proposed, QStringLiteral("310519 140515"));
    EXPECT_EQ(port.writes.size(), 2u);
}

TEST_F(ClockCommandTest, WrongLengthThenNoSendsNothing) {
    dialogs.answer(kNo);
    dialogs.answer("010120120000");
    dialogs.answer(kNo);
    session::setPrinterClock(ctx);
    EXPECT_EQ(dialogs.calls.size(), 3u);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(ClockCommandTest, EmptyTypedAnswerEnds) {
    dialogs.answer(kNo);
    session::setPrinterClock(ctx);
    EXPECT_EQ(dialogs.calls.size(), 2u);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(ClockCommandTest, RefusedDateWriteSkipsTime) {
    port.failWrites = true;
    dialogs.answer(kYes);
    session::setPrinterClock(ctx);
    EXPECT_TRUE(clock.sleeps.empty());
    EXPECT_EQ(icons, (Icons{LinkIcon::Ok, LinkIcon::Error}));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages().back().text, u(u"Ошибка записи данных в порт COM3!"));
    EXPECT_TRUE(conn.linkFailed());
}

TEST_F(ClockCommandTest, RefusedTimeWriteShowsError) {
    port.onWrite = [this](const QByteArray&) { port.failWrites = true; };
    dialogs.answer(kYes);
    session::setPrinterClock(ctx);
    EXPECT_EQ(written(), Bytes{QByteArray("\x1A\x44"
                                          "310519\x0E")});
    EXPECT_EQ(clock.sleeps, std::vector<int>{50});
    EXPECT_EQ(icons, (Icons{LinkIcon::Ok, LinkIcon::Error}));
}

class DateOffsetTest : public PrinterFixture {
protected:
    void expectRequester(const ScriptedDialogs::Call& call) {
        EXPECT_EQ(call.type, Type::Requester);
        EXPECT_EQ(call.title, u(u"Установка Смещения Даты (ПостДата)"));
        EXPECT_EQ(call.prompt, u(u"Введите смещение даты в днях (0..9999)"));
        EXPECT_EQ(call.proposed, QString());
    }
    void expectPostDate(const ScriptedDialogs::Call& call, const char* date) {
        EXPECT_EQ(call.type, Type::Message);
        EXPECT_EQ(call.title, u(u"СМЕЩЕНИЕ ДАТЫ"));
        EXPECT_EQ(call.kind, 35);
        EXPECT_EQ(call.text, u(u"УСТАНОВИТЬ ПОСТ-ДАТУ:  ") + QString::fromLatin1(date) +
                                 u(u" ?\n\r('нет'- повторить ввод, 'выход'- отмена)"));
    }
    void expectFormatError(const ScriptedDialogs::Call& call) {
        EXPECT_EQ(call.type, Type::Message);
        EXPECT_EQ(call.title, u(u"ОШИБКА"));
        EXPECT_EQ(call.kind, 20);
        EXPECT_EQ(call.text, u(u"НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ!\n\rПовторить ввод?"));
    }
};

TEST_F(DateOffsetTest, SevenDays) {
    dialogs.answer("7");
    dialogs.answer(kYes);
    port.onWrite = [this](const QByteArray&) { EXPECT_TRUE(shell.talking); };
    session::setDateOffset(ctx);
    EXPECT_FALSE(shell.talking);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    expectRequester(dialogs.calls[0]);
    expectPostDate(dialogs.calls[1], "07.06.2019");
    EXPECT_EQ(written(), Bytes{QByteArray("\x1D\x44\x30\x30\x30\x37\x0E")});
    EXPECT_EQ(icons, Icons{LinkIcon::Ok});
    EXPECT_EQ(port.readCount, 0);
}

struct OffsetCase {
    const char* typed;
    const char* postDate;
    QByteArray command;
};

void PrintTo(const OffsetCase& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class AcceptedOffsetTest : public DateOffsetTest,
                           public ::testing::WithParamInterface<OffsetCase> {};

TEST_P(AcceptedOffsetTest, SendsFourDigits) {
    const auto& c = GetParam();
    clock.setStart(QDateTime(QDate(2019, 12, 31), QTime(23, 0, 0)));
    dialogs.answer(c.typed);
    dialogs.answer(kYes);
    session::setDateOffset(ctx);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    expectPostDate(dialogs.calls[1], c.postDate);
    EXPECT_EQ(written(), Bytes{c.command});
}

INSTANTIATE_TEST_SUITE_P(Offsets, AcceptedOffsetTest,
                         ::testing::Values(OffsetCase{"0", "31.12.2019",
                                                      QByteArray("\x1D\x44"
                                                                 "0000\x0E")},
                                           OffsetCase{"", "31.12.2019",
                                                      QByteArray("\x1D\x44"
                                                                 "0000\x0E")},
                                           OffsetCase{"1", "01.01.2020",
                                                      QByteArray("\x1D\x44"
                                                                 "0001\x0E")},
                                           OffsetCase{"9999", "17.05.2047",
                                                      QByteArray("\x1D\x44"
                                                                 "9999\x0E")},
                                           OffsetCase{" +30 days", "30.01.2020",
                                                      QByteArray("\x1D\x44"
                                                                 "0030\x0E")},
                                           OffsetCase{"$10", "16.01.2020",
                                                      QByteArray("\x1D\x44"
                                                                 "0016\x0E")}),
                         [](const auto& info) { return testName(info.param.typed); });

class RejectedOffsetTest : public DateOffsetTest,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(RejectedOffsetTest, AsksAgainThenGivesUp) {
    dialogs.answer(GetParam());
    dialogs.answer(kYes);
    dialogs.answer(GetParam());
    dialogs.answer(kNo);
    session::setDateOffset(ctx);
    ASSERT_EQ(dialogs.calls.size(), 4u);
    expectRequester(dialogs.calls[0]);
    expectFormatError(dialogs.calls[1]);
    expectRequester(dialogs.calls[2]);
    expectFormatError(dialogs.calls[3]);
    EXPECT_TRUE(port.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(Offsets, RejectedOffsetTest,
                         ::testing::Values("10000", "-1", "99999999999999999999"),
                         [](const auto& info) { return testName(info.param); });

TEST_F(DateOffsetTest, NoToPostDateAsksAgain) {
    dialogs.answer("5");
    dialogs.answer(kNo);
    dialogs.answer("6");
    dialogs.answer(kYes);
    session::setDateOffset(ctx);
    ASSERT_EQ(dialogs.calls.size(), 4u);
    expectRequester(dialogs.calls[0]);
    expectPostDate(dialogs.calls[1], "05.06.2019");
    expectRequester(dialogs.calls[2]);
    expectPostDate(dialogs.calls[3], "06.06.2019");
    EXPECT_EQ(written(), Bytes{QByteArray("\x1D\x44"
                                          "0006\x0E")});
}

TEST_F(DateOffsetTest, CancelAtPostDateSendsNothing) {
    dialogs.answer("5");
    dialogs.answer(kCancel);
    session::setDateOffset(ctx);
    EXPECT_EQ(dialogs.calls.size(), 2u);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_TRUE(icons.empty());
}

// The date shown is today's when it is shown, even if the requester was open over midnight.
TEST_F(DateOffsetTest, PostDateFromTheClockWhenShown) {
    clock.setStart(QDateTime(QDate(2019, 12, 31), QTime(23, 59, 59)));
    SlowUserDialogs slow(dialogs, clock, 5000);
    session::Context slowCtx{port, clock, slow, conn, shell};
    dialogs.answer("1");
    dialogs.answer(kYes);
    session::setDateOffset(slowCtx);
    expectPostDate(dialogs.calls[1], "02.01.2020");
}

TEST_F(DateOffsetTest, RefusedWriteIsAnError) {
    port.failWrites = true;
    dialogs.answer("3");
    dialogs.answer(kYes);
    session::setDateOffset(ctx);
    EXPECT_EQ(icons, (Icons{LinkIcon::Ok, LinkIcon::Error}));
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages().back().text, u(u"Ошибка записи данных в порт COM3!"));
    EXPECT_TRUE(conn.linkFailed());
}

class LineCountTest : public PrinterFixture {
protected:
    void expectQuestion(const ScriptedDialogs::Call& call, const char* model, const char* limit,
                        const char* proposed) {
        EXPECT_EQ(call.type, Type::Question);
        EXPECT_EQ(call.title, u(u"НАСТРОЙКА МАРКИРАТОРА  ") + QString::fromLatin1(model));
        EXPECT_EQ(call.prompt,
                  u(u"Введите Число Строк Печати (1..") + QString::fromLatin1(limit) + ")");
        EXPECT_EQ(call.proposed, QString::fromLatin1(proposed));
    }
    void expectRangeError(const ScriptedDialogs::Call& call) {
        EXPECT_EQ(call.type, Type::Message);
        EXPECT_EQ(call.title, u(u"ОШИБКА"));
        EXPECT_EQ(call.kind, 20);
        EXPECT_EQ(call.text, u(u"НЕРЕАЛЬНОЕ ЧИСЛО СТРОК!\n\rПовторить ввод?"));
    }
    // A printer that keeps the number it is sent (or `reports`) and tells it when asked again.
    void keepsTheNumber(std::optional<int> reports = std::nullopt) {
        port.onWrite = [this, reports](const QByteArray& b) {
            EXPECT_TRUE(shell.talking);
            if (b.startsWith("\x0C\x53"))
                kept = reports.value_or(
                    platform::parseWholeNumber(QString::fromLatin1(b.mid(2, b.size() - 3))));
            else if (kept && b == QByteArray("\x11\x53\x0E"))
                port.schedule(bytes({0x53, *kept}), clock.elapsedMs() + 2);
        };
    }
    static Bytes setAndCheck(const QByteArray& typed) {
        return {QByteArray("\x11\x53\x0E"), QByteArray("\x0C\x53") + typed + "\x0E",
                QByteArray("\x11\x53\x0E")};
    }
    std::optional<int> kept;
};

TEST_F(LineCountTest, TwoOnT936) {
    conn.printerModel = QStringLiteral("T936");
    port.queueReply(bytes({0x53, 1}));
    dialogs.answer("2");
    keepsTheNumber();
    session::setLineCount(ctx);
    EXPECT_FALSE(shell.talking);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    expectQuestion(dialogs.calls[0], "T936", "2", "1");
    EXPECT_EQ(written(), setAndCheck("\x32"));
    EXPECT_TRUE(icons.empty());
}

TEST_F(LineCountTest, DefaultAnswerNotLimitedByModel) {
    conn.printerModel = QStringLiteral("T936");
    port.queueReply(bytes({0x53, 3}));
    session::setLineCount(ctx);
    expectQuestion(dialogs.calls[0], "T936", "2", "3");
    EXPECT_EQ(port.writes.size(), 1u);
}

TEST_F(LineCountTest, UnknownCurrentNumberOffersQuestionMark) {
    for (int byte : {0, 5, 0x80, 0xFF}) {
        dialogs.calls.clear();
        port.queueReply(bytes({0x53, byte}));
        session::setLineCount(ctx);
        expectQuestion(dialogs.calls[0], "T260", "4", "?");
    }
}

TEST_F(LineCountTest, FailedReadStillAsksWithEmptyDefault) {
    port.queueSilence();
    dialogs.answer("1");
    keepsTheNumber();
    session::setLineCount(ctx);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].title, u(u"ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].text, readError());
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    expectQuestion(dialogs.calls[1], "T260", "4", "");
    EXPECT_EQ(written(), setAndCheck("\x31"));
}

TEST_F(LineCountTest, TypedTextSentAsTyped) {
    conn.printerModel = QStringLiteral("T75Z");
    port.queueReply(bytes({0x53, 2}));
    dialogs.answer(" 2");
    keepsTheNumber();
    session::setLineCount(ctx);
    EXPECT_EQ(written(), setAndCheck("\x20\x32"));
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LineCountTest, CancelSendsNothingMore) {
    port.queueReply(bytes({0x53, 2}));
    session::setLineCount(ctx);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(written(), Bytes{QByteArray("\x11\x53\x0E")});
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(LineCountTest, RejectedAsksAgainWithSameDefault) {
    conn.printerModel = QStringLiteral("T960");
    port.queueReply(bytes({0x53, 1}));
    dialogs.answer("3");
    dialogs.answer(kYes);
    dialogs.answer("2");
    keepsTheNumber();
    session::setLineCount(ctx);
    ASSERT_EQ(dialogs.calls.size(), 3u);
    expectQuestion(dialogs.calls[0], "T960", "2", "1");
    expectRangeError(dialogs.calls[1]);
    expectQuestion(dialogs.calls[2], "T960", "2", "1");
    EXPECT_EQ(written(), setAndCheck("\x32"));
}

// Set, then proven by reading the number back: a refused write, a printer that keeps another
// number, and one that does not answer the check read are told apart.
TEST_F(LineCountTest, WriteIsCheckedByReadingBack) {
    port.queueReply(bytes({0x53, 2}));
    port.onWrite = [this](const QByteArray&) { port.failWrites = true; };
    dialogs.answer("4");
    session::setLineCount(ctx);
    EXPECT_EQ(icons, Icons{LinkIcon::Error});
    EXPECT_EQ(dialogs.messages().back().text, u(u"Ошибка записи данных в порт COM3!"));

    port.failWrites = false;
    port.queueReply(bytes({0x53, 2}));
    keepsTheNumber(1);
    dialogs.answer("4");
    session::setLineCount(ctx);
    EXPECT_EQ(dialogs.messages().back().text,
              u(u"Число строк печати не установлено: Маркиратор сообщает 1."));

    kept.reset();
    port.onWrite = nullptr;
    port.queueReply(bytes({0x53, 2}));
    dialogs.answer("4");
    session::setLineCount(ctx);
    EXPECT_EQ(dialogs.messages().back().text,
              u(u"Число строк печати отправлено, но проверить его не удалось: Маркиратор не "
                u"ответил на чтение."));
    EXPECT_EQ(icons.back(), LinkIcon::Error);
}

struct LimitCase {
    const char* model;
    const char* typed;
    bool accepted;
};

void PrintTo(const LimitCase& c, std::ostream* os) {
    *os << c.model << " \"" << c.typed << '"';
}

class LineLimitTest : public LineCountTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(LineLimitTest, ModelLimit) {
    const auto& c = GetParam();
    conn.printerModel = QString::fromLatin1(c.model);
    port.queueReply(bytes({0x53, 1}));
    dialogs.answer(c.typed);
    keepsTheNumber();
    session::setLineCount(ctx);
    if (c.accepted) {
        EXPECT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(written(), setAndCheck(QByteArray(c.typed)));
    } else {
        ASSERT_EQ(dialogs.calls.size(), 2u);
        expectRangeError(dialogs.calls[1]);
        EXPECT_EQ(written(), Bytes{QByteArray("\x11\x53\x0E")});
    }
}

INSTANTIATE_TEST_SUITE_P(
    Limits, LineLimitTest,
    ::testing::Values(LimitCase{"T260", "1", true}, LimitCase{"T260", "2", true},
                      LimitCase{"T260", "3", true}, LimitCase{"T260", "4", true},
                      LimitCase{"T260", "5", false}, LimitCase{"T260", "0", false},
                      LimitCase{"T260", "-1", false}, LimitCase{"T260", "abc", false},
                      LimitCase{"T260", "$4", true}, LimitCase{"T260", "%11", true},
                      LimitCase{"T236", "2", true}, LimitCase{"T236", "3", false},
                      LimitCase{"T936", "1", true}, LimitCase{"T936", "3", false},
                      LimitCase{"T93Z", "4", false}, LimitCase{"T75Z", "\t+2x", true}),
    [](const auto& info) { return testName(info.param.model, info.param.typed); });

} // namespace
} // namespace nimbrel::testing
