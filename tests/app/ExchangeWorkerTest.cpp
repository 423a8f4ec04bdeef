#include "AppFixture.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <utility>

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

struct ExchangeWorker : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        window->show();
        startConnected();
        window->render();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QByteArray versionReply() { return QByteArray("\x06T260 v4.07", 11); }
};

// While the printer is waited for, the window thread goes on with its events (here a timer
// that the exchange waits for), shows the busy cursor and holds the window's input: Ctrl+C
// opens no port dialog, the close box asks nothing. The report is the one the command shows
// with the exchange run in place.
TEST_F(ExchangeWorker, WindowGoesOnWhileTheExchangeRunsElsewhere) {
    const link::ExchangeRunner worker = std::exchange(session.exchangeRunner, nullptr);
    port.queueReply(versionReply(), 1);
    dispatcher.dispatch(session::CommandId::Version);
    session.exchangeRunner = worker;
    ASSERT_EQ(dialogs.calls.size(), 1u);
    const auto today = dialogs.calls[0];
    dialogs.calls.clear();

    QSemaphore windowWent;
    std::atomic<QThread*> writer{nullptr};
    std::atomic<bool> waited{false};
    port.onWrite = [&](const QByteArray&) {
        writer = QThread::currentThread();
        waited = windowWent.tryAcquire(1, 10000);
    };
    bool busy = false;
    bool held = false;
    QTimer::singleShot(0, window.get(), [&] {
        held = window->exchangeWorker().running();
        busy = QApplication::overrideCursor() &&
               QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        window->close();
        windowWent.release();
    });
    port.queueReply(versionReply(), 1);
    window->runCommand(idNumber(session::CommandId::Version));

    EXPECT_TRUE(waited);
    EXPECT_NE(writer.load(), QThread::currentThread());
    EXPECT_TRUE(held);
    EXPECT_TRUE(busy);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, today.title);
    EXPECT_EQ(dialogs.calls[0].text, today.text);
    EXPECT_EQ(dialogs.calls[0].kind, today.kind);
}

// Work of many exchanges: the box names the step; its "Стоп" is let through while an
// exchange runs, and the work stops before its next step.
TEST_F(ExchangeWorker, StopPassesWhileTheWindowIsHeld) {
    app::ProgressBox& progress = window->progressBox();
    progress.begin(QStringLiteral("Резервная Копия Маркиратора"), 86);
    EXPECT_TRUE(progress.next(22, QStringLiteral("Марка #23 из 86")));
    ASSERT_NE(progress.dialog(), nullptr);
    EXPECT_EQ(progress.dialog()->labelText(), QStringLiteral("Марка #23 из 86"));
    auto* stop = progress.dialog()->findChild<QPushButton*>();
    ASSERT_EQ(stop->text(), QStringLiteral("Стоп"));

    QSemaphore clicked;
    QTimer::singleShot(0, window.get(), [&] {
        QTest::mouseClick(stop, Qt::LeftButton);
        clicked.release();
    });
    session.exchangeRunner([&] { clicked.tryAcquire(1, 10000); });
    EXPECT_FALSE(progress.next(23, QStringLiteral("Марка #24 из 86")));
    progress.end();
    EXPECT_EQ(progress.dialog(), nullptr);
}

} // namespace
