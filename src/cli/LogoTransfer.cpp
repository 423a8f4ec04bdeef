#include "cli/LogoTransfer.h"

#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoOperations.h"

#include <QFileInfo>

namespace nimbrel::cli {

LogoRead readLogoSlot(Job& job, int slot) {
    LogoRead out;
    // The exchange takes an answer whole, by the size its header announces, or not at all.
    const link::ExchangeResult r = logos::readLogo(job.line(), slot);
    // A slot the printer does not answer for is taken as empty, as the program does.
    if (r.error == link::ExchangeError::NoReply) {
        out.empty = true;
        return out;
    }
    if (!r.ok()) {
        out.code = job.linkFailure(r.error);
        return out;
    }
    out.reply = r.reply;
    out.answer = logos::decodeLogoAnswer(r.reply);
    const QString dataError =
        QStringLiteral("Logo#") + logos::logoNumberDigits(slot) + QStringLiteral(" Data Error: ");
    switch (out.answer.kind) {
    case logos::LogoAnswer::Kind::Empty:
        out.empty = true;
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
    const link::ExchangeResult sent = logos::writeLogo(job.line(), slot, block);
    if (!sent.ok())
        return job.linkFailure(sent.error);
    const LogoRead back = readLogoSlot(job, slot);
    if (back.code != kExitOk)
        return back.code;
    return logos::checkReadBack(block, back.reply).result == logos::ReadBackCheck::Result::Same
               ? kExitOk
               : kExitVerify;
}

} // namespace nimbrel::cli
