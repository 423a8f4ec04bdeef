#include "app/LogoCommands.h"

#include "logos/LogoCommands.h"

namespace nimbrel::app {

bool dispatchLogoCommand(Session& session, int id) {
    link::Context link = session.context();
    logos::LogoContext ctx{link, session.logos, session.workingFolder};
    switch (id) {
    case 20:
        logos::newLogo(ctx);
        break;
    case 21:
        logos::openLogoFile(ctx);
        break;
    case 23:
        logos::saveLogoAs(ctx);
        break;
    case 25:
        logos::readLogo(ctx);
        break;
    case 26:
        logos::writeLogo(ctx);
        break;
    case 28:
        logos::readCurrentMarkBitmap(ctx);
        break;
    case 29:
        logos::deleteLogo(ctx);
        break;
    case 30:
        logos::changeLogoWidth(ctx);
        break;
    case 31:
        logos::changeLogoHeight(ctx);
        break;
    case 32:
        logos::invertLogoCommand(ctx);
        break;
    case 34:
        logos::clearEditingAreaCommand(ctx);
        break;
    case 35:
        logos::countActiveDropsCommand(ctx);
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
