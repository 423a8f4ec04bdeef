#include "app/LogoCommands.h"

namespace nimbrel::app {

bool dispatchLogoCommand(Session& session, int id) {
    (void)session;
    (void)id;
    return false;
}

} // namespace nimbrel::app
