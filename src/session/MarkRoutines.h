#pragma once

#include "marks/MarkState.h"
#include "session/Context.h"

namespace nimbrel::session {

// The commands of the "МАРКА" menu. Each runs to completion: asks through ctx.dialogs, talks
// through link, shows through the mark state, ctx.shell and ctx.dialogs. File names are
// taken relative to the working folder. The caller makes sure a port is open for the
// commands that talk to the printer.

// Item 10: writes the template "tmpmark.mrt" and loads it.
void newMark(Context& ctx, marks::MarkState& state, const QString& workingFolder);
// Item 11.
void openMarkFile(Context& ctx, marks::MarkState& state, const QString& workingFolder);
// The loader behind items 10 and 11. True when the whole file was taken; only then does it
// become the current mark file.
bool loadMarkFile(Context& ctx, marks::MarkState& state, const QString& workingFolder,
                  const QString& path);
// Item 13.
void saveMarkChanges(Context& ctx, marks::MarkState& state, const QString& workingFolder);
// Item 14.
void saveMarkAs(Context& ctx, marks::MarkState& state, const QString& workingFolder);

// Item 12: the mark being printed.
void readCurrentMark(Context& ctx, marks::MarkState& state);
// Item 18: a mark by its number.
void readNumberedMark(Context& ctx, marks::MarkState& state);
// Item 15.
void writeMark(Context& ctx, marks::MarkState& state);

// Item 56: reports one fragment of the mark being printed.
void readFragment(Context& ctx);
// Item 17: sends the editor's fragment to the position last clicked.
void writeFragment(Context& ctx, const marks::MarkState& state);

} // namespace nimbrel::session
