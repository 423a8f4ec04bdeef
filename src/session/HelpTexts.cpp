#include "session/HelpTexts.h"

#include "session/HelpTextsPlatform.h"

#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace nimbrel::session {

namespace {

// Each page is translated whole, so that English may break its lines where it reads well.
HelpText about() {
    return {QCoreApplication::translate("HelpTexts", "Программа 'Nimbrel 5.0'"),
            QCoreApplication::translate(
                "HelpTexts", "   Программа предназначена для выполнения операций с \n\r"
                             "текстовыми марками и логотипами для маркираторов 'ЗОЛМ'\n\r"
                             "(только для моделей 'T236/T260/T736/T760/T936/T960').\n\r\n\r"
                             "ВЕРСИЯ:   Nimbrel  5.0  для ОС 'Windows XP/Vista/Win7/Win8'.\n\r\n\r"
                             "Команда разработчиков Nimbrel, выпуск: декабрь 2026.\n\r"
                             "Сайт: nimbrel.example   E-mail: support@nimbrel.example"),
            platform::kInformation};
}

HelpText connecting() {
    return {QCoreApplication::translate("HelpTexts", "ПОДКЛЮЧЕНИЕ ПК К МАРКИРАТОРУ"),
            QCoreApplication::translate(
                "HelpTexts", "1. ВЫКЛЮЧИТЕ ПИТАНИЕ МАРКИРАТОРА!\n\r"
                             "2. Подключите соединительный кабель к ПК и маркиратору\n\r"
                             "    НЕОБХОДИМ КАБЕЛЬ ТИПА 'Z-МОДЕМ'!\n\r"
                             "3. Проверьте установки порта для выбранного СОМ-порта\n\r"
                             "    (должны быть: 115200,8,N,1):\n\r"
                             "      >> Панель Управления >> Диспетчер Устройств >>\n\r"
                             "      >> Порты (COM и LPT) >> Выбранный Порт (USB) >>\n\r"
                             "      >> Свойства >> Параметры Порта >> 'Дополнительно'\n\r"
                             "4. ВКЛЮЧИТЕ ПИТАНИЕ МАРКИРАТОРА.\n\r"
                             "5. Выполните в программе 'Nimbrel' команду:\n\r"
                             "\tПОДКЛЮЧЕНИЕ >> ОТКРЫТЬ COM-ПОРТ >>\n\r"
                             "\t >> Введите Номер Выбранного Порта.\n\r"
                             "При правильно выполненных операциях появится сообщение\n\r"
                             "с ВЕРСИЕЙ ПРОГРАММЫ Системы Печати Маркиратора.\r\n\n"
                             "ПРИМЕЧАНИЕ:  В современных ноутбуках и нетбуках СОМ-порт\n\r"
                             "отсутствует. В этом случае потребуется переходник USB<>COM.") +
                connectingPlatformNote(),
            platform::kInformation};
}

HelpText formats() {
    return {QCoreApplication::translate("HelpTexts", "Форматы Графических Файлов для Маркиратора"),
            QCoreApplication::translate(
                "HelpTexts", "ФОРМАТ 'BMP' ( ГРАФИЧЕСКИЙ ФАЙЛ )\n\r"
                             "Файлы '.BMP' создаются стандартной программой Windows 'PAINT'.\n\r"
                             "Для записи в маркиратор они должны быть в черно-белом формате.\n\r"
                             "Особенностью является ограничение максимального размера данных\n\r"
                             "(для Y=32 значение X=1..63, для Y=16 значение X=1..126).\n\r\n\r"
                             "ФОРМАТ 'BIN' ( ЛОГОТИП )\n\r"
                             "Созданные с помощью программы 'Scribbon' или этой программы\n\r"
                             "файлы '*.BIN' являются логотипами, т.е. могут быть записаны в\n\r"
                             "маркиратор без дополнительных преобразований. Особенностью\n\r"
                             "является ограничение максимального размера данных до 252 байт\n\r"
                             "(для Y=32 значение X=1..63, для Y=16 значение X=1..126).\n\r\n\r"
                             "ФОРМАТ 'PBM' ( ГРАФИЧЕСКИЙ ФАЙЛ )\n\r"
                             "Файлы '.PBM' создаются программой 'Scribbon' при некоторых видах\n\r"
                             "операций, например формировании Штрих-кода. Размер таких файлов,\n\r"
                             "как правило, превышает допустимый размер для логотипа.\n\r"
                             "Могут быть записаны в маркиратор ТОЛЬКО после разделения на\n\r"
                             "несколько файлов '*.BIN'  (предлагается при открытии файла).\n\r"
                             "ПРИМЕЧАНИЕ: Файлы '.PBM' также могут быть записаны в маркираторы,\n\r"
                             "имеющие ОПЦИЮ прямой печати графической марки."),
            platform::kPlain};
}

HelpText shortcuts() {
    return {QCoreApplication::translate("HelpTexts", "КОМАНДЫ БЫСТРОГО ДОСТУПА"),
            QCoreApplication::translate("HelpTexts", "<CTRL+C>\tПодключение к Маркиратору\n\r"
                                                     "<CTRL+G>\tГРАФИКА\n\r"
                                                     "<CTRL+M>\tМАРКА\n\r"
                                                     "<CTRL+U>\tУставки Системы Печати\n\r"
                                                     "<CTRL+Q>\tВыход"),
            platform::kInformation};
}

} // namespace

HelpText helpText(int id) {
    switch (id) {
    case 40:
        return about();
    case 41:
        return connecting();
    case 42:
        return formats();
    default:
        return shortcuts();
    }
}

} // namespace nimbrel::session
