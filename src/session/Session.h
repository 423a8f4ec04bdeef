#pragma once

#include "link/Connection.h"
#include "logos/LogoState.h"
#include "logos/UndoHistory.h"
#include "marks/MarkState.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/Dialogs.h"
#include "platform/Language.h"
#include "platform/SerialPort.h"
#include "session/Context.h"
#include "session/ShellState.h"

#include <QString>

#include <functional>

namespace nimbrel::session {

// All program state, created once in main() (or by a test with doubles) and passed by
// reference to whatever needs it.
struct Session {
    Session(platform::SerialPort& port, platform::Clock& clock, platform::Dialogs& dialogs,
            platform::DeviceLister& lister)
        : port(port), clock(clock), dialogs(dialogs), lister(lister) {}

    platform::SerialPort& port;
    platform::Clock& clock;
    platform::Dialogs& dialogs;
    platform::DeviceLister& lister;

    link::ConnectionState conn;
    session::ShellState shell;
    logos::LogoState logos;
    // Every logo command and every mouse stroke in the editor is one step.
    logos::UndoHistory logoUndo;
    marks::MarkState marks;
    QString workingFolder;
    // Set by the window: exchanges on a worker thread, a progress box, the port kept in the
    // settings. Left alone, exchanges run in place and nothing outlives the session.
    link::ExchangeRunner exchangeRunner;
    Progress* progress = nullptr;
    RememberedPort rememberedPort;
    // Set by the window: the language chosen in the help menu, kept for the next start.
    std::function<void(platform::Language)> saveLanguage;

    session::Context context() {
        return {port, clock, dialogs, conn, shell, exchangeRunner, progress, &rememberedPort};
    }
};

} // namespace nimbrel::session
