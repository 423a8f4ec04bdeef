#include "DialogTestSupport.h"
#include "app/ExchangeWorker.h"
#include "app/ProgressBox.h"

#include <QFontInfo>

#include <algorithm>
#include <optional>

using namespace nimbrel::app;
using namespace nimbrel::app::dialogtest;

namespace {

// What a common window manager needs for a whole title: the title in DejaVu Sans Bold at
// 11 pixels, and its three buttons on a 24-pixel bar with 40 pixels of margins.
int neededWidth(const QString& title) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 3 * 24 + 40;
}

enum class Box { Message, Requester, Question, Input, Progress };

struct Title {
    Box box;
    const char* title;
    int seenNeeded = 0; // what that window manager was seen to need, where measured
};

// Every title the program shows, in the box it shows it in.
const Title kTitles[] = {
    {Box::Message, "ОШИБКА"},
    {Box::Message, "СООБЩЕНИЕ СИСТЕМЫ"},
    {Box::Message, "ЗАВЕРШЕНИЕ РАБОТЫ", 256},
    {Box::Message, "Информация Системы Печати", 304},
    {Box::Message, "Изменение Печатной Марки"},
    {Box::Message, "Информация"},
    {Box::Message, "Information"},
    {Box::Message, "ПРЕДУПРЕЖДЕНИЕ"},
    {Box::Message, "МАРКА #85"},
    {Box::Message, "ПРОСМОТР БИТ-КАРТЫ МАРКИ "},
    {Box::Message, "ПУСТОЙ ЛОГОТИП"},
    {Box::Message, "Параметры Марки"},
    {Box::Message, "Преобразование завершено"},
    {Box::Message, "Преобразование файла завершено"},
    {Box::Message, "СМЕЩЕНИЕ ДАТЫ"},
    {Box::Message, "Установка Часов Маркиратора"},
    {Box::Message, "RECEIVE PRINTER LOGO"},
    {Box::Message, "Load LOGO from Inkovar"},
    {Box::Message, "Logo#255 Data Error"},
    {Box::Message, "Запись Логотипа в Маркиратор"},
    {Box::Message, "Удаление Логотипа Маркиратора"},
    {Box::Message, "Программа 'Nimbrel 5.0'"},
    {Box::Message, "ПОДКЛЮЧЕНИЕ ПК К МАРКИРАТОРУ"},
    {Box::Message, "Форматы Графических Файлов для Маркиратора"},
    {Box::Message, "КОМАНДЫ БЫСТРОГО ДОСТУПА"},
    {Box::Message, "Резервная Копия Маркиратора"},
    {Box::Message, "Восстановление Маркиратора"},
    {Box::Requester, "Установка Смещения Даты (ПостДата)"},
    {Box::Requester, "Чтение Фрагмента Марки"},
    {Box::Requester, "Read Printer LOGO#"},
    {Box::Requester, "Запись Логотипа в Маркиратор"},
    {Box::Requester, "Удаление Логотипа Маркиратора"},
    {Box::Requester, "Чтение Текстовой Марки из Маркиратора"},
    {Box::Requester, "ЗАПИСЬ В МАРКИРАТОР"},
    {Box::Requester, "СОЗДАНИЕ НОВОГО ЛОГОТИПА"},
    {Box::Question, "Установка Часов Маркиратора"},
    {Box::Question, "НАСТРОЙКА МАРКИРАТОРА  T260"},
    {Box::Question, "Изменение Размеров Логотипа"},
    {Box::Input, "Открыть СОМ-порт"},
    {Box::Progress, "Резервная Копия Маркиратора"},
    {Box::Progress, "Восстановление Маркиратора"},
};

TEST(Titles, EveryTitleReadsWholeUnderACommonWindowManager) {
    QFont dejaVu(QStringLiteral("DejaVu Sans"));
    dejaVu.setPixelSize(11);
    ASSERT_EQ(QFontInfo(dejaVu).family(), QStringLiteral("DejaVu Sans"));
    QtDialogs dialogs(nullptr);
    ExchangeWorker worker;
    ProgressBox progress(worker, nullptr);
    dialogs.questionSound = [] {};
    for (const Title& row : kTitles) {
        const QString title = u(row.title);
        int width = 0;
        // The progress box is shown, not run: it waits for no answer.
        std::optional<OnNextModal> driver;
        if (row.box != Box::Progress)
            driver.emplace([&width](QDialog* d) {
                width = d->width();
                d->done(0);
            });
        switch (row.box) {
        case Box::Message:
            dialogs.message(title, u("Текст"), 4);
            break;
        case Box::Requester:
            dialogs.requester(title, u("Введите Номер:"), "0");
            break;
        case Box::Question:
            dialogs.questionDialog(title, u("Введите:"), "0");
            break;
        case Box::Input:
            dialogs.inputDialog(title, "COM3:\t9600,n,8,1\t\tx\n", u("Номер"), "1");
            break;
        case Box::Progress:
            progress.begin(title, 86);
            progress.next(23, u("Марка #23 из 86"));
            width = progress.dialog()->width();
            progress.end();
            break;
        }
        EXPECT_GE(width, std::max(neededWidth(title), row.seenNeeded)) << row.title;
    }
}

} // namespace
