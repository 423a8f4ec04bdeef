// The window's routines on a network port: ser2net forwards a loopback port with the Telnet
// com-port option to the simulator, and the ports file names it COM12.
#include "ScriptedDialogs.h"
#include "Ser2net.h"
#include "SimProcessQt.h"
#include "logos/LogoEditor.h"
#include "platform/SystemSerialPort.h"
#include "session/Dispatcher.h"
#include "session/PortRoutines.h"
#include "session/Session.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace nimbrel;
using nimbrel::testing::ScriptedDialogs;

namespace {

struct NetworkE2e : ::testing::Test {
    QTemporaryDir runtimeDir;
    QTemporaryDir configDir;
    QTemporaryDir startDir;
    QString previousDir = QDir::currentPath();
    QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    QByteArray previousConfig = qgetenv("XDG_CONFIG_HOME");
    platform::SystemClock clock;
    platform::SystemSerialPort port;
    platform::SystemDeviceLister lister;
    ScriptedDialogs dialogs;
    session::Session session{port, clock, dialogs, lister};
    session::Dispatcher dispatcher{session};
    std::unique_ptr<nimbrel::testing::SimProcess> sim;
    std::unique_ptr<nimbrel::testing::Ser2net> server;

    NetworkE2e() {
        qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", configDir.path().toLocal8Bit());
    }
    ~NetworkE2e() override {
        port.close();
        server.reset();
        sim.reset();
        QDir::setCurrent(previousDir);
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
        qputenv("XDG_CONFIG_HOME", previousConfig);
    }

    QString url() const { return QString::fromStdString(server->rfc2217Url()); }

    void startConnected(const QStringList& simArgs) {
        sim = nimbrel::testing::startSimIn(runtimeDir.path(), simArgs + QStringList{"--no-pacing"});
        ASSERT_FALSE(nimbrel::testing::portName(*sim).isEmpty()) << sim->stderrText();
        server = std::make_unique<nimbrel::testing::Ser2net>(sim->announced().path);
        ASSERT_TRUE(server->ok()) << server->logText();
        ASSERT_TRUE(QDir(configDir.path()).mkpath(QStringLiteral("nimbrel")));
        QFile ports(configDir.filePath(QStringLiteral("nimbrel/ports")));
        ASSERT_TRUE(ports.open(QIODevice::WriteOnly));
        ports.write((QStringLiteral("COM12 ") + url() + QStringLiteral("  Линия 3\n")).toUtf8());
        ports.close();
        dialogs.answer("12");
        dispatcher.startUp(startDir.path());
        ASSERT_TRUE(session.port.isOpen());
    }
    std::vector<ScriptedDialogs::Call> run(int id) {
        dialogs.calls.clear();
        dispatcher.dispatch(id);
        return dialogs.calls;
    }
    void expectNoErrors() const {
        for (const auto& c : dialogs.calls)
            EXPECT_NE(c.title, QStringLiteral("ОШИБКА")) << c.text.toStdString();
    }
};

TEST_F(NetworkE2e, ConnectsByNumberReadsSettingsAndWritesAndReadsBack) {
    startConnected({"--model", "T936", "--no-current-mark"});
    EXPECT_TRUE(session.conn.portListText.contains(QStringLiteral("COM12:\t\t\tЛиния 3 ") + url() +
                                                   QLatin1Char('\n')))
        << session.conn.portListText.toStdString();
    EXPECT_EQ(session.conn.portName, QStringLiteral("COM12"));
    EXPECT_EQ(session.conn.devicePath, url());
    EXPECT_EQ(session.conn.printerModel, QStringLiteral("T936"));

    const auto settings = run(session::kCmdSettingsReport);
    ASSERT_FALSE(settings.empty());
    EXPECT_TRUE(
        settings.back().text.startsWith(QStringLiteral("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T936 ) :\r\n\n")))
        << settings.back().text.toStdString();

    marks::MarkTable& table = session.marks.table;
    table.setFragment(0, QStringLiteral("Текст"), " 02", QStringLiteral("Линия 3 — сеть"));
    table.setFragment(9, QStringLiteral("Дата/Время"), " 03", "%H:%M");
    table.setFragment(31, QStringLiteral("Текст"), " 01", QString(44, QChar(u'Щ')));
    std::vector<marks::FragmentCells> written;
    for (int row = 0; row < marks::kRows; ++row)
        written.push_back(table.cells(row));
    dialogs.answer("12");
    const auto markWrite = run(15);
    ASSERT_FALSE(markWrite.empty());
    EXPECT_EQ(markWrite.back().text, QStringLiteral("Запись Марки #12 успешно завершена."));
    table.reset();
    dialogs.answer("12");
    run(18);
    expectNoErrors();
    for (int row = 0; row < marks::kRows; ++row) {
        EXPECT_EQ(table.cells(row).text, written[row].text) << row;
        EXPECT_EQ(table.cells(row).font, written[row].font) << row;
    }

    dialogs.answer("16");
    dialogs.answer("20");
    dispatcher.dispatch(20);
    for (int i = 0; i < 16; ++i)
        logos::paintDot(session.logos, i, i, true);
    const QImage drawn = session.logos.logo;
    dialogs.answer("7");
    const auto logoWrite = run(26);
    ASSERT_FALSE(logoWrite.empty());
    EXPECT_EQ(logoWrite.back().text, QStringLiteral("Передача Логотипа #007 завершена."));
    dispatcher.dispatch(34);
    ASSERT_EQ(logos::countActiveDrops(session.logos), 0);
    dialogs.answer("7");
    run(25);
    expectNoErrors();
    EXPECT_EQ(logos::countActiveDrops(session.logos), 16);
    EXPECT_EQ(session.logos.logo, drawn);
    EXPECT_EQ(session.shell.graphicsLinkIcon, session::LinkIcon::Ok);
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);
}

} // namespace
