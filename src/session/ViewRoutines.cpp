#include "session/ViewRoutines.h"

#include "session/PortRoutines.h"
#include "session/PrinterRoutines.h"
#include "session/Session.h"

namespace nimbrel::session {

void switchToMarkView(Session& s, bool hideOther) {
    auto& shell = s.shell;
    shell.activeView = View::Mark;
    shell.markWindowShown = true;
    if (hideOther)
        shell.graphicsWindowShown = false;
    shell.setTop({kTopGraphics, kTopEditor}, false);
    shell.setTop({kTopMark}, true);
}

void switchToGraphicsView(Session& s, bool hideOther) {
    auto& shell = s.shell;
    shell.activeView = View::Logo;
    shell.graphicsWindowShown = true;
    if (hideOther)
        shell.markWindowShown = false;
    shell.setTop({kTopMark}, false);
    shell.setTop({kTopGraphics, kTopEditor}, true);
    shell.enable({CommandId::NewLogo, CommandId::OpenLogo}, true);
}

void showMarkWindow(Session& s) {
    switchToMarkView(s, false);
}

void showGraphicsWindow(Session& s) {
    switchToGraphicsView(s, false);
}

void markViewKey(Session& s) {
    if (s.shell.activeView == View::Logo)
        switchToMarkView(s, true);
}

void graphicsViewKey(Session& s) {
    if (s.shell.activeView == View::Mark)
        switchToGraphicsView(s, true);
}

void connect(Session& s) {
    auto ctx = s.context();
    openPort(ctx, s.lister);
    if (s.conn.linkFailed() || !s.port.isOpen())
        return;
    s.shell.setSettingsEntries(true);
    showVersion(ctx);
    if (s.conn.printerModel != QLatin1String("T260")) {
        s.shell.activeView = View::Mark; // so the switch below takes place
        switchToGraphicsView(s, true);
    }
}

} // namespace nimbrel::session
