#pragma once

#include "logos/LogoState.h"
#include "platform/PictureOptions.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace nimbrel::logos {

// The options are the conversion dialog's answer, so they live beside the dialogs' interface.
using platform::ConversionOptions;
using platform::Dithering;
using platform::kAutoHeight;
using platform::kAutoThreshold;

// Pictures are read at most this large: enough for every logo height and the preview, small
// enough that a photo of any size stays cheap.
inline constexpr int kReadHeightLimit = 256;
inline constexpr int kReadWidthLimit = 8 * kGridColumns;

// A picture turned into logo dots.
struct ConvertedLogo {
    int width = 0;
    int height = 0;
    int threshold = 0;     // the threshold used (Otsu's when automatic)
    QSize pictureSize;     // the picture the dots came from
    bool narrowed = false; // the width was cut to the grid's columns, squeezing the picture
    std::vector<std::uint8_t> dots; // row after row, 1 = dark
    QString error;                  // the message for the user when nothing was converted

    bool ok() const { return error.isEmpty(); }
    bool dark(int x, int y) const { return dots[static_cast<std::size_t>(y) * width + x] != 0; }
    int darkCount() const;
    // The printer's column bytes: height / 8 bytes per column, the bottom row in bit 0 of a
    // column's first byte.
    QByteArray columnBytes() const;
    // Dark dots black, light dots white, one pixel per dot.
    QImage image() const;
};

// The picture's height rounded up to 8, 16, 24 or 32 (taller pictures give 32).
int autoHeight(int pictureHeight);
// The logo size for a picture at a chosen height (kAutoHeight for automatic): the width keeps
// the aspect ratio, at least 1 and at most the grid's 819 columns.
QSize convertedSize(QSize picture, int height);
// Otsu's threshold of a grey histogram (256 counts): grey values below it form the dark class.
// Where several thresholds separate the classes equally well, the middle one.
int otsuThreshold(const std::vector<long long>& histogram);

// Scales the picture smoothly to the logo size, then thresholds or dithers it. Pure: the same
// picture and options always give the same dots.
ConvertedLogo convertPicture(const QImage& picture, const ConversionOptions& options);

struct PictureRead {
    QImage picture; // reduced to at most kReadWidthLimit x kReadHeightLimit
    QSize fullSize; // the size stored in the file
    QString error;
    bool ok() const { return error.isEmpty(); }
};
// Reads a picture of any format the image plugins know, decoding a large picture straight at a
// reduced size so that a huge photo does not fill the memory.
PictureRead readPicture(const QString& path);

// "*.gif", "*.jpg", ...: the formats the installed image plugins read, except BMP and PBM (the
// editor's own loaders take those names).
QStringList pictureFilePatterns();
// "Картинки (*.gif *.jpg ...)" for a file dialog.
QString pictureFileFilter();

// A netpbm bitmap ("P1" plain, "P4" raw); the maker's own PBM layout never begins so.
bool isNetpbm(const QByteArray& head);

// How a logo file is opened: by its extension, and a .pbm by its first bytes.
enum class LogoFileKind { Bmp, Bin, Pbm, Picture, Unknown };
LogoFileKind logoFileKind(const QString& path);

// Makes the converted dots the editor's logo as a BIN load would (unpacked from column bytes),
// as a new unsaved picture: no file name, type "bmp", changed, the grid back at its left edge.
void loadConvertedLogo(LogoState& logo, const ConvertedLogo& converted);

} // namespace nimbrel::logos
