#include "AppFixture.h"
#include "session/HelpTexts.h"

#include <QFile>

using namespace nimbrel;
using nimbrel::testing::AppFixture;
using session::View;

namespace {

using Dispatch = AppFixture;

TEST_F(Dispatch, StartStatesOfTheMenus) {
    startWithoutPort();
    for (int id : {3,  111, 112, 113, 114, 115, 116, 12, 13, 14, 15, 17, 18, 19, 22,
                   24, 25,  26,  27,  28,  29,  50,  51, 52, 53, 54, 55, 56, 60, 61})
        EXPECT_FALSE(shell.enabled(id)) << id;
    for (int id : {2, 9, 10, 11, 20, 21, 23, 30, 31, 32, 34, 35, 40, 41, 42, 43, 110})
        EXPECT_TRUE(shell.enabled(id)) << id;
    EXPECT_TRUE(shell.itemChecked[110]);
    EXPECT_FALSE(shell.topEnabled[session::kTopMark]);
    EXPECT_TRUE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_EQ(shell.activeView, View::Logo);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T260"));
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
    EXPECT_TRUE(session.conn.linkFailed());
}

TEST_F(Dispatch, StartUpMakesTheWorkingFolderCurrent) {
    startWithoutPort();
    const QString expected = QDir(startDir.path()).filePath(QStringLiteral("PRINTER FILES"));
    EXPECT_TRUE(QDir(expected).exists());
    EXPECT_EQ(QDir(session.workingFolder).canonicalPath(), QDir(expected).canonicalPath());
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(expected).canonicalPath());
}

TEST_F(Dispatch, StartUpTakesAnExistingWorkingFolder) {
    QDir(startDir.path()).mkdir(QStringLiteral("PRINTER FILES"));
    startWithoutPort();
    EXPECT_TRUE(session.workingFolder.endsWith(QStringLiteral("PRINTER FILES")));
}

TEST_F(Dispatch, CancelledPortDialogAtStartUpSaysNothing) {
    dispatcher.startUp(startDir.path());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Открыть СОМ-порт"));
    EXPECT_EQ(shell.portText, QStringLiteral("COM?"));
}

TEST_F(Dispatch, GuardedCommandsWithoutAPortShowOnlyTheConnectionCheck) {
    startWithoutPort();
    for (int id : {15, 17, 18, 19, 24, 25, 26, 28, 29, 50, 51, 52, 53, 54, 55, 56, 60, 61, 104}) {
        dialogs.calls.clear();
        dispatcher.dispatch(id);
        ASSERT_EQ(dialogs.calls.size(), 1u) << id;
        EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА")) << id;
        EXPECT_TRUE(dialogs.calls[0].text.startsWith(
            QStringLiteral("Соединение с Маркиратором не установлено!")))
            << id;
    }
    EXPECT_TRUE(port.writes.empty());
}

// Reading the current mark has no guard: without a port it fails as a read does, with no
// connection check before it.
TEST_F(Dispatch, ReadCurrentMarkWithoutAPortIsAReadError) {
    startWithoutPort();
    dialogs.calls.clear();
    dispatcher.dispatch(12);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Ошибка при чтении данных из Маркиратора (COM?)!"));
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Error);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(Dispatch, ViewSwitchesByShortcut) {
    startWithoutPort();
    dispatcher.dispatch(session::kCmdGraphicsView); // already in the graphics view
    EXPECT_EQ(shell.activeView, View::Logo);
    EXPECT_TRUE(shell.markWindowShown);

    dispatcher.dispatch(session::kCmdMarkView);
    EXPECT_EQ(shell.activeView, View::Mark);
    EXPECT_TRUE(shell.markWindowShown);
    EXPECT_FALSE(shell.graphicsWindowShown);
    EXPECT_TRUE(shell.topEnabled[session::kTopMark]);
    EXPECT_FALSE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_FALSE(shell.topEnabled[session::kTopEditor]);

    dispatcher.dispatch(session::kCmdMarkView); // already in the mark view
    EXPECT_FALSE(shell.graphicsWindowShown);

    shell.enable({20, 21}, false);
    dispatcher.dispatch(session::kCmdGraphicsView);
    EXPECT_EQ(shell.activeView, View::Logo);
    EXPECT_FALSE(shell.markWindowShown);
    EXPECT_TRUE(shell.graphicsWindowShown);
    EXPECT_FALSE(shell.topEnabled[session::kTopMark]);
    EXPECT_TRUE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_TRUE(shell.topEnabled[session::kTopEditor]);
    EXPECT_TRUE(shell.enabled(20));
    EXPECT_TRUE(shell.enabled(21));
}

TEST_F(Dispatch, WindowItemsBringAWindowForwardWithoutHidingTheOther) {
    startWithoutPort();
    dispatcher.dispatch(7);
    EXPECT_EQ(shell.activeView, View::Mark);
    EXPECT_TRUE(shell.graphicsWindowShown);
    EXPECT_TRUE(shell.topEnabled[session::kTopMark]);
    EXPECT_FALSE(shell.topEnabled[session::kTopEditor]);
    dispatcher.dispatch(8);
    EXPECT_EQ(shell.activeView, View::Logo);
    EXPECT_TRUE(shell.markWindowShown);
    EXPECT_FALSE(shell.topEnabled[session::kTopMark]);
}

TEST_F(Dispatch, ExitQuestionNoChangesNothing) {
    startConnected();
    EXPECT_FALSE(dispatcher.confirmExit());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ЗАВЕРШЕНИЕ РАБОТЫ"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("ЗАВЕРШИТЬ РАБОТУ ПРОГРАММЫ?"));
    EXPECT_EQ(dialogs.calls[0].kind, 4);
    EXPECT_TRUE(session.port.isOpen());
}

TEST_F(Dispatch, ExitQuestionYesClosesThePortAndDeletesTheTemporaryMark) {
    startConnected();
    const QString tmp = QDir(session.workingFolder).filePath(QStringLiteral("tmpmark.mrt"));
    QFile f(tmp);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    dialogs.answer(platform::kYes);
    EXPECT_TRUE(dispatcher.confirmExit());
    EXPECT_FALSE(session.port.isOpen());
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_FALSE(QFile::exists(tmp));
}

TEST_F(Dispatch, ExitWithoutTemporaryMarkIsNoError) {
    startWithoutPort();
    dialogs.answer(platform::kYes);
    EXPECT_TRUE(dispatcher.confirmExit());
    EXPECT_EQ(dialogs.calls.size(), 1u);
}

TEST_F(Dispatch, HelpWorksWithoutAPortInEitherView) {
    startWithoutPort();
    for (View view : {View::Logo, View::Mark}) {
        shell.activeView = view;
        for (int id : {40, 41, 42, 43}) {
            dialogs.calls.clear();
            dispatcher.dispatch(id);
            ASSERT_EQ(dialogs.calls.size(), 1u);
            EXPECT_EQ(dialogs.calls[0].title, session::helpText(id).title);
        }
    }
}

TEST_F(Dispatch, CloseItemReturnsToNoPort) {
    startConnected();
    dispatcher.dispatch(3);
    EXPECT_FALSE(session.port.isOpen());
    EXPECT_TRUE(shell.enabled(2));
    EXPECT_FALSE(shell.enabled(54));
    EXPECT_FALSE(shell.enabled(50));
}

TEST(ClockText, DateTwoBlanksTime) {
    EXPECT_EQ(session::Dispatcher::pcDateTimeText(QDateTime(QDate(2019, 5, 1), QTime(4, 5, 9))),
              QStringLiteral("01.05.2019  04:05:09"));
}

} // namespace

namespace {

using ConnectFollowUp = AppFixture;

TEST_F(ConnectFollowUp, StartUpReadsTheVersionWithoutSwitchingViews) {
    dialogs.answer("3");
    port.queueReply(QByteArray("\x06T936 v4.07", 11), 1);
    dispatcher.dispatch(session::kCmdMarkView);
    dispatcher.startUp(startDir.path());
    EXPECT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes, QByteArray("\x11\x69\x0E", 3));
    EXPECT_EQ(conn.printerModel, QStringLiteral("T936"));
    EXPECT_TRUE(shell.enabled(54));
    EXPECT_TRUE(shell.enabled(50));
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("Информация Системы Печати"));
    EXPECT_EQ(dialogs.calls[1].text,
              QStringLiteral("Версия Программы Системы Печати:\n\r'T936 v4.07'"));
}

TEST_F(ConnectFollowUp, ModelOtherThanT260HidesTheMarkWindow) {
    startWithoutPort();
    dispatcher.dispatch(session::kCmdMarkView);
    dialogs.answer("3");
    port.queueReply(QByteArray("\x06T936 v4.07", 11), 1);
    dispatcher.dispatch(2);
    EXPECT_EQ(conn.printerModel, QStringLiteral("T936"));
    EXPECT_EQ(shell.activeView, View::Logo);
    EXPECT_FALSE(shell.markWindowShown);
    EXPECT_TRUE(shell.graphicsWindowShown);
    EXPECT_FALSE(shell.topEnabled[session::kTopMark]);
    EXPECT_TRUE(shell.topEnabled[session::kTopGraphics]);
    EXPECT_TRUE(shell.topEnabled[session::kTopEditor]);
    EXPECT_TRUE(shell.enabled(20));
    // Ctrl+M brings the mark window back.
    dispatcher.dispatch(session::kCmdMarkView);
    EXPECT_TRUE(shell.markWindowShown);
    EXPECT_EQ(shell.activeView, View::Mark);
}

TEST_F(ConnectFollowUp, T260KeepsTheViewInFront) {
    startWithoutPort();
    dispatcher.dispatch(session::kCmdMarkView);
    dialogs.answer("3");
    port.queueReply(QByteArray("\x06T260 v2.01", 11), 1);
    dispatcher.dispatch(session::kCmdConnect);
    EXPECT_EQ(shell.activeView, View::Mark);
    EXPECT_TRUE(shell.markWindowShown);
    EXPECT_TRUE(shell.topEnabled[session::kTopMark]);
}

TEST_F(ConnectFollowUp, CtrlCWhileConnectedReopensTheSamePort) {
    startConnected("T260");
    dialogs.answer("3");
    port.queueReply(QByteArray("\x06T260 v2.01", 11), 1);
    dispatcher.dispatch(session::kCmdConnect);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(port.openCount, 2);
    EXPECT_TRUE(session.port.isOpen());
    EXPECT_EQ(shell.portText, QStringLiteral("COM3: 115200,n,8,1"));
}

TEST_F(ConnectFollowUp, SettingsReportShortcutPicksTheLayoutByModel) {
    startConnected("T260");
    port.queueReply(QByteArray(47, '\0'), 1);
    dispatcher.dispatch(session::kCmdSettingsReport);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith(
        QStringLiteral("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T260 ) :\r\n\nИнтервал Автопечати по времени")));
    EXPECT_EQ(port.writes.back().bytes, QByteArray("\x11\x5C\x0E", 3));
}

} // namespace
