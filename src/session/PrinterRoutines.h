#pragma once

#include "session/Context.h"

namespace nimbrel::session {

// The menu commands of the printer-information and printer-settings menus. Each runs to
// completion: asks through ctx.dialogs, talks through link, shows through ctx.dialogs and
// ctx.shell. The caller makes sure a port is open.

// Shows the printer's version and takes the model from it (ctx.conn.printerModel).
void showVersion(Context& ctx);
void showWorkingHours(Context& ctx);
void showPrintedCount(Context& ctx);
// Layout and model lines follow ctx.conn.printerModel.
void showSettingsReport(Context& ctx);
void showPrintModeReport(Context& ctx);
void showMarkAreaReport(Context& ctx);
void showLogoAreaReport(Context& ctx);

// Sets the printer's date and time from the PC clock or from a typed text.
void setPrinterClock(Context& ctx);
// Sets the days the printer adds for a post-date, after confirming the resulting date.
void setDateOffset(Context& ctx);
// Sets the number of text lines, offering the printer's current number.
void setLineCount(Context& ctx);

} // namespace nimbrel::session
