#pragma once

#include "app/Session.h"

namespace nimbrel::app {

// Runs the mark commands (menu "МАРКА" and the mark window's controls). Returns false for an
// identifier that is not one of them.
bool dispatchMarkCommand(Session& session, int id);

} // namespace nimbrel::app
