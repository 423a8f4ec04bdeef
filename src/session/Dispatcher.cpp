#include "session/Dispatcher.h"

#include "session/CommandTable.h"
#include "session/MenuDefinitions.h"
#include "session/PortRoutines.h"
#include "session/PrinterRoutines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace nimbrel::session {

namespace {
const QString kWorkingFolderName = QStringLiteral("PRINTER FILES");
const QString kTemporaryMark = QStringLiteral("tmpmark.mrt");
} // namespace

bool Dispatcher::isGuarded(int id) {
    const CommandRow* row = findCommand(id);
    return row && row->guarded;
}

QString Dispatcher::pcDateTimeText(const QDateTime& now) {
    return now.toString(QStringLiteral("dd.MM.yyyy  hh:mm:ss"));
}

void Dispatcher::tickClock() {
    m_s.shell.pcDateTime = pcDateTimeText(m_s.clock.now());
    m_s.shell.notify();
}

void Dispatcher::startUp(const QString& startDirectory) {
    auto& shell = m_s.shell;
    m_s.conn.settingsText = QStringLiteral(": baud=115200 parity=N Data=8 stop=1");
    m_s.conn.portName = QStringLiteral("COM?");
    m_s.conn.printerModel = QStringLiteral("T260");
    shell.activeView = View::Logo;
    applyStartMenuStates(shell);
    shell.setSettingsEntries(false);
    tickClock();

    // An existing folder is fine; a folder that cannot be made leaves us where we are.
    QDir start(startDirectory);
    if (start.mkpath(kWorkingFolderName) && QDir::setCurrent(start.filePath(kWorkingFolderName)))
        m_s.workingFolder = QDir::currentPath();
    else
        m_s.workingFolder = QDir(startDirectory).absolutePath();

    auto ctx = m_s.context();
    session::openPort(ctx, m_s.lister);
    if (!m_s.conn.linkFailed() && m_s.port.isOpen()) {
        shell.setSettingsEntries(true);
        showVersion(ctx);
    }
}

bool Dispatcher::confirmExit() {
    const int answer = m_s.dialogs.message(
        QCoreApplication::translate("Dispatcher", "ЗАВЕРШЕНИЕ РАБОТЫ"),
        QCoreApplication::translate("Dispatcher", "ЗАВЕРШИТЬ РАБОТУ ПРОГРАММЫ?"),
        platform::kQuestion);
    if (answer != platform::kYes)
        return false;
    if (m_s.port.isOpen()) {
        auto ctx = m_s.context();
        session::closePort(ctx);
    }
    if (!m_s.workingFolder.isEmpty())
        QFile::remove(QDir(m_s.workingFolder).filePath(kTemporaryMark));
    return true;
}

void Dispatcher::watchPort() {
    auto ctx = m_s.context();
    session::watchPort(ctx);
}

void Dispatcher::dispatch(int id) {
    if (isGuarded(id)) {
        auto ctx = m_s.context();
        if (!reopenLostPort(ctx, m_s.lister))
            return;
        if (!m_s.port.isOpen()) {
            showConnectionCheck(ctx);
            return;
        }
    }
    const CommandRow* row = findCommand(id);
    if (row && row->routine)
        row->routine(m_s);
}

} // namespace nimbrel::session
