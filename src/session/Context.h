#pragma once

#include "link/Connection.h"
#include "link/Exchange.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "session/ShellState.h"

namespace nimbrel::session {

// What a menu routine works with, passed by reference from the session that owns it.
struct Context {
    platform::SerialPort& port;
    platform::Clock& clock;
    platform::Dialogs& dialogs;
    link::ConnectionState& conn;
    ShellState& shell;

    // The line the printer operations talk over.
    link::Line line() const { return {port, clock, {}, &conn.line}; }
};

} // namespace nimbrel::session
