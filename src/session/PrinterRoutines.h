#pragma once

#include "link/Exchange.h"
#include "session/Context.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace nimbrel::session {

// The menu commands of the printer-information and printer-settings menus. Each runs to
// completion: asks through ctx.dialogs, talks through link, shows through ctx.dialogs and
// ctx.shell. The caller makes sure a port is open.

// An information query: busy icon, the operation's exchange, ok icon, and the report built from
// the reply in the information box. On a failure, the read-error message instead.
void showQuery(Context& ctx, const std::function<link::ExchangeResult(link::Line&)>& operation,
               const std::function<QString(const QByteArray&)>& build);

// Shows the printer's version and takes the model from it (ctx.conn.printerModel).
void showVersion(Context& ctx);
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
