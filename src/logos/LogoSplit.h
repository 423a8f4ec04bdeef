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

// Columns first .. first + width - 1 of a logo, one strip of a cut.
struct LogoStrip {
    int first = 0;
    int width = 0;
};
// The strips of a list of widths, side by side from column 0.
std::vector<LogoStrip> stripsOf(const std::vector<int>& widths);

// The widest logo one slot takes at R bytes per column: the block X, R, X x R column bytes is
// at most 255 bytes long.
int widestSlotWidth(int bytesPerColumn);
// The logo block of one strip: what is sent for the strip once it is the editor's logo.
QByteArray stripBlock(const LogoState& logo, const LogoStrip& strip);

// A file to be written: where and what.
struct LogoFileOut {
    QString path;
    QByteArray bytes;
};
// The part files of the multi-part conversion, base_1.bin, base_2.bin, ... (see multiPartBase).
std::vector<LogoFileOut> multiPartFiles(const LogoState& logo, const QString& chosen, int parts);

struct LogoFilesOut {
    std::vector<LogoFileOut> files;
    QString error; // the message for the user when the logo cannot be saved so
    bool ok() const { return error.isEmpty(); }
};
// The logo saved under `path` by its extension, as the editor saves it: BMP whole; BIN as one
// file or, when wider than one file takes, as up to 12 part files; PBM in the maker's layout
// (R, 16-bit X, the columns), which the program reads back as it is.
LogoFilesOut logoFilesFor(LogoState& logo, const QString& path);
// "ПРЕВЫШЕНИЕ РАЗУМНОЙ ДЛИНЫ МАРКИ - ..."
QString tooManyPartsText();

QString wideCheckQuestion(const QString& chosen, int parts);
QString multiPartQuestion(const QString& base, int parts);
QString wideCheckRefusal(int width, int height);

} // namespace nimbrel::logos
