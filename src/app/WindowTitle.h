#pragma once

#include <QString>

class QWidget;

namespace nimbrel::app {

// The width a box needs so that the window manager shows its whole title: the title in the
// bar's bold face of the system's title size (never narrower than DejaVu Sans Bold at 11
// pixels), with room for the bar's buttons and margins (three bar heights and 40 pixels);
// at most `limit`.
int widthForTitle(const QWidget* window, const QString& title, int limit);

// A window without a title would get the program's name in its title bar from the platform;
// a box whose title is empty shows an empty bar. windowTitle() stays as it was.
void keepTitleBarEmpty(QWidget* window);

} // namespace nimbrel::app
