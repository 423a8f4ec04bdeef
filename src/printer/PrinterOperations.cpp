#include "printer/PrinterOperations.h"

#include "printer/ClockCommands.h"
#include "printer/LineCount.h"
#include "printer/Version.h"

namespace nimbrel::printer {

namespace {

constexpr int kReplyBufferSize = 256;
constexpr int kCounterBufferSize = 8192;
constexpr int kVersionBufferSize = 8192;
constexpr int kDateTimePauseMs = 50;
// Reply lengths: a status byte, then the fields the reports read.
constexpr int kHoursLength = 5;
constexpr int kCountLength = 7;
constexpr int kFlagsLength = 2;
constexpr int kMarkMapLength = 85;
constexpr int kLogoMapLength = 128;

int settingsLength(const QString& model) {
    return model == QLatin1String("T236") || model == QLatin1String("T260") ? 47 : 73;
}

// `length` 0: the reply tells nothing of its length (the version text). Otherwise a reply that
// pauses before `length` bytes is waited for, and one still short after the passes, or longer,
// is a failed read: a report is never built from a part of a reply or from two of them.
link::ExchangeResult query(link::Line& line, const QByteArray& command, int bufferSize, int length,
                           int recountAfterMs = -1) {
    link::Request request;
    request.command = command;
    request.wait = link::kCommandWait;
    request.bufferSize = bufferSize;
    request.recountAfterMs = recountAfterMs;
    if (length > 0) {
        request.length = [length](const QByteArray&) { return length; };
    }
    return link::exchange(line, request);
}

link::ExchangeError send(link::Line& line, const QByteArray& command) {
    link::Request request;
    request.command = command;
    return link::exchange(line, request).error;
}

} // namespace

bool isKnownModel(const QString& model) {
    static const QStringList known = {
        QStringLiteral("T236"), QStringLiteral("T260"), QStringLiteral("T736"),
        QStringLiteral("T760"), QStringLiteral("T75Z"), QStringLiteral("T936"),
        QStringLiteral("T960"), QStringLiteral("T93Z"), QStringLiteral("T95Z")};
    return known.contains(model);
}

bool VersionResult::empty() const {
    return isEmptyVersion(reply);
}

QString VersionResult::text() const {
    return versionText(reply);
}

QString VersionResult::model() const {
    return modelFromVersion(reply);
}

VersionResult readVersion(link::Line& line) {
    const link::ExchangeResult r = query(line, QByteArray("\x11\x69\x0E"), kVersionBufferSize, 0);
    return {r.error, r.reply};
}

link::ExchangeResult readWorkingHours(link::Line& line) {
    return query(line, QByteArray("\x11\x77\x0E"), kCounterBufferSize, kHoursLength);
}

link::ExchangeResult readPrintedCount(link::Line& line) {
    return query(line, QByteArray("\x11\x6D\x0E"), kCounterBufferSize, kCountLength);
}

link::ExchangeResult readSettings(link::Line& line, const QString& model) {
    return query(line, QByteArray("\x11\x5C\x0E"), kReplyBufferSize, settingsLength(model));
}

link::ExchangeResult readPrintMode(link::Line& line) {
    return query(line, QByteArray("\x11\x4D\x0E"), kReplyBufferSize, kFlagsLength);
}

// The area maps count the waiting bytes once more before reading them.
link::ExchangeResult readMarkArea(link::Line& line) {
    return query(line, QByteArray("\x0F\x78\x0E"), kReplyBufferSize, kMarkMapLength, 0);
}

link::ExchangeResult readLogoArea(link::Line& line) {
    return query(line, QByteArray("\x0F\x61\x0E"), kReplyBufferSize, kLogoMapLength, 0);
}

link::ExchangeResult readLineCount(link::Line& line) {
    return query(line, QByteArray("\x11\x53\x0E"), kReplyBufferSize, kFlagsLength);
}

link::ExchangeError setClock(link::Line& line, const QString& dateDigits,
                             const QString& timeDigits) {
    const link::ExchangeError error = send(line, setDateCommand(dateDigits));
    if (error != link::ExchangeError::None)
        return error;
    line.clock.sleepMs(kDateTimePauseMs);
    return send(line, setTimeCommand(timeDigits));
}

link::ExchangeError setDateOffset(link::Line& line, int days) {
    return send(line, dateOffsetCommand(days));
}

link::ExchangeError setLineCount(link::Line& line, const QString& typed) {
    return send(line, setLineCountCommand(typed));
}

} // namespace nimbrel::printer
