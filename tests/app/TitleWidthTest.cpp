#include "DialogTestSupport.h"
#include "app/ExchangeWorker.h"
#include "app/ProgressBox.h"

#include "platform/Language.h"
#include "printer/LineCount.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QRegularExpression>

#include <algorithm>
#include <optional>
#include <vector>

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
    const char* context = nullptr; // where the program translates it
    const char* source = nullptr;
    const char* arg = nullptr;   // for the %1 in it
    int seenNeeded = 0;          // what that window manager was seen to need, where measured
    QString (*made)() = nullptr; // a title another layer makes, instead of context and source
};

// Every title the program shows, in the box it shows it in.
const Title kTitles[] = {
    {Box::Message, "Talk", "ОШИБКА"},
    {Box::Message, "PortRoutines", "СООБЩЕНИЕ СИСТЕМЫ"},
    {Box::Message, "Dispatcher", "ЗАВЕРШЕНИЕ РАБОТЫ", nullptr, 256},
    {Box::Message, "PrinterRoutines", "Информация Системы Печати", nullptr, 304},
    {Box::Message, "FragmentRoutines", "Изменение Печатной Марки"},
    {Box::Message, "LogoFileRoutines", "Информация"},
    {Box::Message, "LogoEditorRoutines", "Information"},
    {Box::Message, "MarkFileRoutines", "ПРЕДУПРЕЖДЕНИЕ"},
    {Box::Message, "MarkTransferRoutines", "МАРКА #%1", "85"},
    {Box::Message, "LogoTransferRoutines", "ПРОСМОТР БИТ-КАРТЫ МАРКИ "},
    {Box::Message, "LogoFileRoutines", "ПУСТОЙ ЛОГОТИП"},
    {Box::Message, "LogoEditorRoutines", "Параметры Марки"},
    {Box::Message, "SplitRoutines", "Преобразование завершено"},
    {Box::Message, "SplitRoutines", "Преобразование файла завершено"},
    {Box::Message, "SettingRoutines", "СМЕЩЕНИЕ ДАТЫ"},
    {Box::Message, "SettingRoutines", "Установка Часов Маркиратора"},
    {Box::Message, "LogoTransferRoutines", "RECEIVE PRINTER LOGO"},
    {Box::Message, "LogoTransferRoutines", "Load LOGO from Inkovar"},
    {Box::Message, "LogoTransferRoutines", "Logo#%1 Data Error", "255"},
    {Box::Message, "LogoTransferRoutines", "Запись Логотипа в Маркиратор"},
    {Box::Message, "LogoTransferRoutines", "Удаление Логотипа Маркиратора"},
    {Box::Message, "HelpTexts", "Программа 'Nimbrel 5.0'"},
    {Box::Message, "HelpTexts", "ПОДКЛЮЧЕНИЕ ПК К МАРКИРАТОРУ"},
    {Box::Message, "HelpTexts", "Форматы Графических Файлов для Маркиратора"},
    {Box::Message, "HelpTexts", "КОМАНДЫ БЫСТРОГО ДОСТУПА"},
    {Box::Message, "BackupRoutines", "Резервная Копия Маркиратора"},
    {Box::Message, "BackupRoutines", "Восстановление Маркиратора"},
    {Box::Requester, "SettingRoutines", "Установка Смещения Даты (ПостДата)"},
    {Box::Requester, "FragmentRoutines", "Чтение Фрагмента Марки"},
    {Box::Requester, "LogoTransferRoutines", "Read Printer LOGO#"},
    {Box::Requester, "LogoTransferRoutines", "Запись Логотипа в Маркиратор"},
    {Box::Requester, "LogoTransferRoutines", "Удаление Логотипа Маркиратора"},
    {Box::Requester, "MarkTransferRoutines", "Чтение Текстовой Марки из Маркиратора"},
    {Box::Requester, "MarkTransferRoutines", "ЗАПИСЬ В МАРКИРАТОР"},
    {Box::Requester, "LogoEditorRoutines", "СОЗДАНИЕ НОВОГО ЛОГОТИПА"},
    {Box::Question, "SettingRoutines", "Установка Часов Маркиратора"},
    {.box = Box::Question,
     .made = [] { return nimbrel::printer::lineCountTitle(QStringLiteral("T260")); }},
    {Box::Question, "LogoEditorRoutines", "Изменение Размеров Логотипа"},
    {Box::Input, "PortRoutines", "Открыть СОМ-порт"},
    {Box::Progress, "BackupRoutines", "Резервная Копия Маркиратора"},
    {Box::Progress, "BackupRoutines", "Восстановление Маркиратора"},
};

QString shown(const Title& row) {
    if (row.made)
        return row.made();
    const QString title = QCoreApplication::translate(row.context, row.source);
    return row.arg ? title.arg(u(row.arg)) : title;
}

// The titles in Russian, then in English; Russian again afterwards, whatever happened.
struct BothLanguages {
    ~BothLanguages() { nimbrel::platform::useLanguage(nimbrel::platform::Language::Russian); }
    std::vector<nimbrel::platform::Language> all{nimbrel::platform::Language::Russian,
                                                 nimbrel::platform::Language::English};
};

TEST(Titles, EveryTitleReadsWholeUnderACommonWindowManager) {
    QFont dejaVu(QStringLiteral("DejaVu Sans"));
    dejaVu.setPixelSize(11);
    ASSERT_EQ(QFontInfo(dejaVu).family(), QStringLiteral("DejaVu Sans"));
    QtDialogs dialogs(nullptr);
    ExchangeWorker worker;
    ProgressBox progress(worker, nullptr);
    dialogs.questionSound = [] {};
    BothLanguages languages;
    for (const auto language : languages.all) {
        ASSERT_TRUE(nimbrel::platform::useLanguage(language));
        const bool russian = language == nimbrel::platform::Language::Russian;
        for (const Title& row : kTitles) {
            const QString title = shown(row);
            // A row in the wrong context would measure the Russian title twice.
            if (!russian && !row.made) {
                EXPECT_FALSE(title.contains(QRegularExpression(QStringLiteral("[А-Яа-я]"))))
                    << row.source;
            }
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
            EXPECT_GE(width, std::max(neededWidth(title), russian ? row.seenNeeded : 0))
                << title.toStdString();
        }
    }
}

} // namespace
