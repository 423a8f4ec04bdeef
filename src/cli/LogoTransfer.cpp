#include "cli/LogoTransfer.h"

#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoOperations.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace nimbrel::cli {

LogoRead readLogoSlot(Job& job, int slot) {
    LogoRead out;
    // The exchange takes an answer whole, by the size its header announces, or not at all.
    const logos::LogoSlot r = logos::readSlot(job.line(), slot);
    if (!r.ok()) {
        out.code = job.linkFailure(r.error);
        return out;
    }
    out.empty = r.empty();
    if (out.empty)
        return out;
    out.answer = r.answer;
    const QString dataError =
        QStringLiteral("Logo#") + logos::logoNumberDigits(slot) + QStringLiteral(" Data Error: ");
    switch (out.answer.kind) {
    case logos::LogoAnswer::Kind::Empty:
        break;
    case logos::LogoAnswer::Kind::BadWidth:
        out.code =
            job.fail(kExitLink,
                     dataError + QStringLiteral("Illegal Logo X-size (%1)!").arg(out.answer.width));
        break;
    case logos::LogoAnswer::Kind::BadRows:
        out.code = job.fail(
            kExitLink,
            dataError + QStringLiteral("Illegal Logo Y-size (%1)!").arg(out.answer.bytesPerColumn));
        break;
    case logos::LogoAnswer::Kind::Logo:
        break;
    }
    return out;
}

ConversionChoice conversionChoiceOf(const Invocation& inv) {
    ConversionChoice out;
    const auto height = numberArgument(inv.height, 8, logos::kMaxLogoHeight);
    if (!height || *height % 8 != 0) {
        out.error =
            inv.height.isEmpty()
                ? QCoreApplication::translate("CliLogoTransfer",
                                              "картинке нужна высота логотипа: --height 8|16|24|32")
                : QCoreApplication::translate("CliLogoTransfer",
                                              "высота логотипа '%1' недопустима: 8, 16, 24 или 32")
                      .arg(inv.height);
        return out;
    }
    out.options.height = *height;
    if (!inv.threshold.isEmpty() && inv.threshold != QStringLiteral("auto")) {
        const auto threshold = numberArgument(inv.threshold, 0, 255);
        if (!threshold) {
            out.error = QCoreApplication::translate("CliLogoTransfer",
                                                    "порог '%1' недопустим: 0..255 или auto")
                            .arg(inv.threshold);
            return out;
        }
        out.options.threshold = *threshold;
    }
    out.options.dithering = inv.dither ? logos::Dithering::FloydSteinberg : logos::Dithering::None;
    out.options.invert = inv.invert;
    return out;
}

QString loadLogoFile(const QString& path, logos::LogoState& work,
                     const std::optional<logos::ConversionOptions>& options) {
    switch (logos::logoFileKind(path)) {
    case logos::LogoFileKind::Bmp: {
        const logos::PictureResult picture = logos::readBmpFile(path);
        if (!picture.ok())
            return picture.error;
        logos::showPicture(work, picture.picture);
        return QString();
    }
    case logos::LogoFileKind::Bin:
    case logos::LogoFileKind::Pbm: {
        const logos::FileBytes file = logos::readFileHead(path);
        if (!file.ok())
            return file.error;
        const logos::ColumnPictureResult decoded =
            logos::decodeBinPbm(file.bytes, logos::logoFileKind(path) == logos::LogoFileKind::Bin);
        if (!decoded.ok())
            return decoded.error;
        logos::unpackColumns(work, decoded.picture.columns, decoded.picture.width,
                             decoded.picture.bytesPerColumn);
        return QString();
    }
    case logos::LogoFileKind::Picture: {
        if (!options)
            return QStringLiteral("Картинку нужно сначала преобразовать: nimbrel-cli logo "
                                  "convert.");
        const logos::PictureRead read = logos::readPicture(path);
        if (!read.ok())
            return read.error;
        const logos::ConvertedLogo converted = logos::convertPicture(read.picture, *options);
        if (!converted.ok())
            return converted.error;
        logos::loadConvertedLogo(work, converted);
        return QString();
    }
    case logos::LogoFileKind::Unknown:
        break;
    }
    return QStringLiteral("Файл типа '") + QFileInfo(path).suffix() +
           QStringLiteral("' открыть невозможно: нужен BIN, PBM, BMP или картинка.");
}

LogoFileBlock logoBlockFromFile(const QString& path, logos::LogoState& work,
                                const std::optional<logos::ConversionOptions>& options) {
    LogoFileBlock out;
    out.error = loadLogoFile(path, work, options);
    if (!out.error.isEmpty())
        return out;
    out.block = logos::encodeLogoBlock(work);
    if (out.block.size() > logos::kMaxBlockLength) {
        out.error =
            logos::blockTooLongText(work.width, work.height, static_cast<int>(out.block.size()));
        out.block.clear();
    }
    return out;
}

int writeLogoVerified(Job& job, int slot, const QByteArray& block) {
    return job.writeCheckCode(logos::writeLogoVerified(job.line(), slot, block),
                              logos::logoUncheckedText(slot, false));
}

} // namespace nimbrel::cli
