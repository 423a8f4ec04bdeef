#pragma once

#include "session/CommandId.h"
#include "session/Session.h"

#include <QDateTime>

namespace nimbrel::session {

// Shortcut identifiers.
inline constexpr int kCmdGraphicsView = idNumber(CommandId::GraphicsViewKey);
inline constexpr int kCmdMarkView = idNumber(CommandId::MarkViewKey);
inline constexpr int kCmdConnect = idNumber(CommandId::ConnectKey);
inline constexpr int kCmdExit = idNumber(CommandId::ExitKey);
inline constexpr int kCmdSettingsReport = idNumber(CommandId::SettingsReportKey);

// Turns each menu command or shortcut into the routine of its row in the command table, run
// to completion.
class Dispatcher {
public:
    explicit Dispatcher(Session& session) : m_s(session) {}

    // Start-up after the windows exist: menus, working folder, the first connection.
    void startUp(const QString& startDirectory);

    void dispatch(int id);
    void dispatch(CommandId id) { dispatch(idNumber(id)); }

    // The exit question; true when the program should end (port closed, temporary mark
    // file deleted).
    bool confirmExit();

    // Identifiers that need an open port.
    static bool isGuarded(int id);

    // "dd.MM.yyyy  hh:mm:ss" for the mark window's status bar.
    static QString pcDateTimeText(const QDateTime& now);
    void tickClock();
    // A port whose device has gone shows the link error at once (see session::watchPort).
    void watchPort();

private:
    Session& m_s;
};

} // namespace nimbrel::session
