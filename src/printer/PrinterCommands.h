#pragma once

#include "link/Context.h"

namespace nimbrel::printer {

// The menu commands of the printer-information and printer-settings menus. Each runs to
// completion: asks through ctx.dialogs, talks through link, shows through ctx.dialogs and
// ctx.shell. The caller makes sure a port is open.

// Shows the printer's version and takes the model from it (ctx.shell.printerModel).
void readVersion(link::Context& ctx);
void showWorkingHours(link::Context& ctx);
void showPrintedCount(link::Context& ctx);
// Layout and model lines follow ctx.shell.printerModel.
void showSettingsReport(link::Context& ctx);
void showPrintModeReport(link::Context& ctx);
void showMarkAreaReport(link::Context& ctx);
void showLogoAreaReport(link::Context& ctx);

// Sets the printer's date and time from the PC clock or from a typed text.
void setPrinterClock(link::Context& ctx);
// Sets the days the printer adds for a post-date, after confirming the resulting date.
void setDateOffset(link::Context& ctx);
// Sets the number of text lines, offering the printer's current number.
void setLineCount(link::Context& ctx);

} // namespace nimbrel::printer
