#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace nimbrel::printer {

// One print-mode switch: its label without the tabs that lay it out (in the source wording, the
// same whatever the language: scripts read it), and whether it is on.
struct PrintModeSwitch {
    QString label;
    bool on = false;
};

// The eight switches of reply byte 1, bit 7 first.
std::vector<PrintModeSwitch> printModeSwitches(const QByteArray& reply);

// The same as "ДА"/"нет" lines.
QString buildPrintModeReport(const QByteArray& reply, int xpFlag);

} // namespace nimbrel::printer
