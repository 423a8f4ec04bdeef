#pragma once

#include "logos/LogoState.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace nimbrel::logos {

// Only the first 8192 bytes of a BIN or PBM file are read.
inline constexpr int kFileReadLimit = 8192;
inline constexpr int kMaxPbmWidth = 1664;

// Dots in the printer's column bytes: X columns of R bytes.
struct ColumnPicture {
    int width = 0;
    int bytesPerColumn = 0;
    QByteArray columns; // exactly width x bytesPerColumn bytes, zero-padded
};

struct ColumnPictureResult {
    ColumnPicture picture;
    QString error; // the message for the user when the file is refused
    bool ok() const { return error.isEmpty(); }
};

// BIN: length word, X, R, columns. PBM: R, 16-bit X, columns. Refuses R outside 1..4, a width
// of 0 and pictures wider than the editor's 819 columns.
ColumnPictureResult decodeBinPbm(const QByteArray& file, bool bin);

// A BIN file: the 16-bit length word, X (low 8 bits), R, then the column bytes.
QByteArray encodeBinFile(int lengthWord, int width, int bytesPerColumn, const QByteArray& columns);
// The editor's logo as one BIN file; R becomes ceil(height / 8).
QByteArray singleBinFile(LogoState& logo);

struct PictureResult {
    QImage picture;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
// Any BMP variant the image reader knows; at most 819 x 32 pixels.
PictureResult decodeBmp(const QByteArray& bytes);
PictureResult readBmpFile(const QString& path);
// The logo's top left width x height pixels as an uncompressed 24-bit BMP.
QByteArray encodeBmp(const LogoState& logo);
QByteArray encodeBmp(const QImage& image);

struct FileBytes {
    QByteArray bytes;
    QString error;
    bool ok() const { return error.isEmpty(); }
};
FileBytes readFileHead(const QString& path, int limit = kFileReadLimit);
// Replaces the file at once or not at all (the one atomic write). Returns the message for the
// user, empty on success.
QString writeLogoFile(const QString& path, const QByteArray& bytes);

QString fileOpenErrorText(const QString& path);
QString fileWriteErrorText(const QString& path);

} // namespace nimbrel::logos
