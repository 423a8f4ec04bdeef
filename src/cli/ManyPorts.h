#pragma once

#include "cli/Cli.h"
#include "cli/Options.h"

#include <QString>
#include <QStringList>

namespace nimbrel::cli {

class Job;
using Runner = int (*)(Job&);

struct PortList {
    QStringList ports; // as written: every -p, then the file's lines
    QString error;     // the file cannot be read, or names no port; one line
    bool unreadable = false;
};

// The ports of a call: the -p arguments and the lines of --ports FILE (blank lines and
// everything from '#' on are skipped).
PortList portList(const Invocation& inv);

// A folder name for a port: its COM name, or its path or URL with every character other than
// letters, digits, '.', '-' and '_' made '_'.
QString portFolderName(const QString& portName);

// Runs one command on every port of the call at once, each with a port, line and console of
// its own. Text lines come prefixed "COM5: "; under --json standard output has one object a
// port ({"port", "code", "error" when failed, "result"}) and then the summary ({"ports",
// "ok", "failed", "code"}). Files named for one printer go to a folder a port: backup DIR to
// DIR/COM5/, -o and --trace DIR/FILE to DIR/COM5/FILE. Returns the highest exit code of the
// ports.
int runOnMany(const Invocation& inv, Environment& env, Runner runner);

} // namespace nimbrel::cli
