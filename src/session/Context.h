#pragma once

#include "link/Connection.h"
#include "link/Exchange.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "session/Progress.h"
#include "session/ShellState.h"

#include <functional>

namespace nimbrel::session {

// The last port opened, kept between runs where `save` is set (the window keeps it in its
// settings; tests keep it in memory).
struct RememberedPort {
    QString portName; // "COM3"; empty before the first open
    std::function<void(const QString&)> save;
};

// What a menu routine works with, passed by reference from the session that owns it.
struct Context {
    platform::SerialPort& port;
    platform::Clock& clock;
    platform::Dialogs& dialogs;
    link::ConnectionState& conn;
    ShellState& shell;
    // How each exchange runs (unset: right here) and where work of many exchanges shows its
    // steps (none: nowhere).
    link::ExchangeRunner runner = {};
    Progress* progress = nullptr;
    RememberedPort* rememberedPort = nullptr;

    // The line the printer operations talk over.
    link::Line line() const { return {port, clock, {}, &conn.line, runner}; }
};

} // namespace nimbrel::session
