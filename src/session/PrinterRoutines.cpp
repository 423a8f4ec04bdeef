#include "session/PrinterRoutines.h"

#include "printer/AreaReports.h"
#include "printer/Counters.h"
#include "printer/PrintModeReport.h"
#include "printer/PrinterOperations.h"
#include "printer/SettingsReport.h"
#include "printer/Version.h"
#include "session/Talk.h"

#include <QCoreApplication>

namespace nimbrel::session {

namespace {

QString reportTitle() {
    return QCoreApplication::translate("PrinterRoutines", "Информация Системы Печати");
}

void showReport(Context& ctx, const QString& text) {
    ctx.dialogs.message(reportTitle(), text, platform::kInformation);
}

// The area maps show no busy or ok icon, and on failure repeat the transaction's message.
void showArea(Context& ctx, const std::function<link::ExchangeResult(link::Line&)>& operation,
              const std::function<QString(const QByteArray&)>& build) {
    const link::ExchangeResult result = transact(ctx, operation, false);
    if (!result.ok()) {
        ctx.shell.setLinkIcon(LinkIcon::Error);
        ctx.dialogs.message(errorTitle(), link::readErrorText(ctx.conn.portName), platform::kError);
        return;
    }
    showReport(ctx, build(result.reply));
}

} // namespace

void showQuery(Context& ctx, const std::function<link::ExchangeResult(link::Line&)>& operation,
               const std::function<QString(const QByteArray&)>& build) {
    const link::ExchangeResult result = transact(ctx, operation);
    if (!result.ok())
        return;
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    showReport(ctx, build(result.reply));
}

void showVersion(Context& ctx) {
    printer::VersionResult version;
    transact(ctx, [&version](link::Line& line) {
        version = printer::readVersion(line);
        return link::ExchangeResult{version.error, version.reply};
    });
    if (!version.ok())
        return;
    if (version.empty()) {
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
        ctx.dialogs.message(
            errorTitle(),
            link::readErrorText(ctx.conn.portName) + QStringLiteral("\n\r") +
                QCoreApplication::translate("PrinterRoutines",
                                            "(возможно Маркиратор не включен или не подключен)"),
            platform::kError);
        return;
    }
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    // A garbled reply names no model: it may not change the layouts and limits that follow it.
    const QString model = version.model();
    QString text = printer::versionMessageText(version.reply);
    if (printer::isModelCode(model)) {
        ctx.conn.printerModel = model;
        ctx.shell.notify();
    } else {
        text += QCoreApplication::translate(
                    "PrinterRoutines", "\n\rОтвет Маркиратора не распознан: модель остаётся %1.")
                    .arg(ctx.conn.printerModel);
    }
    showReport(ctx, text);
}

void showSettingsReport(Context& ctx) {
    const QString model = ctx.conn.printerModel;
    const int xpFlag = ctx.shell.xpLayoutFlag;
    showQuery(
        ctx, [&model](link::Line& line) { return printer::readSettings(line, model); },
        [&](const QByteArray& reply) {
            return printer::buildSettingsReport(reply, model, xpFlag);
        });
}

void showPrintModeReport(Context& ctx) {
    const int xpFlag = ctx.shell.xpLayoutFlag;
    showQuery(ctx, printer::readPrintMode, [xpFlag](const QByteArray& reply) {
        return printer::buildPrintModeReport(reply, xpFlag);
    });
}

void showMarkAreaReport(Context& ctx) {
    const int xpFlag = ctx.shell.xpLayoutFlag;
    showArea(ctx, printer::readMarkArea, [xpFlag](const QByteArray& reply) {
        return printer::buildMarkAreaReport(reply, xpFlag);
    });
}

void showLogoAreaReport(Context& ctx) {
    showArea(ctx, printer::readLogoArea, printer::buildLogoAreaReport);
}

} // namespace nimbrel::session
