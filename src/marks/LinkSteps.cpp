#include "marks/LinkSteps.h"

#include "link/Transaction.h"

namespace nimbrel::marks {

namespace {

// 256 bytes take 27 ms at 115200 baud and 270 ms at 9600; far more means the line is gone.
constexpr int kOutputLimitMs = 2000;

} // namespace

void setMarkLinkIcon(link::Context& ctx, link::LinkIcon icon) {
    ctx.shell.markLinkIcon = icon;
    ctx.shell.notify();
}

bool waitForOutputSent(link::Context& ctx) {
    return link::waitForOutputSent(ctx.port, ctx.clock, kOutputLimitMs);
}

void reportWriteError(link::Context& ctx) {
    ctx.conn.linkError = 1;
    setMarkLinkIcon(ctx, link::LinkIcon::Error);
    ctx.dialogs.message(errorTitle(),
                        QStringLiteral("Ошибка записи данных в порт ") + ctx.conn.portName +
                            QStringLiteral("!"),
                        platform::kError);
}

QString errorTitle() {
    return QStringLiteral("ОШИБКА");
}

} // namespace nimbrel::marks
