<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Cli</name>
    <message>
        <source>%1 (справка: nimbrel-cli --help)</source>
        <translation>%1 (help: nimbrel-cli --help)</translation>
    </message>
    <message>
        <source>%1 Устройство %2: проверьте кабель и что порт не отключён.</source>
        <translation>%1 Device %2: check the cable and that the port is not disconnected.</translation>
    </message>
    <message>
        <source>%1 Устройство %2: проверьте, что Маркиратор включён и подключён к этому порту.</source>
        <translation>%1 Device %2: check that the printer is switched on and connected to this port.</translation>
    </message>
    <message>
        <source>%1 Устройство %2</source>
        <translation>%1 Device %2</translation>
    </message>
    <message>
        <source>неизвестный язык &apos;%1&apos;: ru или en</source>
        <translation>unknown language &apos;%1&apos;: en or ru</translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>неизвестная команда &apos;%1&apos;</source>
        <translation>unknown command &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>ПОРТ</source>
        <translation>PORT</translation>
    </message>
    <message>
        <source>порт Маркиратора: COM5, 5, путь устройства /dev/ttyUSB0
или сетевой порт rfc2217://УЗЕЛ:ПОРТ, tcp://УЗЕЛ:ПОРТ; можно несколько раз</source>
        <translation>the printer&apos;s port: COM5, 5, a device path
(/dev/ttyUSB0) or a network port
rfc2217://HOST:PORT or tcp://HOST:PORT; may be
given more than once</translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>файл портов, по одному в строке (# комментарий):
команда выполняется на всех Маркираторах сразу</source>
        <translation>a file of ports, one a line (# comment): the
command runs on all those printers at once</translation>
    </message>
    <message>
        <source>СКОРОСТЬ</source>
        <translation>BAUD</translation>
    </message>
    <message>
        <source>скорость линии, бод (по умолчанию 115200)</source>
        <translation>line speed in baud (default 115200)</translation>
    </message>
    <message>
        <source>вывод данных в формате JSON</source>
        <translation>data output as JSON</translation>
    </message>
    <message>
        <source>протокол обмена: время и байты в hex (&gt; передано, &lt; принято)</source>
        <translation>exchange trace: time and bytes in hex
(&gt; sent, &lt; received)</translation>
    </message>
    <message>
        <source>файл, в который записать прочитанное</source>
        <translation>the file to write what is read to</translation>
    </message>
    <message>
        <source>clock set: дата и время вместо часов компьютера</source>
        <translation>clock set: this date and time instead of the
PC&apos;s clock</translation>
    </message>
    <message>
        <source>ТИП</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>fragment write: Текст, Номер, Дата/Время, Графика, ПостДата,
ШтрихКод EAN (или text, number, datetime, graphics, postdate, ean)</source>
        <translation>fragment write: text, number, datetime,
graphics, postdate, ean (or the names mark
files use: Текст, Номер, Дата/Время, Графика,
ПостДата, ШтрихКод EAN)</translation>
    </message>
    <message>
        <source>ШРИФТ</source>
        <translation>FONT</translation>
    </message>
    <message>
        <source>fragment write: номер шрифта 0..15 (по умолчанию 2)</source>
        <translation>fragment write: font number 0..15 (default 2)</translation>
    </message>
    <message>
        <source>fragment: хранимая марка 0..85 вместо печатаемой</source>
        <translation>fragment: stored mark 0..85 instead of the mark
being printed</translation>
    </message>
    <message>
        <source>ТОЧЕК</source>
        <translation>DOTS</translation>
    </message>
    <message>
        <source>logo convert/write: высота из картинки: 8, 16, 24 или 32</source>
        <translation>logo convert/write: the height made from the
picture: 8, 16, 24 or 32</translation>
    </message>
    <message>
        <source>logo convert/write: порог серого 0..255 (по умолчанию auto)</source>
        <translation>logo convert/write: grey threshold 0..255
(default auto)</translation>
    </message>
    <message>
        <source>logo convert/write: рассеивание Флойда-Стейнберга</source>
        <translation>logo convert/write: Floyd-Steinberg dithering</translation>
    </message>
    <message>
        <source>logo convert/write: светлое печатать, темное нет</source>
        <translation>logo convert/write: print light, not dark</translation>
    </message>
    <message>
        <source>logo write: широкий логотип разрезать в слоты DDD, DDD+1, ...</source>
        <translation>logo write: cut a wide logo into slots DDD,
DDD+1, ...</translation>
    </message>
    <message>
        <source>подтверждение для logo delete и restore</source>
        <translation>confirmation for logo delete and restore</translation>
    </message>
    <message>
        <source>restore: записать копию другого семейства моделей</source>
        <translation>restore: write a backup of another model family</translation>
    </message>
    <message>
        <source>restore: только марки</source>
        <translation>restore: marks only</translation>
    </message>
    <message>
        <source>restore: только логотипы</source>
        <translation>restore: logos only</translation>
    </message>
    <message>
        <source>язык справки и сообщений: ru или en; без него -
по окружению (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</source>
        <translation>language of the help and messages: en or ru;
without it the environment&apos;s (LANGUAGE, LC_ALL,
LC_MESSAGES, LANG)</translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation>the program version</translation>
    </message>
    <message>
        <source>последовательные порты с номерами COM</source>
        <translation>serial ports with their COM numbers</translation>
    </message>
    <message>
        <source>модель, версия, наработка, число отпечатков</source>
        <translation>model, version, working hours, printed count</translation>
    </message>
    <message>
        <source>уставки системы печати</source>
        <translation>print-system settings</translation>
    </message>
    <message>
        <source>уставки режима печати</source>
        <translation>print-mode settings</translation>
    </message>
    <message>
        <source>заполнение области марок или логотипов</source>
        <translation>occupied slots of the mark or logo area</translation>
    </message>
    <message>
        <source>установить часы Маркиратора</source>
        <translation>set the printer&apos;s clock</translation>
    </message>
    <message>
        <source>смещение даты, дней (0..9999)</source>
        <translation>date offset in days (0..9999)</translation>
    </message>
    <message>
        <source>число текстовых строк</source>
        <translation>number of text lines</translation>
    </message>
    <message>
        <source>mark read NN [-o ФАЙЛ.mrt]</source>
        <translation>mark read NN [-o FILE.mrt]</translation>
    </message>
    <message>
        <source>прочитать марку 0..85</source>
        <translation>read mark 0..85</translation>
    </message>
    <message>
        <source>mark write NN ФАЙЛ.mrt</source>
        <translation>mark write NN FILE.mrt</translation>
    </message>
    <message>
        <source>записать марку и проверить чтением</source>
        <translation>write a mark and verify it by reading back</translation>
    </message>
    <message>
        <source>fragment read СТРОКА ПОЗИЦИЯ [--mark NN]</source>
        <translation>fragment read LINE POSITION [--mark NN]</translation>
    </message>
    <message>
        <source>фрагмент (1..4, 1..8) печатаемой или хранимой марки</source>
        <translation>a fragment (1..4, 1..8) of the mark being
printed or of a stored mark</translation>
    </message>
    <message>
        <source>fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ</source>
        <translation>fragment write LINE POSITION [--mark NN] [--type TYPE] [--font FONT] TEXT</translation>
    </message>
    <message>
        <source>записать фрагмент (до 44 символов Windows-1251);
с --mark остальные 31 фрагмент марки не меняются</source>
        <translation>write a fragment (up to 44 Windows-1251
characters); with --mark the mark&apos;s other 31
fragments stay as they are</translation>
    </message>
    <message>
        <source>logo read DDD [-o ФАЙЛ]</source>
        <translation>logo read DDD [-o FILE]</translation>
    </message>
    <message>
        <source>прочитать логотип 0..255 (BIN или BMP)</source>
        <translation>read logo 0..255 (BIN or BMP)</translation>
    </message>
    <message>
        <source>logo write DDD ФАЙЛ [--split]</source>
        <translation>logo write DDD FILE [--split]</translation>
    </message>
    <message>
        <source>записать логотип 0..127 из BIN, PBM, BMP или картинки</source>
        <translation>write logo 0..127 from a BIN, PBM or BMP file
or a picture</translation>
    </message>
    <message>
        <source>logo convert КАРТИНКА ФАЙЛ --height 8|16|24|32 [--threshold N|auto] [--dither]
             [--invert]</source>
        <translation>logo convert PICTURE FILE --height DOTS [--threshold N] [--dither] [--invert]</translation>
    </message>
    <message>
        <source>картинка (PNG, JPEG, ...) в логотип BIN, PBM или BMP</source>
        <translation>turn a picture (PNG, JPEG, ...) into a logo
file: BIN, PBM or BMP</translation>
    </message>
    <message>
        <source>удалить логотип 0..127</source>
        <translation>delete logo 0..127</translation>
    </message>
    <message>
        <source>bitmap -o ФАЙЛ.bmp</source>
        <translation>bitmap -o FILE.bmp</translation>
    </message>
    <message>
        <source>бит-карта печатаемой марки</source>
        <translation>bitmap of the mark being printed</translation>
    </message>
    <message>
        <source>backup ПАПКА</source>
        <translation>backup FOLDER</translation>
    </message>
    <message>
        <source>марки, логотипы, уставки и manifest.json в папку</source>
        <translation>back up marks, logos and settings (with
manifest.json) to a folder</translation>
    </message>
    <message>
        <source>restore ПАПКА [--marks] [--logos] --yes</source>
        <translation>restore FOLDER [--marks] [--logos] --yes</translation>
    </message>
    <message>
        <source>записать содержимое копии и проверить чтением</source>
        <translation>write a backup&apos;s contents and verify them by
reading back</translation>
    </message>
    <message>
        <source>Использование: nimbrel-cli %1 [АРГУМЕНТЫ] [-p ПОРТ] [ПАРАМЕТРЫ]
</source>
        <translation>Usage: nimbrel-cli %1 [ARGUMENTS] [-p PORT] [OPTIONS]
</translation>
    </message>
    <message>
        <source>Параметры:
</source>
        <translation>Options:
</translation>
    </message>
    <message>
        <source>КОМАНДА</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>Работа с Маркиратором T2x/T7x/T9x из командной строки.
</source>
        <translation>Works with a T2x/T7x/T9x marking printer from the command line.
</translation>
    </message>
    <message>
        <source>Команды:
</source>
        <translation>Commands:
</translation>
    </message>
    <message>
        <source>Коды завершения:
  0  успешно
  2  ошибка в командной строке
  3  порт не открывается (не найден, занят, нет прав)
  4  Маркиратор не отвечает или ошибка связи
  5  проверка чтением не пройдена
  6  ошибка файла (не читается, отвергнут, не записан) или пустой слот
</source>
        <translation>Exit status:
  0  success
  2  error in the command line
  3  the port cannot be opened (not found, busy, no permission)
  4  the printer does not reply, or another link failure
  5  the verification by reading back failed
  6  file error (unreadable, refused, not written) or an empty slot
</translation>
    </message>
    <message>
        <source>Несколько Маркираторов (-p несколько раз или --ports ФАЙЛ): команда
выполняется на всех параллельно, каждая строка вывода начинается с имени
порта, в конце итог; код завершения наибольший из кодов портов.
backup ПАПКА кладёт копии в ПАПКА/COM5/ и т. д.; restore ПАПКА берёт
ПАПКА/manifest.json для всех или, если его нет, ПАПКА/COM5/;
-o ПАПКА/ФАЙЛ и --trace ПАПКА/ФАЙЛ пишутся в ПАПКА/COM5/ФАЙЛ.
С --json: по объекту JSON на порт в строке, затем итог; ошибка -
объект {&quot;port&quot;, &quot;code&quot;, &quot;error&quot;, &quot;message&quot;} в stderr.
</source>
        <translation>Several printers (-p more than once or --ports FILE): the command runs
on all of them in parallel, each output line starts with the port&apos;s
name, a summary comes last; the exit code is the highest of the ports&apos;.
backup FOLDER puts the copies in FOLDER/COM5/ and so on; restore FOLDER
takes FOLDER/manifest.json for all or, without one, FOLDER/COM5/;
-o FOLDER/FILE and --trace FOLDER/FILE are written to FOLDER/COM5/FILE.
With --json: one JSON object a line for each port, then the summary; a
failure is an object {&quot;port&quot;, &quot;code&quot;, &quot;error&quot;, &quot;message&quot;} on stderr.
</translation>
    </message>
</context>
<context>
    <name>CliLogoCommands</name>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно: логотип сохраняется в BIN или BMP.</source>
        <translation>A file of type &apos;%1&apos; cannot be written: a logo is saved as BIN or BMP.</translation>
    </message>
    <message>
        <source>LOGO#%1 is EMPTY or have FORMAT ERROR.</source>
        <translation>Logo #%1 is empty or has a format error.</translation>
    </message>
    <message>
        <source>LOGO#%1 (Файл &apos;%2&apos;) XY-размер: %3</source>
        <translation>LOGO#%1 (file &apos;%2&apos;) XY size: %3</translation>
    </message>
    <message>
        <source>Логотип записан в файл %1</source>
        <translation>Logo written to file %1</translation>
    </message>
    <message>
        <source>Логотип %1x%2 шире одного слота: при высоте %2 не более %3 столбцов. Разрезать его в соседние слоты: --split</source>
        <translation>Logo %1x%2 is wider than one slot: at height %2 a slot takes at most %3 columns. To cut it into neighbouring slots: --split</translation>
    </message>
    <message>
        <source>логотип режется на %1 части: слоты %2..%3, а последний слот %4</source>
        <translation>the logo is cut into %1 parts: slots %2..%3, but the last slot is %4</translation>
    </message>
    <message>
        <source>Логотип #%1 прочитан не таким, как записан: проверка не пройдена.</source>
        <translation>Logo #%1 read back differs from what was written: verification failed.</translation>
    </message>
    <message>
        <source>Передача Логотипа #%1 завершена.</source>
        <translation>Transfer of logo #%1 complete.</translation>
    </message>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно: логотип сохраняется в BIN, PBM или BMP.</source>
        <translation>A file of type &apos;%1&apos; cannot be written: a logo is saved as BIN, PBM or BMP.</translation>
    </message>
    <message>
        <source>Логотип %1x%2 (порог %3) записан в %4</source>
        <translation>Logo %1x%2 (threshold %3) written to %4</translation>
    </message>
    <message>
        <source>удаление Логотипа #%1 нужно подтвердить параметром --yes</source>
        <translation>deleting logo #%1 must be confirmed with --yes</translation>
    </message>
    <message>
        <source>Логотип #%1 после удаления не пуст: проверка не пройдена.</source>
        <translation>Logo #%1 is not empty after deletion: verification failed.</translation>
    </message>
    <message>
        <source>Очистка Логотипа #%1 завершена.</source>
        <translation>Deletion of logo #%1 complete.</translation>
    </message>
    <message>
        <source>нужно: logo read DDD [-o ФАЙЛ], logo write DDD ФАЙЛ [--split], logo convert КАРТИНКА ФАЙЛ --height ТОЧЕК или logo delete DDD --yes</source>
        <translation>expected: logo read DDD [-o FILE], logo write DDD FILE [--split], logo convert PICTURE FILE --height DOTS or logo delete DDD --yes</translation>
    </message>
    <message>
        <source>Недопустимый номер Логотипа &apos;%1&apos;: 0..%2</source>
        <translation>Invalid logo number &apos;%1&apos;: 0..%2</translation>
    </message>
    <message>
        <source>нужно: bitmap -o ФАЙЛ.bmp</source>
        <translation>expected: bitmap -o FILE.bmp</translation>
    </message>
    <message>
        <source>бит-карта сохраняется только в BMP: %1</source>
        <translation>the bitmap is saved as BMP only: %1</translation>
    </message>
    <message>
        <source>НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ).</source>
        <translation>NO MARK BITMAP (EMPTY).</translation>
    </message>
    <message>
        <source>Бит-карта марки (%1) записана в %2</source>
        <translation>Mark bitmap (%1) written to %2</translation>
    </message>
</context>
<context>
    <name>CliLogoTransfer</name>
    <message>
        <source>картинке нужна высота логотипа: --height 8|16|24|32</source>
        <translation>a picture needs a logo height: --height 8|16|24|32</translation>
    </message>
    <message>
        <source>высота логотипа &apos;%1&apos; недопустима: 8, 16, 24 или 32</source>
        <translation>logo height &apos;%1&apos; is not allowed: 8, 16, 24 or 32</translation>
    </message>
    <message>
        <source>порог &apos;%1&apos; недопустим: 0..255 или auto</source>
        <translation>threshold &apos;%1&apos; is not allowed: 0..255 or auto</translation>
    </message>
</context>
<context>
    <name>CliManyPorts</name>
    <message>
        <source>Файл портов %1 прочитать невозможно.</source>
        <translation>The ports file %1 cannot be read.</translation>
    </message>
    <message>
        <source>в файле портов %1 нет ни одного порта</source>
        <translation>the ports file %1 names no port</translation>
    </message>
    <message>
        <source>с несколькими портами logo read пишет в ПАПКА/порт/ФАЙЛ: укажите -o ПАПКА/ФАЙЛ</source>
        <translation>with several ports logo read writes to FOLDER/port/FILE: give -o FOLDER/FILE</translation>
    </message>
    <message>
        <source>несколько портов в одном вызове здесь не поддерживаются</source>
        <translation>several ports in one call are not supported here</translation>
    </message>
    <message>
        <source>порт %1 указан дважды</source>
        <translation>port %1 is given twice</translation>
    </message>
    <message>
        <source>%1 (код %2)</source>
        <translation>%1 (code %2)</translation>
    </message>
    <message>
        <source>Итого: портов %1, успешно %2, с ошибкой %3</source>
        <translation>Total: ports %1, succeeded %2, failed %3</translation>
    </message>
</context>
<context>
    <name>CliMarkCommands</name>
    <message>
        <source>Марка #%1 прочитана не такой, как записана (фрагмент # %2): проверка не пройдена.</source>
        <translation>Mark #%1 read back differs from what was written (fragment # %2): verification failed.</translation>
    </message>
    <message>
        <source>Недопустимый Номер Марки &apos;%1&apos;: 0..85</source>
        <translation>Invalid mark number &apos;%1&apos;: 0..85</translation>
    </message>
    <message>
        <source>МАРКА #%1: ПУСТАЯ МАРКА! Файл не записан.</source>
        <translation>MARK #%1: EMPTY MARK! No file written.</translation>
    </message>
    <message>
        <source>Марка #%1 прочитана в файл %2</source>
        <translation>Mark #%1 read into file %2</translation>
    </message>
    <message>
        <source>Запись Марки #%1 успешно завершена.</source>
        <translation>Mark #%1 written successfully.</translation>
    </message>
    <message>
        <source>МАРКА #%1: ПУСТАЯ МАРКА! Фрагмент не прочитан и не записан.</source>
        <translation>MARK #%1: EMPTY MARK! The fragment was neither read nor written.</translation>
    </message>
    <message>
        <source>нужно: fragment read СТРОКА ПОЗИЦИЯ [--mark NN] или fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ</source>
        <translation>expected: fragment read LINE POSITION [--mark NN] or fragment write LINE POSITION [--mark NN] [--type TYPE] [--font FONT] TEXT</translation>
    </message>
    <message>
        <source>фрагмент &apos;%1 %2&apos; не существует: строка 1..4, позиция 1..8</source>
        <translation>fragment &apos;%1 %2&apos; does not exist: line 1..4, position 1..8</translation>
    </message>
    <message>
        <source>тип фрагмента &apos;%1&apos; неизвестен: %2</source>
        <translation>unknown fragment type &apos;%1&apos;: text, number, datetime, graphics, postdate, ean or %2</translation>
    </message>
    <message>
        <source>шрифт &apos;%1&apos; не существует: 0..15</source>
        <translation>font &apos;%1&apos; does not exist: 0..15</translation>
    </message>
    <message>
        <source>в тексте фрагмента есть символы, которых нет в Windows-1251 или которые нельзя передать: &apos;%1&apos;. Фрагмент не записан.</source>
        <translation>the fragment text has characters that are not in Windows-1251 or cannot be sent: &apos;%1&apos;. Fragment not written.</translation>
    </message>
    <message>
        <source>Текст фрагмента длиннее 44 символов (%1). Фрагмент не записан.</source>
        <translation>The fragment text is longer than 44 characters (%1). Fragment not written.</translation>
    </message>
    <message>
        <source>Фрагмент #%1 Марки #%2</source>
        <translation>Fragment #%1 of mark #%2</translation>
    </message>
    <message>
        <source>Фрагмент #%1</source>
        <translation>Fragment #%1</translation>
    </message>
    <message>
        <source>%1 записан: %2, шрифт %3, текст &apos;%4&apos;</source>
        <translation>%1 written: %2, font %3, text &apos;%4&apos;</translation>
    </message>
    <message>
        <source>нужно: mark read NN [-o ФАЙЛ.mrt] или mark write NN ФАЙЛ.mrt</source>
        <translation>expected: mark read NN [-o FILE.mrt] or mark write NN FILE.mrt</translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>неизвестный параметр &apos;%1&apos;</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>ошибка в параметрах: %1</source>
        <translation>error in the options: %1</translation>
    </message>
    <message>
        <source>скорость &apos;%1&apos; не число бод</source>
        <translation>speed &apos;%1&apos; is not a number of baud</translation>
    </message>
</context>
<context>
    <name>CliPortChoice</name>
    <message>
        <source>ПОРТ %1%2 НЕ ОБНАРУЖЕН: устройство отсутствует или отключено. Список портов: nimbrel-cli ports</source>
        <translation>PORT %1%2 NOT FOUND: the device is missing or disconnected. List of ports: nimbrel-cli ports</translation>
    </message>
    <message>
        <source>не указан порт: -p COM5, -p 5 или -p /dev/ttyUSB0 (список: nimbrel-cli ports)</source>
        <translation>no port given: -p COM5, -p 5 or -p /dev/ttyUSB0 (list: nimbrel-cli ports)</translation>
    </message>
    <message>
        <source>ПОРТ %1 НЕ СУЩЕСТВУЕТ: укажите rfc2217://УЗЕЛ:ПОРТ или tcp://УЗЕЛ:ПОРТ</source>
        <translation>PORT %1 DOES NOT EXIST: give rfc2217://HOST:PORT or tcp://HOST:PORT</translation>
    </message>
</context>
<context>
    <name>CliPrinterCommands</name>
    <message>
        <source>%1 не принимает аргументов</source>
        <translation>%1 takes no arguments</translation>
    </message>
    <message>
        <source>%1 (возможно Маркиратор не включен или не подключен) Устройство %2</source>
        <translation>%1 (the printer may be switched off or not connected) Device %2</translation>
    </message>
    <message>
        <source>%1 Ответ Маркиратора не распознан. Устройство %2</source>
        <translation>%1 The printer&apos;s reply was not recognised. Device %2</translation>
    </message>
    <message>
        <source>  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  
</source>
        <translation>  NO COM PORTS FOUND!  
</translation>
    </message>
    <message>
        <source>Модель:	%1</source>
        <translation>Model:	%1</translation>
    </message>
    <message>
        <source>нужно: map marks или map logos</source>
        <translation>expected: map marks or map logos</translation>
    </message>
    <message>
        <source>нужно: clock set [--time ГГГГ-ММ-ДДTЧЧ:ММ:СС]</source>
        <translation>expected: clock set [--time YYYY-MM-DDTHH:MM:SS]</translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ: &apos;%1&apos;, нужно ISO 8601, например 2019-05-31T14:05:09</source>
        <translation>WRONG DATE+TIME FORMAT: &apos;%1&apos;, ISO 8601 expected, for example 2019-05-31T14:05:09</translation>
    </message>
    <message>
        <source>Часы Маркиратора установлены:  %1</source>
        <translation>Printer clock set:  %1</translation>
    </message>
    <message>
        <source>нужно: offset set N (0..9999)</source>
        <translation>expected: offset set N (0..9999)</translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ: &apos;%1&apos;, нужно 0..9999</source>
        <translation>WRONG DATE OFFSET FORMAT: &apos;%1&apos;, 0..9999 expected</translation>
    </message>
    <message>
        <source>Смещение даты установлено: %1 дней, ПОСТ-ДАТА:  %2</source>
        <translation>Date offset set, days: %1, POST-DATE:  %2</translation>
    </message>
    <message>
        <source>нужно: lines get или lines set N</source>
        <translation>expected: lines get or lines set N</translation>
    </message>
    <message>
        <source>Число строк печати: %1</source>
        <translation>Number of print lines: %1</translation>
    </message>
    <message>
        <source>НЕРЕАЛЬНОЕ ЧИСЛО СТРОК: &apos;%1&apos;, для %2 допустимо 1..%3</source>
        <translation>IMPOSSIBLE NUMBER OF LINES: &apos;%1&apos;, %2 allows 1..%3</translation>
    </message>
    <message>
        <source>Число строк печати установлено: %1</source>
        <translation>Number of print lines set: %1</translation>
    </message>
</context>
</TS>
