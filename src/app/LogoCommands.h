#pragma once

#include "app/Session.h"

namespace nimbrel::app {

// Runs the logo commands (menus "ГРАФИКА" and "РедакторГрафики"). Returns false for an
// identifier that is not one of them.
bool dispatchLogoCommand(Session& session, int id);

} // namespace nimbrel::app
