#pragma once

#include "session/Context.h"

namespace nimbrel::session {

// The mark transfers show their link state in the mark window's own field and leave the
// graphics window's alone.
void setMarkLinkIcon(Context& ctx, LinkIcon icon);

// The link-error icon in the mark window and "Ошибка записи данных в порт COM3!".
void reportMarkWriteError(Context& ctx);

} // namespace nimbrel::session
