#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "ScriptedDialogs.h"
#include "link/Context.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {

struct LinkFixture : ::testing::Test {
    FakeClock clock;
    FakeSerialPort port{clock};
    ScriptedDialogs dialogs;
    link::ConnectionState conn;
    link::ShellState shell;
    link::Context ctx{port, clock, dialogs, conn, shell};

    void openOn(const char* portName) {
        port.setOpen(true);
        conn.open = true;
        conn.portName = QString::fromLatin1(portName);
    }
};

} // namespace nimbrel::testing
