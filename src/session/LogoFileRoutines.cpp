#include "session/LogoRoutines.h"

#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoSplit.h"
#include "logos/PictureConversion.h"
#include "session/Talk.h"

#include <QFileInfo>
#include <QStringList>

#include <QCoreApplication>
#include <optional>

namespace nimbrel::session {

using namespace logos;

namespace {

void showError(LogoContext& ctx, const QString& text) {
    ctx.link.dialogs.message(errorTitle(), text, platform::kError);
}

QString informationTitle() {
    return QCoreApplication::translate("LogoFileRoutines", "Информация");
}

// "Name|*.a;*.b|..." as the file dialogs take it: the label as the program words it, followed
// by the patterns unless the label already ends with them.
QStringList dialogFilters(const QString& pairs) {
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QStringLiteral("(") +
                                 QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                                 QStringLiteral(")");
        out << (parts[i].endsWith(patterns) ? parts[i] : parts[i] + QLatin1Char(' ') + patterns);
    }
    return out;
}

bool loadBmpFile(LogoContext& ctx, const QString& path) {
    const PictureResult read = readBmpFile(path);
    if (!read.ok()) {
        showError(ctx, read.error);
        return false;
    }
    showPicture(ctx.logo, read.picture);
    show(ctx);
    return true;
}

bool writeBytes(LogoContext& ctx, const QString& path, const QByteArray& bytes) {
    const QString error = logos::writeLogoFile(path, bytes);
    if (!error.isEmpty())
        showError(ctx, error);
    return error.isEmpty();
}

bool writeBinLogo(LogoContext& ctx, const QString& path, bool offerOpenFirst) {
    LogoState& logo = ctx.logo;
    logo.bytesPerColumn = bytesPerColumnFor(logo.height);
    const int parts = binPartCount(logo.width, logo.bytesPerColumn);
    if (parts <= 1)
        return writeBytes(ctx, path, singleBinFile(logo));
    if (parts <= kMaxBinParts)
        return multiPartConversion(ctx, path, parts, offerOpenFirst);
    showError(ctx, tooManyPartsText());
    return false;
}

// A picture of another format becomes a new unsaved logo through the conversion dialog; a
// picture refused or a dialog cancelled leaves the editor as it was.
void openPicture(LogoContext& ctx, const QString& path) {
    const PictureRead read = readPicture(path);
    if (!read.ok()) {
        showError(ctx, read.error);
        return;
    }
    const QString name = QFileInfo(path).fileName();
    const std::optional<ConversionOptions> options =
        ctx.link.dialogs.pictureConversion(read.picture, name);
    if (!options)
        return;
    const ConvertedLogo converted = convertPicture(read.picture, *options);
    if (!converted.ok()) {
        showError(ctx, converted.error);
        return;
    }
    loadConvertedLogo(ctx.logo, converted);
    // The logo has no file of its own yet: parts cut from it are named after "logo", never
    // after the picture, whose format the program does not write.
    ctx.logo.file.chosen.clear();
    ctx.link.shell.showPictureStatus([name] {
        return QCoreApplication::translate("LogoFileRoutines", "Рисунок: %1").arg(name);
    });
    showSize(ctx);
    show(ctx);
}

// The "Yes" of open's question: the logo goes back where it came from, in that file's format;
// a BIN logo as one file, never as parts beside it.
bool saveBeforeOpening(LogoContext& ctx) {
    const QString path = ctx.logo.file.chosen.isEmpty() ? ctx.logo.file.name : ctx.logo.file.chosen;
    if (ctx.logo.file.type.toLower() == QLatin1String("bin"))
        return writeBytes(ctx, path, singleBinFile(ctx.logo));
    return writeLogoFile(ctx, path, false);
}

} // namespace

bool loadBinPbmFile(LogoContext& ctx, const QString& path, bool bin) {
    const FileBytes file = readFileHead(path);
    if (!file.ok()) {
        showError(ctx, file.error);
        return false;
    }
    const ColumnPictureResult decoded = decodeBinPbm(file.bytes, bin);
    if (!decoded.ok()) {
        showError(ctx, decoded.error);
        return false;
    }
    unpackColumns(ctx.logo, decoded.picture.columns, decoded.picture.width,
                  decoded.picture.bytesPerColumn);
    show(ctx);
    return true;
}

bool writeLogoFile(LogoContext& ctx, const QString& path, bool offerOpenFirst) {
    const QString type = QFileInfo(path).suffix().toLower();
    if (type == QLatin1String("bmp")) {
        if (!writeBytes(ctx, path, encodeBmp(ctx.logo)))
            return false;
        showOpenedFile(ctx, path);
        return true;
    }
    if (type == QLatin1String("bin"))
        return writeBinLogo(ctx, path, offerOpenFirst);
    if (type == QLatin1String("pbm")) {
        // PBM is read, never written: the logo goes into a BIN file of the same name.
        const QString binPath = path.left(path.size() - 3) + QStringLiteral("bin");
        if (!writeBinLogo(ctx, binPath, false))
            return false;
        ctx.link.dialogs.message(informationTitle(),
                                 QCoreApplication::translate("LogoFileRoutines",
                                                             "Файлы '.PBM' не записываются.\n\r"
                                                             "Логотип сохранен в файле:\n\r%1")
                                     .arg(binPath),
                                 platform::kInformation);
        return true;
    }
    showError(ctx,
              QCoreApplication::translate("LogoFileRoutines", "Файл типа '%1' записать невозможно.")
                  .arg(type));
    return false;
}

void openLogoFile(LogoContext& ctx) {
    LogoState& logo = ctx.logo;
    auto& dialogs = ctx.link.dialogs;
    if (!logo.file.name.isEmpty() && logo.changed) {
        const int answer = dialogs.message(
            informationTitle(),
            QCoreApplication::translate("LogoFileRoutines",
                                        "Содержание Логотипа изменено. Сохранить Изменения?"),
            platform::kWarningQuestion);
        // Opening another file over changes that could not be saved would lose them.
        if (answer == platform::kYes && !saveBeforeOpening(ctx))
            return;
        logo.changed = false;
    }
    const QStringList filters =
        dialogFilters(QCoreApplication::translate("LogoFileRoutines",
                                                  "Графика (*bmp,*bin,*pbm)|*.bmp;*.bin;*.pbm|"
                                                  "BMP-файлы (*.bmp)|*.bmp|"
                                                  "Логотипы (*.bin,*.pbm)|*.bin;*.pbm")) +
        QStringList{pictureFileFilter()};
    for (;;) {
        const QString path = dialogs.openFileName(
            QCoreApplication::translate("LogoFileRoutines", "Открыть Файл Логотипа"), filters,
            ctx.folder);
        if (path.isEmpty())
            return;
        const QString type = QFileInfo(path).suffix();
        const LogoFileKind kind = logoFileKind(path);
        bool loaded = false;
        if (type.isEmpty()) {
            // Nothing is loaded; the name is kept as a BIN logo's for a later save.
            logo.file = {path, QStringLiteral("bin"), path + QStringLiteral("bin")};
            showOpenedFile(ctx, logo.file.chosen);
            showSize(ctx);
            return;
        }
        if (kind == LogoFileKind::Bmp) {
            loaded = loadBmpFile(ctx, path);
        } else if (kind == LogoFileKind::Bin || kind == LogoFileKind::Pbm) {
            loaded = loadBinPbmFile(ctx, path, kind == LogoFileKind::Bin);
        } else if (kind == LogoFileKind::Picture) {
            // A netpbm .pbm too: it is a picture, not the maker's PBM layout.
            openPicture(ctx, path);
            return;
        } else {
            const int answer =
                dialogs.message(informationTitle(),
                                QCoreApplication::translate("LogoFileRoutines",
                                                            "Файл типа '%1 открыть невозможно.\n\r"
                                                            " Выбрать другой файл?")
                                    .arg(type),
                                platform::kWarningQuestion);
            if (answer == platform::kYes)
                continue;
            return;
        }
        // A refused file leaves the editor, its file and the status bar as they were.
        if (!loaded)
            return;
        logo.file = {path, type, path};
        showOpenedFile(ctx, path);
        showSize(ctx);
        return;
    }
}

void saveLogoAs(LogoContext& ctx) {
    LogoState& logo = ctx.logo;
    auto& dialogs = ctx.link.dialogs;
    QString proposed = logo.file.name;
    if (proposed.isEmpty()) {
        if (!logo.changed && !logo.bitmapRead) {
            dialogs.message(QCoreApplication::translate("LogoFileRoutines", "ПУСТОЙ ЛОГОТИП"),
                            QCoreApplication::translate("LogoFileRoutines",
                                                        "Извините, но сохранять пока нечего!"),
                            platform::kPlain);
            return;
        }
        proposed = QStringLiteral("logo.bmp");
    }
    const QStringList filters = dialogFilters(QCoreApplication::translate(
        "LogoFileRoutines", "Файлы Логотипов (*.bin)|*.bin|BMP-файлы (*.bmp)|*.bmp|"
                            "ВМР-файлы и Логотипы (*.bmp,*bin)|*.bmp;*.bin"));
    QString path = dialogs.saveFileName(
        QCoreApplication::translate("LogoFileRoutines", "Сохранить Файл Логотипа как..."), filters,
        ctx.folder, proposed);
    if (path.isEmpty())
        return;
    QString type = QFileInfo(path).suffix().toLower();
    if (type.isEmpty()) {
        path += QStringLiteral(".bmp");
        type = QStringLiteral("bmp");
    }
    if (type != QLatin1String("bin") && type != QLatin1String("bmp")) {
        showError(ctx, QCoreApplication::translate("LogoFileRoutines",
                                                   "Файл типа '%1' записать невозможно.\n\r"
                                                   "Логотип сохраняется в файлах '.BIN' и '.BMP'.")
                           .arg(type));
        return;
    }
    logo.file = {path, type, path};
    if (!writeLogoFile(ctx, path, true))
        return;
    ctx.link.shell.showPictureStatus([name = logo.file.name] { return savedFileStatus(name); });
    logo.changed = false;
    logo.bitmapRead = false;
}

} // namespace nimbrel::session
