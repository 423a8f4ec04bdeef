#pragma once

#include "app/Session.h"

namespace nimbrel::app {

// Shortcut identifiers.
inline constexpr int kCmdGraphicsView = 100;
inline constexpr int kCmdMarkView = 101;
inline constexpr int kCmdConnect = 102;
inline constexpr int kCmdExit = 103;
inline constexpr int kCmdSettingsReport = 104;

// Turns each menu command or shortcut into one operation, run to completion.
class Dispatcher {
public:
    explicit Dispatcher(Session& session) : m_s(session) {}

    // Start-up after the windows exist: menus, working folder, the first connection.
    void startUp(const QString& startDirectory);

    void dispatch(int id);

    // The exit question; true when the program should end (port closed, temporary mark
    // file deleted).
    bool confirmExit();

    // Identifiers that need an open port.
    static bool isGuarded(int id);

    // "dd.MM.yyyy  hh:mm:ss" for the mark window's status bar.
    static QString pcDateTimeText(const QDateTime& now);
    void tickClock();

private:
    void connect();
    void switchToMarkView(bool hideOther);
    void switchToGraphicsView(bool hideOther);
    void runPrinterCommand(int id);

    Session& m_s;
};

} // namespace nimbrel::app
