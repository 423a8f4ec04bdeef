#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "session/Dispatcher.h"
#include "session/Session.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace nimbrel::testing {

class ListedDevices : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> devices{
        {"COM3", "/dev/ttyS2", "115200,n,8,1", "/dev/ttyS2"}};
    std::vector<platform::SerialDevice> list() override { return devices; }
};

// A session on test doubles, started in a temporary folder (the working folder is made
// under it and becomes the current directory, so the previous one is restored after).
struct AppFixture : ::testing::Test {
    FakeClock clock;
    FakeSerialPort port{clock};
    ScriptedDialogs dialogs;
    ListedDevices lister;
    session::Session session{port, clock, dialogs, lister};
    session::Dispatcher dispatcher{session};
    QTemporaryDir startDir;
    QString previousDir = QDir::currentPath();
    session::ShellState& shell = session.shell;
    link::ConnectionState& conn = session.conn;

    ~AppFixture() override { QDir::setCurrent(previousDir); }

    // Start-up with the port dialog cancelled.
    void startWithoutPort() {
        dispatcher.startUp(startDir.path());
        dialogs.calls.clear();
    }
    // Start-up connected to a printer whose version reply names `model`.
    void startConnected(const char* model = "T260") {
        dialogs.answer("3");
        port.queueReply(QByteArray("\x06") + QByteArray(model) + QByteArray(" v4.07", 6), 1);
        dispatcher.startUp(startDir.path());
        dialogs.calls.clear();
    }
};

} // namespace nimbrel::testing
