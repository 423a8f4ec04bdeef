#pragma once

#include "link/Connection.h"
#include "link/ShellState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"

namespace nimbrel::link {

// What a command routine works with, passed by reference from the session that owns it.
struct Context {
    platform::SerialPort& port;
    platform::Clock& clock;
    platform::Dialogs& dialogs;
    ConnectionState& conn;
    ShellState& shell;
};

} // namespace nimbrel::link
