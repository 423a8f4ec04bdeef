#include "session/HelpTexts.h"

#include <QScopeGuard>

#include <gtest/gtest.h>

using nimbrel::session::helpText;

namespace {

TEST(HelpTexts, TitlesAndKinds) {
    EXPECT_EQ(helpText(40).title, QStringLiteral("Программа 'Nimbrel 5.0'"));
    EXPECT_EQ(helpText(40).kind, 64);
    EXPECT_EQ(helpText(41).title, QStringLiteral("ПОДКЛЮЧЕНИЕ ПК К МАРКИРАТОРУ"));
    EXPECT_EQ(helpText(41).kind, 64);
    EXPECT_EQ(helpText(42).title, QStringLiteral("Форматы Графических Файлов для Маркиратора"));
    EXPECT_EQ(helpText(42).kind, 0);
    EXPECT_EQ(helpText(43).title, QStringLiteral("КОМАНДЫ БЫСТРОГО ДОСТУПА"));
    EXPECT_EQ(helpText(43).kind, 64);
}

TEST(HelpTexts, ShortcutsListExactlyTheFiveShortcuts) {
    EXPECT_EQ(helpText(43).text, QStringLiteral("<CTRL+C>\tПодключение к Маркиратору\n\r"
                                                "<CTRL+G>\tГРАФИКА\n\r"
                                                "<CTRL+M>\tМАРКА\n\r"
                                                "<CTRL+U>\tУставки Системы Печати\n\r"
                                                "<CTRL+Q>\tВыход"));
}

QString connectingWindowsText() {
    return QStringLiteral(
        "1. ВЫКЛЮЧИТЕ ПИТАНИЕ МАРКИРАТОРА!\n\r"
        "2. Подключите соединительный кабель к ПК и маркиратору\n\r"
        "    НЕОБХОДИМ КАБЕЛЬ ТИПА 'Z-МОДЕМ'!\n\r"
        "3. Проверьте установки порта для выбранного \u0421\u041E\u041C-порта\n\r"
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
        "ПРИМЕЧАНИЕ:  В современных ноутбуках и нетбуках \u0421\u041E\u041C-порт\n\r"
        "отсутствует. В этом случае потребуется переходник USB<>COM.");
}

// Starts with the text every system shows, unchanged.
TEST(HelpTexts, ConnectingTheComputer) {
    const QString expected = connectingWindowsText();
    EXPECT_EQ(helpText(41).text.left(expected.size()), expected);
}

// On Linux a paragraph follows, after an empty line, naming the real virtual-port folder.
TEST(HelpTexts, ConnectingTheComputerOnLinuxAddsDevicesFolderAndGroup) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&] {
        if (wasSet)
            qputenv("XDG_RUNTIME_DIR", saved);
        else
            qunsetenv("XDG_RUNTIME_DIR");
    });
    qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
    const QString paragraph =
        QStringLiteral("\n\r\n\r"
                       "LINUX: номера COM-портов даются устройствам так:\n\r"
                       "\t/dev/ttyS0, /dev/ttyS1 ...\t>> COM1, COM2 ...\n\r"
                       "\t/dev/ttyUSB0, /dev/ttyUSB1 ...\t>> COM33, COM34 ...\n\r"
                       "\t/dev/ttyACM0, /dev/ttyACM1 ...\t>> COM65, COM66 ...\n\r"
                       "\tдругие устройства\t>> COM97 и далее\n\r"
                       "Ссылка COMn в папке виртуальных портов дает номер n\n\r"
                       "любому устройству (там же регистрируется симулятор):\n\r"
                       "\t/run/user/1000/nimbrel/ports\n\r"
                       "Если порт не открывается из-за прав доступа, добавьте\n\r"
                       "пользователя в группу 'dialout' и войдите в систему заново:\n\r"
                       "\tsudo usermod -aG dialout $USER");
    EXPECT_EQ(helpText(41).text, connectingWindowsText() + paragraph);
}

TEST(HelpTexts, AboutStartsWithTheFixedLinesAndHasNoFinalBreak) {
    const QString text = helpText(40).text;
    EXPECT_TRUE(text.startsWith(
        QStringLiteral("   Программа предназначена для выполнения операций с \n\r"
                       "текстовыми марками и логотипами для маркираторов 'ЗОЛМ'\n\r"
                       "(только для моделей 'T236/T260/T736/T760/T936/T960').\n\r\n\r"
                       "ВЕРСИЯ:   Nimbrel  5.0  для ОС 'Windows XP/Vista/Win7/Win8'.\n\r\n\r")));
    EXPECT_EQ(text.count(QStringLiteral("\n\r")), 7);
    EXPECT_FALSE(text.endsWith(QLatin1Char('\r')));
}

TEST(HelpTexts, FormatsHaveThreeParagraphsAndTheSizeLimits) {
    const QString text = helpText(42).text;
    EXPECT_TRUE(text.startsWith(QStringLiteral("ФОРМАТ 'BMP' ( ГРАФИЧЕСКИЙ ФАЙЛ )\n\r")));
    EXPECT_EQ(text.count(QStringLiteral("\n\r\n\r")), 2);
    EXPECT_EQ(
        text.count(QStringLiteral("(для Y=32 значение X=1..63, для Y=16 значение X=1..126).")), 2);
    EXPECT_TRUE(
        text.contains(QStringLiteral("ограничение максимального размера данных до 252 байт\n\r")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("несколько файлов '*.BIN'  (предлагается при открытии файла).\n\r")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("имеющие ОПЦИЮ прямой печати графической марки.")));
}

} // namespace
