#include "cli/ManyPorts.h"

#include "cli/ExitCode.h"
#include "cli/Job.h"
#include "cli/PortChoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>

#include <algorithm>
#include <mutex>
#include <thread>
#include <utility>

namespace nimbrel::cli {

namespace {

// The devices as listed once for the whole call: the listing is not asked from many threads.
class FixedLister final : public platform::DeviceLister {
public:
    explicit FixedLister(std::vector<platform::SerialDevice> devices)
        : m_devices(std::move(devices)) {}
    std::vector<platform::SerialDevice> list() override { return m_devices; }

private:
    std::vector<platform::SerialDevice> m_devices;
};

// One port's stream to the shared console: whole lines only, each with the port in front, so
// the lines of printers running at once never mix within a line.
class PrefixedStream {
public:
    PrefixedStream(std::function<void(const QString&)> sink, QString prefix, std::mutex& lock)
        : m_sink(std::move(sink)), m_prefix(std::move(prefix)), m_lock(lock) {}

    void write(const QString& text) {
        m_pending += text;
        const qsizetype end = m_pending.lastIndexOf(QLatin1Char('\n'));
        if (end < 0)
            return;
        emitLines(m_pending.left(end));
        m_pending.remove(0, end + 1);
    }
    void flush() {
        if (!m_pending.isEmpty())
            emitLines(m_pending);
        m_pending.clear();
    }

private:
    void emitLines(const QString& lines) {
        QString out;
        for (const QString& line : lines.split(QLatin1Char('\n')))
            out += m_prefix + line + QLatin1Char('\n');
        const std::lock_guard<std::mutex> hold(m_lock);
        m_sink(out);
    }

    std::function<void(const QString&)> m_sink;
    QString m_prefix;
    std::mutex& m_lock;
    QString m_pending;
};

struct PortRun {
    QString label; // the COM name, or the argument when it names no port
    Invocation inv;
    int code = kExitOk;
    QString error;
    QString captured; // standard output under --json, turned into the port's object
};

QJsonValue capturedResult(const QString& text) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error == QJsonParseError::NoError)
        return doc.isArray() ? QJsonValue(doc.array()) : QJsonValue(doc.object());
    return text.trimmed().isEmpty() ? QJsonValue() : QJsonValue(text.trimmed());
}

// Where each port's part of a folder argument goes: backup into DIR/COM5/; restore from the
// one copy in DIR when it has a manifest, from DIR/COM5/ otherwise.
void placeFolder(Invocation& inv, const QString& label) {
    if (inv.words.size() != 2)
        return;
    const QString folder = inv.words[1];
    const QString own = QDir(folder).filePath(portFolderName(label));
    if (inv.words[0] == QStringLiteral("backup"))
        inv.words[1] = own;
    else if (inv.words[0] == QStringLiteral("restore") &&
             !QFile::exists(QDir(folder).filePath(QStringLiteral("manifest.json"))))
        inv.words[1] = own;
}

// A file named for one printer (-o, --trace), DIR/NAME, becomes DIR/<port>/NAME for each; the
// folder is made here, once, before the printers run.
QString ownFile(const QString& file, const QString& label) {
    if (file.isEmpty())
        return file;
    const QFileInfo info(file);
    const QString folder = QDir(info.path()).filePath(portFolderName(label));
    QDir().mkdir(folder);
    return QDir(folder).filePath(info.fileName());
}

void runOne(PortRun& run, Environment& env, const std::vector<platform::SerialDevice>& devices,
            Runner runner, std::mutex& lock) {
    FixedLister lister(devices);
    const std::unique_ptr<platform::SerialPort> port = env.makePort();
    const QString prefix = run.label + QStringLiteral(": ");
    PrefixedStream out(env.console.out, prefix, lock);
    PrefixedStream err(env.console.err, prefix, lock);
    Console console;
    if (run.inv.json) {
        // The error objects name their port themselves; the data becomes the port's object.
        console.out = [&run](const QString& text) { run.captured += text; };
        console.err = [&env, &lock](const QString& text) {
            const std::lock_guard<std::mutex> hold(lock);
            env.console.err(text);
        };
    } else {
        console.out = [&out](const QString& text) { out.write(text); };
        console.err = [&err](const QString& text) { err.write(text); };
    }
    Environment own{lister, *port, env.clock, console};
    Job job(own, run.inv);
    run.code = job.finish(runner(job));
    run.error = job.errorName();
    if (run.code != kExitOk && run.error.isEmpty())
        run.error = QString::fromLatin1(errorNameOf(run.code));
    out.flush();
    err.flush();
}

} // namespace

PortList portList(const Invocation& inv) {
    PortList list;
    list.ports = inv.ports;
    if (inv.portsFile.isEmpty())
        return list;
    QFile file(inv.portsFile);
    if (!file.open(QIODevice::ReadOnly)) {
        list.error =
            QCoreApplication::translate("CliManyPorts", "Файл портов %1 прочитать невозможно.")
                .arg(inv.portsFile);
        list.unreadable = true;
        return list;
    }
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString port = raw.section(QLatin1Char('#'), 0, 0).trimmed();
        if (!port.isEmpty())
            list.ports << port;
    }
    if (list.ports.isEmpty())
        list.error =
            QCoreApplication::translate("CliManyPorts", "в файле портов %1 нет ни одного порта")
                .arg(inv.portsFile);
    return list;
}

QString portFolderName(const QString& portName) {
    static const QRegularExpression other(QStringLiteral("[^A-Za-z0-9._-]"));
    QString name = portName;
    name.replace(other, QStringLiteral("_"));
    return name;
}

int runOnMany(const Invocation& inv, Environment& env, Runner runner) {
    Invocation bare = inv;
    bare.port.clear();
    Job caller(env, bare);
    const PortList list = portList(inv);
    if (!list.error.isEmpty())
        return list.unreadable ? caller.fail(kExitFile, "ports-file", list.error)
                               : caller.usage(list.error);
    // Without -o a logo is read into one file in the working folder, which the printers would
    // write over each other.
    if (inv.output.isEmpty() && inv.words.size() >= 2 && inv.words[0] == QStringLiteral("logo") &&
        inv.words[1] == QStringLiteral("read"))
        return caller.usage(QCoreApplication::translate(
            "CliManyPorts", "с несколькими портами logo read пишет в ПАПКА/порт/ФАЙЛ: "
                            "укажите -o ПАПКА/ФАЙЛ"));
    if (!env.makePort)
        return caller.usage(QCoreApplication::translate(
            "CliManyPorts", "несколько портов в одном вызове здесь не поддерживаются"));
    const std::vector<platform::SerialDevice> devices = env.lister.list();
    std::vector<PortRun> runs;
    QStringList devicesSeen;
    for (const QString& argument : list.ports) {
        const PortChoice choice = choosePort(argument, devices);
        PortRun run;
        run.label = choice.portName.isEmpty() ? argument : choice.portName;
        const QString device = choice.devicePath.isEmpty() ? run.label : choice.devicePath;
        // Two jobs on one device would take it from each other.
        if (devicesSeen.contains(device))
            return caller.usage(QCoreApplication::translate("CliManyPorts", "порт %1 указан дважды")
                                    .arg(run.label));
        devicesSeen << device;
        run.inv = inv;
        run.inv.port = argument;
        run.inv.ports = QStringList{argument};
        run.inv.portsFile.clear();
        placeFolder(run.inv, run.label);
        run.inv.output = ownFile(inv.output, run.label);
        run.inv.tracePath = ownFile(inv.tracePath, run.label);
        runs.push_back(std::move(run));
    }
    // The backups' common folder; one that cannot be made is told by every backup.
    if (inv.words.size() == 2 && inv.words[0] == QStringLiteral("backup"))
        QDir().mkdir(inv.words[1]);

    std::mutex lock;
    std::vector<std::thread> threads;
    threads.reserve(runs.size());
    for (PortRun& run : runs)
        threads.emplace_back(
            [&run, &env, &devices, runner, &lock] { runOne(run, env, devices, runner, lock); });
    for (std::thread& t : threads)
        t.join();

    int worst = kExitOk;
    int ok = 0;
    QStringList failed;
    for (const PortRun& run : runs) {
        worst = std::max(worst, run.code);
        if (run.code == kExitOk)
            ++ok;
        else
            failed << QCoreApplication::translate("CliManyPorts", "%1 (код %2)")
                          .arg(run.label, QString::number(run.code));
        if (!inv.json)
            continue;
        QJsonObject o{{QStringLiteral("port"), run.label}, {QStringLiteral("code"), run.code}};
        if (run.code != kExitOk)
            o.insert(QStringLiteral("error"), run.error);
        const QJsonValue result = capturedResult(run.captured);
        if (!result.isNull())
            o.insert(QStringLiteral("result"), result);
        env.console.out(QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) +
                        QLatin1Char('\n'));
    }
    const int count = static_cast<int>(runs.size());
    if (inv.json) {
        const QJsonObject summary{{QStringLiteral("ports"), count},
                                  {QStringLiteral("ok"), ok},
                                  {QStringLiteral("failed"), count - ok},
                                  {QStringLiteral("code"), worst}};
        env.console.out(QString::fromUtf8(QJsonDocument(summary).toJson(QJsonDocument::Compact)) +
                        QLatin1Char('\n'));
    } else {
        QString text = QCoreApplication::translate("CliManyPorts",
                                                   "Итого: портов %1, успешно %2, с ошибкой %3")
                           .arg(count)
                           .arg(ok)
                           .arg(count - ok);
        if (!failed.isEmpty())
            text += QStringLiteral(": ") + failed.join(QStringLiteral(", "));
        env.console.out(text + QStringLiteral(".\n"));
    }
    return worst;
}

} // namespace nimbrel::cli
