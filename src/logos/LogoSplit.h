#pragma once

#include "logos/LogoState.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <vector>

namespace nimbrel::logos {

// The printer takes at most 252 column bytes per logo.
inline constexpr int kMaxLogoData = 252;
inline constexpr int kMaxBinParts = 12;

// How many strips the wide-logo check cuts a logo into: 0 when it fits as it is, -1 when even
// four strips would not fit a logo slot.
int wideCheckParts(int width, int bytesPerColumn);
// Strip widths of the wide-logo check (2 to 4 strips): c, f, c, ... and the rest last.
std::vector<int> wideCheckStripWidths(int width, int parts);
// Strip widths of the multi-part conversion: floor(N/2) strips of c, then f, the rest last.
std::vector<int> multiPartStripWidths(int width, int parts);
// ceil(width x R / 252): how many BIN files a logo needs.
int binPartCount(int width, int bytesPerColumn);

// "pic.bmp" -> "pic.bmp_1.bmp"
QString widePartFileName(const QString& chosen, int part);
// The chosen name without its ".bin", its file name in lower case.
QString multiPartBase(const QString& chosen);
// base + "_1.bin"
QString multiPartFileName(const QString& base, int part);

// Columns first .. first + width - 1, all rows of the logo, in the logo's own colours.
QImage stripImage(const LogoState& logo, int first, int width);
// One part file of the multi-part conversion: length word R x w + 2, w, R, the columns packed
// from row 8R - 1.
QByteArray multiPartFile(const LogoState& logo, int first, int width, int bytesPerColumn);

QString wideCheckQuestion(const QString& chosen, int parts);
QString multiPartQuestion(const QString& base, int parts);
QString wideCheckRefusal(int width, int height);

} // namespace nimbrel::logos
