#include "session/Talk.h"

#include <QCoreApplication>

namespace nimbrel::session {

QString errorTitle() {
    return QCoreApplication::translate("Talk", "ОШИБКА");
}

void reportReadError(Context& ctx) {
    ctx.conn.setLinkResult(false);
    ctx.shell.setLinkIcon(LinkIcon::Error);
    ctx.dialogs.message(errorTitle(), link::readErrorText(ctx.conn.portName), platform::kError);
}

void reportWriteError(Context& ctx) {
    ctx.conn.setLinkResult(false);
    ctx.shell.setLinkIcon(LinkIcon::Error);
    ctx.dialogs.message(errorTitle(), link::writeErrorText(ctx.conn.portName), platform::kError);
}

link::ExchangeResult transact(Context& ctx,
                              const std::function<link::ExchangeResult(link::Line&)>& operation,
                              bool busyIcon) {
    if (busyIcon)
        ctx.shell.setLinkIcon(LinkIcon::Busy);
    link::ExchangeResult result;
    {
        TalkingScope talking(ctx.shell);
        link::Line line = ctx.line();
        result = operation(line);
    }
    ctx.conn.setLinkResult(result.ok());
    if (!result.ok())
        reportReadError(ctx);
    return result;
}

} // namespace nimbrel::session
