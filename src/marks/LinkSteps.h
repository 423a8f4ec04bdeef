#pragma once

#include "link/Context.h"

namespace nimbrel::marks {

// Small steps the mark transfers share.

// The mark window's own link field; the transfers leave the graphics window's alone.
void setMarkLinkIcon(link::Context& ctx, link::LinkIcon icon);

// Waits until the port has sent everything it holds. False when it has not within a limit,
// which a line that never drains (a pulled adapter) would otherwise turn into a hang.
bool waitForOutputSent(link::Context& ctx);

// The link-error icon in the mark window and "Ошибка записи данных в порт COM3!".
void reportWriteError(link::Context& ctx);

QString errorTitle();

} // namespace nimbrel::marks
