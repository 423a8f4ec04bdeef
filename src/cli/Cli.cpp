#include "cli/Cli.h"

#include "nimbrel/Version.h"

#include "cli/Job.h"
#include "cli/ManyPorts.h"
#include "cli/PortChoice.h"
#include "link/PortControl.h"
#include "logos/LogoFiles.h"
#include "platform/Language.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QRegularExpression>

#include <map>

namespace nimbrel::cli {

namespace {

const std::map<QString, Runner>& commands() {
    static const std::map<QString, Runner> table{
        {QStringLiteral("ports"), runPorts},       {QStringLiteral("info"), runInfo},
        {QStringLiteral("settings"), runSettings}, {QStringLiteral("mode"), runMode},
        {QStringLiteral("map"), runMap},           {QStringLiteral("clock"), runClock},
        {QStringLiteral("offset"), runOffset},     {QStringLiteral("lines"), runLines},
        {QStringLiteral("mark"), runMark},         {QStringLiteral("fragment"), runFragment},
        {QStringLiteral("logo"), runLogo},         {QStringLiteral("bitmap"), runBitmap},
        {QStringLiteral("backup"), runBackup},     {QStringLiteral("restore"), runRestore},
    };
    return table;
}

QString stderrLine(const QString& message) {
    return QStringLiteral("nimbrel-cli: ") + message + QLatin1Char('\n');
}

const char* openErrorName(platform::OpenError error) {
    switch (error) {
    case platform::OpenError::NotFound:
        return "port-not-found";
    case platform::OpenError::Busy:
        return "port-busy";
    case platform::OpenError::NoPermission:
        return "port-permission";
    case platform::OpenError::None:
    case platform::OpenError::Other:
        break;
    }
    return "port-failed";
}

const char* exchangeErrorName(link::ExchangeError error) {
    switch (error) {
    case link::ExchangeError::NotOpen:
        return "not-open";
    case link::ExchangeError::WriteFailed:
        return "write-failed";
    case link::ExchangeError::NoReply:
        return "no-reply";
    case link::ExchangeError::ReadFailed:
        return "read-failed";
    case link::ExchangeError::BadLength:
        return "bad-length";
    case link::ExchangeError::LineBusy:
        return "line-busy";
    case link::ExchangeError::None:
        break;
    }
    return "link";
}

QString withHelpHint(const QString& message) {
    return QCoreApplication::translate("Cli", "%1 (справка: nimbrel-cli --help)").arg(message);
}

// A refused command line, before any job: JSON under --json (looked for by hand when the
// parse itself failed).
int refuse(const QStringList& arguments, Environment& env, const QString& message) {
    const QString text = withHelpHint(message);
    if (arguments.contains(QStringLiteral("--json")))
        env.console.err(errorJson(QString(), kExitUsage, QStringLiteral("usage"), text));
    else
        env.console.err(stderrLine(text));
    return kExitUsage;
}

// The language --lang asks for, for one run: runCli is called many times in one process by the
// tests, so the language in use before it comes back when the run ends.
class RunLanguage {
public:
    explicit RunLanguage(platform::Language wanted) : m_before(platform::currentLanguage()) {
        if (wanted != m_before) {
            platform::useLanguage(wanted, platform::QtTexts::English);
            m_changed = true;
        }
    }
    ~RunLanguage() {
        if (m_changed)
            platform::useLanguage(m_before, platform::QtTexts::English);
    }
    RunLanguage(const RunLanguage&) = delete;
    RunLanguage& operator=(const RunLanguage&) = delete;

private:
    platform::Language m_before;
    bool m_changed = false;
};

} // namespace

const char* errorNameOf(int code) {
    switch (code) {
    case kExitUsage:
        return "usage";
    case kExitPort:
        return "port";
    case kExitLink:
        return "link";
    case kExitVerify:
        return "verify";
    case kExitFile:
        return "file";
    default:
        return "error";
    }
}

QString errorJson(const QString& port, int code, const QString& error, const QString& message) {
    const QJsonObject o{{QStringLiteral("port"), port.isEmpty() ? QJsonValue() : QJsonValue(port)},
                        {QStringLiteral("code"), code},
                        {QStringLiteral("error"), error},
                        {QStringLiteral("message"), message}};
    return QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n');
}

std::optional<int> numberArgument(const QString& text, int low, int high) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int value = text.toInt();
    if (value < low || value > high)
        return std::nullopt;
    return value;
}

QString terminalText(const QString& report) {
    QString text = report;
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

int Job::connect() {
    const std::vector<platform::SerialDevice> devices = m_env.lister.list();
    if (const QString problem = m_env.lister.folderProblem(); !problem.isEmpty())
        m_env.console.err(stderrLine(problem));
    const PortChoice choice = choosePort(m_inv.port, devices);
    m_portName = choice.portName;
    m_devicePath = choice.devicePath;
    if (!choice.ok())
        return choice.usageError ? fail(kExitUsage, "usage", choice.error)
                                 : fail(kExitPort, "port-not-found", choice.error);
    platform::LineSettings settings;
    settings.baud = m_inv.baud;
    const platform::OpenResult opened = m_env.port.open(m_devicePath, settings);
    if (opened.error == platform::OpenError::NotFound)
        return fail(kExitPort, noSuchPortText(m_portName, m_devicePath));
    if (!opened.ok())
        return fail(kExitPort, openErrorName(opened.error),
                    oneLine(link::openFailureText(m_portName, m_devicePath, opened)));
    link::TraceSink sink;
    if (!m_inv.tracePath.isEmpty()) {
        m_trace.note(m_env.clock.now().time(),
                     QStringLiteral("nimbrel-cli ") + m_inv.words.join(QLatin1Char(' ')) +
                         QStringLiteral(" on ") + m_portName + QLatin1Char(' ') + m_devicePath);
        sink = [this](link::TraceDirection direction, const QByteArray& bytes) {
            m_trace.add(m_env.clock.now().time(), direction, bytes);
        };
    }
    m_line.emplace(link::Line{m_env.port, m_env.clock, sink, &m_lineState});
    return kExitOk;
}

int Job::finish(int code) {
    endProgress();
    if (m_env.port.isOpen())
        m_env.port.close();
    // No trace without a line: a refused command line leaves no empty file behind.
    if (m_inv.tracePath.isEmpty() || !m_line)
        return code;
    const QString error = logos::writeLogoFile(m_inv.tracePath, m_trace.text());
    if (!error.isEmpty()) {
        const int failed = fail(kExitFile, "trace-file", oneLine(error));
        return code == kExitOk ? failed : code;
    }
    return code;
}

int Job::fail(int code, const QString& message) {
    return fail(code, errorNameOf(code), message);
}

int Job::fail(int code, const char* error, const QString& message) {
    endProgress();
    m_errorName = QString::fromLatin1(error);
    if (m_inv.json)
        m_env.console.err(
            errorJson(m_portName.isEmpty() ? m_inv.port : m_portName, code, m_errorName, message));
    else
        m_env.console.err(stderrLine(message));
    return code;
}

int Job::usage(const QString& message) {
    return fail(kExitUsage, "usage", withHelpHint(message));
}

int Job::linkFailure(link::ExchangeError error) {
    const char* name = exchangeErrorName(error);
    if (error == link::ExchangeError::NotOpen || error == link::ExchangeError::WriteFailed)
        return fail(kExitLink, name,
                    QCoreApplication::translate(
                        "Cli", "%1 Устройство %2: проверьте кабель и что порт не отключён.")
                        .arg(link::writeErrorText(m_portName), m_devicePath));
    return fail(kExitLink, name,
                QCoreApplication::translate("Cli", "%1 Устройство %2: проверьте, что Маркиратор "
                                                   "включён и подключён к этому порту.")
                    .arg(link::readErrorText(m_portName), m_devicePath));
}

int Job::writeCheckCode(const link::WriteCheck& check, const QString& unchecked) {
    switch (check.outcome) {
    case link::WriteOutcome::NotSent:
        return linkFailure(check.error);
    case link::WriteOutcome::Unanswered:
        return fail(
            kExitLink, "unanswered-check",
            QCoreApplication::translate("Cli", "%1 Устройство %2").arg(unchecked, m_devicePath));
    case link::WriteOutcome::Differs:
        return kExitVerify;
    case link::WriteOutcome::Confirmed:
        break;
    }
    return kExitOk;
}

void Job::print(const QString& text) {
    endProgress();
    m_env.console.out(text + QLatin1Char('\n'));
}

void Job::printJson(const QJsonDocument& doc) {
    endProgress();
    m_env.console.out(QString::fromUtf8(doc.toJson(QJsonDocument::Indented)));
}

void Job::progress(const QString& text) {
    // Under --json standard error holds only the failure objects.
    if (!m_env.console.progress || m_inv.json)
        return;
    // Clears the rest of the line the previous text may have left.
    m_env.console.err(QStringLiteral("\r") + text + QStringLiteral("\x1b[K"));
    m_progressShown = true;
}

void Job::endProgress() {
    if (!m_progressShown)
        return;
    m_progressShown = false;
    m_env.console.err(QStringLiteral("\n"));
}

int runCli(const QStringList& arguments, Environment& env) {
    // --lang first: every text of the run, a refusal of the command line included, is in it.
    const std::optional<QString> asked = parseInvocation(arguments).language;
    const std::optional<platform::Language> language =
        asked ? platform::languageFromCode(*asked) : platform::currentLanguage();
    if (!language)
        return refuse(
            arguments, env,
            QCoreApplication::translate("Cli", "неизвестный язык '%1': ru или en").arg(*asked));
    const RunLanguage run(*language);
    const ParsedInvocation parsed = parseInvocation(arguments);
    if (!parsed.invocation)
        return refuse(arguments, env, parsed.error);
    const Invocation& inv = *parsed.invocation;
    if (inv.help) {
        env.console.out(inv.words.isEmpty() ? helpText() : commandHelpText(inv.words.first()));
        return kExitOk;
    }
    if (inv.version) {
        env.console.out(QStringLiteral("nimbrel-cli ") + QString::fromLatin1(kVersion) +
                        QLatin1Char('\n'));
        return kExitOk;
    }
    if (inv.words.isEmpty())
        return refuse(arguments, env, QCoreApplication::translate("Cli", "не указана команда"));
    const auto command = commands().find(inv.words.first());
    if (command == commands().end())
        return refuse(
            arguments, env,
            QCoreApplication::translate("Cli", "неизвестная команда '%1'").arg(inv.words.first()));
    // The list of ports needs no printer: it runs once, whatever -p says.
    if (command->second != runPorts && (inv.ports.size() > 1 || !inv.portsFile.isEmpty()))
        return runOnMany(inv, env, command->second);
    Job job(env, inv);
    return job.finish(command->second(job));
}

} // namespace nimbrel::cli
