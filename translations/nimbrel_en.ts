<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru_RU">
<context>
    <name>Cli</name>
    <message>
        <source>%1 (справка: nimbrel-cli --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Устройство %2: проверьте кабель и что порт не отключён.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Устройство %2: проверьте, что Маркиратор включён и подключён к этому порту.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Устройство %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестный язык &apos;%1&apos;: ru или en</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указана команда</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>неизвестная команда &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliHelp</name>
    <message>
        <source>ПОРТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порт Маркиратора: COM5, 5, путь устройства /dev/ttyUSB0
или сетевой порт rfc2217://УЗЕЛ:ПОРТ, tcp://УЗЕЛ:ПОРТ; можно несколько раз</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ФАЙЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл портов, по одному в строке (# комментарий):
команда выполняется на всех Маркираторах сразу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>СКОРОСТЬ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скорость линии, бод (по умолчанию 115200)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вывод данных в формате JSON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>протокол обмена: время и байты в hex (&gt; передано, &lt; принято)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>файл, в который записать прочитанное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>clock set: дата и время вместо часов компьютера</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТИП</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fragment write: Текст, Номер, Дата/Время, Графика, ПостДата,
ШтрихКод EAN (или text, number, datetime, graphics, postdate, ean)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ШРИФТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fragment write: номер шрифта 0..15 (по умолчанию 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fragment: хранимая марка 0..85 вместо печатаемой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ТОЧЕК</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo convert/write: высота из картинки: 8, 16, 24 или 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo convert/write: порог серого 0..255 (по умолчанию auto)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo convert/write: рассеивание Флойда-Стейнберга</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo convert/write: светлое печатать, темное нет</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo write: широкий логотип разрезать в слоты DDD, DDD+1, ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>подтверждение для logo delete и restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: записать копию другого семейства моделей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: только марки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore: только логотипы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>язык справки и сообщений: ru или en; без него -
по окружению (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>эта справка</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>версия программы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>последовательные порты с номерами COM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>модель, версия, наработка, число отпечатков</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уставки системы печати</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уставки режима печати</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>заполнение области марок или логотипов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>установить часы Маркиратора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>смещение даты, дней (0..9999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>число текстовых строк</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark read NN [-o ФАЙЛ.mrt]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прочитать марку 0..85</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mark write NN ФАЙЛ.mrt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать марку и проверить чтением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fragment read СТРОКА ПОЗИЦИЯ [--mark NN]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фрагмент (1..4, 1..8) печатаемой или хранимой марки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать фрагмент (до 44 символов Windows-1251);
с --mark остальные 31 фрагмент марки не меняются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo read DDD [-o ФАЙЛ]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>прочитать логотип 0..255 (BIN или BMP)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo write DDD ФАЙЛ [--split]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать логотип 0..127 из BIN, PBM, BMP или картинки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>logo convert КАРТИНКА ФАЙЛ --height 8|16|24|32 [--threshold N|auto] [--dither]
             [--invert]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>картинка (PNG, JPEG, ...) в логотип BIN, PBM или BMP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удалить логотип 0..127</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bitmap -o ФАЙЛ.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бит-карта печатаемой марки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup ПАПКА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>марки, логотипы, уставки и manifest.json в папку</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore ПАПКА [--marks] [--logos] --yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>записать содержимое копии и проверить чтением</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Использование: nimbrel-cli %1 [АРГУМЕНТЫ] [-p ПОРТ] [ПАРАМЕТРЫ]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Параметры:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОМАНДА</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Работа с Маркиратором T2x/T7x/T9x из командной строки.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Команды:
</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliLogoCommands</name>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно: логотип сохраняется в BIN или BMP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGO#%1 is EMPTY or have FORMAT ERROR.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOGO#%1 (Файл &apos;%2&apos;) XY-размер: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логотип записан в файл %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логотип %1x%2 шире одного слота: при высоте %2 не более %3 столбцов. Разрезать его в соседние слоты: --split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>логотип режется на %1 части: слоты %2..%3, а последний слот %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логотип #%1 прочитан не таким, как записан: проверка не пройдена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Передача Логотипа #%1 завершена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Файл типа &apos;%1&apos; записать невозможно: логотип сохраняется в BIN, PBM или BMP.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логотип %1x%2 (порог %3) записан в %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>удаление Логотипа #%1 нужно подтвердить параметром --yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Логотип #%1 после удаления не пуст: проверка не пройдена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Очистка Логотипа #%1 завершена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: logo read DDD [-o ФАЙЛ], logo write DDD ФАЙЛ [--split], logo convert КАРТИНКА ФАЙЛ --height ТОЧЕК или logo delete DDD --yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недопустимый номер Логотипа &apos;%1&apos;: 0..%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: bitmap -o ФАЙЛ.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>бит-карта сохраняется только в BMP: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Бит-карта марки (%1) записана в %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliLogoTransfer</name>
    <message>
        <source>картинке нужна высота логотипа: --height 8|16|24|32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>высота логотипа &apos;%1&apos; недопустима: 8, 16, 24 или 32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порог &apos;%1&apos; недопустим: 0..255 или auto</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliManyPorts</name>
    <message>
        <source>Файл портов %1 прочитать невозможно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в файле портов %1 нет ни одного порта</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>с несколькими портами logo read пишет в ПАПКА/порт/ФАЙЛ: укажите -o ПАПКА/ФАЙЛ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>несколько портов в одном вызове здесь не поддерживаются</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>порт %1 указан дважды</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (код %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Итого: портов %1, успешно %2, с ошибкой %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliMarkCommands</name>
    <message>
        <source>Марка #%1 прочитана не такой, как записана (фрагмент # %2): проверка не пройдена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недопустимый Номер Марки &apos;%1&apos;: 0..85</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МАРКА #%1: ПУСТАЯ МАРКА! Файл не записан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Марка #%1 прочитана в файл %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись Марки #%1 успешно завершена.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>МАРКА #%1: ПУСТАЯ МАРКА! Фрагмент не прочитан и не записан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: fragment read СТРОКА ПОЗИЦИЯ [--mark NN] или fragment write СТРОКА ПОЗИЦИЯ [--mark NN] [--type ТИП] [--font ШРИФТ] ТЕКСТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>фрагмент &apos;%1 %2&apos; не существует: строка 1..4, позиция 1..8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тип фрагмента &apos;%1&apos; неизвестен: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>шрифт &apos;%1&apos; не существует: 0..15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>в тексте фрагмента есть символы, которых нет в Windows-1251 или которые нельзя передать: &apos;%1&apos;. Фрагмент не записан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Текст фрагмента длиннее 44 символов (%1). Фрагмент не записан.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент #%1 Марки #%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Фрагмент #%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 записан: %2, шрифт %3, текст &apos;%4&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: mark read NN [-o ФАЙЛ.mrt] или mark write NN ФАЙЛ.mrt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliOptions</name>
    <message>
        <source>неизвестный параметр &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ошибка в параметрах: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>скорость &apos;%1&apos; не число бод</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliPortChoice</name>
    <message>
        <source>ПОРТ %1%2 НЕ ОБНАРУЖЕН: устройство отсутствует или отключено. Список портов: nimbrel-cli ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>не указан порт: -p COM5, -p 5 или -p /dev/ttyUSB0 (список: nimbrel-cli ports)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ПОРТ %1 НЕ СУЩЕСТВУЕТ: укажите rfc2217://УЗЕЛ:ПОРТ или tcp://УЗЕЛ:ПОРТ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CliPrinterCommands</name>
    <message>
        <source>%1 не принимает аргументов</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (возможно Маркиратор не включен или не подключен) Устройство %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Ответ Маркиратора не распознан. Устройство %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модель:	%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: map marks или map logos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: clock set [--time ГГГГ-ММ-ДДTЧЧ:ММ:СС]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ ДАТЫ+ВРЕМЕНИ: &apos;%1&apos;, нужно ISO 8601, например 2019-05-31T14:05:09</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Часы Маркиратора установлены:  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: offset set N (0..9999)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НЕПРАВИЛЬНЫЙ ФОРМАТ СМЕЩЕНИЯ ДАТЫ: &apos;%1&apos;, нужно 0..9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Смещение даты установлено: %1 дней, ПОСТ-ДАТА:  %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нужно: lines get или lines set N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число строк печати: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>НЕРЕАЛЬНОЕ ЧИСЛО СТРОК: &apos;%1&apos;, для %2 допустимо 1..%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Число строк печати установлено: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
