#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "link/Exchange.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {

// An open fake port and its clock; no dialogs: the exchange shows nothing.
struct LineFixture : ::testing::Test {
    FakeClock clock;
    FakeSerialPort port{clock};
    link::Line line{port, clock, {}};

    LineFixture() { port.setOpen(true); }

    static link::Request query(const QByteArray& command, int bufferSize = 256) {
        link::Request r;
        r.command = command;
        r.wait = link::kCommandWait;
        r.bufferSize = bufferSize;
        return r;
    }
};

} // namespace nimbrel::testing
