#pragma once

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The print-system settings report for the given model, whose text chooses the layout of the
// reply and the model's extra lines. `xpFlag` 1 (Windows XP) widens most labels by one tab.
// Bytes missing from the reply read as 0.
QString buildSettingsReport(const QByteArray& reply, const QString& model, int xpFlag);

} // namespace nimbrel::printer
