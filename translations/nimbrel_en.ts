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
        <translation>Backup of printer %1 of %2:
<byte value="xd"/>%3 marks, %4 logos.
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
    <name>CommandTable</name>
    <message>
        <source>Резервная Копия Маркиратора...</source>
        <translation>Printer Backup...</translation>
    </message>
    <message>
        <source>Восстановить Маркиратор из Копии...</source>
        <translation>Restore Printer from Backup...</translation>
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
    <name>LogoFileLoad</name>
    <message>
        <source>Файл типа &apos;%1&apos; открыть невозможно: нужен BIN, PBM, BMP или картинка.</source>
        <translation>A file of type &apos;%1&apos; cannot be opened: BIN, PBM, BMP or a picture is needed.</translation>
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
    <name>Version</name>
    <message>
        <source>Версия Программы Системы Печати:
<byte value="xd"/>&apos;%1&apos;</source>
        <translation>Print System Software Version:
<byte value="xd"/>&apos;%1&apos;</translation>
    </message>
</context>
</TS>
