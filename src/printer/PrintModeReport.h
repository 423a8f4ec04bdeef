#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The eight print-mode switches of reply byte 1, bit 7 first, as "ДА"/"нет" lines.
QString buildPrintModeReport(const QByteArray& reply, int xpFlag);

} // namespace nimbrel::printer
