#include "cli/LogoTransfer.h"

#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoOperations.h"

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

LogoFileBlock logoBlockFromFile(const QString& path, logos::LogoState& work) {
    LogoFileBlock out;
    const QString type = QFileInfo(path).suffix().toLower();
    if (type == QStringLiteral("bmp")) {
        const logos::PictureResult picture = logos::readBmpFile(path);
        if (!picture.ok()) {
            out.error = picture.error;
            return out;
        }
        logos::showPicture(work, picture.picture);
    } else if (type == QStringLiteral("bin") || type == QStringLiteral("pbm")) {
        const logos::FileBytes file = logos::readFileHead(path);
        if (!file.ok()) {
            out.error = file.error;
            return out;
        }
        const logos::ColumnPictureResult decoded =
            logos::decodeBinPbm(file.bytes, type == QStringLiteral("bin"));
        if (!decoded.ok()) {
            out.error = decoded.error;
            return out;
        }
        logos::unpackColumns(work, decoded.picture.columns, decoded.picture.width,
                             decoded.picture.bytesPerColumn);
    } else {
        out.error = QStringLiteral("Файл типа '") + QFileInfo(path).suffix() +
                    QStringLiteral("' открыть невозможно: нужен BIN, PBM или BMP.");
        return out;
    }
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
