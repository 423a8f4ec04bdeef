#include "app/LogoCommands.h"

#include "session/LogoRoutines.h"

namespace nimbrel::app {

bool dispatchLogoCommand(Session& session, int id) {
    session::Context link = session.context();
    session::LogoContext ctx{link, session.logos, session.workingFolder};
    switch (id) {
    case 20:
        session::newLogo(ctx);
        break;
    case 21:
        session::openLogoFile(ctx);
        break;
    case 23:
        session::saveLogoAs(ctx);
        break;
    case 25:
        session::readLogo(ctx);
        break;
    case 26:
        session::writeLogo(ctx);
        break;
    case 28:
        session::readCurrentMarkBitmap(ctx);
        break;
    case 29:
        session::deleteLogo(ctx);
        break;
    case 30:
        session::changeLogoWidth(ctx);
        break;
    case 31:
        session::changeLogoHeight(ctx);
        break;
    case 32:
        session::invertLogoCommand(ctx);
        break;
    case 34:
        session::clearEditingAreaCommand(ctx);
        break;
    case 35:
        session::countActiveDropsCommand(ctx);
        break;
    case 22:
    case 27:
        // Greyed for the whole run; nothing to do.
        return true;
    default:
        return false;
    }
    session.shell.notify();
    return true;
}

} // namespace nimbrel::app
