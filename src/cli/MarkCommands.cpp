#include "cli/MarkTransfer.h"
#include "cli/PortChoice.h"
#include "logos/LogoFiles.h"
#include "marks/FragmentRecord.h"
#include "marks/FragmentTypes.h"
#include "marks/MarkBlock.h"
#include "marks/MarkOperations.h"
#include "platform/Cp1251.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>

namespace nimbrel::cli {

namespace {

constexpr int kHighestMark = 85;

QString markDiffersText(int mark, int row) {
    return QCoreApplication::translate(
               "CliMarkCommands",
               "Марка #%1 прочитана не такой, как записана (фрагмент # %2): проверка не пройдена.")
        .arg(marks::markDigits(mark), marks::positionLabel(row));
}

QString badMarkNumberText(const QString& argument) {
    return QCoreApplication::translate("CliMarkCommands", "Недопустимый Номер Марки '%1': 0..85")
        .arg(argument);
}

int readMarkCommand(Job& job, int mark) {
    if (const int code = job.connect())
        return code;
    const MarkRead read = readMarkCells(job, mark);
    if (read.code != kExitOk)
        return read.code;
    const QString digits = marks::markDigits(mark);
    if (read.empty)
        return job.fail(kExitFile,
                        QCoreApplication::translate("CliMarkCommands",
                                                    "МАРКА #%1: ПУСТАЯ МАРКА! Файл не записан.")
                            .arg(digits));
    const QString& path = job.inv().output;
    if (!path.isEmpty()) {
        const QString error = logos::writeLogoFile(path, markFileOf(read.cells));
        if (!error.isEmpty())
            return job.fail(kExitFile, oneLine(error));
    }
    if (job.inv().json) {
        QJsonArray fragments;
        for (int row = 0; row < marks::kRows; ++row)
            fragments.append(
                QJsonObject{{QStringLiteral("position"), marks::positionLabel(row)},
                            {QStringLiteral("type"), read.cells[row].type.trimmed()},
                            {QStringLiteral("font"), read.cells[row].font.trimmed().toInt()},
                            {QStringLiteral("text"), read.cells[row].text}});
        QJsonObject out{{QStringLiteral("mark"), mark}, {QStringLiteral("fragments"), fragments}};
        if (!path.isEmpty())
            out.insert(QStringLiteral("file"), path);
        job.printJson(QJsonDocument(out));
    } else if (path.isEmpty()) {
        for (int row = 0; row < marks::kRows; ++row)
            job.print(marks::positionLabel(row) + QLatin1Char('\t') +
                      marks::shownTypeName(read.cells[row].type) + QLatin1Char('\t') +
                      read.cells[row].font.trimmed() + QLatin1Char('\t') + read.cells[row].text);
    } else {
        job.print(QCoreApplication::translate("CliMarkCommands", "Марка #%1 прочитана в файл %2")
                      .arg(digits, path));
    }
    return kExitOk;
}

int writeMarkCommand(Job& job, int mark, const QString& typed, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return job.fail(kExitFile, oneLine(logos::fileOpenErrorText(path)));
    const EncodedMarkFile encoded = encodeMarkFile(file.readAll());
    if (!encoded.error.isEmpty())
        return job.fail(kExitFile,
                        encoded.error + QStringLiteral(" (") + path + QStringLiteral(")"));
    if (const int code = job.connect())
        return code;
    int row = -1;
    const int code = writeMarkVerified(job, mark, encoded.block, row);
    if (code == kExitVerify)
        return job.fail(code, markDiffersText(mark, row));
    if (code != kExitOk)
        return code;
    job.print(QCoreApplication::translate("CliMarkCommands", "Запись Марки #%1 успешно завершена.")
                  .arg(typed));
    return kExitOk;
}

// "Текст" and the other names of the type list, or a Latin word for scripts.
QString typeNameOf(const QString& argument) {
    if (argument.isEmpty())
        return marks::typeNames().first();
    static const QStringList latin{QStringLiteral("text"),     QStringLiteral("number"),
                                   QStringLiteral("datetime"), QStringLiteral("graphics"),
                                   QStringLiteral("postdate"), QStringLiteral("ean")};
    const QStringList& names = marks::typeNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(argument, Qt::CaseInsensitive) == 0 ||
            (i < latin.size() && latin[i] == argument.toLower()))
            return names[i];
    return QString();
}

// The fragment read reply's bytes (a stored record has the same layout) as the read prints them.
int printFragment(Job& job, int line, int fragment, const QByteArray& reply, int mark) {
    if (job.inv().json) {
        const marks::FragmentReply f = marks::decodeFragmentReply(reply);
        const QString name = marks::typeName(static_cast<unsigned char>(f.typeCode));
        QJsonObject out{
            {QStringLiteral("position"), QString::number(line) + QString::number(fragment)},
            {QStringLiteral("typeCode"), f.typeCode},
            {QStringLiteral("type"), name.isEmpty() ? QJsonValue() : QJsonValue(name)},
            {QStringLiteral("font"), f.font},
            {QStringLiteral("text"), f.text}};
        if (mark >= 0)
            out.insert(QStringLiteral("mark"), mark);
        job.printJson(QJsonDocument(out));
    } else {
        job.print(terminalText(marks::fragmentReport(line, fragment, reply)));
    }
    return kExitOk;
}

// The stored mark whose one record is read or changed; kExitOk with the block in `block`.
int readStoredMark(Job& job, int mark, QByteArray& block) {
    if (const int code = job.connect())
        return code;
    const marks::MarkRead r = marks::readMark(job.line(), mark);
    if (!r.ok())
        return job.linkFailure(r.error);
    if (r.empty())
        return job.fail(
            kExitFile,
            QCoreApplication::translate(
                "CliMarkCommands", "МАРКА #%1: ПУСТАЯ МАРКА! Фрагмент не прочитан и не записан.")
                .arg(marks::markDigits(mark)));
    block = r.block;
    return kExitOk;
}

// One record of stored mark `mark` changed on the block's bytes, the other 31 left as they came.
int writeStoredFragment(Job& job, int mark, int line, int fragment, const QByteArray& record) {
    QByteArray block;
    if (const int code = readStoredMark(job, mark, block))
        return code;
    int row = -1;
    const int code =
        writeMarkVerified(job, mark, marks::withRecord(block, line, fragment, record), row);
    if (code == kExitVerify)
        return job.fail(code, markDiffersText(mark, row));
    return code;
}

int fragmentCommand(Job& job) {
    const QStringList& w = job.inv().words;
    const bool read = w.size() == 4 && w[1] == QStringLiteral("read");
    const bool write = w.size() == 5 && w[1] == QStringLiteral("write");
    if (!read && !write)
        return job.usage(QCoreApplication::translate(
            "CliMarkCommands", "нужно: fragment read СТРОКА ПОЗИЦИЯ [--mark NN] или fragment write "
                               "СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ"));
    const auto line = numberArgument(w[2], 1, marks::kLines);
    const auto fragment = numberArgument(w[3], 1, marks::kFragmentsPerLine);
    if (!line || !fragment)
        return job.usage(
            QCoreApplication::translate("CliMarkCommands",
                                        "фрагмент '%1 %2' не существует: строка 1..4, позиция 1..8")
                .arg(w[2], w[3]));
    const QString& markArgument = job.inv().mark;
    const auto mark = numberArgument(markArgument, 0, kHighestMark);
    if (!markArgument.isEmpty() && !mark)
        return job.usage(badMarkNumberText(markArgument));
    if (read && mark) {
        QByteArray block;
        if (const int code = readStoredMark(job, *mark, block))
            return code;
        return printFragment(job, *line, *fragment, marks::recordOf(block, *line, *fragment),
                             *mark);
    }
    if (read) {
        if (const int code = job.connect())
            return code;
        const link::ExchangeResult r = marks::readFragment(job.line(), *line, *fragment);
        if (!r.ok())
            return job.linkFailure(r.error);
        return printFragment(job, *line, *fragment, r.reply, -1);
    }
    marks::FragmentEdit edit;
    edit.position = QString::number(*line) + QString::number(*fragment);
    edit.typeText = typeNameOf(job.inv().type);
    if (edit.typeText.isEmpty())
        return job.usage(
            QCoreApplication::translate("CliMarkCommands", "тип фрагмента '%1' неизвестен: %2")
                .arg(job.inv().type, marks::typeNames().join(QStringLiteral(", "))));
    const QString fontArgument = job.inv().font.isEmpty() ? QStringLiteral("2") : job.inv().font;
    const auto font = numberArgument(fontArgument, 0, 15);
    if (!font)
        return job.usage(
            QCoreApplication::translate("CliMarkCommands", "шрифт '%1' не существует: 0..15")
                .arg(fontArgument));
    edit.fontText = QStringLiteral("Шрифт#%1").arg(*font, 2, 10, QLatin1Char('0'));
    edit.text = w[4];
    QString refused;
    marks::keepFragmentCharacters(edit.text, &refused);
    if (!refused.isEmpty())
        return job.fail(kExitUsage, QCoreApplication::translate(
                                        "CliMarkCommands",
                                        "в тексте фрагмента есть символы, которых нет в "
                                        "Windows-1251 или которые нельзя передать: '%1'. Фрагмент "
                                        "не записан.")
                                        .arg(refused));
    const qsizetype length = platform::encodeCp1251(edit.text).size();
    if (length > marks::kMaxFragmentText)
        return job.fail(
            kExitUsage,
            QCoreApplication::translate(
                "CliMarkCommands", "Текст фрагмента длиннее 44 символов (%1). Фрагмент не записан.")
                .arg(length));
    if (mark) {
        const QByteArray record =
            marks::encodeRecord(marks::typeCode(edit.typeText), *font, edit.text);
        if (const int code = writeStoredFragment(job, *mark, *line, *fragment, record))
            return code;
    } else {
        if (const int code = job.connect())
            return code;
        if (const link::ExchangeError e = marks::writeFragment(job.line(), edit);
            e != link::ExchangeError::None)
            return job.linkFailure(e);
    }
    if (job.inv().json) {
        QJsonObject out{{QStringLiteral("position"), edit.position},
                        {QStringLiteral("type"), edit.typeText},
                        {QStringLiteral("font"), *font},
                        {QStringLiteral("text"), edit.text}};
        if (mark)
            out.insert(QStringLiteral("mark"), *mark);
        job.printJson(QJsonDocument(out));
    } else {
        const QString fragmentName =
            mark
                ? QCoreApplication::translate("CliMarkCommands", "Фрагмент #%1 Марки #%2")
                      .arg(edit.position, marks::markDigits(*mark))
                : QCoreApplication::translate("CliMarkCommands", "Фрагмент #%1").arg(edit.position);
        job.print(
            QCoreApplication::translate("CliMarkCommands", "%1 записан: %2, шрифт %3, текст '%4'")
                .arg(fragmentName, marks::shownTypeName(edit.typeText), edit.fontText.right(2),
                     edit.text));
    }
    return kExitOk;
}

} // namespace

int runMark(Job& job) {
    const QStringList& w = job.inv().words;
    const bool read = w.size() == 3 && w[1] == QStringLiteral("read");
    const bool write = w.size() == 4 && w[1] == QStringLiteral("write");
    if (!read && !write)
        return job.usage(QCoreApplication::translate(
            "CliMarkCommands", "нужно: mark read NN [-o ФАЙЛ.mrt] или mark write NN ФАЙЛ.mrt"));
    const auto mark = numberArgument(w[2], 0, kHighestMark);
    if (!mark)
        return job.usage(badMarkNumberText(w[2]));
    return read ? readMarkCommand(job, *mark) : writeMarkCommand(job, *mark, w[2], w[3]);
}

int runFragment(Job& job) {
    return fragmentCommand(job);
}

} // namespace nimbrel::cli
