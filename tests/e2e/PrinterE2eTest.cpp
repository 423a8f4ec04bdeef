#include "E2eFixture.h"

#include <QThread>

using namespace nimbrel;
using nimbrel::testing::E2eFixture;
using Type = nimbrel::testing::ScriptedDialogs::Type;

namespace {

const QString kInfoTitle = QStringLiteral("Информация Системы Печати");

struct Printer : E2eFixture {
    QString errorText() const {
        return QStringLiteral("Ошибка при чтении данных из Маркиратора (") + portName(*sim) +
               QStringLiteral(")!");
    }
    const nimbrel::testing::ScriptedDialogs::Call& run(int id) {
        dialogs.calls.clear();
        dispatcher.dispatch(id);
        EXPECT_FALSE(dialogs.calls.empty()) << "command " << id << " showed nothing";
        return dialogs.calls.back();
    }
};

TEST_F(Printer, ConnectReadsTheVersionAndTheModel) {
    startConnected({"--model", "T936"});
    EXPECT_EQ(session.conn.printerModel, QStringLiteral("T936"));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
    const auto& version = lastMessage();
    EXPECT_EQ(version.title, kInfoTitle);
    EXPECT_EQ(version.kind, 64);
    EXPECT_TRUE(
        version.text.startsWith(QStringLiteral("Версия Программы Системы Печати:\n\r'T936")))
        << version.text.toStdString();
    EXPECT_TRUE(version.text.endsWith(QLatin1Char('\'')));
}

TEST_F(Printer, EveryInformationCommandAnswers) {
    startConnected({"--model", "T93Z"});
    EXPECT_TRUE(run(60).text.startsWith(QStringLiteral("  Маркиратор отработал ")));
    EXPECT_TRUE(lastMessage().text.endsWith(QStringLiteral(" часов. ")));
    EXPECT_TRUE(run(61).text.startsWith(QStringLiteral("  Маркиратор отпечатал ")));
    EXPECT_TRUE(run(53).text.startsWith(QStringLiteral("ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n")));
    EXPECT_TRUE(
        run(19).text.startsWith(QStringLiteral("ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:\r\n\n")));
    EXPECT_TRUE(run(24).text.startsWith(
        QStringLiteral("ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:\r\n\n")));
    const auto& report = run(session::kCmdSettingsReport);
    EXPECT_EQ(report.title, kInfoTitle);
    EXPECT_TRUE(report.text.startsWith(QStringLiteral("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T93Z ) :\r\n\n")));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Уставки групповой печати:\n\r")));
    // T93Z lists six values in the vertical-size list.
    const int at = report.text.indexOf(QStringLiteral("Вертикальный размер Марки:\t\t"));
    ASSERT_GE(at, 0);
    const QString line = report.text.mid(at).section(QStringLiteral("\n\r"), 0, 0);
    EXPECT_EQ(line.count(QLatin1Char('/')), 5) << line.toStdString();
    for (const auto& c : dialogs.calls)
        EXPECT_NE(c.title, QStringLiteral("ОШИБКА")) << c.text.toStdString();
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
}

TEST_F(Printer, DateOffsetShowsInTheSettingsReport) {
    startConnected({"--model", "T260"});
    dialogs.answer("30");
    dialogs.answer(platform::kYes);
    dispatcher.dispatch(51);
    const auto& report = run(55);
    EXPECT_TRUE(report.text.contains(QStringLiteral("Смещение Даты, дней\t\t30\n\r")))
        << report.text.toStdString();
}

TEST_F(Printer, NumberOfLinesIsSetAndReadBack) {
    startConnected({"--model", "T260"});
    dialogs.answer("3");
    dispatcher.dispatch(52);
    dialogs.calls.clear();
    dispatcher.dispatch(52); // cancelled: only shows the current number
    ASSERT_FALSE(dialogs.calls.empty());
    EXPECT_EQ(dialogs.calls[0].type, Type::Question);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("НАСТРОЙКА МАРКИРАТОРА  T260"));
    EXPECT_EQ(dialogs.calls[0].proposed, QStringLiteral("3"));
}

TEST_F(Printer, ClockIsSetWithoutAnyMessage) {
    startConnected({"--model", "T736"});
    dialogs.calls.clear();
    dialogs.answer(platform::kYes);
    dispatcher.dispatch(50);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Установка Часов Маркиратора"));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
    // The printer still answers afterwards.
    EXPECT_EQ(run(54).title, kInfoTitle);
}

TEST_F(Printer, NoReplyGivesTheMessageAndTheProgramStaysUsable) {
    startConnected({"--model", "T936", "--fault", "no-reply@w"});
    const auto& failed = run(60);
    EXPECT_EQ(failed.title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(failed.text, errorText());
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Error);
    EXPECT_EQ(session.shell.graphicsLinkIcon, session::LinkIcon::Error);
    EXPECT_TRUE(session.conn.linkFailed());

    EXPECT_TRUE(run(61).text.startsWith(QStringLiteral("  Маркиратор отпечатал ")));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
}

TEST_F(Printer, LateReplyIsNotTakenForTheNextOne) {
    // Late well past the wait, even on a loaded machine whose short sleeps run long.
    startConnected({"--model", "T936", "--fault", "delay=1500@w"});
    EXPECT_EQ(run(60).text, errorText());
    // The hours reply arrives while nobody waits; the version read that follows must see only
    // its own reply.
    QThread::msleep(600);
    const auto& version = run(54);
    EXPECT_TRUE(
        version.text.startsWith(QStringLiteral("Версия Программы Системы Печати:\n\r'T936")))
        << version.text.toStdString();
}

TEST_F(Printer, HangUpGivesTheMessageAndConnectingAgainWorks) {
    startConnected({"--model", "T960", "--fault", "hangup=1"});
    // The simulator hung up after the version read.
    const auto& failed = run(60);
    EXPECT_EQ(failed.text, errorText());
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Error);

    ASSERT_TRUE(sim->readAnnouncement()) << "the simulator did not come back";
    dialogs.answer(QString::fromStdString(sim->announced().number()));
    dispatcher.dispatch(2);
    EXPECT_FALSE(session.conn.linkFailed());
    EXPECT_TRUE(
        lastMessage().text.startsWith(QStringLiteral("Версия Программы Системы Печати:\n\r'T960")));
    EXPECT_TRUE(run(60).text.startsWith(QStringLiteral("  Маркиратор отработал ")));
}

} // namespace
