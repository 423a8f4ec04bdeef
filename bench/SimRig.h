#pragma once

// The program's side of a line to the simulator, as the benchmarks that time real exchanges
// over a pseudo-terminal use it: a simulator of its own, the real port opened on it, and the
// window's state around it with scripted dialogs.
#include "ScriptedDialogs.h"
#include "SimProcessQt.h"
#include "platform/Clock.h"
#include "platform/SerialPortPosix.h"
#include "session/Context.h"

#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace nimbrel::bench {

struct SimRig {
    QTemporaryDir runtime;
    std::unique_ptr<nimbrel::testing::SimProcess> sim;
    platform::SystemClock clock;
    platform::SerialPortPosix port;
    nimbrel::testing::ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context ctx{port, clock, dialogs, conn, shell};

    // The port stays closed when the simulator cannot be reached.
    explicit SimRig(const QStringList& args) {
        sim = nimbrel::testing::startSimIn(runtime.path(), args);
        const QString devicePath = nimbrel::testing::devicePath(*sim);
        if (!devicePath.isEmpty())
            port.open(devicePath, {});
        conn.portName = nimbrel::testing::portName(*sim);
    }
};

// The middle of the times, 0 for none.
inline double medianMs(std::vector<double> times) {
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace nimbrel::bench
