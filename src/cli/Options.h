#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace nimbrel::cli {

// The command line, parsed: the command words and their arguments, and the options.
struct Invocation {
    QStringList words; // "mark", "read", "05"
    QString port;      // "COM5", "5", "/dev/ttyUSB0"; empty when not given (the last -p)
    QStringList ports; // every -p, in order
    QString portsFile; // --ports: a file of ports, one a line
    int baud = 115200;
    bool json = false;
    QString tracePath;
    QString output; // -o
    QString time;   // clock set --time
    QString type;   // fragment write --type
    QString font;   // fragment write --font
    bool yes = false;
    bool force = false;
    bool marks = false;
    bool logos = false;
    bool help = false;
    bool version = false;

    // fragment read/write --mark: a stored mark instead of the printed one
    QString mark;
    // logo convert/write: --height (8, 16, 24 or 32), --threshold (0..255 or "auto")
    QString height;
    QString threshold;
    bool dither = false;
    bool invert = false;
    bool split = false; // logo write --split: a wide logo into slots DDD, DDD+1, ...
};

struct ParsedInvocation {
    std::optional<Invocation> invocation;
    QString error; // one line, in the language in use
    // --lang as given ("en", "ru"), also when the rest of the line is refused.
    std::optional<QString> language;
};

// `arguments` without the program name.
ParsedInvocation parseInvocation(const QStringList& arguments);

// The whole --help text, in the language in use, exit codes included.
QString helpText();

// `nimbrel-cli COMMAND --help`: that command's lines and the options it takes; the whole text
// for a command it does not know.
QString commandHelpText(const QString& command);

} // namespace nimbrel::cli
