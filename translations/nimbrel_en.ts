<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>AreaReports</name>
    <message>
        <source>ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:<byte value="xd"/>

</source>
        <translation>TEXT MARK AREA OCCUPANCY:<byte value="xd"/>

</translation>
    </message>
    <message>
        <source>ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:<byte value="xd"/>

</source>
        <translation>PRINTER GRAPHICS AREA OCCUPANCY:<byte value="xd"/>

</translation>
    </message>
</context>
<context>
    <name>Backup</name>
    <message>
        <source>Папку %1 создать невозможно: копия не сохранена.</source>
        <translation>The folder %1 cannot be created: the backup was not saved.</translation>
    </message>
    <message>
        <source>Папку в %1 создать невозможно: %2</source>
        <translation>No folder can be created in %1: %2</translation>
    </message>
    <message>
        <source>Папка %1 уже существует и не пуста: укажите новую папку для копии.</source>
        <translation>The folder %1 exists and is not empty: give a new folder for the backup.</translation>
    </message>
    <message>
        <source>Папка %1 не существует.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
</context>
<context>
    <name>BackupRoutines</name>
    <message>
        <source>Резервная Копия Маркиратора</source>
        <translation>Printer Backup</translation>
    </message>
    <message>
        <source>Восстановление Маркиратора</source>
        <translation>Printer Restore</translation>
    </message>
    <message>
        <source>Марка #%1 из %2</source>
        <translation>Mark #%1 of %2</translation>
    </message>
    <message>
        <source>Логотип #%1 из %2</source>
        <translation>Logo #%1 of %2</translation>
    </message>
    <message>
        <source>Выбрать другую папку?</source>
        <translation>Choose another folder?</translation>
    </message>
    <message>
        <source>(возможно Маркиратор не включен или не подключен)</source>
        <translation>(the printer may be switched off or not connected)</translation>
    </message>
    <message>
        <source>Ответ Маркиратора не распознан.</source>
        <translation>The printer&apos;s answer was not recognised.</translation>
    </message>
    <message>
        <source>Резервная копия не сохранена.</source>
        <translation>The backup was not saved.</translation>
    </message>
    <message>
        <source>Резервная копия остановлена и не сохранена.</source>
        <translation>The backup was stopped and not saved.</translation>
    </message>
    <message>
        <source>Маркиратор %1 сохранён в папке:
<byte value="xd"/>%2
<byte value="xd"/>Марок: %3, логотипов: %4.</source>
        <translation>Printer %1 saved in the folder:
<byte value="xd"/>%2
<byte value="xd"/>Marks: %3, logos: %4.</translation>
    </message>
    <message>
        <source>марка</source>
        <translation>mark</translation>
    </message>
    <message>
        <source>марки</source>
        <translation>marks</translation>
    </message>
    <message>
        <source>логотип</source>
        <translation>logo</translation>
    </message>
    <message>
        <source>логотипы</source>
        <translation>logos</translation>
    </message>
    <message>
        <source>Восстановление прервано: нет связи с Маркиратором.</source>
        <translation>Restore broken off: no link to the printer.</translation>
    </message>
    <message>
        <source>Восстановление остановлено.</source>
        <translation>Restore stopped.</translation>
    </message>
    <message>
        <source>Восстановление завершено.</source>
        <translation>Restore finished.</translation>
    </message>
    <message>
        <source>Записано и проверено</source>
        <translation>Written and verified</translation>
    </message>
    <message>
        <source>Отличается от записанного</source>
        <translation>Differs from what was written</translation>
    </message>
    <message>
        <source>Записано, но без ответа на проверку</source>
        <translation>Written, check read unanswered</translation>
    </message>
    <message>
        <source>Пропущено, только для чтения</source>
        <translation>Passed over, read-only</translation>
    </message>
    <message>
        <source>Не записано</source>
        <translation>Not written</translation>
    </message>
    <message>
        <source>Папка для Резервной Копии</source>
        <translation>Folder for the Backup</translation>
    </message>
    <message>
        <source>Картинку нужно сначала преобразовать в логотип.</source>
        <translation>The picture must first be converted into a logo.</translation>
    </message>
    <message>
        <source>Папка Резервной Копии</source>
        <translation>Backup Folder</translation>
    </message>
    <message>
        <source>Копия Маркиратора %1 от %2:
<byte value="xd"/>марок %3, логотипов %4.
<byte value="xd"/>Марки и логотипы Маркиратора будут заменены.
<byte value="xd"/>Восстановить?</source>
        <translation>Backup of printer %1 made %2:
<byte value="xd"/>marks: %3, logos: %4.
<byte value="xd"/>The printer&apos;s marks and logos will be replaced.
<byte value="xd"/>Restore?</translation>
    </message>
    <message>
        <source>Восстановление не начато.</source>
        <translation>Restore not started.</translation>
    </message>
    <message>
        <source>Копия сделана с %1, а подключён %2 другого семейства.
<byte value="xd"/>Всё равно восстановить?</source>
        <translation>The backup was made from %1, but %2 of another family is connected.
<byte value="xd"/>Restore anyway?</translation>
    </message>
</context>
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
    <name>CliBackup</name>
    <message>
        <source>Резервная копия: %1/%2, %3</source>
        <translation>Backup: %1/%2, %3</translation>
    </message>
    <message>
        <source>нужно: backup ПАПКА</source>
        <translation>usage: backup FOLDER</translation>
    </message>
    <message>
        <source>Резервная копия %1 (%2) в папке %3: марок %4, логотипов %5.</source>
        <translation>Backup of %1 (%2) in the folder %3: %4 marks, %5 logos.</translation>
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
<context>
    <name>CliRestore</name>
    <message>
        <source>Восстановление: %1/%2, %3</source>
        <translation>Restore: %1/%2, %3</translation>
    </message>
    <message>
        <source>только для чтения, пропущен</source>
        <translation>read-only, passed over</translation>
    </message>
    <message>
        <source>записана, проверена</source>
        <translation>written, verified</translation>
    </message>
    <message>
        <source>записан, проверен</source>
        <translation>written, verified</translation>
    </message>
    <message>
        <source>ПРОВЕРКА НЕ ПРОЙДЕНА</source>
        <translation>CHECK FAILED</translation>
    </message>
    <message>
        <source>Копия сделана с %1, а к %2 подключён %3 другого семейства: восстановление не начато (--force записывает всё равно).</source>
        <translation>The backup was made from %1, but %3 of another family is connected to %2: restore not started (--force writes anyway).</translation>
    </message>
    <message>
        <source>нужно: restore ПАПКА [--marks] [--logos] --yes</source>
        <translation>usage: restore FOLDER [--marks] [--logos] --yes</translation>
    </message>
    <message>
        <source>восстановление перезаписывает марки и логотипы Маркиратора: подтвердите параметром --yes</source>
        <translation>a restore overwrites the printer&apos;s marks and logos: confirm with --yes</translation>
    </message>
    <message>
        <source>проверка чтением не пройдена для %1 из %2</source>
        <translation>check read failed for %1 of %2</translation>
    </message>
</context>
<context>
    <name>ClockCommands</name>
    <message>
        <source>Установить время по Компьютеру?
<byte value="xd"/>Дата:  %1	Время:  %2</source>
        <translation>Set the time from the computer?
<byte value="xd"/>Date:  %1	Time:  %2</translation>
    </message>
    <message>
        <source>УСТАНОВИТЬ ПОСТ-ДАТУ:  %1 ?
<byte value="xd"/>(&apos;нет&apos;- повторить ввод, &apos;выход&apos;- отмена)</source>
        <translation>SET POST-DATE:  %1 ?
<byte value="xd"/>(&apos;No&apos; - enter again, &apos;Cancel&apos; - quit)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Использование: nimbrel [--version | --help]
Программа для работы с текстовыми марками и логотипами маркираторов
T2x/T7x/T9x через последовательный порт. Порт выбирается по номеру COM
в окне, которое открывается при запуске (см. man nimbrel).

  --version  показать версию и выйти
  --help     показать эту справку и выйти
</source>
        <translation>Usage: nimbrel [--version | --help]
Works with the text marks and logos of T2x/T7x/T9x marking printers
over a serial port. The port is chosen by its COM number in the
window that opens at start (see man nimbrel).

  --version  show the version and exit
  --help     show this help and exit
</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>Резервная Копия Маркиратора...</source>
        <translation>Printer Backup...</translation>
    </message>
    <message>
        <source>Восстановить Маркиратор из Копии...</source>
        <translation>Restore Printer from Backup...</translation>
    </message>
    <message>
        <source>ОТКРЫТЬ COM-ПОРТ	(Ctrl+C)</source>
        <translation>OPEN COM PORT	(Ctrl+C)</translation>
    </message>
    <message>
        <source>ЗАКРЫТЬ COM-ПОРТ</source>
        <translation>CLOSE COM PORT</translation>
    </message>
    <message>
        <source>Версия Системы Печати Маркиратора</source>
        <translation>Printer Print System Version</translation>
    </message>
    <message>
        <source>Установка Часов (Дата+Время)</source>
        <translation>Set Clock (Date+Time)</translation>
    </message>
    <message>
        <source>Установка Смешения Даты (дней)</source>
        <translation>Set Date Offset (days)</translation>
    </message>
    <message>
        <source>Установка Числа Текстовых Строк</source>
        <translation>Set Number of Text Lines</translation>
    </message>
    <message>
        <source>ИНФО: Уставки Режима Печати</source>
        <translation>INFO: Print Mode Settings</translation>
    </message>
    <message>
        <source>ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ	(Ctrl+U)</source>
        <translation>INFO: PRINT SYSTEM SETTINGS	(Ctrl+U)</translation>
    </message>
    <message>
        <source>ИНФО: Время работы Маркиратора</source>
        <translation>INFO: Printer Working Hours</translation>
    </message>
    <message>
        <source>ИНФО: Число отпечатанных марок</source>
        <translation>INFO: Number of Marks Printed</translation>
    </message>
    <message>
        <source>ВЫХОД (ЗАКРЫТЬ ПРОГРАММУ)</source>
        <translation>EXIT (CLOSE THE PROGRAM)</translation>
    </message>
    <message>
        <source>ТЕКСТ МАРКИ	(Ctrl+M)</source>
        <translation>MARK TEXT	(Ctrl+M)</translation>
    </message>
    <message>
        <source>ГРАФИКА	(Ctrl+G)</source>
        <translation>GRAPHICS	(Ctrl+G)</translation>
    </message>
    <message>
        <source>Создать Новую Марку</source>
        <translation>New Mark</translation>
    </message>
    <message>
        <source>Открыть Файл Марки</source>
        <translation>Open Mark File</translation>
    </message>
    <message>
        <source>Сохранить Изменения</source>
        <translation>Save Changes</translation>
    </message>
    <message>
        <source>Сохранить Марку как...</source>
        <translation>Save Mark As...</translation>
    </message>
    <message>
        <source>Чтение фрагмента Текущей Марки</source>
        <translation>Read Fragment of Current Mark</translation>
    </message>
    <message>
        <source>Записать Фрагмент в Текущую Марку</source>
        <translation>Write Fragment to Current Mark</translation>
    </message>
    <message>
        <source>ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ</source>
        <translation>READ CURRENT MARK</translation>
    </message>
    <message>
        <source>ЧТЕНИЕ МАРКИ #00..85</source>
        <translation>READ MARK #00..85</translation>
    </message>
    <message>
        <source>ЗАПИСАТЬ МАРКУ В МАРКИРАТОР...</source>
        <translation>WRITE MARK TO PRINTER...</translation>
    </message>
    <message>
        <source>Проверка Области Текстовых Марок</source>
        <translation>Check Text Mark Area</translation>
    </message>
    <message>
        <source>Создать Новый Логотип</source>
        <translation>New Logo</translation>
    </message>
    <message>
        <source>Открыть Файл Логотипа</source>
        <translation>Open Logo File</translation>
    </message>
    <message>
        <source>Сохранить изменение в файле</source>
        <translation>Save Changes to File</translation>
    </message>
    <message>
        <source>Сохранить Логотип как..</source>
        <translation>Save Logo As..</translation>
    </message>
    <message>
        <source>Чтение Логотипа из Маркиратора</source>
        <translation>Read Logo from Printer</translation>
    </message>
    <message>
        <source>Записать Логотип в Маркиратор</source>
        <translation>Write Logo to Printer</translation>
    </message>
    <message>
        <source>Удалить Логотип..</source>
        <translation>Delete Logo..</translation>
    </message>
    <message>
        <source>ЧТЕНИЕ БИТ-КАРТЫ ТЕКУЩЕЙ МАРКИ</source>
        <translation>READ BITMAP OF CURRENT MARK</translation>
    </message>
    <message>
        <source>ЗАПИСАТЬ ГРАФИЧЕСКУЮ МАРКУ</source>
        <translation>WRITE GRAPHIC MARK</translation>
    </message>
    <message>
        <source>Проверка Графической Области</source>
        <translation>Check Graphics Area</translation>
    </message>
    <message>
        <source>Изменить X-размер</source>
        <translation>Change X Size</translation>
    </message>
    <message>
        <source>Изменить Y-размер</source>
        <translation>Change Y Size</translation>
    </message>
    <message>
        <source>Инверсия Цвета</source>
        <translation>Invert Colors</translation>
    </message>
    <message>
        <source>Очистка Область Редактирования</source>
        <translation>Clear Editing Area</translation>
    </message>
    <message>
        <source>Инфо: Число активных капель в бит-карте</source>
        <translation>Info: Number of Active Drops in Bitmap</translation>
    </message>
    <message>
        <source>Сведения о Программе</source>
        <translation>About the Program</translation>
    </message>
    <message>
        <source>Подключение Компьютера к Маркиратору</source>
        <translation>Connecting the Computer to the Printer</translation>
    </message>
    <message>
        <source>Быстрые команды</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Используемые Форматы Графики</source>
        <translation>Graphics Formats Used</translation>
    </message>
</context>
<context>
    <name>Counters</name>
    <message>
        <source>  Маркиратор отработал %1 часов. </source>
        <translation>  The printer has worked %1 hours. </translation>
    </message>
    <message>
        <source>  Маркиратор отпечатал %1 марок. </source>
        <translation>  The printer has printed %1 marks. </translation>
    </message>
</context>
<context>
    <name>DeviceList</name>
    <message>
        <source>%1 — не папка</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>%1 принадлежит другому пользователю</source>
        <translation>%1 belongs to another user</translation>
    </message>
    <message>
        <source>в %1 могут писать другие пользователи</source>
        <translation>other users may write to %1</translation>
    </message>
    <message>
        <source>Папка виртуальных портов не используется: %1.</source>
        <translation>The virtual port folder is not used: %1.</translation>
    </message>
</context>
<context>
    <name>Dispatcher</name>
    <message>
        <source>ЗАВЕРШЕНИЕ РАБОТЫ</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>ЗАВЕРШИТЬ РАБОТУ ПРОГРАММЫ?</source>
        <translation>EXIT THE PROGRAM?</translation>
    </message>
</context>
<context>
    <name>Ean13</name>
    <message>
        <source>EAN-13: введено цифр %1 из 12</source>
        <translation>EAN-13: %1 of 12 digits entered</translation>
    </message>
    <message>
        <source>Контрольная цифра: %1 (Enter добавит её)</source>
        <translation>Check digit: %1 (Enter adds it)</translation>
    </message>
    <message>
        <source>Контрольная цифра %1 верна</source>
        <translation>Check digit %1 is correct</translation>
    </message>
    <message>
        <source>Неверная контрольная цифра: %1, должна быть %2</source>
        <translation>Wrong check digit: %1, should be %2</translation>
    </message>
    <message>
        <source>EAN-13: не более 13 цифр (введено %1)</source>
        <translation>EAN-13: at most 13 digits (%1 entered)</translation>
    </message>
    <message>
        <source>EAN-13: допускаются только цифры</source>
        <translation>EAN-13: only digits are allowed</translation>
    </message>
    <message>
        <source>Знаки «%1» не приняты: штрихкод EAN-13 состоит только из цифр</source>
        <translation>Characters “%1” refused: an EAN-13 barcode has digits only</translation>
    </message>
</context>
<context>
    <name>FragmentReport</name>
    <message>
        <source>Функция: ШтрихКод EAN13
<byte value="xd"/></source>
        <translation>Type:    EAN13 BARCODE
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: ТЕКСТ
<byte value="xd"/></source>
        <translation>Type:    TEXT
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: БЕГУЩИЙ НОМЕР
<byte value="xd"/></source>
        <translation>Type:    RUNNING NUMBER
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: ДАТА+ВРЕМЯ
<byte value="xd"/></source>
        <translation>Type:    DATE+TIME
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: ГРАФИКА
<byte value="xd"/></source>
        <translation>Type:    GRAPHICS
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: ПОСТ-ДАТА
<byte value="xd"/></source>
        <translation>Type:    POST-DATE
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Функция: &lt;неизвестна&gt;
<byte value="xd"/></source>
        <translation>Type:    &lt;unknown&gt;
<byte value="xd"/></translation>
    </message>
    <message>
        <source>ФРАГМЕНТ #%1:<byte value="xd"/>

</source>
        <translation>FRAGMENT #%1:<byte value="xd"/>

</translation>
    </message>
    <message>
        <source>Шрифт:   %1
<byte value="xd"/></source>
        <translation>Font:    %1
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Текст:   &apos;%1&apos;.</source>
        <translation>Text:    &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Текст:   &lt;нет&gt;</source>
        <translation>Text:    &lt;none&gt;</translation>
    </message>
    <message>
        <source>ИЗМЕНИТЬ ФРАГМЕНТ # %1 ?
<byte value="xd"/>функция:	%2
<byte value="xd"/>шрифт:	%3
<byte value="xd"/>текст:	%4</source>
        <translation>CHANGE FRAGMENT # %1 ?
<byte value="xd"/>type:	%2
<byte value="xd"/>font:	%3
<byte value="xd"/>text:	%4</translation>
    </message>
</context>
<context>
    <name>FragmentRoutines</name>
    <message>
        <source>Чтение Фрагмента Марки</source>
        <translation>Read Mark Fragment</translation>
    </message>
    <message>
        <source>Введите Номер Строки (1...4)</source>
        <translation>Enter Line Number (1...4)</translation>
    </message>
    <message>
        <source>Введите Номер Фрагмента в Строке (1...8)</source>
        <translation>Enter Fragment Number in the Line (1...8)</translation>
    </message>
    <message>
        <source>Информация Системы Печати</source>
        <translation>Print System Information</translation>
    </message>
    <message>
        <source>Текст фрагмента длиннее 44 символов (%1).
<byte value="xd"/>Фрагмент не записан.</source>
        <translation>Fragment text longer than 44 characters (%1).
<byte value="xd"/>Fragment not written.</translation>
    </message>
    <message>
        <source>Изменение Печатной Марки</source>
        <translation>Change of the Printed Mark</translation>
    </message>
</context>
<context>
    <name>FragmentTypes</name>
    <message>
        <source>Текст</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Номер</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Дата/Время</source>
        <translation>Date/Time</translation>
    </message>
    <message>
        <source>Графика</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>ПостДата</source>
        <translation>Post-Date</translation>
    </message>
    <message>
        <source>ШтрихКод EAN</source>
        <translation>EAN Barcode</translation>
    </message>
    <message>
        <source>Шрифт#%1</source>
        <translation>Font#%1</translation>
    </message>
</context>
<context>
    <name>GraphicsWindow</name>
    <message>
        <source>ГРАФИКА	(Ctrl+G)</source>
        <translation>GRAPHICS	(Ctrl+G)</translation>
    </message>
</context>
<context>
    <name>HelpTexts</name>
    <message>
        <source>Программа &apos;Nimbrel 5.0&apos;</source>
        <translation>Program &apos;Nimbrel 5.0&apos;</translation>
    </message>
    <message>
        <source>   Программа предназначена для выполнения операций с 
<byte value="xd"/>текстовыми марками и логотипами для маркираторов &apos;ЗОЛМ&apos;
<byte value="xd"/>(только для моделей &apos;T236/T260/T736/T760/T936/T960&apos;).
<byte value="xd"/>
<byte value="xd"/>ВЕРСИЯ:   Nimbrel  5.0  для ОС &apos;Windows XP/Vista/Win7/Win8&apos;.
<byte value="xd"/>
<byte value="xd"/>Команда разработчиков Nimbrel, выпуск: декабрь 2026.
<byte value="xd"/>Сайт: nimbrel.example   E-mail: support@nimbrel.example</source>
        <translation>   The program works with the text marks and logos 
<byte value="xd"/>of &apos;ZOLM&apos; marking printers
<byte value="xd"/>(models &apos;T236/T260/T736/T760/T936/T960&apos; only).
<byte value="xd"/>
<byte value="xd"/>VERSION:   Nimbrel  5.0  for &apos;Windows XP/Vista/Win7/Win8&apos;.
<byte value="xd"/>
<byte value="xd"/>The Nimbrel developers, release: December 2026.
<byte value="xd"/>Website: nimbrel.example   E-mail: support@nimbrel.example</translation>
    </message>
    <message>
        <source>ПОДКЛЮЧЕНИЕ ПК К МАРКИРАТОРУ</source>
        <translation>CONNECTING THE PC TO THE PRINTER</translation>
    </message>
    <message>
        <source>1. ВЫКЛЮЧИТЕ ПИТАНИЕ МАРКИРАТОРА!
<byte value="xd"/>2. Подключите соединительный кабель к ПК и маркиратору
<byte value="xd"/>    НЕОБХОДИМ КАБЕЛЬ ТИПА &apos;Z-МОДЕМ&apos;!
<byte value="xd"/>3. Проверьте установки порта для выбранного СОМ-порта
<byte value="xd"/>    (должны быть: 115200,8,N,1):
<byte value="xd"/>      &gt;&gt; Панель Управления &gt;&gt; Диспетчер Устройств &gt;&gt;
<byte value="xd"/>      &gt;&gt; Порты (COM и LPT) &gt;&gt; Выбранный Порт (USB) &gt;&gt;
<byte value="xd"/>      &gt;&gt; Свойства &gt;&gt; Параметры Порта &gt;&gt; &apos;Дополнительно&apos;
<byte value="xd"/>4. ВКЛЮЧИТЕ ПИТАНИЕ МАРКИРАТОРА.
<byte value="xd"/>5. Выполните в программе &apos;Nimbrel&apos; команду:
<byte value="xd"/>	ПОДКЛЮЧЕНИЕ &gt;&gt; ОТКРЫТЬ COM-ПОРТ &gt;&gt;
<byte value="xd"/>	 &gt;&gt; Введите Номер Выбранного Порта.
<byte value="xd"/>При правильно выполненных операциях появится сообщение
<byte value="xd"/>с ВЕРСИЕЙ ПРОГРАММЫ Системы Печати Маркиратора.<byte value="xd"/>

ПРИМЕЧАНИЕ:  В современных ноутбуках и нетбуках СОМ-порт
<byte value="xd"/>отсутствует. В этом случае потребуется переходник USB&lt;&gt;COM.</source>
        <translation>1. SWITCH THE PRINTER OFF!
<byte value="xd"/>2. Connect the cable between the PC and the printer
<byte value="xd"/>    A &apos;Z-MODEM&apos; TYPE CABLE IS REQUIRED!
<byte value="xd"/>3. Check the settings of the chosen COM port
<byte value="xd"/>    (they must be: 115200,8,N,1):
<byte value="xd"/>      &gt;&gt; Control Panel &gt;&gt; Device Manager &gt;&gt;
<byte value="xd"/>      &gt;&gt; Ports (COM &amp; LPT) &gt;&gt; Chosen Port (USB) &gt;&gt;
<byte value="xd"/>      &gt;&gt; Properties &gt;&gt; Port Settings &gt;&gt; &apos;Advanced&apos;
<byte value="xd"/>4. SWITCH THE PRINTER ON.
<byte value="xd"/>5. Run this command in &apos;Nimbrel&apos;:
<byte value="xd"/>	CONNECTION &gt;&gt; OPEN COM PORT &gt;&gt;
<byte value="xd"/>	 &gt;&gt; Enter the Number of the Chosen Port.
<byte value="xd"/>When all has been done right, a message shows
<byte value="xd"/>the SOFTWARE VERSION of the Printer&apos;s Print System.<byte value="xd"/>

NOTE:  Modern laptops and netbooks have no COM port.
<byte value="xd"/>In that case a USB&lt;&gt;COM adapter is needed.</translation>
    </message>
    <message>
        <source>Форматы Графических Файлов для Маркиратора</source>
        <translation>Graphics File Formats for the Printer</translation>
    </message>
    <message>
        <source>ФОРМАТ &apos;BMP&apos; ( ГРАФИЧЕСКИЙ ФАЙЛ )
<byte value="xd"/>Файлы &apos;.BMP&apos; создаются стандартной программой Windows &apos;PAINT&apos;.
<byte value="xd"/>Для записи в маркиратор они должны быть в черно-белом формате.
<byte value="xd"/>Особенностью является ограничение максимального размера данных
<byte value="xd"/>(для Y=32 значение X=1..63, для Y=16 значение X=1..126).
<byte value="xd"/>
<byte value="xd"/>ФОРМАТ &apos;BIN&apos; ( ЛОГОТИП )
<byte value="xd"/>Созданные с помощью программы &apos;Scribbon&apos; или этой программы
<byte value="xd"/>файлы &apos;*.BIN&apos; являются логотипами, т.е. могут быть записаны в
<byte value="xd"/>маркиратор без дополнительных преобразований. Особенностью
<byte value="xd"/>является ограничение максимального размера данных до 252 байт
<byte value="xd"/>(для Y=32 значение X=1..63, для Y=16 значение X=1..126).
<byte value="xd"/>
<byte value="xd"/>ФОРМАТ &apos;PBM&apos; ( ГРАФИЧЕСКИЙ ФАЙЛ )
<byte value="xd"/>Файлы &apos;.PBM&apos; создаются программой &apos;Scribbon&apos; при некоторых видах
<byte value="xd"/>операций, например формировании Штрих-кода. Размер таких файлов,
<byte value="xd"/>как правило, превышает допустимый размер для логотипа.
<byte value="xd"/>Могут быть записаны в маркиратор ТОЛЬКО после разделения на
<byte value="xd"/>несколько файлов &apos;*.BIN&apos;  (предлагается при открытии файла).
<byte value="xd"/>ПРИМЕЧАНИЕ: Файлы &apos;.PBM&apos; также могут быть записаны в маркираторы,
<byte value="xd"/>имеющие ОПЦИЮ прямой печати графической марки.</source>
        <translation>FORMAT &apos;BMP&apos; ( GRAPHICS FILE )
<byte value="xd"/>&apos;.BMP&apos; files are made with the standard Windows program &apos;PAINT&apos;.
<byte value="xd"/>To be written to the printer they must be black and white.
<byte value="xd"/>Their particular limit is the largest size of their data
<byte value="xd"/>(for Y=32 X=1..63, for Y=16 X=1..126).
<byte value="xd"/>
<byte value="xd"/>FORMAT &apos;BIN&apos; ( LOGO )
<byte value="xd"/>&apos;*.BIN&apos; files made with the program &apos;Scribbon&apos; or with this
<byte value="xd"/>program are logos, i.e. they can be written to the printer
<byte value="xd"/>without any conversion. Their particular limit is the
<byte value="xd"/>largest size of their data: 252 bytes
<byte value="xd"/>(for Y=32 X=1..63, for Y=16 X=1..126).
<byte value="xd"/>
<byte value="xd"/>FORMAT &apos;PBM&apos; ( GRAPHICS FILE )
<byte value="xd"/>&apos;.PBM&apos; files are made by the program &apos;Scribbon&apos; in some
<byte value="xd"/>operations, for example when it makes a barcode. Such files
<byte value="xd"/>are as a rule larger than a logo may be.
<byte value="xd"/>They can be written to the printer ONLY after being split into
<byte value="xd"/>several &apos;*.BIN&apos; files  (offered when the file is opened).
<byte value="xd"/>NOTE: &apos;.PBM&apos; files can also be written to printers
<byte value="xd"/>that have the OPTION of printing graphic marks directly.</translation>
    </message>
    <message>
        <source>КОМАНДЫ БЫСТРОГО ДОСТУПА</source>
        <translation>KEYBOARD SHORTCUTS</translation>
    </message>
    <message>
        <source>&lt;CTRL+C&gt;	Подключение к Маркиратору
<byte value="xd"/>&lt;CTRL+G&gt;	ГРАФИКА
<byte value="xd"/>&lt;CTRL+M&gt;	МАРКА
<byte value="xd"/>&lt;CTRL+U&gt;	Уставки Системы Печати
<byte value="xd"/>&lt;CTRL+Q&gt;	Выход</source>
        <translation>&lt;CTRL+C&gt;	Connect to the Printer
<byte value="xd"/>&lt;CTRL+G&gt;	GRAPHICS
<byte value="xd"/>&lt;CTRL+M&gt;	MARK
<byte value="xd"/>&lt;CTRL+U&gt;	Print System Settings
<byte value="xd"/>&lt;CTRL+Q&gt;	Exit</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>
<byte value="xd"/>LINUX: номера COM-портов даются устройствам так:
<byte value="xd"/>	/dev/ttyS0, /dev/ttyS1 ...	&gt;&gt; COM1, COM2 ...
<byte value="xd"/>	/dev/ttyUSB0, /dev/ttyUSB1 ...	&gt;&gt; COM33, COM34 ...
<byte value="xd"/>	/dev/ttyACM0, /dev/ttyACM1 ...	&gt;&gt; COM65, COM66 ...
<byte value="xd"/>	другие устройства	&gt;&gt; COM97 и далее
<byte value="xd"/>Ссылка COMn в папке виртуальных портов дает номер n
<byte value="xd"/>любому устройству (там же регистрируется симулятор):
<byte value="xd"/>	%1
<byte value="xd"/>Если порт не открывается из-за прав доступа, добавьте
<byte value="xd"/>пользователя в группу &apos;dialout&apos; и войдите в систему заново:
<byte value="xd"/>	sudo usermod -aG dialout $USER</source>
        <translation>
<byte value="xd"/>
<byte value="xd"/>LINUX: devices get their COM port numbers like this:
<byte value="xd"/>	/dev/ttyS0, /dev/ttyS1 ...	&gt;&gt; COM1, COM2 ...
<byte value="xd"/>	/dev/ttyUSB0, /dev/ttyUSB1 ...	&gt;&gt; COM33, COM34 ...
<byte value="xd"/>	/dev/ttyACM0, /dev/ttyACM1 ...	&gt;&gt; COM65, COM66 ...
<byte value="xd"/>	other devices	&gt;&gt; COM97 and up
<byte value="xd"/>A link COMn in the virtual-port folder gives the number n
<byte value="xd"/>to any device (the simulator registers there too):
<byte value="xd"/>	%1
<byte value="xd"/>If the port does not open for lack of permission, add the
<byte value="xd"/>user to the group &apos;dialout&apos; and log in again:
<byte value="xd"/>	sudo usermod -aG dialout $USER</translation>
    </message>
</context>
<context>
    <name>LineCount</name>
    <message>
        <source>НАСТРОЙКА МАРКИРАТОРА  %1</source>
        <translation>PRINTER SETUP  %1</translation>
    </message>
    <message>
        <source>Введите Число Строк Печати (1..%1)</source>
        <translation>Enter the Number of Print Lines (1..%1)</translation>
    </message>
    <message>
        <source>Число строк печати не установлено: Маркиратор сообщает %1.</source>
        <translation>The number of print lines is not set: the printer reports %1.</translation>
    </message>
    <message>
        <source>Число строк печати отправлено, но проверить его не удалось: Маркиратор не ответил на чтение.</source>
        <translation>The number of print lines was sent, but could not be checked: the printer did not answer the read.</translation>
    </message>
</context>
<context>
    <name>LogoBlock</name>
    <message>
        <source>Логотип %1x%2 слишком велик для записи в Маркиратор:
<byte value="xd"/>блок данных %3 байт, допустимо не более 255.
<byte value="xd"/>Уменьшите Логотип или разрежьте его на части.</source>
        <translation>Logo %1x%2 is too large to write to the printer:
<byte value="xd"/>its data block is %3 bytes, at most 255 are allowed.
<byte value="xd"/>Make the logo smaller or cut it into parts.</translation>
    </message>
</context>
<context>
    <name>LogoEditorRoutines</name>
    <message>
        <source>Изменение Размеров Логотипа</source>
        <translation>Change Logo Size</translation>
    </message>
    <message>
        <source>Недопустимые размеры Логотипа. Повторить ввод?</source>
        <translation>Invalid logo size. Enter again?</translation>
    </message>
    <message>
        <source>XY-size = %1:%2</source>
        <translation>XY-size = %1:%2</translation>
    </message>
    <message>
        <source>Введите размер &apos;X&apos;, точек (не более 256)</source>
        <translation>Enter size &apos;X&apos; in dots (at most 256)</translation>
    </message>
    <message>
        <source>Введите размер &apos;Y&apos;, точек (не более 32)</source>
        <translation>Enter size &apos;Y&apos; in dots (at most 32)</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Логотип изменен. Сохранить изменения?</source>
        <translation>The logo has changed. Save the changes?</translation>
    </message>
    <message>
        <source>СОЗДАНИЕ НОВОГО ЛОГОТИПА</source>
        <translation>NEW LOGO</translation>
    </message>
    <message>
        <source>Введите размер &apos;Y&apos; в точках (8...32)</source>
        <translation>Enter size &apos;Y&apos; in dots (8...32)</translation>
    </message>
    <message>
        <source>Введите размер &apos;X&apos; в точках (1...%1)</source>
        <translation>Enter size &apos;X&apos; in dots (1...%1)</translation>
    </message>
    <message>
        <source>Параметры Марки</source>
        <translation>Mark Parameters</translation>
    </message>
    <message>
        <source>Число активных капель в бит-карте:  %1  </source>
        <translation>Active drops in the bitmap:  %1  </translation>
    </message>
</context>
<context>
    <name>LogoFileLoad</name>
    <message>
        <source>Файл типа &apos;%1&apos; открыть невозможно: нужен BIN, PBM, BMP или картинка.</source>
        <translation>A file of type &apos;%1&apos; cannot be opened: BIN, PBM, BMP or a picture is needed.</translation>
    </message>
</context>
<context>
    <name>LogoFileRoutines</name>
    <message>
        <source>Информация</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Рисунок: %1</source>
        <translation>Picture: %1</translation>
    </message>
    <message>
        <source>Файлы &apos;.PBM&apos; не записываются.
<byte value="xd"/>Логотип сохранен в файле:
<byte value="xd"/>%1</source>
        <translation>&apos;.PBM&apos; files are not written.
<byte value="xd"/>The logo was saved in the file:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно.</source>
        <translation>A file of type &apos;%1&apos; cannot be written.</translation>
    </message>
    <message>
        <source>Содержание Логотипа изменено. Сохранить Изменения?</source>
        <translation>The logo has been changed. Save the changes?</translation>
    </message>
    <message>
        <source>Графика (*bmp,*bin,*pbm)|*.bmp;*.bin;*.pbm|BMP-файлы (*.bmp)|*.bmp|Логотипы (*.bin,*.pbm)|*.bin;*.pbm</source>
        <translation>Graphics (*bmp,*bin,*pbm)|*.bmp;*.bin;*.pbm|BMP files (*.bmp)|*.bmp|Logos (*.bin,*.pbm)|*.bin;*.pbm</translation>
    </message>
    <message>
        <source>Открыть Файл Логотипа</source>
        <translation>Open Logo File</translation>
    </message>
    <message>
        <source>Файл типа &apos;%1 открыть невозможно.
<byte value="xd"/> Выбрать другой файл?</source>
        <translation>A file of type &apos;%1&apos; cannot be opened.
<byte value="xd"/> Choose another file?</translation>
    </message>
    <message>
        <source>ПУСТОЙ ЛОГОТИП</source>
        <translation>EMPTY LOGO</translation>
    </message>
    <message>
        <source>Извините, но сохранять пока нечего!</source>
        <translation>Sorry, there is nothing to save yet!</translation>
    </message>
    <message>
        <source>Файлы Логотипов (*.bin)|*.bin|BMP-файлы (*.bmp)|*.bmp|ВМР-файлы и Логотипы (*.bmp,*bin)|*.bmp;*.bin</source>
        <translation>Logo files (*.bin)|*.bin|BMP files (*.bmp)|*.bmp|BMP files and logos (*.bmp,*bin)|*.bmp;*.bin</translation>
    </message>
    <message>
        <source>Сохранить Файл Логотипа как...</source>
        <translation>Save Logo File As...</translation>
    </message>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно.
<byte value="xd"/>Логотип сохраняется в файлах &apos;.BIN&apos; и &apos;.BMP&apos;.</source>
        <translation>A file of type &apos;%1&apos; cannot be written.
<byte value="xd"/>Logos are saved in &apos;.BIN&apos; and &apos;.BMP&apos; files.</translation>
    </message>
</context>
<context>
    <name>LogoFiles</name>
    <message>
        <source>Превышение Вертикального Размера Печати!</source>
        <translation>Vertical Print Size Exceeded!</translation>
    </message>
    <message>
        <source>Превышение Горизонтального Размера Печати!</source>
        <translation>Horizontal Print Size Exceeded!</translation>
    </message>
    <message>
        <source>Файл открыть невозможно. Размер &apos;X&apos;=0!</source>
        <translation>The file cannot be opened. Size &apos;X&apos;=0!</translation>
    </message>
    <message>
        <source>Файл открыть невозможно. Размер &apos;X&apos;&gt;%1! (X=%2).</source>
        <translation>The file cannot be opened. Size &apos;X&apos;&gt;%1! (X=%2).</translation>
    </message>
    <message>
        <source>Файл открыть невозможно. Рисунок BMP не читается!</source>
        <translation>The file cannot be opened. The BMP picture cannot be read!</translation>
    </message>
    <message>
        <source>Файл открыть невозможно. Файл пуст или поврежден!</source>
        <translation>The file cannot be opened. The file is empty or damaged!</translation>
    </message>
    <message>
        <source>Файл открыть невозможно. Размер &apos;Y&apos;&gt;32! (Y=%1).</source>
        <translation>The file cannot be opened. Size &apos;Y&apos;&gt;32! (Y=%1).</translation>
    </message>
    <message>
        <source>Файл открыть невозможно:
<byte value="xd"/>%1</source>
        <translation>The file cannot be opened:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Файл записать невозможно:
<byte value="xd"/>%1</source>
        <translation>The file cannot be written:
<byte value="xd"/>%1</translation>
    </message>
</context>
<context>
    <name>LogoOperations</name>
    <message>
        <source>Логотип #%1 удалён, но проверить это не удалось: Маркиратор не ответил на чтение.</source>
        <translation>Logo #%1 was deleted, but this could not be checked: the printer did not answer the read.</translation>
    </message>
    <message>
        <source>Логотип #%1 записан, но проверить его не удалось: Маркиратор не ответил на чтение.</source>
        <translation>Logo #%1 was written, but could not be checked: the printer did not answer the read.</translation>
    </message>
</context>
<context>
    <name>LogoSplit</name>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно.
<byte value="xd"/>Логотип сохраняется в файлах &apos;.BIN&apos;, &apos;.PBM&apos; и &apos;.BMP&apos;.</source>
        <translation>A file of type &apos;%1&apos; cannot be written.
<byte value="xd"/>A logo is saved in &apos;.BIN&apos;, &apos;.PBM&apos; and &apos;.BMP&apos; files.</translation>
    </message>
    <message>
        <source>ПРЕВЫШЕНИЕ РАЗУМНОЙ ДЛИНЫ МАРКИ -
<byte value="xd"/>РИСУНОК ЗАЙМЕТ БОЛЕЕ 12 ЛОГОТИПОВ!</source>
        <translation>REASONABLE MARK LENGTH EXCEEDED -
<byte value="xd"/>THE PICTURE WOULD TAKE MORE THAN 12 LOGOS!</translation>
    </message>
    <message>
        <source> Создано %1 файлов:
<byte value="xd"/></source>
        <translation> %1 files created:
<byte value="xd"/></translation>
    </message>
    <message>
        <source>
<byte value="xd"/>Открыть первый из созданных файлов: 
<byte value="xd"/></source>
        <translation>
<byte value="xd"/>Open the first of the files created: 
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Открыть первый из созданных файлов: %1</source>
        <translation>Open the first of the files created: %1</translation>
    </message>
    <message>
        <source>Логотип %1x%2 слишком широк для записи в Маркиратор:
<byte value="xd"/>даже на 4 части его разрезать нельзя.
<byte value="xd"/>Уменьшите ширину Логотипа.</source>
        <translation>Logo %1x%2 is too wide to write to the printer:
<byte value="xd"/>it cannot be cut even into 4 parts.
<byte value="xd"/>Make the logo narrower.</translation>
    </message>
</context>
<context>
    <name>LogoTransfer</name>
    <message>
        <source>Картинку нужно сначала преобразовать: nimbrel-cli logo convert.</source>
        <translation>The picture must be converted first: nimbrel-cli logo convert.</translation>
    </message>
</context>
<context>
    <name>LogoTransferRoutines</name>
    <message>
        <source>Read Printer LOGO#</source>
        <translation>Read Printer LOGO#</translation>
    </message>
    <message>
        <source>Input Logo Number (0..255)</source>
        <translation>Enter Logo Number (0..255)</translation>
    </message>
    <message>
        <source>Illegal Logo Number. Repeat Input?</source>
        <translation>Invalid Logo Number. Enter Again?</translation>
    </message>
    <message>
        <source>Введите номер Логотипа (0..127)</source>
        <translation>Enter logo number (0..127)</translation>
    </message>
    <message>
        <source>Недопустимый номер Логотипа. Повторить?</source>
        <translation>Invalid logo number. Enter again?</translation>
    </message>
    <message>
        <source>Запись Логотипа в Маркиратор</source>
        <translation>Write Logo to Printer</translation>
    </message>
    <message>
        <source>Удаление Логотипа Маркиратора</source>
        <translation>Delete Printer Logo</translation>
    </message>
    <message>
        <source>Логотип в Маркираторе другого размера.</source>
        <translation>The logo in the printer has another size.</translation>
    </message>
    <message>
        <source>столбец %1 в Маркираторе отличается от записанного.</source>
        <translation>column %1 in the printer differs from the one written.</translation>
    </message>
    <message>
        <source>в Маркираторе нет Логотипа с этим номером.</source>
        <translation>the printer has no logo with this number.</translation>
    </message>
    <message>
        <source>Логотип остался в Маркираторе.</source>
        <translation>The logo is still in the printer.</translation>
    </message>
    <message>
        <source>Логотип %1x%2 нельзя передать как есть: его запрос совпадает с запросом удаления Логотипа.
<byte value="xd"/>Добавить справа один пустой столбец?</source>
        <translation>Logo %1x%2 cannot be sent as it is: its request reads as the request to delete a logo.
<byte value="xd"/>Add one empty column on the right?</translation>
    </message>
    <message>
        <source>RECEIVE PRINTER LOGO</source>
        <translation>RECEIVE PRINTER LOGO</translation>
    </message>
    <message>
        <source>    LOGO#%1 EMPTY.     </source>
        <translation>    LOGO#%1 EMPTY.     </translation>
    </message>
    <message>
        <source>Logo#%1 Data Error</source>
        <translation>Logo#%1 Data Error</translation>
    </message>
    <message>
        <source>Load LOGO from Inkovar</source>
        <translation>Load LOGO from Printer</translation>
    </message>
    <message>
        <source>LOGO#%1 is EMPTY or have FORMAT ERROR.</source>
        <translation>LOGO#%1 is EMPTY or has a FORMAT ERROR.</translation>
    </message>
    <message>
        <source>Illegal Logo X-size (%1)!</source>
        <translation>Invalid Logo X-size (%1)!</translation>
    </message>
    <message>
        <source>Illegal Logo Y-size (%1)!</source>
        <translation>Invalid Logo Y-size (%1)!</translation>
    </message>
    <message>
        <source>XY-размер: %1x%2</source>
        <translation>XY-size: %1x%2</translation>
    </message>
    <message>
        <source>LOGO#%1 (Файл &apos;%2&apos;)</source>
        <translation>LOGO#%1 (File &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>Передача Логотипа #%1 не подтверждена:</source>
        <translation>Transfer of logo #%1 not confirmed:</translation>
    </message>
    <message>
        <source>Передача Логотипа #%1 завершена.</source>
        <translation>Transfer of logo #%1 complete.</translation>
    </message>
    <message>
        <source>Вы действительно хотите удалить Логотип #%1?</source>
        <translation>Do you really want to delete logo #%1?</translation>
    </message>
    <message>
        <source>Очистка Логотипа #%1 не подтверждена:</source>
        <translation>Deletion of logo #%1 not confirmed:</translation>
    </message>
    <message>
        <source>Очистка Логотипа #%1 завершена.</source>
        <translation>Deletion of logo #%1 complete.</translation>
    </message>
    <message>
        <source>ПРОСМОТР БИТ-КАРТЫ МАРКИ </source>
        <translation>MARK BITMAP VIEW </translation>
    </message>
    <message>
        <source>НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ).</source>
        <translation>NO MARK BITMAP (EMPTY).</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&apos;NIMBREL&apos; для T2x/T7x/T9x  версия 5.0</source>
        <translation>&apos;NIMBREL&apos; for T2x/T7x/T9x  version 5.0</translation>
    </message>
</context>
<context>
    <name>Manifest</name>
    <message>
        <source>manifest.json не читается: %1</source>
        <translation>manifest.json cannot be read: %1</translation>
    </message>
    <message>
        <source>manifest.json другого формата</source>
        <translation>manifest.json of another format</translation>
    </message>
    <message>
        <source>manifest.json: недопустимое имя файла &apos;%1&apos;</source>
        <translation>manifest.json: file name &apos;%1&apos; not allowed</translation>
    </message>
    <message>
        <source>manifest.json: файл &apos;%1&apos; назван дважды</source>
        <translation>manifest.json: file &apos;%1&apos; named twice</translation>
    </message>
    <message>
        <source>manifest.json: марка #%1 названа дважды</source>
        <translation>manifest.json: mark #%1 named twice</translation>
    </message>
    <message>
        <source>manifest.json: логотип #%1 назван дважды</source>
        <translation>manifest.json: logo #%1 named twice</translation>
    </message>
    <message>
        <source>manifest.json: не указана модель</source>
        <translation>manifest.json: no model given</translation>
    </message>
</context>
<context>
    <name>MarkFile</name>
    <message>
        <source>Марка: %1</source>
        <translation>Mark: %1</translation>
    </message>
</context>
<context>
    <name>MarkFileBlock</name>
    <message>
        <source>ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!</source>
        <translation>THIS IS NO MARK FILE or THE DATA ARE WRONG!</translation>
    </message>
    <message>
        <source>Фрагмент # %1: текст длиннее 44 символов. Марка не записана.</source>
        <translation>Fragment # %1: text longer than 44 characters. Mark not written.</translation>
    </message>
</context>
<context>
    <name>MarkFileRoutines</name>
    <message>
        <source>Не удалось записать файл &apos;%1&apos;!</source>
        <translation>Could not write the file &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>ПРЕДУПРЕЖДЕНИЕ</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Не удалось открыть файл &apos;%1&apos;!</source>
        <translation>Could not open the file &apos;%1&apos;!</translation>
    </message>
    <message>
        <source>ЭТО НЕ ФАЙЛ МАРКИ или ОШИБКА В ДАННЫХ!</source>
        <translation>THIS IS NOT A MARK FILE or ITS DATA ARE WRONG!</translation>
    </message>
    <message>
        <source>ОТКРЫТЬ ФАЙЛ МАРКИ</source>
        <translation>OPEN MARK FILE</translation>
    </message>
    <message>
        <source>Текстовые Марки (*.mrt)</source>
        <translation>Text Marks (*.mrt)</translation>
    </message>
    <message>
        <source>Марка прочитана из Маркиратора.
<byte value="xd"/>Заменить ею файл &apos;%1&apos;?</source>
        <translation>The mark was read from the printer.
<byte value="xd"/>Replace the file &apos;%1&apos; with it?</translation>
    </message>
    <message>
        <source>Сохранить Файл Марки как..</source>
        <translation>Save Mark File As..</translation>
    </message>
    <message>
        <source>Файлы Текстовых Марок (*.mrt)</source>
        <translation>Text Mark Files (*.mrt)</translation>
    </message>
    <message>
        <source>Файл &apos;%1&apos; уже существует. Перезаписать?</source>
        <translation>The file &apos;%1&apos; already exists. Overwrite it?</translation>
    </message>
</context>
<context>
    <name>MarkOperations</name>
    <message>
        <source>Марка #%1 записана, но проверить её не удалось: Маркиратор не ответил на чтение.</source>
        <translation>Mark #%1 was written, but could not be checked: the printer did not answer the read.</translation>
    </message>
</context>
<context>
    <name>MarkTable</name>
    <message>
        <source>Nфрг</source>
        <translation>Frag</translation>
    </message>
    <message>
        <source>Функция</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Шрифт</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>    Текст Фрагмента</source>
        <translation>    Fragment Text</translation>
    </message>
    <message>
        <source>своб</source>
        <translation>free</translation>
    </message>
</context>
<context>
    <name>MarkTransferRoutines</name>
    <message>
        <source>Введите Номер Марки: 0..85  ( 0- печатаемая марка )</source>
        <translation>Enter Mark Number: 0..85  ( 0- mark being printed )</translation>
    </message>
    <message>
        <source>Недопустимый Номер Марки. Повторить ввод?</source>
        <translation>Invalid Mark Number. Enter again?</translation>
    </message>
    <message>
        <source>МАРКА #%1</source>
        <translation>MARK #%1</translation>
    </message>
    <message>
        <source>    ПУСТАЯ МАРКА!      </source>
        <translation>    EMPTY MARK!      </translation>
    </message>
    <message>
        <source>Марка #%1 (маркиратор)</source>
        <translation>Mark #%1 (printer)</translation>
    </message>
    <message>
        <source>Запись Марки #%1 не подтверждена:
<byte value="xd"/>фрагмент # %2 в Маркираторе отличается от записанного.</source>
        <translation>Writing of mark #%1 not confirmed:
<byte value="xd"/>fragment # %2 in the printer differs from the one written.</translation>
    </message>
    <message>
        <source>Фрагмент # %1: текст длиннее 44 символов.
<byte value="xd"/></source>
        <translation>Fragment # %1: text longer than 44 characters.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Марка не записана.</source>
        <translation>Mark not written.</translation>
    </message>
    <message>
        <source>Чтение Текстовой Марки из Маркиратора</source>
        <translation>Read Text Mark from Printer</translation>
    </message>
    <message>
        <source>ЗАПИСЬ В МАРКИРАТОР</source>
        <translation>WRITE TO PRINTER</translation>
    </message>
    <message>
        <source>Запись Марки #%1 успешно завершена.</source>
        <translation>Mark #%1 written successfully.</translation>
    </message>
</context>
<context>
    <name>MarkWindow</name>
    <message>
        <source>ТЕКСТ МАРКИ	(Ctrl+M)</source>
        <translation>MARK TEXT	(Ctrl+M)</translation>
    </message>
    <message>
        <source>ИЗМЕНИТЬ</source>
        <translation>APPLY</translation>
    </message>
    <message>
        <source>Управляющие знаки в штрихкоде не допускаются</source>
        <translation>Control characters are not allowed in a barcode</translation>
    </message>
    <message>
        <source>Управляющие знаки в тексте фрагмента не допускаются</source>
        <translation>Control characters are not allowed in fragment text</translation>
    </message>
    <message>
        <source>Знаки «%1» не приняты: их нет в кодировке Windows-1251</source>
        <translation>Characters “%1” refused: Windows-1251 has no such characters</translation>
    </message>
</context>
<context>
    <name>MenuDefinitions</name>
    <message>
        <source>ФУНКЦИИ</source>
        <translation>FUNCTIONS</translation>
    </message>
    <message>
        <source>ПОДКЛЮЧЕНИЕ</source>
        <translation>CONNECTION</translation>
    </message>
    <message>
        <source>установки сом-порта</source>
        <translation>COM port settings</translation>
    </message>
    <message>
        <source>Настройки Маркиратора</source>
        <translation>Printer Settings</translation>
    </message>
    <message>
        <source>МАРКА</source>
        <translation>MARK</translation>
    </message>
    <message>
        <source>ГРАФИКА</source>
        <translation>GRAPHICS</translation>
    </message>
    <message>
        <source>РедакторГрафики</source>
        <translation>Graphics Editor</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>PictureConversion</name>
    <message>
        <source>Картинка пуста: в ней нет ни одной точки.</source>
        <translation>The picture is empty: it has not a single dot.</translation>
    </message>
    <message>
        <source>Файл &apos;%1&apos; не найден.</source>
        <translation>File &apos;%1&apos; not found.</translation>
    </message>
    <message>
        <source>Файл &apos;%1&apos; не является картинкой известного формата.</source>
        <translation>File &apos;%1&apos; is not a picture of a known format.</translation>
    </message>
    <message>
        <source>Картинку из файла &apos;%1&apos; прочитать невозможно:
<byte value="xd"/>файл поврежден или картинка слишком велика.</source>
        <translation>The picture in file &apos;%1&apos; cannot be read:
<byte value="xd"/>the file is damaged or the picture is too large.</translation>
    </message>
    <message>
        <source>Картинки (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
</context>
<context>
    <name>PictureConversionDialog</name>
    <message>
        <source>%1 точки</source>
        <translation>%1 dots</translation>
    </message>
    <message>
        <source>%1 точек</source>
        <translation>%1 dots</translation>
    </message>
    <message>
        <source>Преобразование картинки в логотип</source>
        <translation>Convert Picture to Logo</translation>
    </message>
    <message>
        <source>Картинка: %1, %2 x %3 точек</source>
        <translation>Picture: %1, %2 x %3 dots</translation>
    </message>
    <message>
        <source>автоматически (метод Оцу)</source>
        <translation>automatic (Otsu&apos;s method)</translation>
    </message>
    <message>
        <source>нет (только порог)</source>
        <translation>none (threshold only)</translation>
    </message>
    <message>
        <source>Флойда – Стейнберга</source>
        <translation>Floyd–Steinberg</translation>
    </message>
    <message>
        <source>Инвертировать (светлое станет тёмным)</source>
        <translation>Invert (light becomes dark)</translation>
    </message>
    <message>
        <source>Прозрачные места считать светлыми</source>
        <translation>Treat transparent areas as light</translation>
    </message>
    <message>
        <source>Высота логотипа:</source>
        <translation>Logo height:</translation>
    </message>
    <message>
        <source>Порог яркости:</source>
        <translation>Brightness threshold:</translation>
    </message>
    <message>
        <source>Растрирование:</source>
        <translation>Dithering:</translation>
    </message>
    <message>
        <source>Загрузить в редактор</source>
        <translation>Load into Editor</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Логотип в натуральную величину:</source>
        <translation>Logo at natural size:</translation>
    </message>
    <message>
        <source>Логотип в сетке редактора:</source>
        <translation>Logo in the editor grid:</translation>
    </message>
    <message>
        <source>Размер логотипа: %1 x %2 точек, тёмных точек: %3</source>
        <translation>Logo size: %1 x %2 dots, dark dots: %3</translation>
    </message>
    <message>
        <source> (картинка сжата по ширине до %1 точек)</source>
        <translation> (picture narrowed to %1 dots)</translation>
    </message>
</context>
<context>
    <name>PortControl</name>
    <message>
        <source>COM-ПОРТ %1 (%2)</source>
        <translation>SERIAL PORT %1 (%2)</translation>
    </message>
    <message>
        <source>%1 НЕ ОБНАРУЖЕН:
<byte value="xd"/>устройство отсутствует или отключено.
<byte value="xd"/>Выберите другой порт.</source>
        <translation>%1 NOT FOUND:
<byte value="xd"/>the device is missing or disconnected.
<byte value="xd"/>Choose another port.</translation>
    </message>
    <message>
        <source>порт открыт программой %1 (PID %2).
<byte value="xd"/></source>
        <translation>the port is open in the program %1 (PID %2).
<byte value="xd"/></translation>
    </message>
    <message>
        <source>порт открыт другой программой.
<byte value="xd"/></source>
        <translation>the port is open in another program.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>%1 ЗАНЯТ:
<byte value="xd"/>%2Закройте её или выберите другой порт.</source>
        <translation>%1 BUSY:
<byte value="xd"/>%2Close that program or choose another port.</translation>
    </message>
    <message>
        <source>%1 НЕДОСТУПЕН:
<byte value="xd"/>нет прав на открытие устройства.
<byte value="xd"/></source>
        <translation>%1 NOT ACCESSIBLE:
<byte value="xd"/>no permission to open the device.
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Владелец %1:%2, права %3 (%4):
<byte value="xd"/>группа устройства не может читать и писать в него.
<byte value="xd"/>Доступ должен дать администратор или правило udev.</source>
        <translation>Owner %1:%2, mode %3 (%4):
<byte value="xd"/>the device&apos;s group cannot read and write it.
<byte value="xd"/>Access must be given by the administrator or a udev rule.</translation>
    </message>
    <message>
        <source>Добавьте пользователя в группу &apos;%1&apos;
<byte value="xd"/>(sudo usermod -aG %1 $USER) и войдите в систему заново.</source>
        <translation>Add the user to the group &apos;%1&apos;
<byte value="xd"/>(sudo usermod -aG %1 $USER) and log in again.</translation>
    </message>
    <message>
        <source>%1 НЕ ОТКРЫТ:
<byte value="xd"/>%2</source>
        <translation>%1 NOT OPENED:
<byte value="xd"/>%2</translation>
    </message>
    <message>
        <source>Ошибка при чтении данных из Маркиратора (%1)!</source>
        <translation>Error reading data from the printer (%1)!</translation>
    </message>
    <message>
        <source>Ошибка записи данных в порт %1!</source>
        <translation>Error writing data to port %1!</translation>
    </message>
</context>
<context>
    <name>PortRoutines</name>
    <message>
        <source>СООБЩЕНИЕ СИСТЕМЫ</source>
        <translation>SYSTEM MESSAGE</translation>
    </message>
    <message>
        <source>  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  </source>
        <translation>  NO COM PORTS FOUND!  </translation>
    </message>
    <message>
        <source>Открыть СОМ-порт</source>
        <translation>Open COM Port</translation>
    </message>
    <message>
        <source>ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)</source>
        <translation>ENTER THE COM PORT NUMBER (1...255)</translation>
    </message>
    <message>
        <source>ПОРТ СОМ%1 НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?</source>
        <translation>PORT COM%1 DOES NOT EXIST. CHOOSE ANOTHER PORT?</translation>
    </message>
    <message>
        <source>ПОРТ %1 НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?</source>
        <translation>PORT %1 IS NOT AVAILABLE. CHOOSE ANOTHER PORT?</translation>
    </message>
    <message>
        <source>Соединение с Маркиратором не установлено!
<byte value="xd"/>НЕ ВЫПОЛНЕНА ИНИЦИАЛИЗАЦИЯ COM-ПОРТА:
<byte value="xd"/>&apos;Функции&apos; &gt;&gt; &apos;Подключение&apos; &gt;&gt; &apos;Открыть СОМ-порт&apos;</source>
        <translation>No connection to the printer!
<byte value="xd"/>THE COM PORT HAS NOT BEEN OPENED:
<byte value="xd"/>&apos;Functions&apos; &gt;&gt; &apos;Connection&apos; &gt;&gt; &apos;Open COM Port&apos;</translation>
    </message>
</context>
<context>
    <name>PrintModeReport</name>
    <message>
        <source>Коррекция вертикальных линий	</source>
        <translation>Vertical line correction		</translation>
    </message>
    <message>
        <source>Реверс печати			</source>
        <translation>Reverse print			</translation>
    </message>
    <message>
        <source>Вертикальный переворот		</source>
        <translation>Flip vertically			</translation>
    </message>
    <message>
        <source>Автоповтор Печати Марки		</source>
        <translation>Mark print auto-repeat		</translation>
    </message>
    <message>
        <source>Синхронизация от ТахоДатчика	</source>
        <translation>Tachometer synchronization		</translation>
    </message>
    <message>
        <source>Задержка от ТахоДатчика		</source>
        <translation>Tachometer delay			</translation>
    </message>
    <message>
        <source>АвтоУстановка Порога Теста		</source>
        <translation>Automatic test threshold		</translation>
    </message>
    <message>
        <source>Автоматическое Фазирование		</source>
        <translation>Automatic phasing			</translation>
    </message>
    <message>
        <source>ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:<byte value="xd"/>

</source>
        <translation>CURRENT PRINT MODE SETTINGS:<byte value="xd"/>

</translation>
    </message>
    <message>
        <source>ДА</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>нет</source>
        <translation>no</translation>
    </message>
</context>
<context>
    <name>PrinterRoutines</name>
    <message>
        <source>Информация Системы Печати</source>
        <translation>Print System Information</translation>
    </message>
    <message>
        <source>(возможно Маркиратор не включен или не подключен)</source>
        <translation>(the printer may be off or not connected)</translation>
    </message>
    <message>
        <source>
<byte value="xd"/>Ответ Маркиратора не распознан: модель остаётся %1.</source>
        <translation>
<byte value="xd"/>The printer&apos;s answer was not recognized: the model stays %1.</translation>
    </message>
</context>
<context>
    <name>ProgressBox</name>
    <message>
        <source>Стоп</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>Restore</name>
    <message>
        <source>номер марки вне 0..85</source>
        <translation>mark number outside 0..85</translation>
    </message>
    <message>
        <source>номер логотипа вне 0..255</source>
        <translation>logo number outside 0..255</translation>
    </message>
    <message>
        <source>Папка %1 — незавершённая резервная копия: восстановление не начато.</source>
        <translation>The folder %1 is an unfinished backup: restore not started.</translation>
    </message>
    <message>
        <source>Файл %1 не читается: это не папка резервной копии?</source>
        <translation>The file %1 cannot be read: is this no backup folder?</translation>
    </message>
    <message>
        <source>Файл %1 не читается: восстановление не начато.</source>
        <translation>The file %1 cannot be read: restore not started.</translation>
    </message>
    <message>
        <source>Файл %1 изменён после копирования (SHA-256 не совпадает): восстановление не начато.</source>
        <translation>The file %1 changed after the backup (SHA-256 differs): restore not started.</translation>
    </message>
    <message>
        <source>Файл %1: %2 Восстановление не начато.</source>
        <translation>File %1: %2 Restore not started.</translation>
    </message>
</context>
<context>
    <name>SettingRoutines</name>
    <message>
        <source>Установка Часов Маркиратора</source>
        <translation>Set Printer Clock</translation>
    </message>
    <message>
        <source>Введите дату и время в формате
<byte value="xd"/>     &apos;ДДММГГ ЧЧММСС&apos;</source>
        <translation>Enter the date and time as
<byte value="xd"/>     &apos;DDMMYY HHMMSS&apos;</translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ!
<byte value="xd"/>Повторить ввод даты+времени?</source>
        <translation>WRONG DATE+TIME FORMAT!
<byte value="xd"/>Enter the date+time again?</translation>
    </message>
    <message>
        <source>Установка Смещения Даты (ПостДата)</source>
        <translation>Set Date Offset (Post-date)</translation>
    </message>
    <message>
        <source>Введите смещение даты в днях (0..9999)</source>
        <translation>Enter the date offset in days (0..9999)</translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ!
<byte value="xd"/>Повторить ввод?</source>
        <translation>WRONG DATE OFFSET FORMAT!
<byte value="xd"/>Enter again?</translation>
    </message>
    <message>
        <source>СМЕЩЕНИЕ ДАТЫ</source>
        <translation>DATE OFFSET</translation>
    </message>
    <message>
        <source>НЕРЕАЛЬНОЕ ЧИСЛО СТРОК!
<byte value="xd"/>Повторить ввод?</source>
        <translation>IMPOSSIBLE NUMBER OF LINES!
<byte value="xd"/>Enter again?</translation>
    </message>
</context>
<context>
    <name>SettingsReport</name>
    <message>
        <source> кГц  </source>
        <translation> kHz  </translation>
    </message>
    <message>
        <source>??? кГц</source>
        <translation>??? kHz</translation>
    </message>
    <message>
        <source> кГц</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source>быстрая (Y=%1)</source>
        <translation>fast (Y=%1)</translation>
    </message>
    <message>
        <source>обычная (Y=8..32)</source>
        <translation>normal (Y=8..32)</translation>
    </message>
    <message>
        <source>обычная (Y=8/16)</source>
        <translation>normal (Y=8/16)</translation>
    </message>
    <message>
        <source> (выключен)
<byte value="xd"/></source>
        <translation> (off)
<byte value="xd"/></translation>
    </message>
    <message>
        <source> (включен)
<byte value="xd"/></source>
        <translation> (on)
<byte value="xd"/></translation>
    </message>
    <message>
        <source>УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( %1 ) :<byte value="xd"/>

</source>
        <translation>PRINT SYSTEM SETTINGS  ( %1 ) :<byte value="xd"/>

</translation>
    </message>
    <message>
        <source> (авто)</source>
        <translation> (auto)</translation>
    </message>
    <message>
        <source> мсек
<byte value="xd"/></source>
        <translation> ms
<byte value="xd"/></translation>
    </message>
    <message>
        <source>Интервал Автопечати по времени, мс	</source>
        <translation>Autoprint interval by time, ms		</translation>
    </message>
    <message>
        <source>Коррекция заряда рабочих капель	</source>
        <translation>Charge correction, print drops		</translation>
    </message>
    <message>
        <source>Задержка старта печати, мс		</source>
        <translation>Print start delay, ms			</translation>
    </message>
    <message>
        <source>Задержка старта печати, импульсов	</source>
        <translation>Print start delay, pulses		</translation>
    </message>
    <message>
        <source>Частота каплеобразования		</source>
        <translation>Drop frequency			</translation>
    </message>
    <message>
        <source>Уставки групповой печати:
<byte value="xd"/></source>
        <translation>Group print settings:
<byte value="xd"/></translation>
    </message>
    <message>
        <source>		режим печати	</source>
        <translation>		mode		</translation>
    </message>
    <message>
        <source>		число марок	</source>
        <translation>		number of marks	</translation>
    </message>
    <message>
        <source>		задержка старта	</source>
        <translation>		delay before start	</translation>
    </message>
    <message>
        <source>		интервал марок	</source>
        <translation>		mark interval	</translation>
    </message>
    <message>
        <source>Вертикальный размер Марки:		</source>
        <translation>Mark height:			</translation>
    </message>
    <message>
        <source>Замедление скорости печати (грубо)	</source>
        <translation>Print speed slowdown, coarse		</translation>
    </message>
    <message>
        <source>&apos;Бегущей номер&apos; (направление)	</source>
        <translation>&apos;Running number&apos; (direction)		</translation>
    </message>
    <message>
        <source>Заряд тестовых капель		</source>
        <translation>Test drop charge			</translation>
    </message>
    <message>
        <source>Число защитных капель		</source>
        <translation>Number of guard drops		</translation>
    </message>
    <message>
        <source>Число строк печати (х8, точек)	</source>
        <translation>Print lines (x8, dots)			</translation>
    </message>
    <message>
        <source>Порог тестирования фазы заряда	</source>
        <translation>Charge phase test threshold		</translation>
    </message>
    <message>
        <source>Напряжение Генератора Капель:	</source>
        <translation>Drop generator voltage:		</translation>
    </message>
    <message>
        <source>Замедление скорости печати (точно)	</source>
        <translation>Print speed slowdown, fine		</translation>
    </message>
    <message>
        <source>Уменьшение Y-шага между каплями	</source>
        <translation>Smaller Y step between drops		</translation>
    </message>
    <message>
        <source>Порог видимости Марки:		</source>
        <translation>Mark visibility threshold:		</translation>
    </message>
    <message>
        <source>Частота ВВ-преобразователя		</source>
        <translation>HV converter frequency		</translation>
    </message>
    <message>
        <source>Раздвижка строк 1-2		</source>
        <translation>Line spacing 1-2			</translation>
    </message>
    <message>
        <source>Раздвижка строк 2-3		</source>
        <translation>Line spacing 2-3			</translation>
    </message>
    <message>
        <source>Раздвижка строк 3-4		</source>
        <translation>Line spacing 3-4			</translation>
    </message>
    <message>
        <source>Смещение Даты, дней		</source>
        <translation>Date offset, days			</translation>
    </message>
    <message>
        <source>Номер печатной марки		</source>
        <translation>Mark being printed			</translation>
    </message>
    <message>
        <source>Режим скорости печати (опция*)	</source>
        <translation>Print speed mode (option*)		</translation>
    </message>
    <message>
        <source>Интервал Автопечати, импульсов	</source>
        <translation>Autoprint interval, pulses		</translation>
    </message>
    <message>
        <source>Вертикальный размер Марки		</source>
        <translation>Mark height			</translation>
    </message>
    <message>
        <source>Интервал Автопечати (тахоимпульсы)	</source>
        <translation>Autoprint interval (tachometer)		</translation>
    </message>
    <message>
        <source>&apos;Бегущей номер&apos; (направление, шаг)	</source>
        <translation>&apos;Running number&apos; (direction, step)	</translation>
    </message>
    <message>
        <source>Коррекция заряда пустых капель	</source>
        <translation>Blank drop charge correction		</translation>
    </message>
    <message>
        <source>Напряжение Генератора Капель	</source>
        <translation>Drop generator voltage		</translation>
    </message>
    <message>
        <source>Порог видимости Марки		</source>
        <translation>Mark visibility threshold		</translation>
    </message>
</context>
<context>
    <name>ShellState</name>
    <message>
        <source>Размер XY: 64x24</source>
        <translation>Size XY: 64x24</translation>
    </message>
    <message>
        <source>Марка: ...</source>
        <translation>Mark: ...</translation>
    </message>
    <message>
        <source>Рисунок: ...</source>
        <translation>Picture: ...</translation>
    </message>
</context>
<context>
    <name>Slots</name>
    <message>
        <source>марка #%1</source>
        <translation>mark #%1</translation>
    </message>
    <message>
        <source>логотип #%1</source>
        <translation>logo #%1</translation>
    </message>
</context>
<context>
    <name>SplitRoutines</name>
    <message>
        <source>Файл записать невозможно:
<byte value="xd"/>%1</source>
        <translation>Could not write the file:
<byte value="xd"/>%1</translation>
    </message>
    <message>
        <source>Преобразование завершено</source>
        <translation>Conversion Complete</translation>
    </message>
    <message>
        <source>Преобразование файла завершено</source>
        <translation>File Conversion Complete</translation>
    </message>
    <message>
        <source> Создано %1 файлов:
<byte value="xd"/>%2</source>
        <translation> %1 files made:
<byte value="xd"/>%2</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>Размер XY: %1x%2</source>
        <translation>Size XY: %1x%2</translation>
    </message>
    <message>
        <source> Файл: %1</source>
        <translation> File: %1</translation>
    </message>
    <message>
        <source>Файл: %1</source>
        <translation>File: %1</translation>
    </message>
</context>
<context>
    <name>Talk</name>
    <message>
        <source>ОШИБКА</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Версия Программы Системы Печати:
<byte value="xd"/>&apos;%1&apos;</source>
        <translation>Print System Software Version:
<byte value="xd"/>&apos;%1&apos;</translation>
    </message>
</context>
</TS>
