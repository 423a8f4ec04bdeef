#include "cli/LogoTransfer.h"

#include "logos/LogoOperations.h"

#include <QCoreApplication>

namespace nimbrel::cli {

QString logoDataErrorText(int slot, const logos::LogoAnswer& answer) {
    const QString dataError =
        QStringLiteral("Logo#") + logos::logoNumberDigits(slot) + QStringLiteral(" Data Error: ");
    return answer.kind == logos::LogoAnswer::Kind::BadWidth
               ? dataError + QStringLiteral("Illegal Logo X-size (%1)!").arg(answer.width)
               : dataError + QStringLiteral("Illegal Logo Y-size (%1)!").arg(answer.bytesPerColumn);
}

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
    if (out.answer.kind == logos::LogoAnswer::Kind::BadWidth ||
        out.answer.kind == logos::LogoAnswer::Kind::BadRows)
        out.code = job.fail(kExitLink, logoDataErrorText(slot, out.answer));
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

QString pictureRefusalText() {
    return QCoreApplication::translate("LogoTransfer",
                                       "Картинку нужно сначала преобразовать: nimbrel-cli logo "
                                       "convert.");
}

QString loadLogoFile(const QString& path, logos::LogoState& work,
                     const std::optional<logos::ConversionOptions>& options) {
    return logos::loadLogoFile(path, work, options, pictureRefusalText());
}

LogoFileBlock logoBlockFromFile(const QString& path, logos::LogoState& work,
                                const std::optional<logos::ConversionOptions>& options) {
    return logos::logoBlockFromFile(path, work, options, pictureRefusalText());
}

int writeLogoVerified(Job& job, int slot, const QByteArray& block) {
    return job.writeCheckCode(logos::writeLogoVerified(job.line(), slot, block),
                              logos::logoUncheckedText(slot, false));
}

} // namespace nimbrel::cli
