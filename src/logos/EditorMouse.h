#pragma once

#include "logos/LogoEditor.h"

#include <QPoint>
#include <QString>

namespace nimbrel::logos {

// The buttons held during a mouse event on the editor.
enum class MouseButtons { None, Left, Right, Both };

struct MouseOutcome {
    bool overGrid = false;
    QString cursorText; // "XY=..." when over the grid
    bool paint = false;
    bool dark = false;
    int column = 0;
    int row = 0;
};

// The editor's mouse rule for a position in the graphics window's client area and the
// first visible column. Left paints dark dots, right light ones, both nothing.
MouseOutcome mouseRule(QPoint client, int columnOffset, MouseButtons buttons, int logoWidth,
                       int logoHeight);

// Applies the rule to the logo: every paint marks the logo changed (also one that falls
// outside the logo's columns), and the "XY=" text goes to the status.
DotChange handleEditorMouse(LogoState& logo, QString& cursorStatus, QPoint client,
                            MouseButtons buttons);

} // namespace nimbrel::logos
