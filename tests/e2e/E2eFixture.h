#pragma once

#include "ScriptedDialogs.h"
#include "SimProcess.h"
#include "link/PortControl.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/SerialPortPosix.h"
#include "session/Dispatcher.h"
#include "session/PortRoutines.h"
#include "session/Session.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace nimbrel::testing {

// The real program below the widgets (real serial layer, real clock, real device listing)
// against a simulated printer on a pseudo-terminal.
struct E2eFixture : ::testing::Test {
    QTemporaryDir runtimeDir;
    QTemporaryDir startDir;
    QString previousDir = QDir::currentPath();
    QByteArray previousRuntime = qgetenv("XDG_RUNTIME_DIR");
    platform::SystemClock clock;
    platform::SerialPortPosix port;
    platform::SystemDeviceLister lister;
    ScriptedDialogs dialogs;
    session::Session session{port, clock, dialogs, lister};
    session::Dispatcher dispatcher{session};
    std::unique_ptr<SimProcess> sim;

    E2eFixture() { qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit()); }
    ~E2eFixture() override {
        port.close();
        sim.reset();
        QDir::setCurrent(previousDir);
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    }

    // Replies go out in one piece: a paced reply from a simulator that a loaded test machine
    // holds up for a millisecond would look finished early, which a real line never does.
    void startSim(QStringList args) {
        args << QStringLiteral("--no-pacing");
        sim = std::make_unique<SimProcess>(args, runtimeDir.path());
        ASSERT_FALSE(sim->portName.isEmpty()) << "simulator did not start";
    }

    // Start-up connecting to the simulator; the version message is kept in dialogs.calls.
    void startConnected(const QStringList& simArgs) {
        startSim(simArgs);
        dialogs.answer(sim->number());
        dispatcher.startUp(startDir.path());
        ASSERT_TRUE(session.port.isOpen());
    }

    const ScriptedDialogs::Call& lastMessage() const { return dialogs.calls.back(); }
};

} // namespace nimbrel::testing
