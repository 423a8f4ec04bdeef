#include "cli/Options.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>

namespace nimbrel::cli {

namespace {

// Texts are marked in their Russian source form and translated where they are shown; which
// options belong to which command is read from the source form, the same in every language.
struct OptionRow {
    QStringList names;
    const char* valueName;   // empty: a switch
    const char* description; // line breaks where the help breaks it
};

const std::vector<OptionRow>& optionRows() {
    static const std::vector<OptionRow> rows{
        {{QStringLiteral("p"), QStringLiteral("port")},
         QT_TRANSLATE_NOOP("CliHelp", "ПОРТ"),
         QT_TRANSLATE_NOOP("CliHelp", "порт Маркиратора: COM5, 5, путь устройства /dev/ttyUSB0\n"
                                      "или сетевой порт rfc2217://УЗЕЛ:ПОРТ, tcp://УЗЕЛ:ПОРТ; "
                                      "можно несколько раз")},
        {{QStringLiteral("ports")},
         QT_TRANSLATE_NOOP("CliHelp", "ФАЙЛ"),
         QT_TRANSLATE_NOOP("CliHelp", "файл портов, по одному в строке (# комментарий):\n"
                                      "команда выполняется на всех Маркираторах сразу")},
        {{QStringLiteral("baud")},
         QT_TRANSLATE_NOOP("CliHelp", "СКОРОСТЬ"),
         QT_TRANSLATE_NOOP("CliHelp", "скорость линии, бод (по умолчанию 115200)")},
        {{QStringLiteral("json")}, "", QT_TRANSLATE_NOOP("CliHelp", "вывод данных в формате JSON")},
        {{QStringLiteral("trace")},
         QT_TRANSLATE_NOOP("CliHelp", "ФАЙЛ"),
         QT_TRANSLATE_NOOP("CliHelp",
                           "протокол обмена: время и байты в hex (> передано, < принято)")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QT_TRANSLATE_NOOP("CliHelp", "ФАЙЛ"),
         QT_TRANSLATE_NOOP("CliHelp", "файл, в который записать прочитанное")},
        {{QStringLiteral("time")},
         "ISO8601",
         QT_TRANSLATE_NOOP("CliHelp", "clock set: дата и время вместо часов компьютера")},
        {{QStringLiteral("type")},
         QT_TRANSLATE_NOOP("CliHelp", "ТИП"),
         QT_TRANSLATE_NOOP("CliHelp", "fragment write: Текст, Номер, Дата/Время, Графика, "
                                      "ПостДата,\nШтрихКод EAN (или text, number, datetime, "
                                      "graphics, postdate, ean)")},
        {{QStringLiteral("font")},
         QT_TRANSLATE_NOOP("CliHelp", "ШРИФТ"),
         QT_TRANSLATE_NOOP("CliHelp", "fragment write: номер шрифта 0..15 (по умолчанию 2)")},
        {{QStringLiteral("mark")},
         "NN",
         QT_TRANSLATE_NOOP("CliHelp", "fragment: хранимая марка 0..85 вместо печатаемой")},
        {{QStringLiteral("height")},
         QT_TRANSLATE_NOOP("CliHelp", "ТОЧЕК"),
         QT_TRANSLATE_NOOP("CliHelp", "logo convert/write: высота из картинки: 8, 16, 24 или 32")},
        {{QStringLiteral("threshold")},
         "N|auto",
         QT_TRANSLATE_NOOP("CliHelp",
                           "logo convert/write: порог серого 0..255 (по умолчанию auto)")},
        {{QStringLiteral("dither")},
         "",
         QT_TRANSLATE_NOOP("CliHelp", "logo convert/write: рассеивание Флойда-Стейнберга")},
        {{QStringLiteral("invert")},
         "",
         QT_TRANSLATE_NOOP("CliHelp", "logo convert/write: светлое печатать, темное нет")},
        {{QStringLiteral("split")},
         "",
         QT_TRANSLATE_NOOP("CliHelp",
                           "logo write: широкий логотип разрезать в слоты DDD, DDD+1, ...")},
        {{QStringLiteral("yes")},
         "",
         QT_TRANSLATE_NOOP("CliHelp", "подтверждение для logo delete и restore")},
        {{QStringLiteral("force")},
         "",
         QT_TRANSLATE_NOOP("CliHelp", "restore: записать копию другого семейства моделей")},
        {{QStringLiteral("marks")}, "", QT_TRANSLATE_NOOP("CliHelp", "restore: только марки")},
        {{QStringLiteral("logos")}, "", QT_TRANSLATE_NOOP("CliHelp", "restore: только логотипы")},
        {{QStringLiteral("lang")},
         "ru|en",
         QT_TRANSLATE_NOOP("CliHelp", "язык справки и сообщений: ru или en; без него -\n"
                                      "по окружению (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)")},
        {{QStringLiteral("h"), QStringLiteral("help")},
         "",
         QT_TRANSLATE_NOOP("CliHelp", "эта справка")},
        {{QStringLiteral("version")}, "", QT_TRANSLATE_NOOP("CliHelp", "версия программы")},
    };
    return rows;
}

QString shown(const char* source) {
    return QCoreApplication::translate("CliHelp", source);
}

QString optionLabel(const OptionRow& row) {
    QStringList forms;
    for (const QString& name : row.names)
        forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString label = forms.join(QStringLiteral(", "));
    if (*row.valueName != '\0')
        label += QLatin1Char(' ') + shown(row.valueName);
    return label;
}

} // namespace

ParsedInvocation parseInvocation(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionRow& row : optionRows())
        parser.addOption(QCommandLineOption(row.names, QString::fromUtf8(row.description),
                                            QString::fromUtf8(row.valueName)));
    const bool parsed = parser.parse(QStringList{QStringLiteral("nimbrel-cli")} + arguments);
    // The parser reads on past a wrong option, so --lang holds for the refusal as well.
    std::optional<QString> language;
    if (parser.isSet(QStringLiteral("lang")))
        language = parser.value(QStringLiteral("lang"));
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return {std::nullopt,
                    QCoreApplication::translate("CliOptions", "неизвестный параметр '%1'")
                        .arg(unknown.first()),
                    language};
        return {std::nullopt,
                QCoreApplication::translate("CliOptions", "ошибка в параметрах: %1")
                    .arg(parser.errorText()),
                language};
    }
    Invocation inv;
    inv.words = parser.positionalArguments();
    inv.port = parser.value(QStringLiteral("port"));
    inv.ports = parser.values(QStringLiteral("port"));
    inv.portsFile = parser.value(QStringLiteral("ports"));
    inv.json = parser.isSet(QStringLiteral("json"));
    inv.tracePath = parser.value(QStringLiteral("trace"));
    inv.output = parser.value(QStringLiteral("output"));
    inv.time = parser.value(QStringLiteral("time"));
    inv.type = parser.value(QStringLiteral("type"));
    inv.font = parser.value(QStringLiteral("font"));
    inv.mark = parser.value(QStringLiteral("mark"));
    inv.height = parser.value(QStringLiteral("height"));
    inv.threshold = parser.value(QStringLiteral("threshold"));
    inv.dither = parser.isSet(QStringLiteral("dither"));
    inv.invert = parser.isSet(QStringLiteral("invert"));
    inv.split = parser.isSet(QStringLiteral("split"));
    inv.yes = parser.isSet(QStringLiteral("yes"));
    inv.force = parser.isSet(QStringLiteral("force"));
    inv.marks = parser.isSet(QStringLiteral("marks"));
    inv.logos = parser.isSet(QStringLiteral("logos"));
    inv.help = parser.isSet(QStringLiteral("help"));
    inv.version = parser.isSet(QStringLiteral("version"));
    if (parser.isSet(QStringLiteral("baud"))) {
        bool ok = false;
        inv.baud = parser.value(QStringLiteral("baud")).toInt(&ok);
        if (!ok || inv.baud <= 0)
            return {std::nullopt,
                    QCoreApplication::translate("CliOptions", "скорость '%1' не число бод")
                        .arg(parser.value(QStringLiteral("baud"))),
                    language};
    }
    return {inv, QString(), language};
}

namespace {

constexpr int kDescriptionColumn = 33;

// A command of the list: its synopsis (a second line when it is long) and what it does.
struct CommandRow {
    const char* synopsis;
    const char* description;
};

const std::vector<CommandRow>& commandRows() {
    static const std::vector<CommandRow> rows{
        {"ports", QT_TRANSLATE_NOOP("CliHelp", "последовательные порты с номерами COM")},
        {"info", QT_TRANSLATE_NOOP("CliHelp", "модель, версия, наработка, число отпечатков")},
        {"settings", QT_TRANSLATE_NOOP("CliHelp", "уставки системы печати")},
        {"mode", QT_TRANSLATE_NOOP("CliHelp", "уставки режима печати")},
        {"map marks | map logos",
         QT_TRANSLATE_NOOP("CliHelp", "заполнение области марок или логотипов")},
        {"clock set [--time ISO8601]", QT_TRANSLATE_NOOP("CliHelp", "установить часы Маркиратора")},
        {"offset set N", QT_TRANSLATE_NOOP("CliHelp", "смещение даты, дней (0..9999)")},
        {"lines get | lines set N", QT_TRANSLATE_NOOP("CliHelp", "число текстовых строк")},
        {QT_TRANSLATE_NOOP("CliHelp", "mark read NN [-o ФАЙЛ.mrt]"),
         QT_TRANSLATE_NOOP("CliHelp", "прочитать марку 0..85")},
        {QT_TRANSLATE_NOOP("CliHelp", "mark write NN ФАЙЛ.mrt"),
         QT_TRANSLATE_NOOP("CliHelp", "записать марку и проверить чтением")},
        {QT_TRANSLATE_NOOP("CliHelp", "fragment read СТРОКА ПОЗИЦИЯ [--mark NN]"),
         QT_TRANSLATE_NOOP("CliHelp", "фрагмент (1..4, 1..8) печатаемой или хранимой марки")},
        {QT_TRANSLATE_NOOP("CliHelp", "fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] "
                                      "[--font ШРИФТ] ТЕКСТ"),
         QT_TRANSLATE_NOOP("CliHelp", "записать фрагмент (до 44 символов Windows-1251);\n"
                                      "с --mark остальные 31 фрагмент марки не меняются")},
        {QT_TRANSLATE_NOOP("CliHelp", "logo read DDD [-o ФАЙЛ]"),
         QT_TRANSLATE_NOOP("CliHelp", "прочитать логотип 0..255 (BIN или BMP)")},
        {QT_TRANSLATE_NOOP("CliHelp", "logo write DDD ФАЙЛ [--split]"),
         QT_TRANSLATE_NOOP("CliHelp", "записать логотип 0..127 из BIN, PBM, BMP или картинки")},
        {QT_TRANSLATE_NOOP("CliHelp", "logo convert КАРТИНКА ФАЙЛ --height 8|16|24|32 "
                                      "[--threshold N|auto] [--dither]\n"
                                      "             [--invert]"),
         QT_TRANSLATE_NOOP("CliHelp", "картинка (PNG, JPEG, ...) в логотип BIN, PBM или BMP")},
        {"logo delete DDD --yes", QT_TRANSLATE_NOOP("CliHelp", "удалить логотип 0..127")},
        {QT_TRANSLATE_NOOP("CliHelp", "bitmap -o ФАЙЛ.bmp"),
         QT_TRANSLATE_NOOP("CliHelp", "бит-карта печатаемой марки")},
        {QT_TRANSLATE_NOOP("CliHelp", "backup ПАПКА"),
         QT_TRANSLATE_NOOP("CliHelp", "марки, логотипы, уставки и manifest.json в папку")},
        {QT_TRANSLATE_NOOP("CliHelp", "restore ПАПКА [--marks] [--logos] --yes"),
         QT_TRANSLATE_NOOP("CliHelp", "записать содержимое копии и проверить чтением")},
    };
    return rows;
}

// The command's first word, the same in every language.
QString commandOf(const CommandRow& row) {
    return QString::fromUtf8(row.synopsis).section(QLatin1Char(' '), 0, 0);
}

// Text after the first line starts in the description column.
QString indented(const QString& text) {
    return QString(text).replace(QLatin1Char('\n'),
                                 QLatin1Char('\n') + QString(kDescriptionColumn, ' '));
}

// The synopsis, then the description in its column: on the synopsis's last line when there is
// room, on a line of its own otherwise.
QString commandLine(const CommandRow& row) {
    const QStringList synopsis = shown(row.synopsis).split(QLatin1Char('\n'));
    QString out;
    for (const QString& line : synopsis)
        out += QStringLiteral("  ") + line + QLatin1Char('\n');
    out.chop(1);
    const qsizetype lastLength = out.size() - out.lastIndexOf(QLatin1Char('\n')) - 1;
    if (lastLength < kDescriptionColumn)
        out += QString(kDescriptionColumn - lastLength, ' ');
    else
        out += QLatin1Char('\n') + QString(kDescriptionColumn, ' ');
    return out + indented(shown(row.description)) + QLatin1Char('\n');
}

QString optionLine(const OptionRow& row) {
    return QStringLiteral("  ") + optionLabel(row).leftJustified(kDescriptionColumn - 3) +
           QLatin1Char(' ') + indented(shown(row.description)) + QLatin1Char('\n');
}

QString usageLine(const QString& command) {
    return QCoreApplication::translate("CliHelp",
                                       "Использование: nimbrel-cli %1 [АРГУМЕНТЫ] [-p ПОРТ] "
                                       "[ПАРАМЕТРЫ]\n")
        .arg(command);
}

QString optionsHeading() {
    return QCoreApplication::translate("CliHelp", "Параметры:\n");
}

} // namespace

QString commandHelpText(const QString& command) {
    QString own;
    QStringList names;
    for (const CommandRow& row : commandRows()) {
        names << commandOf(row);
        if (commandOf(row) == command)
            own += commandLine(row);
    }
    if (own.isEmpty())
        return helpText();
    // The options that name no command belong to all; the others to the commands they name.
    QString options;
    for (const OptionRow& row : optionRows()) {
        const QString description = QString::fromUtf8(row.description);
        const bool general = std::none_of(names.begin(), names.end(), [&](const QString& name) {
            return description.contains(name + QLatin1Char(' ')) ||
                   description.contains(name + QLatin1Char(':'));
        });
        if (general || description.contains(command + QLatin1Char(' ')) ||
            description.contains(command + QLatin1Char(':')) || description.endsWith(command))
            options += optionLine(row);
    }
    return usageLine(command) + QLatin1Char('\n') + own + QLatin1Char('\n') + optionsHeading() +
           options;
}

QString helpText() {
    // The blank line keeps the usage line a paragraph of its own in the manual page.
    QString text =
        usageLine(QCoreApplication::translate("CliHelp", "КОМАНДА")) + QLatin1Char('\n') +
        QCoreApplication::translate("CliHelp",
                                    "Работа с Маркиратором T2x/T7x/T9x из командной строки.\n") +
        QLatin1Char('\n') + QCoreApplication::translate("CliHelp", "Команды:\n");
    for (const CommandRow& row : commandRows())
        text += commandLine(row);
    text += QLatin1Char('\n') + optionsHeading();
    for (const OptionRow& row : optionRows())
        text += optionLine(row);
    text +=
        QLatin1Char('\n') +
        QCoreApplication::translate(
            "CliHelp", "Коды завершения:\n"
                       "  0  успешно\n"
                       "  2  ошибка в командной строке\n"
                       "  3  порт не открывается (не найден, занят, нет прав)\n"
                       "  4  Маркиратор не отвечает или ошибка связи\n"
                       "  5  проверка чтением не пройдена\n"
                       "  6  ошибка файла (не читается, отвергнут, не записан) или пустой слот\n") +
        QLatin1Char('\n') +
        QCoreApplication::translate(
            "CliHelp", "Несколько Маркираторов (-p несколько раз или --ports ФАЙЛ): команда\n"
                       "выполняется на всех параллельно, каждая строка вывода начинается с имени\n"
                       "порта, в конце итог; код завершения наибольший из кодов портов.\n"
                       "backup ПАПКА кладёт копии в ПАПКА/COM5/ и т. д.; restore ПАПКА берёт\n"
                       "ПАПКА/manifest.json для всех или, если его нет, ПАПКА/COM5/;\n"
                       "-o ПАПКА/ФАЙЛ и --trace ПАПКА/ФАЙЛ пишутся в ПАПКА/COM5/ФАЙЛ.\n"
                       "С --json: по объекту JSON на порт в строке, затем итог; ошибка -\n"
                       "объект {\"port\", \"code\", \"error\", \"message\"} в stderr.\n");
    return text;
}

} // namespace nimbrel::cli
