#include "session/CommandTable.h"

#include "session/HelpTexts.h"
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

// The printer commands take the context; the logo commands also the logo and the folder.
template <void (*F)(Context&)> void printer(Session& s) {
    auto ctx = s.context();
    F(ctx);
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

template <C Id> void help(Session& s) {
    const HelpText text = helpText(idNumber(Id));
    s.dialogs.message(text.title, text.text, text.kind);
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
        {C::OpenPort, "ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)", true, false, false, P::OnWhenClosed, connect},
        {C::ClosePort, "ЗАКРЫТЬ COM-ПОРТ", false, false, false, P::OnWhenOpen, printer<closePort>},
        {C::Line115200, "115200,N,8,1", true, true, false, P::None, lineSettings<C::Line115200>},
        {C::Line57600, "57600,N,8,1", false, false, false, P::None, lineSettings<C::Line57600>},
        {C::Line38400, "38400,N,8,1", false, false, false, P::None, lineSettings<C::Line38400>},
        {C::Line28800, "28800,N,8,1", false, false, false, P::None, lineSettings<C::Line28800>},
        {C::Line19200, "19200,N,8,1", false, false, false, P::None, lineSettings<C::Line19200>},
        {C::Line14400, "14400,N,8,1", false, false, false, P::None, lineSettings<C::Line14400>},
        {C::Line9600, "9600,N,8,1", false, false, false, P::None, lineSettings<C::Line9600>},
        {C::Version, "Версия Системы Печати Маркиратора", false, false, true, P::OnWhenOpen,
         printer<showVersion>},
        {C::SetClock, "Установка Часов (Дата+Время)", false, false, true, P::None,
         printer<setPrinterClock>},
        {C::SetDateOffset, "Установка Смешения Даты (дней)", false, false, true, P::OnWhenOpen,
         printer<setDateOffset>},
        {C::SetLineCount, "Установка Числа Текстовых Строк", false, false, true, P::OnWhenOpen,
         printer<setLineCount>},
        {C::PrintModeReport, "ИНФО: Уставки Режима Печати", false, false, true, P::OnWhenOpen,
         printer<showPrintModeReport>},
        {C::SettingsReport, "ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ\t(Ctrl+U)", false, false, true,
         P::OnWhenOpen, printer<showSettingsReport>},
        {C::WorkingHours, "ИНФО: Время работы Маркиратора", false, false, true, P::OnWhenOpen,
         printer<showWorkingHours>},
        {C::PrintedCount, "ИНФО: Число отпечатанных марок", false, false, true, P::OnWhenOpen,
         printer<showPrintedCount>},
        {C::Exit, "ВЫХОД (ЗАКРЫТЬ ПРОГРАММУ)", true, false, false, P::None, nullptr},
        {C::ShowMarkWindow, "ТЕКСТ МАРКИ\t(Ctrl+M)", true, false, false, P::None, showMarkWindow},
        {C::ShowGraphicsWindow, "ГРАФИКА\t(Ctrl+G)", true, false, false, P::None,
         showGraphicsWindow},

        {C::NewMark, "Создать Новую Марку", true, false, false, P::None, markFile<newMark>},
        {C::OpenMark, "Открыть Файл Марки", true, false, false, P::None, markFile<openMarkFile>},
        {C::SaveMarkChanges, "Сохранить Изменения", false, false, false, P::None,
         markFile<saveMarkChanges>},
        {C::SaveMarkAs, "Сохранить Марку как...", false, false, false, P::None,
         markFile<saveMarkAs>},
        {C::ReadFragment, "Чтение фрагмента Текущей Марки", false, false, true, P::OnWhenOpen,
         printer<readFragment>},
        {C::WriteFragment, "Записать Фрагмент в Текущую Марку", false, false, true, P::OnWhenOpen,
         writeFragmentOfMark},
        {C::ReadCurrentMark, "ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ", false, false, false, P::OnWhenOpen,
         markTransfer<readCurrentMark>},
        {C::ReadMark, "ЧТЕНИЕ МАРКИ #00..85", false, false, true, P::OnWhenOpen,
         markTransfer<readNumberedMark>},
        {C::WriteMark, "ЗАПИСАТЬ МАРКУ В МАРКИРАТОР...", false, false, true, P::OnWhenOpen,
         markTransfer<writeMark>},
        {C::MarkArea, "Проверка Области Текстовых Марок", false, false, true, P::OnWhenOpen,
         printer<showMarkAreaReport>},

        {C::NewLogo, "Создать Новый Логотип", true, false, false, P::None, logo<newLogo>},
        {C::OpenLogo, "Открыть Файл Логотипа", true, false, false, P::None, logo<openLogoFile>},
        {C::SaveLogoChanges, "Сохранить изменение в файле", false, false, false, P::None, nullptr},
        {C::SaveLogoAs, "Сохранить Логотип как..", true, false, false, P::None, logo<saveLogoAs>},
        {C::ReadLogo, "Чтение Логотипа из Маркиратора", false, false, true, P::OnWhenOpen,
         logo<readLogo>},
        {C::WriteLogo, "Записать Логотип в Маркиратор", false, false, true, P::OnWhenOpen,
         logo<writeLogo>},
        {C::DeleteLogo, "Удалить Логотип..", false, false, true, P::OnWhenOpen, logo<deleteLogo>},
        {C::ReadBitmap, "ЧТЕНИЕ БИТ-КАРТЫ ТЕКУЩЕЙ МАРКИ", false, false, true, P::OnWhenOpen,
         logo<readCurrentMarkBitmap>},
        {C::WriteGraphicMark, "ЗАПИСАТЬ ГРАФИЧЕСКУЮ МАРКУ", false, false, false, P::OffWhenClosed,
         nullptr},
        {C::LogoArea, "Проверка Графической Области", false, false, true, P::OnWhenOpen,
         printer<showLogoAreaReport>},

        {C::LogoWidth, "Изменить X-размер", true, false, false, P::None, logo<changeLogoWidth>},
        {C::LogoHeight, "Изменить Y-размер", true, false, false, P::None, logo<changeLogoHeight>},
        {C::InvertLogo, "Инверсия Цвета", true, false, false, P::None, logo<invertLogoCommand>},
        {C::ClearLogo, "Очистка Область Редактирования", true, false, false, P::None,
         logo<clearEditingAreaCommand>},
        {C::CountDots, "Инфо: Число активных капель в бит-карте", true, false, false, P::None,
         logo<countActiveDropsCommand>},

        {C::HelpAbout, "Сведения о Программе", true, false, false, P::None, help<C::HelpAbout>},
        {C::HelpConnection, "Подключение Компьютера к Маркиратору", true, false, false, P::None,
         help<C::HelpConnection>},
        {C::HelpShortcuts, "Быстрые команды", true, false, false, P::None, help<C::HelpShortcuts>},
        {C::HelpFormats, "Используемые Форматы Графики", true, false, false, P::None,
         help<C::HelpFormats>},

        {C::GraphicsViewKey, nullptr, true, false, false, P::None, graphicsViewKey},
        {C::MarkViewKey, nullptr, true, false, false, P::None, markViewKey},
        {C::ConnectKey, nullptr, true, false, false, P::None, connect},
        {C::ExitKey, nullptr, true, false, false, P::None, nullptr},
        {C::SettingsReportKey, nullptr, true, false, true, P::None, printer<showSettingsReport>},
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
