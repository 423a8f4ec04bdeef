#pragma once

namespace nimbrel::session {

struct Session;

// Which child window is in front, and the port dialog with the version read that follows it.
void switchToMarkView(Session& s, bool hideOther);
void switchToGraphicsView(Session& s, bool hideOther);

// "ТЕКСТ МАРКИ" and "ГРАФИКА" at the end of "ФУНКЦИИ".
void showMarkWindow(Session& s);
void showGraphicsWindow(Session& s);
// Ctrl+M and Ctrl+G: switch only when the other view is in front, hiding it.
void markViewKey(Session& s);
void graphicsViewKey(Session& s);

// The port dialog; once a port is open the version is read, and a printer other than a T260
// starts in the graphics view.
void connect(Session& s);

} // namespace nimbrel::session
