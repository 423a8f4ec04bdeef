#include "cli/LogoTransfer.h"
#include "cli/PortChoice.h"
#include "logos/LogoEditor.h"
#include "logos/LogoFiles.h"
#include "logos/LogoOperations.h"
#include "logos/LogoSplit.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

namespace nimbrel::cli {

namespace {

constexpr int kHighestLogo = 255;
constexpr int kHighestWritableLogo = 127;

// The logo as a file of the type its name asks for: BIN as a printer read leaves it, or BMP.
QString logoFileError(const QString& path, const logos::LogoAnswer& answer, QByteArray& bytes) {
    const QString type = QFileInfo(path).suffix().toLower();
    if (type == QStringLiteral("bin")) {
        bytes = logos::logoAnswerFile(answer);
        return QString();
    }
    if (type == QStringLiteral("bmp")) {
        logos::LogoState work;
        logos::unpackColumns(work, answer.columns, answer.width, answer.bytesPerColumn);
        bytes = logos::encodeBmp(work);
        return QString();
    }
    return QCoreApplication::translate("CliLogoCommands",
                                       "Файл типа '%1' записать невозможно: логотип "
                                       "сохраняется в BIN или BMP.")
        .arg(QFileInfo(path).suffix());
}

int readLogoCommand(Job& job, int slot) {
    const QString ddd = logos::logoNumberDigits(slot);
    const QString path = job.inv().output.isEmpty()
                             ? QStringLiteral("logo") + ddd + QStringLiteral(".bin")
                             : job.inv().output;
    QByteArray bytes;
    if (const QString error = logoFileError(path, logos::LogoAnswer{}, bytes); !error.isEmpty())
        return job.usage(error);
    if (const int code = job.connect())
        return code;
    const LogoRead read = readLogoSlot(job, slot);
    if (read.code != kExitOk)
        return read.code;
    if (read.empty)
        return job.fail(kExitFile, QCoreApplication::translate(
                                       "CliLogoCommands", "LOGO#%1 is EMPTY or have FORMAT ERROR.")
                                       .arg(ddd));
    logoFileError(path, read.answer, bytes);
    if (const QString error = logos::writeLogoFile(path, bytes); !error.isEmpty())
        return job.fail(kExitFile, oneLine(error));
    const QString size =
        QStringLiteral("%1x%2").arg(read.answer.width).arg(8 * read.answer.bytesPerColumn);
    if (job.inv().json)
        job.printJson(
            QJsonDocument(QJsonObject{{QStringLiteral("logo"), slot},
                                      {QStringLiteral("width"), read.answer.width},
                                      {QStringLiteral("height"), 8 * read.answer.bytesPerColumn},
                                      {QStringLiteral("file"), path}}));
    else
        job.print(
            QCoreApplication::translate("CliLogoCommands", "LOGO#%1 (Файл '%2') XY-размер: %3")
                .arg(ddd, path, size));
    // A name the user did not choose is said in full, with the folder it went to.
    if (!job.inv().json && job.inv().output.isEmpty())
        job.print(QCoreApplication::translate("CliLogoCommands", "Логотип записан в файл %1")
                      .arg(QFileInfo(path).absoluteFilePath()));
    return kExitOk;
}

// The picture options when the file is a picture; a usage message in `error` when they are
// wrong. Logo files of the program's own take none.
std::optional<logos::ConversionOptions> pictureOptions(Job& job, const QString& path,
                                                       QString& error) {
    if (logos::logoFileKind(path) != logos::LogoFileKind::Picture)
        return std::nullopt;
    const ConversionChoice choice = conversionChoiceOf(job.inv());
    error = choice.error;
    return choice.options;
}

// The blocks for slots DDD, DDD+1, ...: one when the logo fits a slot, else the strips the
// window cuts it into (only with --split). `error` says why not.
std::vector<QByteArray> slotBlocks(Job& job, logos::LogoState& work, QString& error) {
    const QByteArray whole = logos::encodeLogoBlock(work);
    if (whole.size() <= logos::kMaxBlockLength)
        return {whole};
    const int r = work.bytesPerColumn;
    if (!job.inv().split) {
        error = QCoreApplication::translate(
                    "CliLogoCommands", "Логотип %1x%2 шире одного слота: при высоте %2 не более "
                                       "%3 столбцов. Разрезать его в соседние слоты: --split")
                    .arg(work.width)
                    .arg(work.height)
                    .arg(logos::widestSlotWidth(r));
        return {};
    }
    const int parts = logos::wideCheckParts(work.width, r);
    if (parts < 0) {
        error = oneLine(logos::wideCheckRefusal(work.width, work.height));
        return {};
    }
    std::vector<QByteArray> blocks;
    for (const logos::LogoStrip& strip :
         logos::stripsOf(logos::wideCheckStripWidths(work.width, std::max(parts, 1)))) {
        blocks.push_back(logos::stripBlock(work, strip));
        if (blocks.back().size() > logos::kMaxBlockLength) {
            error = oneLine(logos::blockTooLongText(strip.width, work.height,
                                                    static_cast<int>(blocks.back().size())));
            return {};
        }
    }
    return blocks;
}

int writeLogoCommand(Job& job, int slot, const QString& path) {
    QString optionError;
    const auto options = pictureOptions(job, path, optionError);
    if (!optionError.isEmpty())
        return job.usage(optionError);
    logos::LogoState work;
    if (const QString error = loadLogoFile(path, work, options); !error.isEmpty())
        return job.fail(kExitFile,
                        oneLine(error) + QStringLiteral(" (") + path + QStringLiteral(")"));
    QString error;
    const std::vector<QByteArray> blocks = slotBlocks(job, work, error);
    if (!error.isEmpty())
        return job.fail(kExitFile, error + QStringLiteral(" (") + path + QStringLiteral(")"));
    const int last = slot + static_cast<int>(blocks.size()) - 1;
    if (last > kHighestWritableLogo)
        return job.usage(QCoreApplication::translate("CliLogoCommands",
                                                     "логотип режется на %1 части: слоты %2..%3, а "
                                                     "последний слот %4")
                             .arg(blocks.size())
                             .arg(logos::logoNumberDigits(slot), logos::logoNumberDigits(last),
                                  logos::logoNumberDigits(kHighestWritableLogo)));
    if (const int code = job.connect())
        return code;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const int number = slot + static_cast<int>(i);
        const QString ddd = logos::logoNumberDigits(number);
        const int code = writeLogoVerified(job, number, blocks[i]);
        if (code == kExitVerify)
            return job.fail(
                code, QCoreApplication::translate("CliLogoCommands",
                                                  "Логотип #%1 прочитан не таким, как записан: "
                                                  "проверка не пройдена.")
                          .arg(ddd));
        if (code != kExitOk)
            return code;
        job.print(QCoreApplication::translate("CliLogoCommands", "Передача Логотипа #%1 завершена.")
                      .arg(ddd));
    }
    return kExitOk;
}

int convertLogoCommand(Job& job, const QString& input, const QString& output) {
    const ConversionChoice choice = conversionChoiceOf(job.inv());
    if (!choice.error.isEmpty())
        return job.usage(choice.error);
    const QString type = QFileInfo(output).suffix().toLower();
    if (type != QStringLiteral("bin") && type != QStringLiteral("pbm") &&
        type != QStringLiteral("bmp"))
        return job.usage(QCoreApplication::translate("CliLogoCommands",
                                                     "Файл типа '%1' записать невозможно: логотип "
                                                     "сохраняется в BIN, PBM или BMP.")
                             .arg(QFileInfo(output).suffix()));
    const logos::PictureRead read = logos::readPicture(input);
    if (!read.ok())
        return job.fail(kExitFile, oneLine(read.error));
    const logos::ConvertedLogo converted = logos::convertPicture(read.picture, choice.options);
    if (!converted.ok())
        return job.fail(kExitFile, oneLine(converted.error));
    logos::LogoState work;
    logos::loadConvertedLogo(work, converted);
    const logos::LogoFilesOut files = logos::logoFilesFor(work, output);
    if (!files.ok())
        return job.fail(kExitFile, oneLine(files.error));
    QJsonArray written;
    for (const logos::LogoFileOut& file : files.files) {
        if (const QString error = logos::writeLogoFile(file.path, file.bytes); !error.isEmpty())
            return job.fail(kExitFile, oneLine(error));
        written.append(file.path);
    }
    if (job.inv().json) {
        job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("width"), converted.width},
                                                {QStringLiteral("height"), converted.height},
                                                {QStringLiteral("threshold"), converted.threshold},
                                                {QStringLiteral("files"), written}}));
        return kExitOk;
    }
    for (const QJsonValue& path : written)
        job.print(
            QCoreApplication::translate("CliLogoCommands", "Логотип %1x%2 (порог %3) записан в %4")
                .arg(QString::number(converted.width), QString::number(converted.height),
                     QString::number(converted.threshold), path.toString()));
    return kExitOk;
}

int deleteLogoCommand(Job& job, int slot) {
    const QString ddd = logos::logoNumberDigits(slot);
    if (!job.inv().yes)
        return job.usage(
            QCoreApplication::translate("CliLogoCommands",
                                        "удаление Логотипа #%1 нужно подтвердить параметром --yes")
                .arg(ddd));
    if (const int code = job.connect())
        return code;
    const int code = job.writeCheckCode(logos::deleteLogoVerified(job.line(), slot),
                                        logos::logoUncheckedText(slot, true));
    if (code == kExitVerify)
        return job.fail(
            kExitVerify,
            QCoreApplication::translate("CliLogoCommands",
                                        "Логотип #%1 после удаления не пуст: проверка не пройдена.")
                .arg(ddd));
    if (code != kExitOk)
        return code;
    job.print(
        QCoreApplication::translate("CliLogoCommands", "Очистка Логотипа #%1 завершена.").arg(ddd));
    return kExitOk;
}

} // namespace

int runLogo(Job& job) {
    const QStringList& w = job.inv().words;
    const QString verb = w.size() > 1 ? w[1] : QString();
    const bool read = w.size() == 3 && verb == QStringLiteral("read");
    const bool write = w.size() == 4 && verb == QStringLiteral("write");
    const bool remove = w.size() == 3 && verb == QStringLiteral("delete");
    if (w.size() == 4 && verb == QStringLiteral("convert"))
        return convertLogoCommand(job, w[2], w[3]);
    if (!read && !write && !remove)
        return job.usage(QCoreApplication::translate(
            "CliLogoCommands",
            "нужно: logo read DDD [-o ФАЙЛ], logo write DDD ФАЙЛ [--split], logo convert КАРТИНКА "
            "ФАЙЛ --height ТОЧЕК или logo delete DDD --yes"));
    const int highest = read ? kHighestLogo : kHighestWritableLogo;
    const auto slot = numberArgument(w[2], 0, highest);
    if (!slot)
        return job.usage(QCoreApplication::translate("CliLogoCommands",
                                                     "Недопустимый номер Логотипа '%1': 0..%2")
                             .arg(w[2], QString::number(highest)));
    if (read)
        return readLogoCommand(job, *slot);
    return write ? writeLogoCommand(job, *slot, w[3]) : deleteLogoCommand(job, *slot);
}

int runBitmap(Job& job) {
    const QString& path = job.inv().output;
    if (job.inv().words.size() != 1 || path.isEmpty())
        return job.usage(
            QCoreApplication::translate("CliLogoCommands", "нужно: bitmap -o ФАЙЛ.bmp"));
    if (QFileInfo(path).suffix().toLower() != QStringLiteral("bmp"))
        return job.usage(
            QCoreApplication::translate("CliLogoCommands", "бит-карта сохраняется только в BMP: %1")
                .arg(path));
    if (const int code = job.connect())
        return code;
    const link::ExchangeResult r = logos::readBitmap(job.line());
    if (!r.ok())
        return job.linkFailure(r.error);
    const logos::BitmapAnswer answer = logos::decodeBitmapAnswer(r.reply);
    if (answer.empty)
        return job.fail(kExitFile, QCoreApplication::translate("CliLogoCommands",
                                                               "НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ)."));
    logos::LogoState work;
    logos::unpackColumns(work, answer.picture.columns, answer.picture.width,
                         answer.picture.bytesPerColumn);
    if (const QString error = logos::writeLogoFile(path, logos::encodeBmp(work)); !error.isEmpty())
        return job.fail(kExitFile, oneLine(error));
    const QString size = QStringLiteral("%1x%2").arg(work.width).arg(work.height);
    if (job.inv().json)
        job.printJson(QJsonDocument(QJsonObject{{QStringLiteral("width"), work.width},
                                                {QStringLiteral("height"), work.height},
                                                {QStringLiteral("file"), path}}));
    else
        job.print(
            QCoreApplication::translate("CliLogoCommands", "Бит-карта марки (%1) записана в %2")
                .arg(size, path));
    return kExitOk;
}

} // namespace nimbrel::cli
