#include "printer/PrinterCommands.h"

#include "link/Transaction.h"
#include "printer/AreaReports.h"
#include "printer/Counters.h"
#include "printer/PrintModeReport.h"
#include "printer/SettingsReport.h"
#include "printer/Version.h"

#include <functional>

namespace nimbrel::printer {

namespace {

constexpr int kReplyBufferSize = 256;
constexpr int kCounterBufferSize = 8192;

QString reportTitle() {
    return QStringLiteral("Информация Системы Печати");
}
QString errorTitle() {
    return QStringLiteral("ОШИБКА");
}

void showReport(link::Context& ctx, const QString& text) {
    ctx.dialogs.message(reportTitle(), text, platform::kInformation);
}

// The common pattern of the information queries: busy icon, transaction, reply read into a
// zero-filled buffer, ok icon. False when the transaction failed and has told the user.
bool query(link::Context& ctx, const QByteArray& command, int bufferSize, QByteArray& reply) {
    ctx.shell.setLinkIcon(link::LinkIcon::Busy);
    const int waiting = link::runCommand(ctx, command);
    if (ctx.conn.linkError != 0 || waiting <= 0)
        return false;
    reply = link::readReply(ctx, waiting, bufferSize);
    ctx.shell.setLinkIcon(link::LinkIcon::Ok);
    return true;
}

void showCounter(link::Context& ctx, const QByteArray& command,
                 QString (*text)(const QByteArray&)) {
    QByteArray reply;
    if (query(ctx, command, kCounterBufferSize, reply))
        showReport(ctx, text(reply));
}

// The area maps show no busy or ok icon, and on failure repeat the transaction's message.
void showArea(link::Context& ctx, const QByteArray& command,
              const std::function<QString(const QByteArray&)>& build) {
    link::runCommand(ctx, command);
    if (ctx.conn.linkError != 0) {
        ctx.shell.setLinkIcon(link::LinkIcon::Error);
        ctx.dialogs.message(errorTitle(), link::readErrorText(ctx.conn), platform::kError);
        return;
    }
    const int waiting = ctx.port.bytesWaitingInput();
    const QByteArray reply = link::readReply(ctx, waiting, kReplyBufferSize);
    showReport(ctx, build(reply));
}

} // namespace

void readVersion(link::Context& ctx) {
    ctx.shell.setLinkIcon(link::LinkIcon::Busy);
    const int waiting = link::runCommand(ctx, QByteArray("\x11\x69\x0E"));
    if (ctx.conn.linkError != 0 || waiting <= 0)
        return;
    int received = 0;
    const QByteArray reply = link::readReply(ctx, waiting, waiting, &received);
    if (received <= 0) {
        link::reportReadError(ctx);
        return;
    }
    if (isEmptyVersion(reply)) {
        ctx.conn.linkError = 1;
        ctx.shell.setLinkIcon(link::LinkIcon::Error);
        ctx.dialogs.message(errorTitle(),
                            link::readErrorText(ctx.conn) + QStringLiteral("\n\r") +
                                QStringLiteral("(возможно Маркиратор не включен или не подключен)"),
                            platform::kError);
        return;
    }
    ctx.shell.setLinkIcon(link::LinkIcon::Ok);
    ctx.shell.printerModel = modelFromVersion(reply);
    ctx.shell.notify();
    showReport(ctx, versionMessageText(reply));
}

void showWorkingHours(link::Context& ctx) {
    showCounter(ctx, QByteArray("\x11\x77\x0E"), workingHoursText);
}

void showPrintedCount(link::Context& ctx) {
    showCounter(ctx, QByteArray("\x11\x6D\x0E"), printedCountText);
}

void showSettingsReport(link::Context& ctx) {
    QByteArray reply;
    if (query(ctx, QByteArray("\x11\x5C\x0E"), kReplyBufferSize, reply))
        showReport(ctx, buildSettingsReport(reply, ctx.shell.printerModel, ctx.shell.xpLayoutFlag));
}

void showPrintModeReport(link::Context& ctx) {
    QByteArray reply;
    if (query(ctx, QByteArray("\x11\x4D\x0E"), kReplyBufferSize, reply))
        showReport(ctx, buildPrintModeReport(reply, ctx.shell.xpLayoutFlag));
}

void showMarkAreaReport(link::Context& ctx) {
    const int xpFlag = ctx.shell.xpLayoutFlag;
    showArea(ctx, QByteArray("\x0F\x78\x0E"),
             [xpFlag](const QByteArray& reply) { return buildMarkAreaReport(reply, xpFlag); });
}

void showLogoAreaReport(link::Context& ctx) {
    showArea(ctx, QByteArray("\x0F\x61\x0E"), buildLogoAreaReport);
}

} // namespace nimbrel::printer
