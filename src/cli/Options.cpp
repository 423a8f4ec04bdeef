#include "cli/Options.h"

#include <QCommandLineParser>

#include <algorithm>

namespace nimbrel::cli {

namespace {

struct OptionRow {
    QStringList names;
    QString valueName; // empty: a switch
    QString description;
};

const std::vector<OptionRow>& optionRows() {
    static const std::vector<OptionRow> rows{
        {{QStringLiteral("p"), QStringLiteral("port")},
         QStringLiteral("ПОРТ"),
         QStringLiteral("порт Маркиратора: COM5, 5, путь устройства /dev/ttyUSB0\nили сетевой "
                        "порт rfc2217://УЗЕЛ:ПОРТ, tcp://УЗЕЛ:ПОРТ; можно несколько раз")},
        {{QStringLiteral("ports")},
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("файл портов, по одному в строке (# комментарий):\nкоманда "
                        "выполняется на всех Маркираторах сразу")},
        {{QStringLiteral("baud")},
         QStringLiteral("СКОРОСТЬ"),
         QStringLiteral("скорость линии, бод (по умолчанию 115200)")},
        {{QStringLiteral("json")}, QString(), QStringLiteral("вывод данных в формате JSON")},
        {{QStringLiteral("trace")},
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("протокол обмена: время и байты в hex (> передано, < принято)")},
        {{QStringLiteral("o"), QStringLiteral("output")},
         QStringLiteral("ФАЙЛ"),
         QStringLiteral("файл, в который записать прочитанное")},
        {{QStringLiteral("time")},
         QStringLiteral("ISO8601"),
         QStringLiteral("clock set: дата и время вместо часов компьютера")},
        {{QStringLiteral("type")},
         QStringLiteral("ТИП"),
         QStringLiteral("fragment write: Текст, Номер, Дата/Время, Графика, ПостДата,\n"
                        "ШтрихКод EAN (или text, number, datetime, graphics, postdate, ean)")},
        {{QStringLiteral("font")},
         QStringLiteral("ШРИФТ"),
         QStringLiteral("fragment write: номер шрифта 0..15 (по умолчанию 2)")},
        {{QStringLiteral("mark")},
         QStringLiteral("NN"),
         QStringLiteral("fragment: хранимая марка 0..85 вместо печатаемой")},
        {{QStringLiteral("height")},
         QStringLiteral("ТОЧЕК"),
         QStringLiteral("logo convert/write: высота из картинки: 8, 16, 24 или 32")},
        {{QStringLiteral("threshold")},
         QStringLiteral("N|auto"),
         QStringLiteral("logo convert/write: порог серого 0..255 (по умолчанию auto)")},
        {{QStringLiteral("dither")},
         QString(),
         QStringLiteral("logo convert/write: рассеивание Флойда-Стейнберга")},
        {{QStringLiteral("invert")},
         QString(),
         QStringLiteral("logo convert/write: светлое печатать, темное нет")},
        {{QStringLiteral("split")},
         QString(),
         QStringLiteral("logo write: широкий логотип разрезать в слоты DDD, DDD+1, ...")},
        {{QStringLiteral("yes")},
         QString(),
         QStringLiteral("подтверждение для logo delete и restore")},
        {{QStringLiteral("force")},
         QString(),
         QStringLiteral("restore: записать копию другого семейства моделей")},
        {{QStringLiteral("marks")}, QString(), QStringLiteral("restore: только марки")},
        {{QStringLiteral("logos")}, QString(), QStringLiteral("restore: только логотипы")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QString(), QStringLiteral("эта справка")},
        {{QStringLiteral("version")}, QString(), QStringLiteral("версия программы")},
    };
    return rows;
}

QString optionLabel(const OptionRow& row) {
    QStringList forms;
    for (const QString& name : row.names)
        forms << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString label = forms.join(QStringLiteral(", "));
    if (!row.valueName.isEmpty())
        label += QLatin1Char(' ') + row.valueName;
    return label;
}

} // namespace

ParsedInvocation parseInvocation(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const OptionRow& row : optionRows())
        parser.addOption(QCommandLineOption(row.names, row.description, row.valueName));
    if (!parser.parse(QStringList{QStringLiteral("nimbrel-cli")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty())
            return {std::nullopt, QStringLiteral("неизвестный параметр '") + unknown.first() +
                                      QStringLiteral("'")};
        return {std::nullopt, QStringLiteral("ошибка в параметрах: ") + parser.errorText()};
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
            return {std::nullopt, QStringLiteral("скорость '") +
                                      parser.value(QStringLiteral("baud")) +
                                      QStringLiteral("' не число бод")};
    }
    return {inv, QString()};
}

namespace {

QString commandLines() {
    return QStringLiteral(
        "  ports                          последовательные порты с номерами COM\n"
        "  info                           модель, версия, наработка, число отпечатков\n"
        "  settings                       уставки системы печати\n"
        "  mode                           уставки режима печати\n"
        "  map marks | map logos          заполнение области марок или логотипов\n"
        "  clock set [--time ISO8601]     установить часы Маркиратора\n"
        "  offset set N                   смещение даты, дней (0..9999)\n"
        "  lines get | lines set N        число текстовых строк\n"
        "  mark read NN [-o ФАЙЛ.mrt]     прочитать марку 0..85\n"
        "  mark write NN ФАЙЛ.mrt         записать марку и проверить чтением\n"
        "  fragment read СТРОКА ПОЗИЦИЯ [--mark NN]\n"
        "                                 фрагмент (1..4, 1..8) печатаемой или хранимой марки\n"
        "  fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ\n"
        "                                 записать фрагмент (до 44 символов Windows-1251);\n"
        "                                 с --mark остальные 31 фрагмент марки не меняются\n"
        "  logo read DDD [-o ФАЙЛ]        прочитать логотип 0..255 (BIN или BMP)\n"
        "  logo write DDD ФАЙЛ [--split]  записать логотип 0..127 из BIN, PBM, BMP или картинки\n"
        "  logo convert КАРТИНКА ФАЙЛ --height 8|16|24|32 [--threshold N|auto] [--dither]\n"
        "               [--invert]        картинка (PNG, JPEG, ...) в логотип BIN, PBM или BMP\n"
        "  logo delete DDD --yes          удалить логотип 0..127\n"
        "  bitmap -o ФАЙЛ.bmp             бит-карта печатаемой марки\n"
        "  backup ПАПКА                   марки, логотипы, уставки и manifest.json в папку\n"
        "  restore ПАПКА [--marks] [--logos] --yes\n"
        "                                 записать содержимое копии и проверить чтением\n");
}

QString optionLine(const OptionRow& row) {
    return QStringLiteral("  ") + optionLabel(row).leftJustified(30) + QLatin1Char(' ') +
           QString(row.description)
               .replace(QLatin1Char('\n'), QStringLiteral("\n") + QString(33, ' ')) +
           QLatin1Char('\n');
}

// The command's lines of the list: its own, and the continuation lines under them.
QString linesOf(const QString& command, const QStringList& lines) {
    QString out;
    bool inCommand = false;
    for (const QString& line : lines) {
        if (!line.startsWith(QStringLiteral("   ")))
            inCommand = line.startsWith(QStringLiteral("  ") + command + QLatin1Char(' '));
        if (inCommand)
            out += line + QLatin1Char('\n');
    }
    return out;
}

} // namespace

QString commandHelpText(const QString& command) {
    const QStringList lines = commandLines().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QString own = linesOf(command, lines);
    if (own.isEmpty())
        return helpText();
    QStringList names;
    for (const QString& line : lines)
        if (!line.startsWith(QStringLiteral("   ")))
            names << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    // The options that name no command belong to all; the others to the commands they name.
    QString options;
    for (const OptionRow& row : optionRows()) {
        const bool general = std::none_of(names.begin(), names.end(), [&](const QString& name) {
            return row.description.contains(name + QLatin1Char(' ')) ||
                   row.description.contains(name + QLatin1Char(':'));
        });
        if (general || row.description.contains(command + QLatin1Char(' ')) ||
            row.description.contains(command + QLatin1Char(':')) ||
            row.description.endsWith(command))
            options += optionLine(row);
    }
    return QStringLiteral("Использование: nimbrel-cli ") + command +
           QStringLiteral(" [АРГУМЕНТЫ] [-p ПОРТ] [ПАРАМЕТРЫ]\n\n") + own +
           QStringLiteral("\nПараметры:\n") + options;
}

QString helpText() {
    // The blank line keeps the usage line a paragraph of its own in the manual page.
    QString text = QStringLiteral("Использование: nimbrel-cli КОМАНДА [АРГУМЕНТЫ] [-p ПОРТ] "
                                  "[ПАРАМЕТРЫ]\n"
                                  "\n"
                                  "Работа с Маркиратором T2x/T7x/T9x из командной строки.\n"
                                  "\n"
                                  "Команды:\n") +
                   commandLines() + QStringLiteral("\nПараметры:\n");
    for (const OptionRow& row : optionRows())
        text += optionLine(row);
    text +=
        QStringLiteral("\n"
                       "Коды завершения:\n"
                       "  0  успешно\n"
                       "  2  ошибка в командной строке\n"
                       "  3  порт не открывается (не найден, занят, нет прав)\n"
                       "  4  Маркиратор не отвечает или ошибка связи\n"
                       "  5  проверка чтением не пройдена\n"
                       "  6  ошибка файла (не читается, отвергнут, не записан) или пустой слот\n"
                       "\n"
                       "Несколько Маркираторов (-p несколько раз или --ports ФАЙЛ): команда\n"
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
