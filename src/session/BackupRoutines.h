#pragma once

#include "session/Context.h"

#include <QString>

namespace nimbrel::session {

// The two backup commands of the "ФУНКЦИИ" menu, on the operations nimbrel-cli runs too. Both
// show their slots in ctx.progress, where "Стоп" ends them between two slots, and end with a
// summary box. Folders are first proposed in the working folder. The caller makes sure a port
// is open.

// A new or empty folder, then the whole printer into it; stopped, it leaves no folder.
void backUpPrinter(Context& ctx, const QString& workingFolder);
// A backup folder, its model, date and counts to confirm (once more for a printer of another
// family), then every mark and logo written and read back; the summary says which slots were.
void restorePrinter(Context& ctx, const QString& workingFolder);

} // namespace nimbrel::session
