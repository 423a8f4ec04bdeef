#include "session/MarkLinkSteps.h"

#include "session/Talk.h"

namespace nimbrel::session {

void setMarkLinkIcon(Context& ctx, LinkIcon icon) {
    ctx.shell.markLinkIcon = icon;
    ctx.shell.notify();
}

void reportMarkWriteError(Context& ctx) {
    ctx.conn.setLinkResult(false);
    setMarkLinkIcon(ctx, LinkIcon::Error);
    ctx.dialogs.message(errorTitle(), link::writeErrorText(ctx.conn.portName), platform::kError);
}

} // namespace nimbrel::session
