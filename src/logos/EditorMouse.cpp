#include "logos/EditorMouse.h"

namespace nimbrel::logos {

namespace {

int floorDiv(int a, int b) {
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

} // namespace

MouseOutcome mouseRule(QPoint client, int columnOffset, MouseButtons buttons, int logoWidth,
                       int logoHeight) {
    MouseOutcome out;
    const int x = client.x();
    const int y = client.y();
    if (!(x > 10 && x < kCellPitch * logoWidth + 15 && y > 10 && y < kCellPitch * logoHeight + 20))
        return out;
    out.overGrid = true;
    // Division truncating toward zero, as the field has always shown it.
    out.cursorText = QStringLiteral("XY=%1:%2")
                         .arg((x - 12) / kCellPitch + columnOffset)
                         .arg((y - 10) / kCellPitch);
    if (buttons == MouseButtons::Left || buttons == MouseButtons::Right) {
        out.paint = true;
        out.dark = buttons == MouseButtons::Left;
        out.column = floorDiv(x + kCellPitch * columnOffset - 10, kCellPitch) - 1;
        out.row = floorDiv(y - 10, kCellPitch) - 1;
    }
    return out;
}

DotChange handleEditorMouse(LogoState& logo, QString& cursorStatus, QPoint client,
                            MouseButtons buttons) {
    logo.cursor = client;
    const MouseOutcome rule =
        mouseRule(client, logo.columnOffset, buttons, logo.width, logo.height);
    if (!rule.overGrid)
        return {};
    cursorStatus = rule.cursorText;
    if (!rule.paint)
        return {};
    logo.changed = true;
    return paintDot(logo, rule.column, rule.row, rule.dark);
}

} // namespace nimbrel::logos
