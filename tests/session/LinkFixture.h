#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "session/Context.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {

// A fake line and the window's state around it: every port write, pause and dialog is
// recorded. The printer, mark and logo fixtures add their own recorders on top.
struct LinkFixture : ::testing::Test {
    FakeClock clock;
    FakeSerialPort port{clock};
    ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context ctx{port, clock, dialogs, conn, shell};

    void openOn(const char* portName) {
        port.setOpen(true);
        conn.portName = QString::fromLatin1(portName);
    }

    std::vector<QByteArray> written() const {
        std::vector<QByteArray> out;
        for (const auto& w : port.writes)
            out.push_back(w.bytes);
        return out;
    }
};

} // namespace nimbrel::testing
