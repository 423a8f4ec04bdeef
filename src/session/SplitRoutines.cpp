#include "session/LogoRoutines.h"

#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoSplit.h"
#include "session/Talk.h"

#include <QCoreApplication>
#include <QDir>

namespace nimbrel::session {

using namespace logos;

namespace {

// One message for every part file that could not be written; false when there was one.
bool reportFailedWrites(LogoContext& ctx, const QStringList& failed) {
    if (failed.isEmpty())
        return true;
    ctx.link.dialogs.message(
        errorTitle(),
        QCoreApplication::translate("SplitRoutines", "Файл записать невозможно:\n\r%1")
            .arg(failed.join(QStringLiteral("\n\r"))),
        platform::kError);
    return false;
}

} // namespace

int wideLogoCheck(LogoContext& ctx) {
    LogoState& logo = ctx.logo;
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    const int parts = wideCheckParts(logo.width, logo.bytesPerColumn);
    if (parts == 0)
        return 0;
    if (parts < 0) {
        ctx.link.dialogs.message(errorTitle(), wideCheckRefusal(logo.width, logo.height),
                                 platform::kError);
        return -1;
    }
    // Without a file of its own the parts are named after "logo" in the working folder.
    const QString chosen = logo.file.chosen.isEmpty()
                               ? QDir(ctx.folder).filePath(QStringLiteral("logo"))
                               : logo.file.chosen;
    const std::vector<LogoStrip> cut = stripsOf(wideCheckStripWidths(logo.width, parts));
    std::vector<QImage> images;
    for (const LogoStrip& s : cut)
        images.push_back(stripImage(logo, s.first, s.width));
    QStringList failed;
    for (int i = parts; i >= 1; --i) {
        const QString path = widePartFileName(chosen, i);
        if (!logos::writeLogoFile(path, encodeBmp(images[i - 1])).isEmpty())
            failed.prepend(path);
    }
    if (!reportFailedWrites(ctx, failed))
        return -1;

    const int answer = ctx.link.dialogs.message(
        QCoreApplication::translate("SplitRoutines", "Преобразование завершено"),
        wideCheckQuestion(chosen, parts), platform::kQuestion);
    if (answer != platform::kYes)
        return parts;
    logo.file.chosen = widePartFileName(chosen, 1);
    showPicture(logo, images[0]);
    show(ctx);
    showOpenedFile(ctx, logo.file.chosen);
    showSize(ctx);
    return parts;
}

bool multiPartConversion(LogoContext& ctx, const QString& chosen, int parts, bool offerOpenFirst) {
    const QString base = multiPartBase(chosen);
    QStringList failed;
    QStringList written;
    for (const LogoFileOut& part : multiPartFiles(ctx.logo, chosen, parts)) {
        if (logos::writeLogoFile(part.path, part.bytes).isEmpty())
            written << part.path;
        else
            failed << part.path;
    }
    if (!reportFailedWrites(ctx, failed))
        return false;

    auto& dialogs = ctx.link.dialogs;
    const QString title =
        QCoreApplication::translate("SplitRoutines", "Преобразование файла завершено");
    if (!offerOpenFirst) {
        dialogs.message(title,
                        QCoreApplication::translate("SplitRoutines", " Создано %1 файлов:\n\r%2")
                            .arg(parts)
                            .arg(written.join(QStringLiteral("\n\r"))),
                        platform::kInformation);
        return true;
    }
    if (dialogs.message(title, multiPartQuestion(base, parts), platform::kQuestion) ==
        platform::kYes) {
        ctx.logo.file.chosen = multiPartFileName(base, 1);
        loadBinPbmFile(ctx, ctx.logo.file.chosen, true);
    }
    return true;
}

} // namespace nimbrel::session
