#include "printer/PrintModeReport.h"
#include "PrinterTestSupport.h"

namespace nimbrel::testing {
namespace {

struct PrintModeCase {
    const char* name;
    QByteArray reply;
    int xpFlag;
    std::vector<const char16_t*> lines;
};

class PrintModeReportTest : public ::testing::TestWithParam<PrintModeCase> {};

TEST_P(PrintModeReportTest, EightSwitches) {
    const auto& c = GetParam();
    QString expected = u(u"ТЕКУЩИЕ УСТАВКИ РЕЖИМА ПЕЧАТИ:\r\n\n");
    for (const char16_t* line : c.lines)
        expected += u(line);
    expectSameText(printer::buildPrintModeReport(c.reply, c.xpFlag), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, PrintModeReportTest,
    ::testing::Values(
        PrintModeCase{
            "AllSet",
            bytes({0x00, 0xFF}),
            0,
            {u"Коррекция вертикальных линий\tДА\n\r", u"Реверс печати\t\t\tДА\n\r",
             u"Вертикальный переворот\t\tДА\n\r", u"Автоповтор Печати Марки\t\tДА\n\r",
             u"Синхронизация от ТахоДатчика\tДА\n\r", u"Задержка от ТахоДатчика\t\tДА\n\r",
             u"АвтоУстановка Порога Теста\t\tнет\n\r", u"Автоматическое Фазирование\t\tнет\n\r"}},
        PrintModeCase{
            "AllClear",
            bytes({0x4D, 0x00}),
            0,
            {u"Коррекция вертикальных линий\tнет\n\r", u"Реверс печати\t\t\tнет\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tнет\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tнет\n\r",
             u"АвтоУстановка Порога Теста\t\tДА\n\r", u"Автоматическое Фазирование\t\tДА\n\r"}},
        PrintModeCase{
            "OnlyBit7",
            bytes({0xFF, 0x80}),
            0,
            {u"Коррекция вертикальных линий\tДА\n\r", u"Реверс печати\t\t\tнет\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tнет\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tнет\n\r",
             u"АвтоУстановка Порога Теста\t\tДА\n\r", u"Автоматическое Фазирование\t\tДА\n\r"}},
        PrintModeCase{
            "BitOrder",
            bytes({0x00, 0x55}),
            0,
            {u"Коррекция вертикальных линий\tнет\n\r", u"Реверс печати\t\t\tДА\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tДА\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tДА\n\r",
             u"АвтоУстановка Порога Теста\t\tДА\n\r", u"Автоматическое Фазирование\t\tнет\n\r"}},
        PrintModeCase{
            "SingleByteReplyIsAllClear",
            bytes({0xFF}),
            0,
            {u"Коррекция вертикальных линий\tнет\n\r", u"Реверс печати\t\t\tнет\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tнет\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tнет\n\r",
             u"АвтоУстановка Порога Теста\t\tДА\n\r", u"Автоматическое Фазирование\t\tДА\n\r"}},
        PrintModeCase{"XpAllSet",
                      bytes({0x00, 0xFF}),
                      1,
                      {u"Коррекция вертикальных линий\tДА\n\r", u"Реверс печати\t\t\tДА\n\r",
                       u"Вертикальный переворот\t\tДА\n\r", u"Автоповтор Печати Марки\t\tДА\n\r",
                       u"Синхронизация от ТахоДатчика\tДА\n\r",
                       u"Задержка от ТахоДатчика\t\tДА\n\r", u"АвтоУстановка Порога Теста\tнет\n\r",
                       u"Автоматическое Фазирование\tнет  \n\r"}},
        PrintModeCase{
            "XpBit1Only",
            bytes({0x00, 0x02}),
            1,
            {u"Коррекция вертикальных линий\tнет\n\r", u"Реверс печати\t\t\tнет\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tнет\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tнет\n\r",
             u"АвтоУстановка Порога Теста\tнет\n\r", u"Автоматическое Фазирование\tДА  \n\r"}},
        PrintModeCase{
            "NonXpKindTwo",
            bytes({0x00, 0x01}),
            2,
            {u"Коррекция вертикальных линий\tнет\n\r", u"Реверс печати\t\t\tнет\n\r",
             u"Вертикальный переворот\t\tнет\n\r", u"Автоповтор Печати Марки\t\tнет\n\r",
             u"Синхронизация от ТахоДатчика\tнет\n\r", u"Задержка от ТахоДатчика\t\tнет\n\r",
             u"АвтоУстановка Порога Теста\t\tДА\n\r", u"Автоматическое Фазирование\t\tнет\n\r"}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
