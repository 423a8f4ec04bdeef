#include "logos/LogoFileLoad.h"

#include "logos/LogoBlock.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace nimbrel::logos {

QString loadLogoFile(const QString& path, LogoState& work,
                     const std::optional<ConversionOptions>& options,
                     const QString& pictureRefusal) {
    switch (logoFileKind(path)) {
    case LogoFileKind::Bmp: {
        const PictureResult picture = readBmpFile(path);
        if (!picture.ok())
            return picture.error;
        showPicture(work, picture.picture);
        return QString();
    }
    case LogoFileKind::Bin:
    case LogoFileKind::Pbm: {
        const FileBytes file = readFileHead(path);
        if (!file.ok())
            return file.error;
        const ColumnPictureResult decoded =
            decodeBinPbm(file.bytes, logoFileKind(path) == LogoFileKind::Bin);
        if (!decoded.ok())
            return decoded.error;
        unpackColumns(work, decoded.picture.columns, decoded.picture.width,
                      decoded.picture.bytesPerColumn);
        return QString();
    }
    case LogoFileKind::Picture: {
        if (!options)
            return pictureRefusal;
        const PictureRead read = readPicture(path);
        if (!read.ok())
            return read.error;
        const ConvertedLogo converted = convertPicture(read.picture, *options);
        if (!converted.ok())
            return converted.error;
        loadConvertedLogo(work, converted);
        return QString();
    }
    case LogoFileKind::Unknown:
        break;
    }
    return QCoreApplication::translate(
               "LogoFileLoad",
               "Файл типа '%1' открыть невозможно: нужен BIN, PBM, BMP или картинка.")
        .arg(QFileInfo(path).suffix());
}

LogoFileBlock logoBlockFromFile(const QString& path, LogoState& work,
                                const std::optional<ConversionOptions>& options,
                                const QString& pictureRefusal) {
    LogoFileBlock out;
    out.error = loadLogoFile(path, work, options, pictureRefusal);
    if (!out.error.isEmpty())
        return out;
    out.block = encodeLogoBlock(work);
    if (out.block.size() > kMaxBlockLength) {
        out.error = blockTooLongText(work.width, work.height, static_cast<int>(out.block.size()));
        out.block.clear();
    }
    return out;
}

} // namespace nimbrel::logos
