#include "printer/PrinterOperations.h"

#include "printer/ClockCommands.h"
#include "printer/LineCount.h"
#include "printer/Version.h"

#include "platform/ByteReader.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace nimbrel::printer {

namespace {

constexpr int kReplyBufferSize = 256;
constexpr int kCounterBufferSize = 8192;
constexpr int kVersionBufferSize = 8192;
constexpr int kDateTimePauseMs = 50;
constexpr int kVersionSettleMs = 10;
// A set command of a few bytes leaves the output queue at once; one that stays this long
// belongs to a line that no longer moves.
constexpr int kSetDrainMs = 1000;
// Reply lengths: a status byte, then the fields the reports read.
constexpr int kHoursLength = 5;
constexpr int kCountLength = 7;
constexpr int kFlagsLength = 2;
constexpr int kMarkMapLength = 85;
constexpr int kLogoMapLength = 128;

int settingsLength(const QString& model) {
    return model == QLatin1String("T236") || model == QLatin1String("T260") ? 47 : 73;
}

// The reply is whole at `length` bytes (what follows is dropped) and one still short after the
// passes is a failed read: a report is never built from a part of a reply.
link::ExchangeResult query(link::Line& line, const QByteArray& command, int bufferSize,
                           int length) {
    link::Request request;
    request.command = command;
    request.wait = link::kCommandWait;
    request.bufferSize = bufferSize;
    request.length = [length](const QByteArray&) { return length; };
    return link::exchange(line, request);
}

link::ExchangeError send(link::Line& line, const QByteArray& command) {
    link::Request request;
    request.command = command;
    request.drainCommandMs = kSetDrainMs;
    return link::exchange(line, request).error;
}

} // namespace

bool isModelCode(const QString& model) {
    return model.size() == 4 &&
           std::all_of(model.begin(), model.end(), [](QChar c) { return c.isLetterOrNumber(); });
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
    link::Request request;
    request.command = QByteArray("\x11\x69\x0E");
    request.wait = link::kCommandWait;
    request.bufferSize = kVersionBufferSize;
    // The text ends at its first 0 byte: a reply that brings one is whole there; one without is
    // taken when the line stops growing, and a while after, so a pause cannot cut it.
    request.settleMs = kVersionSettleMs;
    request.length = [](const QByteArray& soFar) {
        const qsizetype end = soFar.indexOf('\0', 1);
        return end < 0 ? link::kLengthOpen : static_cast<int>(end) + 1;
    };
    const link::ExchangeResult r = link::exchange(line, request);
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

QByteArray settingsBuffer(const QByteArray& reply) {
    QByteArray buffer = reply.left(kReplyBufferSize);
    buffer.append(QByteArray(kReplyBufferSize - buffer.size(), '\0'));
    return buffer;
}

link::ExchangeResult readPrintMode(link::Line& line) {
    return query(line, QByteArray("\x11\x4D\x0E"), kReplyBufferSize, kFlagsLength);
}

link::ExchangeResult readMarkArea(link::Line& line) {
    return query(line, QByteArray("\x0F\x78\x0E"), kReplyBufferSize, kMarkMapLength);
}

link::ExchangeResult readLogoArea(link::Line& line) {
    return query(line, QByteArray("\x0F\x61\x0E"), kReplyBufferSize, kLogoMapLength);
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

link::WriteCheck setLineCount(link::Line& line, const QString& typed, int& reported) {
    if (const link::ExchangeError e = send(line, setLineCountCommand(typed));
        e != link::ExchangeError::None)
        return link::failedCheck(link::WriteOutcome::NotSent, e);
    const link::ExchangeResult back = readLineCount(line);
    if (!back.ok())
        return link::failedCheck(link::WriteOutcome::Unanswered, back.error);
    reported = platform::s8At(back.reply, 1);
    return {reported == platform::parseWholeNumber(typed) ? link::WriteOutcome::Confirmed
                                                          : link::WriteOutcome::Differs};
}

} // namespace nimbrel::printer
