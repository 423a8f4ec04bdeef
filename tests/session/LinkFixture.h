#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "session/Context.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {

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
};

} // namespace nimbrel::testing
