#include "cli/Job.h"
#include "link/PortControl.h"
#include "printer/AreaReports.h"
#include "printer/ClockCommands.h"
#include "printer/Counters.h"
#include "printer/LineCount.h"
#include "printer/PrintModeReport.h"
#include "printer/PrinterOperations.h"
#include "printer/SettingsReport.h"
#include "printer/Version.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonObject>

namespace nimbrel::cli {

namespace {

// Reports are built as on a system other than Windows XP.
constexpr int kXpFlag = 0;

QJsonObject fieldsObject(const std::vector<printer::ReportField>& fields) {
    QJsonObject out;
    for (const printer::ReportField& f : fields)
        out.insert(f.label, f.value);
    return out;
}

QString noArgumentsText(const QString& command) {
    return QCoreApplication::translate("CliPrinterCommands", "%1 не принимает аргументов")
        .arg(command);
}

// A reply of the map commands, or the exit code of the failure.
int readMap(Job& job, bool marks, QByteArray& reply) {
    const link::ExchangeResult r =
        marks ? printer::readMarkArea(job.line()) : printer::readLogoArea(job.line());
    if (!r.ok())
        return job.linkFailure(r.error);
    reply = r.reply;
    return kExitOk;
}

} // namespace

int versionCode(Job& job, const printer::VersionResult& v) {
    if (!v.ok())
        return job.linkFailure(v.error);
    if (v.empty())
        return job.fail(kExitLink,
                        QCoreApplication::translate("CliPrinterCommands",
                                                    "%1 (возможно Маркиратор не включен или не "
                                                    "подключен) Устройство %2")
                            .arg(link::readErrorText(job.portName()), job.devicePath()));
    // A garbled reply names no model: the model decides the layouts, limits and the family a
    // copy may go to, so nothing may follow from it. A model of the printer's own is taken.
    if (!printer::isModelCode(v.model()))
        return job.fail(
            kExitLink, QCoreApplication::translate(
                           "CliPrinterCommands", "%1 Ответ Маркиратора не распознан. Устройство %2")
                           .arg(link::readErrorText(job.portName()), job.devicePath()));
    return kExitOk;
}

int readVersion(Job& job, QByteArray& reply) {
    const printer::VersionResult v = printer::readVersion(job.line());
    if (const int code = versionCode(job, v))
        return code;
    reply = v.reply;
    return kExitOk;
}

int runPorts(Job& job) {
    if (job.inv().words.size() != 1)
        return job.usage(noArgumentsText(QStringLiteral("ports")));
    const std::vector<platform::SerialDevice> devices = job.env().lister.list();
    if (const QString problem = job.env().lister.folderProblem(); !problem.isEmpty())
        job.env().console.err(QStringLiteral("nimbrel-cli: ") + problem + QLatin1Char('\n'));
    if (job.inv().json) {
        QJsonArray list;
        for (const platform::SerialDevice& d : devices)
            list.append(QJsonObject{{QStringLiteral("port"), d.portName},
                                    {QStringLiteral("number"), d.portName.mid(3).toInt()},
                                    {QStringLiteral("device"), d.devicePath},
                                    {QStringLiteral("settings"), d.settings},
                                    {QStringLiteral("name"), d.friendlyName}});
        job.printJson(QJsonDocument(list));
        return kExitOk;
    }
    if (devices.empty()) {
        job.env().console.err(QCoreApplication::translate("CliPrinterCommands",
                                                          "  ДОСТУПНЫЕ COM-ПОРТЫ НЕ "
                                                          "ОБНАРУЖЕНЫ!  \n"));
        return kExitOk;
    }
    for (const platform::SerialDevice& d : devices)
        job.print(link::portListLine(d).chopped(1));
    return kExitOk;
}

int runInfo(Job& job) {
    if (job.inv().words.size() != 1)
        return job.usage(noArgumentsText(QStringLiteral("info")));
    if (const int code = job.connect())
        return code;
    QByteArray version;
    if (const int code = readVersion(job, version))
        return code;
    const link::ExchangeResult hours = printer::readWorkingHours(job.line());
    if (!hours.ok())
        return job.linkFailure(hours.error);
    const link::ExchangeResult count = printer::readPrintedCount(job.line());
    if (!count.ok())
        return job.linkFailure(count.error);
    const QString model = printer::modelFromVersion(version);
    const QString hoursText = printer::counterText(hours.reply, 1, 4, true);
    const QString countText = printer::counterText(count.reply, 1, 6, false);
    if (job.inv().json) {
        bool hoursOk = false;
        bool countOk = false;
        const double h = hoursText.toDouble(&hoursOk);
        const qint64 c = countText.toLongLong(&countOk);
        job.printJson(QJsonDocument(QJsonObject{
            {QStringLiteral("port"), job.portName()},
            {QStringLiteral("model"), model},
            {QStringLiteral("version"), printer::versionText(version)},
            {QStringLiteral("hours"), hoursOk ? QJsonValue(h) : QJsonValue(hoursText)},
            {QStringLiteral("printed"), countOk ? QJsonValue(c) : QJsonValue(countText)},
        }));
        return kExitOk;
    }
    job.print(QCoreApplication::translate("CliPrinterCommands", "Модель:\t%1").arg(model));
    job.print(terminalText(printer::versionMessageText(version)));
    job.print(printer::workingHoursText(hours.reply).trimmed());
    job.print(printer::printedCountText(count.reply).trimmed());
    return kExitOk;
}

int runSettings(Job& job) {
    if (job.inv().words.size() != 1)
        return job.usage(noArgumentsText(QStringLiteral("settings")));
    if (const int code = job.connect())
        return code;
    QByteArray version;
    if (const int code = readVersion(job, version))
        return code;
    const QString model = printer::modelFromVersion(version);
    const link::ExchangeResult r = printer::readSettings(job.line(), model);
    if (!r.ok())
        return job.linkFailure(r.error);
    const printer::Report report = printer::settingsReport(r.reply, model, kXpFlag);
    if (job.inv().json)
        job.printJson(
            QJsonDocument(QJsonObject{{QStringLiteral("model"), model},
                                      {QStringLiteral("fields"), fieldsObject(report.fields)}}));
    else
        job.print(terminalText(report.text));
    return kExitOk;
}

int runMode(Job& job) {
    if (job.inv().words.size() != 1)
        return job.usage(noArgumentsText(QStringLiteral("mode")));
    if (const int code = job.connect())
        return code;
    const link::ExchangeResult r = printer::readPrintMode(job.line());
    if (!r.ok())
        return job.linkFailure(r.error);
    if (!job.inv().json) {
        job.print(terminalText(printer::buildPrintModeReport(r.reply, kXpFlag)));
        return kExitOk;
    }
    QJsonObject fields;
    for (const printer::PrintModeSwitch& s : printer::printModeSwitches(r.reply))
        fields.insert(s.label, s.on);
    job.printJson(QJsonDocument(fields));
    return kExitOk;
}

int runMap(Job& job) {
    const QStringList& w = job.inv().words;
    const bool marks = w.size() == 2 && w[1] == QStringLiteral("marks");
    if (w.size() != 2 || (!marks && w[1] != QStringLiteral("logos")))
        return job.usage(
            QCoreApplication::translate("CliPrinterCommands", "нужно: map marks или map logos"));
    if (const int code = job.connect())
        return code;
    QByteArray reply;
    if (const int code = readMap(job, marks, reply))
        return code;
    if (job.inv().json) {
        QJsonArray occupied;
        for (int slot : marks ? printer::occupiedMarks(reply) : printer::occupiedLogos(reply))
            occupied.append(slot);
        job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("occupied"), occupied}}));
        return kExitOk;
    }
    job.print(terminalText(marks ? printer::buildMarkAreaReport(reply, kXpFlag)
                                 : printer::buildLogoAreaReport(reply)));
    return kExitOk;
}

int runClock(Job& job) {
    const QStringList& w = job.inv().words;
    if (w.size() != 2 || w[1] != QStringLiteral("set"))
        return job.usage(QCoreApplication::translate(
            "CliPrinterCommands", "нужно: clock set [--time ГГГГ-ММ-ДДTЧЧ:ММ:СС]"));
    QDateTime at = job.env().clock.now();
    if (!job.inv().time.isEmpty()) {
        at = QDateTime::fromString(job.inv().time, Qt::ISODate);
        if (!at.isValid())
            return job.usage(QCoreApplication::translate(
                                 "CliPrinterCommands",
                                 "НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ: '%1', нужно ISO 8601, "
                                 "например 2019-05-31T14:05:09")
                                 .arg(job.inv().time));
        at = at.toLocalTime();
    }
    if (const int code = job.connect())
        return code;
    const QString date = printer::dateDigits(at);
    const QString time = printer::timeDigits(at);
    if (const link::ExchangeError e = printer::setClock(job.line(), date, time);
        e != link::ExchangeError::None)
        return job.linkFailure(e);
    if (job.inv().json)
        job.printJson(QJsonDocument(
            QJsonObject{{QStringLiteral("date"), date}, {QStringLiteral("time"), time}}));
    else
        job.print(
            QCoreApplication::translate("CliPrinterCommands", "Часы Маркиратора установлены:  %1")
                .arg(at.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))));
    return kExitOk;
}

int runOffset(Job& job) {
    const QStringList& w = job.inv().words;
    if (w.size() != 3 || w[1] != QStringLiteral("set"))
        return job.usage(
            QCoreApplication::translate("CliPrinterCommands", "нужно: offset set N (0..9999)"));
    const auto days = numberArgument(w[2], 0, 9999);
    if (!days)
        return job.usage(
            QCoreApplication::translate("CliPrinterCommands",
                                        "НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ: '%1', нужно 0..9999")
                .arg(w[2]));
    if (const int code = job.connect())
        return code;
    if (const link::ExchangeError e = printer::setDateOffset(job.line(), *days);
        e != link::ExchangeError::None)
        return job.linkFailure(e);
    const QString postDate = printer::postDateText(job.env().clock.now().date(), *days);
    if (job.inv().json)
        job.printJson(QJsonDocument(
            QJsonObject{{QStringLiteral("days"), *days}, {QStringLiteral("postDate"), postDate}}));
    else
        job.print(QCoreApplication::translate("CliPrinterCommands",
                                              "Смещение даты установлено: %1 дней, ПОСТ-ДАТА:  %2")
                      .arg(QString::number(*days), postDate));
    return kExitOk;
}

int runLines(Job& job) {
    const QStringList& w = job.inv().words;
    const bool get = w.size() == 2 && w[1] == QStringLiteral("get");
    const bool set = w.size() == 3 && w[1] == QStringLiteral("set");
    if (!get && !set)
        return job.usage(
            QCoreApplication::translate("CliPrinterCommands", "нужно: lines get или lines set N"));
    if (const int code = job.connect())
        return code;
    if (get) {
        const link::ExchangeResult r = printer::readLineCount(job.line());
        if (!r.ok())
            return job.linkFailure(r.error);
        const QString lines = printer::lineCountDefault(r.reply);
        if (job.inv().json)
            job.printJson(QJsonDocument(QJsonObject{
                {QStringLiteral("lines"),
                 lines == QStringLiteral("?") ? QJsonValue() : QJsonValue(lines.toInt())}}));
        else
            job.print(QCoreApplication::translate("CliPrinterCommands", "Число строк печати: %1")
                          .arg(lines));
        return kExitOk;
    }
    QByteArray version;
    if (const int code = readVersion(job, version))
        return code;
    const QString model = printer::modelFromVersion(version);
    const int limit = printer::lineCountLimit(model);
    if (!numberArgument(w[2], 1, limit))
        return job.usage(
            QCoreApplication::translate("CliPrinterCommands",
                                        "НЕРЕАЛЬНОЕ ЧИСЛО СТРОК: '%1', для %2 допустимо 1..%3")
                .arg(w[2], model, QString::number(limit)));
    int reported = 0;
    const int code = job.writeCheckCode(printer::setLineCount(job.line(), w[2], reported),
                                        printer::lineCountUncheckedText());
    if (code == kExitVerify)
        return job.fail(code, printer::lineCountDiffersText(reported));
    if (code != kExitOk)
        return code;
    if (job.inv().json)
        job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("lines"), w[2].toInt()}}));
    else
        job.print(
            QCoreApplication::translate("CliPrinterCommands", "Число строк печати установлено: %1")
                .arg(w[2]));
    return kExitOk;
}

} // namespace nimbrel::cli
