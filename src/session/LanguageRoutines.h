#pragma once

#include "platform/Language.h"
#include "session/ShellState.h"

namespace nimbrel::session {

struct Session;

// The items of "Язык / Language": the language in use carries the tick.
void showLanguageChecks(ShellState& shell);

// Items 120 and 121: menus, status texts and every box from now on speak `language`, and so
// does the next start. The window rebuilds its menus when it sees the language change.
void chooseLanguage(Session& s, platform::Language language);

} // namespace nimbrel::session
