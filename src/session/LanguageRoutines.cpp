#include "session/LanguageRoutines.h"

#include "session/Session.h"

namespace nimbrel::session {

void showLanguageChecks(ShellState& shell) {
    const bool english = platform::currentLanguage() == platform::Language::English;
    shell.itemChecked[idNumber(CommandId::LanguageRussian)] = !english;
    shell.itemChecked[idNumber(CommandId::LanguageEnglish)] = english;
    shell.notify();
}

void chooseLanguage(Session& s, platform::Language language) {
    // English that cannot be loaded leaves the program in Russian, and the tick says so.
    platform::useLanguage(language);
    if (s.saveLanguage)
        s.saveLanguage(platform::currentLanguage());
    s.shell.retranslate();
    showLanguageChecks(s.shell);
}

} // namespace nimbrel::session
