#pragma once

#include <QString>

namespace nimbrel::session {

struct HelpText {
    QString title;
    QString text;
    int kind; // message box kind
};

// The four texts of the "Помощь" menu, by command identifier 40 to 43.
HelpText helpText(int id);

} // namespace nimbrel::session
