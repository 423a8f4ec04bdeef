#include "app/Dispatcher.h"

#include "app/HelpTexts.h"
#include "app/LogoCommands.h"
#include "app/MarkCommands.h"
#include "app/MenuDefinitions.h"
#include "session/PortRoutines.h"
#include "session/PrinterRoutines.h"

#include <QDir>
#include <QFile>

namespace nimbrel::app {

using session::View;

namespace {
const QString kWorkingFolderName = QStringLiteral("PRINTER FILES");
const QString kTemporaryMark = QStringLiteral("tmpmark.mrt");
} // namespace

bool Dispatcher::isGuarded(int id) {
    switch (id) {
    case 12:
    case 15:
    case 17:
    case 18:
    case 19:
    case 24:
    case 25:
    case 26:
    case 28:
    case 29:
    case 50:
    case 51:
    case 52:
    case 53:
    case 54:
    case 55:
    case 56:
    case 60:
    case 61:
    case kCmdSettingsReport:
        return true;
    default:
        return false;
    }
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
    if (m_s.conn.linkError == 0 && m_s.conn.open) {
        shell.setSettingsEntries(true);
        runPrinterCommand(54);
    }
}

void Dispatcher::connect() {
    auto ctx = m_s.context();
    session::openPort(ctx, m_s.lister);
    if (m_s.conn.linkError != 0 || !m_s.conn.open)
        return;
    m_s.shell.setSettingsEntries(true);
    runPrinterCommand(54);
    if (m_s.conn.printerModel != QLatin1String("T260")) {
        m_s.shell.activeView = View::Mark; // so the switch below takes place
        switchToGraphicsView(true);
    }
}

void Dispatcher::switchToMarkView(bool hideOther) {
    auto& shell = m_s.shell;
    shell.activeView = View::Mark;
    shell.markWindowShown = true;
    if (hideOther)
        shell.graphicsWindowShown = false;
    shell.setTop({session::kTopGraphics, session::kTopEditor}, false);
    shell.setTop({session::kTopMark}, true);
}

void Dispatcher::switchToGraphicsView(bool hideOther) {
    auto& shell = m_s.shell;
    shell.activeView = View::Logo;
    shell.graphicsWindowShown = true;
    if (hideOther)
        shell.markWindowShown = false;
    shell.setTop({session::kTopMark}, false);
    shell.setTop({session::kTopGraphics, session::kTopEditor}, true);
    shell.enable({20, 21}, true);
}

bool Dispatcher::confirmExit() {
    const int answer =
        m_s.dialogs.message(QStringLiteral("ЗАВЕРШЕНИЕ РАБОТЫ"),
                            QStringLiteral("ЗАВЕРШИТЬ РАБОТУ ПРОГРАММЫ?"), platform::kQuestion);
    if (answer != platform::kYes)
        return false;
    if (m_s.conn.open) {
        auto ctx = m_s.context();
        session::closePort(ctx);
    }
    if (!m_s.workingFolder.isEmpty())
        QFile::remove(QDir(m_s.workingFolder).filePath(kTemporaryMark));
    return true;
}

void Dispatcher::runPrinterCommand(int id) {
    auto ctx = m_s.context();
    switch (id) {
    case 54:
        session::showVersion(ctx);
        return;
    case 60:
        session::showWorkingHours(ctx);
        return;
    case 61:
        session::showPrintedCount(ctx);
        return;
    case 50:
        session::setPrinterClock(ctx);
        return;
    case 51:
        session::setDateOffset(ctx);
        return;
    case 52:
        session::setLineCount(ctx);
        return;
    case 53:
        session::showPrintModeReport(ctx);
        return;
    case 55:
        session::showSettingsReport(ctx);
        return;
    case 19:
        session::showMarkAreaReport(ctx);
        return;
    case 24:
        session::showLogoAreaReport(ctx);
        return;
    default:
        if (!dispatchMarkCommand(m_s, id))
            dispatchLogoCommand(m_s, id);
        return;
    }
}

void Dispatcher::dispatch(int id) {
    if (isGuarded(id) && !m_s.conn.open) {
        auto ctx = m_s.context();
        session::showConnectionCheck(ctx);
        return;
    }
    auto ctx = m_s.context();
    switch (id) {
    case 2:
    case kCmdConnect:
        connect();
        return;
    case 3:
        session::closePort(ctx);
        return;
    case 110:
    case 111:
    case 112:
    case 113:
    case 114:
    case 115:
    case 116:
        session::changeLineSettings(ctx, id);
        return;
    case kShowMarkWindow:
        switchToMarkView(false);
        return;
    case kShowGraphicsWindow:
        switchToGraphicsView(false);
        return;
    case kCmdGraphicsView:
        if (m_s.shell.activeView == View::Mark)
            switchToGraphicsView(true);
        return;
    case kCmdMarkView:
        if (m_s.shell.activeView == View::Logo)
            switchToMarkView(true);
        return;
    case 40:
    case 41:
    case 42:
    case 43: {
        const HelpText help = helpText(id);
        m_s.dialogs.message(help.title, help.text, help.kind);
        return;
    }
    default:
        runPrinterCommand(id == kCmdSettingsReport ? 55 : id);
        return;
    }
}

} // namespace nimbrel::app
