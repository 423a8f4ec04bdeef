#pragma once

#include "cli/Cli.h"
#include "cli/ExitCode.h"
#include "cli/Options.h"
#include "cli/TraceLog.h"
#include "link/Exchange.h"
#include "link/WriteCheck.h"
#include "printer/PrinterOperations.h"

#include <QJsonDocument>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace nimbrel::cli {

// One run of a command: the invocation, the open port and the trace, and the ways to answer.
class Job {
public:
    Job(Environment& env, const Invocation& inv) : m_env(env), m_inv(inv) {}

    const Invocation& inv() const { return m_inv; }
    Environment& env() { return m_env; }
    const QString& portName() const { return m_portName; }
    const QString& devicePath() const { return m_devicePath; }

    // Chooses and opens the port; an exit code other than 0 when it cannot.
    int connect();
    link::Line& line() { return *m_line; }
    // The trace file, written when the job ends (also after a failure).
    int finish(int code);

    // A message for people, one line on standard error, and the exit code to return. Under
    // --json the line is an object with the port, the code, the error's stable name (see
    // `errorNameOf`) and the message. Without a name, the code's general one is given.
    int fail(int code, const QString& message);
    int fail(int code, const char* error, const QString& message);
    // The name of the failure told last; empty while none was.
    const QString& errorName() const { return m_errorName; }
    // The link failure of an exchange, with the port, the device and what to do.
    int linkFailure(link::ExchangeError error);
    // The exit code of a write proven by reading back: a failed write and an unanswered check
    // read are told here (`unchecked` says what was written); kExitVerify for a difference.
    int writeCheckCode(const link::WriteCheck& check, const QString& unchecked);
    int usage(const QString& message);

    void print(const QString& text); // standard output, a line
    void printJson(const QJsonDocument& doc);
    // Standard error, overwritten in place; only when it is a terminal.
    void progress(const QString& text);
    void endProgress();

private:
    Environment& m_env;
    const Invocation& m_inv;
    QString m_portName;
    QString m_devicePath;
    TraceLog m_trace;
    link::LineState m_lineState;
    std::optional<link::Line> m_line;
    bool m_progressShown = false;
    QString m_errorName;
};

// The general error name of an exit code: "usage", "port", "link", "verify", "file".
const char* errorNameOf(int code);
// A failure as a script reads it: one line of JSON, the port null when none was chosen.
QString errorJson(const QString& port, int code, const QString& error, const QString& message);

// The program's report texts for a terminal: its "\n\r" and "\r\n" line ends become "\n".
QString terminalText(const QString& report);

// Reads the version (which tells the model); an exit code other than 0 after reporting why not.
int readVersion(Job& job, QByteArray& reply);
// The same for a version read already: a failure, an empty answer or one that names no model.
int versionCode(Job& job, const printer::VersionResult& version);

// Commands, by first word.
int runPorts(Job& job);
int runInfo(Job& job);
int runSettings(Job& job);
int runMode(Job& job);
int runMap(Job& job);
int runClock(Job& job);
int runOffset(Job& job);
int runLines(Job& job);
int runMark(Job& job);
int runFragment(Job& job);
int runLogo(Job& job);
int runBitmap(Job& job);
int runBackup(Job& job);
int runRestore(Job& job);

// A whole number in [low, high] written as decimal digits; nothing otherwise.
std::optional<int> numberArgument(const QString& text, int low, int high);

} // namespace nimbrel::cli
