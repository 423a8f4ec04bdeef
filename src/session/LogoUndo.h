#pragma once

namespace nimbrel::session {

struct Session;

// Ctrl+Z and Ctrl+Y of the graphics view: take back or redo the last step on the logo, then
// bring the status bar in line with the logo restored. Nothing to undo or redo does nothing.
void undoLogoStep(Session& s);
void redoLogoStep(Session& s);

} // namespace nimbrel::session
