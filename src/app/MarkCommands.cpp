#include "app/MarkCommands.h"

namespace nimbrel::app {

bool dispatchMarkCommand(Session& session, int id) {
    (void)session;
    (void)id;
    return false;
}

} // namespace nimbrel::app
