#pragma once

// The program's side of a line to the simulator, as the benchmarks that time real exchanges
// over a pseudo-terminal use it: a simulator of its own, the real port opened on it (directly,
// or through ser2net on loopback with the Telnet com-port option), and the window's state
// around it with scripted dialogs.
#include "ScriptedDialogs.h"
#include "Ser2net.h"
#include "SimProcessQt.h"
#include "platform/Clock.h"
#include "platform/SystemSerialPort.h"
#include "session/Context.h"

#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace nimbrel::bench {

// ser2net as it comes, and with tcp(nodelay) on its accepter.
enum class Transport { Local, Rfc2217, Rfc2217NoDelay };

struct SimRig {
    QTemporaryDir runtime;
    std::unique_ptr<nimbrel::testing::SimProcess> sim;
    std::unique_ptr<nimbrel::testing::Ser2net> server;
    QString portPath; // what the port was opened on: the device or the URL
    platform::SystemClock clock;
    platform::SystemSerialPort port;
    nimbrel::testing::ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context ctx{port, clock, dialogs, conn, shell};

    // The port stays closed when the simulator cannot be reached.
    explicit SimRig(const QStringList& args, Transport transport = Transport::Local) {
        sim = nimbrel::testing::startSimIn(runtime.path(), args);
        portPath = nimbrel::testing::devicePath(*sim);
        if (!portPath.isEmpty() && transport != Transport::Local) {
            server = std::make_unique<nimbrel::testing::Ser2net>(
                portPath.toStdString(), transport == Transport::Rfc2217NoDelay);
            portPath = server->ok() ? QString::fromStdString(server->rfc2217Url()) : QString();
        }
        if (!portPath.isEmpty())
            port.open(portPath, {});
        conn.portName = nimbrel::testing::portName(*sim);
    }
    ~SimRig() { port.close(); }
};

// The middle of the times, 0 for none.
inline double medianMs(std::vector<double> times) {
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace nimbrel::bench
