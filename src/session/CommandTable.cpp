#include "session/CommandTable.h"

#include "printer/Counters.h"
#include "printer/PrinterOperations.h"

#include "session/BackupRoutines.h"
#include "session/HelpTexts.h"
#include "session/LanguageRoutines.h"
#include "session/LogoRoutines.h"
#include "session/MarkRoutines.h"
#include "session/PortRoutines.h"
#include "session/PrinterRoutines.h"
#include "session/Session.h"
#include "session/ViewRoutines.h"

namespace nimbrel::session {

namespace {

using C = CommandId;
using P = PortRule;
using M = Menu;

// The printer commands take the context; the logo commands also the logo and the folder.
template <void (*F)(Context&)> void printer(Session& s) {
    auto ctx = s.context();
    F(ctx);
}

// A printer query with a report: one operation and one report builder make the command.
template <link::ExchangeResult (*Read)(link::Line&), QString (*Build)(const QByteArray&)>
void query(Session& s) {
    auto ctx = s.context();
    showQuery(ctx, Read, Build);
}

template <void (*F)(Context&, marks::MarkState&, const QString&)> void markFile(Session& s) {
    auto ctx = s.context();
    F(ctx, s.marks, s.workingFolder);
}

template <void (*F)(Context&, marks::MarkState&)> void markTransfer(Session& s) {
    auto ctx = s.context();
    F(ctx, s.marks);
}

// Whatever a logo command does to the logo (a load, a resize, a part opened after a save) is
// one step to undo; a command that changes no dot records nothing.
template <void (*F)(LogoContext&)> void logo(Session& s) {
    Context link = s.context();
    LogoContext ctx{link, s.logos, s.workingFolder};
    s.logoUndo.begin(s.logos);
    F(ctx);
    s.logoUndo.end(s.logos);
    s.shell.notify();
}

// The backup commands start their folder dialogs in the working folder.
template <void (*F)(Context&, const QString&)> void inFolder(Session& s) {
    auto ctx = s.context();
    F(ctx, s.workingFolder);
}

template <C Id> void help(Session& s) {
    const HelpText text = helpText(idNumber(Id));
    s.dialogs.message(text.title, text.text, text.kind);
}

template <platform::Language L> void language(Session& s) {
    chooseLanguage(s, L);
}

template <C Id> void lineSettings(Session& s) {
    auto ctx = s.context();
    changeLineSettings(ctx, idNumber(Id));
}

void writeFragmentOfMark(Session& s) {
    auto ctx = s.context();
    writeFragment(ctx, s.marks);
}

std::vector<CommandRow> build() {
    return {
        {.id = C::OpenPort,
         .menu = M::Connection,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)"),
         .startEnabled = true,
         .port = P::OnWhenClosed,
         .routine = connect},
        {.id = C::ClosePort,
         .menu = M::Connection,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЗАКРЫТЬ COM-ПОРТ"),
         .port = P::OnWhenOpen,
         .routine = printer<closePort>},
        {.id = C::Line115200,
         .menu = M::LineSettings,
         .menuText = "115200,N,8,1",
         .startEnabled = true,
         .startChecked = true,
         .routine = lineSettings<C::Line115200>},
        {.id = C::Line57600,
         .menu = M::LineSettings,
         .menuText = "57600,N,8,1",
         .routine = lineSettings<C::Line57600>},
        {.id = C::Line38400,
         .menu = M::LineSettings,
         .menuText = "38400,N,8,1",
         .routine = lineSettings<C::Line38400>},
        {.id = C::Line28800,
         .menu = M::LineSettings,
         .menuText = "28800,N,8,1",
         .routine = lineSettings<C::Line28800>},
        {.id = C::Line19200,
         .menu = M::LineSettings,
         .menuText = "19200,N,8,1",
         .routine = lineSettings<C::Line19200>},
        {.id = C::Line14400,
         .menu = M::LineSettings,
         .menuText = "14400,N,8,1",
         .routine = lineSettings<C::Line14400>},
        {.id = C::Line9600,
         .menu = M::LineSettings,
         .menuText = "9600,N,8,1",
         .routine = lineSettings<C::Line9600>},
        {.id = C::Version,
         .menu = M::PrinterSettings,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Версия Системы Печати Маркиратора"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<showVersion>},
        {.id = C::SetClock,
         .menu = M::PrinterSettings,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Установка Часов (Дата+Время)"),
         .guarded = true,
         .routine = printer<setPrinterClock>},
        {.id = C::SetDateOffset,
         .menu = M::PrinterSettings,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Установка Смешения Даты (дней)"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<setDateOffset>},
        {.id = C::SetLineCount,
         .menu = M::PrinterSettings,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Установка Числа Текстовых Строк"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<setLineCount>},
        {.id = C::PrintModeReport,
         .menu = M::PrinterSettings,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ИНФО: Уставки Режима Печати"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<showPrintModeReport>},
        {.id = C::SettingsReport,
         .menu = M::PrinterSettings,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ\t(Ctrl+U)"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<showSettingsReport>},
        {.id = C::WorkingHours,
         .menu = M::PrinterSettings,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ИНФО: Время работы Маркиратора"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = query<printer::readWorkingHours, printer::workingHoursText>},
        {.id = C::PrintedCount,
         .menu = M::PrinterSettings,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ИНФО: Число отпечатанных марок"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = query<printer::readPrintedCount, printer::printedCountText>},
        {.id = C::Exit,
         .menu = M::Functions,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ВЫХОД (ЗАКРЫТЬ ПРОГРАММУ)"),
         .startEnabled = true},
        {.id = C::ShowMarkWindow,
         .menu = M::Functions,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ТЕКСТ МАРКИ\t(Ctrl+M)"),
         .startEnabled = true,
         .routine = showMarkWindow},
        {.id = C::ShowGraphicsWindow,
         .menu = M::Functions,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ГРАФИКА\t(Ctrl+G)"),
         .startEnabled = true,
         .routine = showGraphicsWindow},
        {.id = C::BackUpPrinter,
         .menu = M::Functions,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Резервная Копия Маркиратора..."),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = inFolder<backUpPrinter>},
        {.id = C::RestorePrinter,
         .menu = M::Functions,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Восстановить Маркиратор из Копии..."),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = inFolder<restorePrinter>},

        {.id = C::NewMark,
         .menu = M::Mark,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Создать Новую Марку"),
         .startEnabled = true,
         .routine = markFile<newMark>},
        {.id = C::OpenMark,
         .menu = M::Mark,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Открыть Файл Марки"),
         .startEnabled = true,
         .routine = markFile<openMarkFile>},
        {.id = C::SaveMarkChanges,
         .menu = M::Mark,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Сохранить Изменения"),
         .routine = markFile<saveMarkChanges>},
        {.id = C::SaveMarkAs,
         .menu = M::Mark,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Сохранить Марку как..."),
         .routine = markFile<saveMarkAs>},
        {.id = C::ReadFragment,
         .menu = M::Mark,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Чтение фрагмента Текущей Марки"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<readFragment>},
        {.id = C::WriteFragment,
         .menu = M::Mark,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Записать Фрагмент в Текущую Марку"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = writeFragmentOfMark},
        {.id = C::ReadCurrentMark,
         .menu = M::Mark,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ"),
         .port = P::OnWhenOpen,
         .routine = markTransfer<readCurrentMark>},
        {.id = C::ReadMark,
         .menu = M::Mark,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЧТЕНИЕ МАРКИ #00..85"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = markTransfer<readNumberedMark>},
        {.id = C::WriteMark,
         .menu = M::Mark,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЗАПИСАТЬ МАРКУ В МАРКИРАТОР..."),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = markTransfer<writeMark>},
        {.id = C::MarkArea,
         .menu = M::Mark,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Проверка Области Текстовых Марок"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<showMarkAreaReport>},

        {.id = C::NewLogo,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Создать Новый Логотип"),
         .startEnabled = true,
         .routine = logo<newLogo>},
        {.id = C::OpenLogo,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Открыть Файл Логотипа"),
         .startEnabled = true,
         .routine = logo<openLogoFile>},
        {.id = C::SaveLogoChanges,
         .menu = M::Graphics,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Сохранить изменение в файле")},
        {.id = C::SaveLogoAs,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Сохранить Логотип как.."),
         .startEnabled = true,
         .routine = logo<saveLogoAs>},
        {.id = C::ReadLogo,
         .menu = M::Graphics,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Чтение Логотипа из Маркиратора"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = logo<readLogo>},
        {.id = C::WriteLogo,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Записать Логотип в Маркиратор"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = logo<writeLogo>},
        {.id = C::DeleteLogo,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Удалить Логотип.."),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = logo<deleteLogo>},
        {.id = C::ReadBitmap,
         .menu = M::Graphics,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЧТЕНИЕ БИТ-КАРТЫ ТЕКУЩЕЙ МАРКИ"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = logo<readCurrentMarkBitmap>},
        {.id = C::WriteGraphicMark,
         .menu = M::Graphics,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "ЗАПИСАТЬ ГРАФИЧЕСКУЮ МАРКУ"),
         .port = P::OffWhenClosed},
        {.id = C::LogoArea,
         .menu = M::Graphics,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Проверка Графической Области"),
         .guarded = true,
         .port = P::OnWhenOpen,
         .routine = printer<showLogoAreaReport>},

        {.id = C::LogoWidth,
         .menu = M::Editor,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Изменить X-размер"),
         .startEnabled = true,
         .routine = logo<changeLogoWidth>},
        {.id = C::LogoHeight,
         .menu = M::Editor,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Изменить Y-размер"),
         .startEnabled = true,
         .routine = logo<changeLogoHeight>},
        {.id = C::InvertLogo,
         .menu = M::Editor,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Инверсия Цвета"),
         .startEnabled = true,
         .routine = logo<invertLogoCommand>},
        {.id = C::ClearLogo,
         .menu = M::Editor,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Очистка Область Редактирования"),
         .startEnabled = true,
         .routine = logo<clearEditingAreaCommand>},
        {.id = C::CountDots,
         .menu = M::Editor,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Инфо: Число активных капель в бит-карте"),
         .startEnabled = true,
         .routine = logo<countActiveDropsCommand>},

        {.id = C::HelpAbout,
         .menu = M::Help,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Сведения о Программе"),
         .startEnabled = true,
         .routine = help<C::HelpAbout>},
        {.id = C::HelpConnection,
         .menu = M::Help,
         .separatorBefore = true,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Подключение Компьютера к Маркиратору"),
         .startEnabled = true,
         .routine = help<C::HelpConnection>},
        {.id = C::HelpShortcuts,
         .menu = M::Help,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Быстрые команды"),
         .startEnabled = true,
         .routine = help<C::HelpShortcuts>},
        {.id = C::HelpFormats,
         .menu = M::Help,
         .menuText = QT_TRANSLATE_NOOP("CommandTable", "Используемые Форматы Графики"),
         .startEnabled = true,
         .routine = help<C::HelpFormats>},
        // Each language by its own name, whichever is in use.
        {.id = C::LanguageRussian,
         .menu = M::Language,
         .menuText = "Русский",
         .startEnabled = true,
         .routine = language<platform::Language::Russian>},
        {.id = C::LanguageEnglish,
         .menu = M::Language,
         .menuText = "English",
         .startEnabled = true,
         .routine = language<platform::Language::English>},

        {.id = C::GraphicsViewKey, .startEnabled = true, .routine = graphicsViewKey},
        {.id = C::MarkViewKey, .startEnabled = true, .routine = markViewKey},
        {.id = C::ConnectKey, .startEnabled = true, .routine = connect},
        {.id = C::ExitKey, .startEnabled = true},
        {.id = C::SettingsReportKey,
         .startEnabled = true,
         .guarded = true,
         .routine = printer<showSettingsReport>},
    };
}

} // namespace

const std::vector<CommandRow>& commandTable() {
    static const std::vector<CommandRow> table = build();
    return table;
}

const CommandRow* findCommand(int id) {
    for (const CommandRow& row : commandTable())
        if (idNumber(row.id) == id)
            return &row;
    return nullptr;
}

} // namespace nimbrel::session
