#pragma once

#include "session/ShellState.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <vector>

namespace nimbrel::app {

// 16 x 16 link icons that can be told apart by shape as well as colour.
QPixmap linkIconPixmap(session::LinkIcon icon);

QIcon markWindowIcon();
QIcon graphicsWindowIcon();

// 72 x 6 strip, one bit per pixel, of twelve 6 x 6 glyphs used by the logo editor.
QImage glyphStrip();
// The strip cut left to right at x = 0, 6, ... 66.
std::vector<QImage> cutGlyphs(const QImage& strip);

} // namespace nimbrel::app
