#include "logos/LogoFiles.h"
#include "platform/ByteReader.h"

#include "logos/LogoEditor.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

namespace nimbrel::logos {

namespace {

QString verticalSizeError() {
    return QCoreApplication::translate("LogoFiles", "Превышение Вертикального Размера Печати!");
}
QString horizontalSizeError() {
    return QCoreApplication::translate("LogoFiles", "Превышение Горизонтального Размера Печати!");
}
QString zeroWidthError() {
    return QCoreApplication::translate("LogoFiles", "Файл открыть невозможно. Размер 'X'=0!");
}
QString tooWideError(int width) {
    return QCoreApplication::translate("LogoFiles",
                                       "Файл открыть невозможно. Размер 'X'>%1! (X=%2).")
        .arg(kGridColumns)
        .arg(width);
}
QString unreadableBmpError() {
    return QCoreApplication::translate("LogoFiles",
                                       "Файл открыть невозможно. Рисунок BMP не читается!");
}
QString damagedFileError() {
    return QCoreApplication::translate("LogoFiles",
                                       "Файл открыть невозможно. Файл пуст или поврежден!");
}

PictureResult readPicture(QIODevice* device) {
    QImageReader reader(device, "BMP");
    // Only BMP: another format's decoder may report one size in its header and deliver another.
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    PictureResult out;
    if (!size.isValid() || size.isEmpty()) {
        out.error = unreadableBmpError();
        return out;
    }
    // Checked from the header, before any pixel memory is taken.
    if (size.height() > kMaxLogoHeight) {
        out.error = QCoreApplication::translate("LogoFiles",
                                                "Файл открыть невозможно. Размер 'Y'>32! (Y=%1).")
                        .arg(size.height());
        return out;
    }
    if (size.width() > kGridColumns) {
        out.error = tooWideError(size.width());
        return out;
    }
    out.picture = reader.read();
    if (out.picture.isNull() || out.picture.size() != size) {
        out.picture = QImage();
        out.error = unreadableBmpError();
    }
    return out;
}

} // namespace

ColumnPictureResult decodeBinPbm(const QByteArray& file, bool bin) {
    ColumnPictureResult out;
    const QByteArray head = file.left(kFileReadLimit);
    const int headerSize = bin ? 4 : 3;
    if (head.size() < headerSize) {
        out.error = damagedFileError();
        return out;
    }
    ColumnPicture& p = out.picture;
    if (bin) {
        p.width = platform::u8At(head, 2);
        p.bytesPerColumn = platform::u8At(head, 3);
    } else {
        p.bytesPerColumn = platform::u8At(head, 0);
        p.width = platform::u8At(head, 1) | (platform::u8At(head, 2) << 8);
    }
    if (p.bytesPerColumn < 1 || p.bytesPerColumn > 4) {
        out.error = verticalSizeError();
        return out;
    }
    if (!bin && p.width > kMaxPbmWidth) {
        out.error = horizontalSizeError();
        return out;
    }
    if (p.width == 0) {
        out.error = zeroWidthError();
        return out;
    }
    if (p.width > kGridColumns) {
        out.error = tooWideError(p.width);
        return out;
    }
    const int size = p.width * p.bytesPerColumn;
    p.columns = head.mid(headerSize, size);
    p.columns.append(QByteArray(size - p.columns.size(), '\0'));
    return out;
}

QByteArray encodeBinFile(int lengthWord, int width, int bytesPerColumn, const QByteArray& columns) {
    QByteArray out;
    out.reserve(4 + columns.size());
    out.append(static_cast<char>(lengthWord & 0xFF));
    out.append(static_cast<char>((lengthWord >> 8) & 0xFF));
    out.append(static_cast<char>(width & 0xFF));
    out.append(static_cast<char>(bytesPerColumn));
    out.append(columns);
    return out;
}

QByteArray singleBinFile(LogoState& logo) {
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    const int r = logo.bytesPerColumn;
    const QByteArray columns = packColumns(logo, 0, logo.width, r, logo.height - 1);
    return encodeBinFile(logo.width * r + 4, logo.width, r, columns);
}

PictureResult decodeBmp(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readPicture(&buffer);
}

PictureResult readBmpFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QImage(), fileOpenErrorText(path)};
    return readPicture(&file);
}

QByteArray encodeBmp(const QImage& image) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    // RGB32 is written uncompressed with 24 bits per pixel.
    QImageWriter writer(&buffer, "BMP");
    writer.write(image.convertToFormat(QImage::Format_RGB32));
    return out;
}

QByteArray encodeBmp(const LogoState& logo) {
    return encodeBmp(logo.logo.copy(0, 0, logo.width, logo.height));
}

FileBytes readFileHead(const QString& path, int limit) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QByteArray(), fileOpenErrorText(path)};
    return {file.read(limit), QString()};
}

QString writeLogoFile(const QString& path, const QByteArray& bytes) {
    if (!platform::writeFileAtomically(path, bytes).ok())
        return fileWriteErrorText(path);
    return QString();
}

QString fileOpenErrorText(const QString& path) {
    return QCoreApplication::translate("LogoFiles", "Файл открыть невозможно:\n\r%1").arg(path);
}

QString fileWriteErrorText(const QString& path) {
    return QCoreApplication::translate("LogoFiles", "Файл записать невозможно:\n\r%1").arg(path);
}

} // namespace nimbrel::logos
