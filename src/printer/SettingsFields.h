#pragma once

#include "platform/Language.h"

#include <QByteArray>
#include <QString>

namespace nimbrel::printer {

// The two layouts of the print-system settings block.
enum class SettingsLayout { T2x, T7x9x };

// "T236" and "T260" send the T2x block; every other model text, known or not, the other.
SettingsLayout settingsLayoutFor(const QString& model);

// Value texts of the settings report, each from the raw reply field; those with words come
// shown (in the language in use) or in the source wording a report's fields keep.

// 8000 / (v + divisorOffset) in five characters, cut not rounded ("62.50", "100.0"), then
// " кГц  ". A divisor of zero or below shows "??.??".
QString dropFrequencyText(int v, int divisorOffset,
                          platform::Wording wording = platform::Wording::Shown);
// The high-voltage converter frequency, "36.6 кГц", or "??? кГц" below the layout's threshold.
QString converterFrequencyText(int v, SettingsLayout layout,
                               platform::Wording wording = platform::Wording::Shown);
// "+1" or "-1": the sign is the byte itself; any byte below 31 counts as "+".
QString directionText(int signedByte);
// Four ASCII digits without their leading zeros, "0" when nothing remains.
QString dateOffsetText(const QByteArray& reply, int offset);
QString speedModeText(int byte, const QString& model,
                      platform::Wording wording = platform::Wording::Shown);
// The mode character, then its meaning and the line ending.
QString groupPrintText(int byte, platform::Wording wording = platform::Wording::Shown);
// The bytes from `offset` on, as decimals joined by "/".
QString slashList(const QByteArray& reply, int offset, int count);

} // namespace nimbrel::printer
