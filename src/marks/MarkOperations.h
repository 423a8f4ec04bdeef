#pragma once

#include "link/Context.h"
#include "marks/MarkState.h"

namespace nimbrel::marks {

// The commands of the "МАРКА" menu. Each runs to completion: asks through ctx.dialogs, talks
// through link, shows through the mark state, ctx.shell and ctx.dialogs. File names are
// taken relative to the working folder. The caller makes sure a port is open for the
// commands that talk to the printer.

// Item 10: writes the template "tmpmark.mrt" and loads it.
void newMark(link::Context& ctx, MarkState& state, const QString& workingFolder);
// Item 11.
void openMarkFile(link::Context& ctx, MarkState& state, const QString& workingFolder);
// The loader behind items 10 and 11. True when the whole file was taken; only then does it
// become the current mark file.
bool loadMarkFile(link::Context& ctx, MarkState& state, const QString& workingFolder,
                  const QString& path);
// Item 13.
void saveMarkChanges(link::Context& ctx, MarkState& state, const QString& workingFolder);
// Item 14.
void saveMarkAs(link::Context& ctx, MarkState& state, const QString& workingFolder);

// Item 12: the mark being printed.
void readCurrentMark(link::Context& ctx, MarkState& state);
// Item 18: a mark by its number.
void readNumberedMark(link::Context& ctx, MarkState& state);
// Item 15.
void writeMark(link::Context& ctx, MarkState& state);

// Item 56: reports one fragment of the mark being printed.
void readFragment(link::Context& ctx);
// Item 17: sends the editor's fragment to the position last clicked.
void writeFragment(link::Context& ctx, const MarkState& state);

} // namespace nimbrel::marks
