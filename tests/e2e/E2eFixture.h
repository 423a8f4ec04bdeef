#pragma once

#include "ScriptedDialogs.h"
#include "SimProcessQt.h"
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
// against a simulated printer on a pseudo-terminal. One at a time: it points the process's
// XDG_RUNTIME_DIR at its own folder while it lives.
struct E2eRig {
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

    E2eRig() { qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit()); }
    E2eRig(const E2eRig&) = delete;
    E2eRig& operator=(const E2eRig&) = delete;
    ~E2eRig() {
        port.close();
        sim.reset();
        QDir::setCurrent(previousDir);
        qputenv("XDG_RUNTIME_DIR", previousRuntime);
    }

    // Replies go out in one piece: a paced reply from a simulator that a loaded test machine
    // holds up for a millisecond would look finished early, which a real line never does.
    void startSim(QStringList args) {
        args << QStringLiteral("--no-pacing");
        sim = startSimIn(runtimeDir.path(), args);
        ASSERT_FALSE(portName(*sim).isEmpty()) << "simulator did not start: " << sim->stderrText();
    }

    // Start-up connecting to the simulator; the version message is kept in dialogs.calls.
    void startConnected(const QStringList& simArgs) {
        startSim(simArgs);
        dialogs.answer(QString::fromStdString(sim->announced().number()));
        dispatcher.startUp(startDir.path());
        ASSERT_TRUE(session.port.isOpen());
    }

    const ScriptedDialogs::Call& lastMessage() const { return dialogs.calls.back(); }
};

struct E2eFixture : ::testing::Test, E2eRig {};

} // namespace nimbrel::testing
