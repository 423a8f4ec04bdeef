#include "printer/SettingsReport.h"
#include "PrinterTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

// One report line as it reads with the XP layout flag off and on.
struct Line {
    const char16_t* off;
    const char16_t* on;
};

QString header(const QString& model) {
    return u(u"УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( ") + model + u(u" ) :\r\n\n");
}

QString assemble(const QString& model, const std::vector<Line>& lines, bool xp) {
    QString text = header(model);
    for (const auto& line : lines)
        text += u(xp ? line.on : line.off);
    return text;
}

// Distinct values at every offset the T7x/T9x report reads, 0xEE where it must not read.
QByteArray t7xReply() {
    QByteArray r(256, '\xEE');
    auto put = [&r](int offset, std::initializer_list<int> values) {
        for (int v : values)
            r[offset++] = static_cast<char>(v);
    };
    put(0, {0x06, 0x32, 0x00});              // 1-2: 50 -> 500 ms
    put(4, {17, 0x2C, 0x01, 0xFE, 0xFF, 3}); // 5-6: 300, 7-8: -2, 9: 8000/128
    put(11, {'A', 5, 12, 25});
    put(15, {12, 16, 24, 32, 8, 40}); // byte 16: bit 1 clear
    put(23, {7});
    put(28, {0x2D});
    put(30, {90, 3});
    put(33, {2});
    put(35, {44});
    put(41, {200, 201, 202, 203, 204, 205, 0x10, 0x27, 9}); // 47-48: 10000
    put(51, {60, 61, 62, 63, 64, 65, 100});
    put(61, {11, 12, 13});
    put(65, {'0', '0', '3', '0', 42, '6', 0xE8, 0x03}); // 71-72: 1000
    return r;
}

const std::vector<Line> kT7xHead = {
    {u"Интервал Автопечати по времени, мс\t500\n\r",
     u"Интервал Автопечати по времени, мс\t\t500\n\r"},
    {u"Коррекция заряда рабочих капель\t17\n\r", u"Коррекция заряда рабочих капель\t\t17\n\r"},
    {u"Задержка старта печати, мс\t\t300\n\r", u"Задержка старта печати, мс\t\t300\n\r"},
    {u"Задержка старта печати, импульсов\t-2\n\r", u"Задержка старта печати, импульсов\t\t-2\n\r"},
    {u"Частота каплеобразования\t\t62.50 кГц  \n\r",
     u"Частота каплеобразования\t\t\t62.50 кГц  \n\r"},
    {u"Уставки групповой печати:\n\r", u"Уставки групповой печати:\n\r"},
    {u"\t\tрежим печати\tA (включен)\n\r", u"\t\tрежим печати\tA (включен)\n\r"},
    {u"\t\tчисло марок\t5\n\r", u"\t\tчисло марок\t5\n\r"},
    {u"\t\tзадержка старта\t120 мсек\n\r", u"\t\tзадержка старта\t120 мсек\n\r"},
    {u"\t\tинтервал марок\t250 мсек\n\r", u"\t\tинтервал марок\t250 мсек\n\r"},
};
const Line kT7xVerticalFive = {u"Вертикальный размер Марки:\t\t12/16/24/32/8\n\r",
                               u"Вертикальный размер Марки:\t\t12/16/24/32/8\n\r"};
const Line kT7xVerticalSix = {u"Вертикальный размер Марки:\t\t12/16/24/32/8/40\n\r",
                              u"Вертикальный размер Марки:\t\t12/16/24/32/8/40\n\r"};
const std::vector<Line> kT7xMiddle = {
    {u"Замедление скорости печати (грубо)\t7\n\r", u"Замедление скорости печати (грубо)\t\t7\n\r"},
    {u"'Бегущей номер' (направление)\t-1\n\r", u"'Бегущей номер' (направление)\t\t-1\n\r"},
    {u"Заряд тестовых капель\t\t90\n\r", u"Заряд тестовых капель\t\t\t90\n\r"},
    {u"Число защитных капель\t\t3\n\r", u"Число защитных капель\t\t\t3\n\r"},
    {u"Число строк печати (х8, точек)\t2\n\r", u"Число строк печати (х8, точек)\t\t2\n\r"},
    {u"Порог тестирования фазы заряда\t44 (авто)\n\r",
     u"Порог тестирования фазы заряда\t\t44 (авто)\n\r"},
};
const Line kT7xVoltageFive = {u"Напряжение Генератора Капель:\t200/201/202/203/204\n\r",
                              u"Напряжение Генератора Капель:\t200/201/202/203/204\n\r"};
const Line kT7xVoltageSix = {u"Напряжение Генератора Капель:\t200/201/202/203/204/205\n\r",
                             u"Напряжение Генератора Капель:\t200/201/202/203/204/205\n\r"};
const std::vector<Line> kT7xFine = {
    {u"Замедление скорости печати (точно)\t10000\n\r",
     u"Замедление скорости печати (точно)\t\t10000\n\r"},
    {u"Уменьшение Y-шага между каплями\t9\n\r", u"Уменьшение Y-шага между каплями\t\t9\n\r"},
};
const Line kT7xVisibilityFive = {u"Порог видимости Марки:\t\t60/61/62/63/64\n\r",
                                 u"Порог видимости Марки:\t\t60/61/62/63/64\n\r"};
const Line kT7xVisibilitySix = {u"Порог видимости Марки:\t\t60/61/62/63/64/65\n\r",
                                u"Порог видимости Марки:\t\t60/61/62/63/64/65\n\r"};
const std::vector<Line> kT7xConverter = {
    {u"Частота ВВ-преобразователя\t\t36.6 кГц\n\r", u"Частота ВВ-преобразователя\t\t36.6 кГц\n\r"},
    {u"Раздвижка строк 1-2\t\t11\n\r", u"Раздвижка строк 1-2\t\t\t11\n\r"},
};
const std::vector<Line> kT7xExtraSpacing = {
    {u"Раздвижка строк 2-3\t\t12\n\r", u"Раздвижка строк 2-3\t\t\t12\n\r"},
    {u"Раздвижка строк 3-4\t\t13\n\r", u"Раздвижка строк 3-4\t\t\t13\n\r"},
};
const std::vector<Line> kT7xTail = {
    {u"Смещение Даты, дней\t\t30\n\r", u"Смещение Даты, дней\t\t\t30\n\r"},
    {u"Номер печатной марки\t\t42\n\r", u"Номер печатной марки\t\t\t42\n\r"},
    {u"Режим скорости печати (опция*)\tбыстрая (Y=6)\n\r",
     u"Режим скорости печати (опция*)\t\tбыстрая (Y=6)\n\r"},
    {u"Интервал Автопечати, импульсов\t1000", u"Интервал Автопечати, импульсов\t\t1000"},
};

std::vector<Line> t7xLines(bool six, bool extraSpacing) {
    std::vector<Line> lines = kT7xHead;
    lines.push_back(six ? kT7xVerticalSix : kT7xVerticalFive);
    lines.insert(lines.end(), kT7xMiddle.begin(), kT7xMiddle.end());
    lines.push_back(six ? kT7xVoltageSix : kT7xVoltageFive);
    lines.insert(lines.end(), kT7xFine.begin(), kT7xFine.end());
    lines.push_back(six ? kT7xVisibilitySix : kT7xVisibilityFive);
    lines.insert(lines.end(), kT7xConverter.begin(), kT7xConverter.end());
    if (extraSpacing)
        lines.insert(lines.end(), kT7xExtraSpacing.begin(), kT7xExtraSpacing.end());
    lines.insert(lines.end(), kT7xTail.begin(), kT7xTail.end());
    return lines;
}

struct ModelCase {
    const char* model;
    bool six;
    bool extraSpacing;
};

void PrintTo(const ModelCase& c, std::ostream* os) {
    *os << c.model;
}

class T7xReportTest : public ::testing::TestWithParam<std::tuple<ModelCase, int /* xpFlag */>> {};

TEST_P(T7xReportTest, EveryLineForModel) {
    const auto& [m, xpFlag] = GetParam();
    const QString model = QString::fromLatin1(m.model);
    expectSameText(printer::buildSettingsReport(t7xReply(), model, xpFlag),
                   assemble(model, t7xLines(m.six, m.extraSpacing), xpFlag == 1));
}

INSTANTIATE_TEST_SUITE_P(
    Models, T7xReportTest,
    ::testing::Combine(
        ::testing::Values(ModelCase{"T736", false, false}, ModelCase{"T760", false, false},
                          ModelCase{"T936", false, false}, ModelCase{"T960", false, false},
                          ModelCase{"T75Z", false, true}, ModelCase{"T93Z", true, false},
                          ModelCase{"T95Z", true, false}, ModelCase{"AB12", false, false}),
        ::testing::Values(0, 1, 2)),
    [](const auto& info) {
        return testName(std::get<0>(info.param).model, std::get<1>(info.param));
    });

QByteArray t2xReply() {
    QByteArray r(256, '\xEE');
    auto put = [&r](int offset, std::initializer_list<int> values) {
        for (int v : values)
            r[offset++] = static_cast<char>(v);
    };
    put(0, {0x06, 0x0A, 0x00});              // 1-2: 10 -> 100 ms
    put(4, {21, 0x64, 0x00, 0x00, 0x80, 0}); // 5-6: 100, 7-8: -32768, 9: 8000/80
    put(11, {16});
    put(14, {4, 0x14, 0x02, 0x90, 31, 95, 4}); // 15-16: 532 x 15; byte 16: bit 1 set
    put(22, {3, 50, 180, 0xFF, 0xFF});         // 25-26: -1
    put(28, {6, 70});
    put(31, {255});
    put(35, {14, 15, 16});
    put(39, {'0', '0', '0', '0', 85, 'A', 0xD4, 0xFE}); // 45-46: -300
    return r;
}

const std::vector<Line> kT2xHead = {
    {u"Интервал Автопечати по времени, мс\t100\n\r",
     u"Интервал Автопечати по времени, мс\t\t100\n\r"},
    {u"Коррекция заряда рабочих капель\t21\n\r", u"Коррекция заряда рабочих капель\t\t21\n\r"},
    {u"Задержка старта печати, мс\t\t100\n\r", u"Задержка старта печати, мс\t\t100\n\r"},
    {u"Задержка старта печати, импульсов\t-32768\n\r",
     u"Задержка старта печати, импульсов\t\t-32768\n\r"},
    {u"Частота каплеобразования\t\t100.0 кГц  \n\r",
     u"Частота каплеобразования\t\t\t100.0 кГц  \n\r"},
    {u"Вертикальный размер Марки\t\t16\n\r", u"Вертикальный размер Марки\t\t16\n\r"},
    {u"Замедление скорости печати (грубо)\t4\n\r", u"Замедление скорости печати (грубо)\t\t4\n\r"},
    {u"Интервал Автопечати (тахоимпульсы)\t7980\n\r",
     u"Интервал Автопечати (тахоимпульсы)\t\t7980\n\r"},
    {u"'Бегущей номер' (направление, шаг)\t+1\n\r",
     u"'Бегущей номер' (направление, шаг)\t\t+1\n\r"},
    {u"Коррекция заряда пустых капель\t31\n\r", u"Коррекция заряда пустых капель\t\t31\n\r"},
    {u"Заряд тестовых капель\t\t95\n\r", u"Заряд тестовых капель\t\t\t95\n\r"},
    {u"Число защитных капель\t\t4\n\r", u"Число защитных капель\t\t\t4\n\r"},
    {u"Число строк печати (х8, точек)\t3\n\r", u"Число строк печати (х8, точек)\t\t3\n\r"},
    {u"Порог тестирования фазы заряда\t50\n\r", u"Порог тестирования фазы заряда\t\t50\n\r"},
    {u"Напряжение Генератора Капель\t180\n\r", u"Напряжение Генератора Капель\t\t180\n\r"},
    {u"Замедление скорости печати (точно)\t-1\n\r",
     u"Замедление скорости печати (точно)\t\t-1\n\r"},
    {u"Уменьшение Y-шага между каплями\t6\n\r", u"Уменьшение Y-шага между каплями\t\t6\n\r"},
    {u"Порог видимости Марки\t\t70\n\r", u"Порог видимости Марки\t\t\t70\n\r"},
    {u"Частота ВВ-преобразователя\t\t28.8 кГц\n\r", u"Частота ВВ-преобразователя\t\t28.8 кГц\n\r"},
    {u"Раздвижка строк 1-2\t\t14\n\r", u"Раздвижка строк 1-2\t\t\t14\n\r"},
};
const std::vector<Line> kT2xExtraSpacing = {
    {u"Раздвижка строк 2-3\t\t15\n\r", u"Раздвижка строк 2-3\t\t\t15\n\r"},
    {u"Раздвижка строк 3-4\t\t16\n\r", u"Раздвижка строк 3-4\t\t\t16\n\r"},
};
const std::vector<Line> kT2xTail = {
    {u"Смещение Даты, дней\t\t0\n\r", u"Смещение Даты, дней\t\t\t0\n\r"},
    {u"Номер печатной марки\t\t85\n\r", u"Номер печатной марки\t\t\t85\n\r"},
};
const Line kT2xSpeedT260 = {u"Режим скорости печати (опция*)\tобычная (Y=8..32)\n\r",
                            u"Режим скорости печати (опция*)\t\tобычная (Y=8..32)\n\r"};
const Line kT2xSpeedT236 = {u"Режим скорости печати (опция*)\tобычная (Y=8/16)\n\r",
                            u"Режим скорости печати (опция*)\t\tобычная (Y=8/16)\n\r"};
const Line kT2xLast = {u"Интервал Автопечати, импульсов\t-300",
                       u"Интервал Автопечати, импульсов\t\t-300"};

class T2xReportTest : public ::testing::TestWithParam<std::tuple<const char*, int>> {};

TEST_P(T2xReportTest, EveryLineForModel) {
    const auto& [m, xpFlag] = GetParam();
    const QString model = QString::fromLatin1(m);
    const bool t260 = model == QLatin1String("T260");
    std::vector<Line> lines = kT2xHead;
    if (t260)
        lines.insert(lines.end(), kT2xExtraSpacing.begin(), kT2xExtraSpacing.end());
    lines.insert(lines.end(), kT2xTail.begin(), kT2xTail.end());
    lines.push_back(t260 ? kT2xSpeedT260 : kT2xSpeedT236);
    lines.push_back(kT2xLast);
    expectSameText(printer::buildSettingsReport(t2xReply(), model, xpFlag),
                   assemble(model, lines, xpFlag == 1));
}

INSTANTIATE_TEST_SUITE_P(Models, T2xReportTest,
                         ::testing::Combine(::testing::Values("T236", "T260"),
                                            ::testing::Values(0, 1, 2)),
                         [](const auto& info) {
                             return testName(std::get<0>(info.param), std::get<1>(info.param));
                         });

// A reply of one byte: everything else reads as 0.
TEST(SettingsReport, ShortReplyT7xShowsZeroValues) {
    const QString expected = joined({
        u(u"УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T936 ) :\r\n\n"),
        u(u"Интервал Автопечати по времени, мс\t0\n\r"),
        u(u"Коррекция заряда рабочих капель\t0\n\r"),
        u(u"Задержка старта печати, мс\t\t0\n\r"),
        u(u"Задержка старта печати, импульсов\t0\n\r"),
        u(u"Частота каплеобразования\t\t64.00 кГц  \n\r"),
        u(u"Уставки групповой печати:\n\r"),
        u(u"\t\tрежим печати\t ?\n\r"),
        u(u"\t\tчисло марок\t0\n\r"),
        u(u"\t\tзадержка старта\t0 мсек\n\r"),
        u(u"\t\tинтервал марок\t0 мсек\n\r"),
        u(u"Вертикальный размер Марки:\t\t0/0/0/0/0\n\r"),
        u(u"Замедление скорости печати (грубо)\t0\n\r"),
        u(u"'Бегущей номер' (направление)\t+1\n\r"),
        u(u"Заряд тестовых капель\t\t0\n\r"),
        u(u"Число защитных капель\t\t0\n\r"),
        u(u"Число строк печати (х8, точек)\t0\n\r"),
        u(u"Порог тестирования фазы заряда\t0 (авто)\n\r"),
        u(u"Напряжение Генератора Капель:\t0/0/0/0/0\n\r"),
        u(u"Замедление скорости печати (точно)\t0\n\r"),
        u(u"Уменьшение Y-шага между каплями\t0\n\r"),
        u(u"Порог видимости Марки:\t\t0/0/0/0/0\n\r"),
        u(u"Частота ВВ-преобразователя\t\t??? кГц\n\r"),
        u(u"Раздвижка строк 1-2\t\t0\n\r"),
        u(u"Смещение Даты, дней\t\t0\n\r"),
        u(u"Номер печатной марки\t\t0\n\r"),
        u(u"Режим скорости печати (опция*)\tобычная (Y=8/16)\n\r"),
        u(u"Интервал Автопечати, импульсов\t0"),
    });
    expectSameText(printer::buildSettingsReport(QByteArray("\x06"), "T936", 0), expected);
}

TEST(SettingsReport, ShortReplyT260ShowsZeroValues) {
    const QString expected = joined({
        u(u"УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T260 ) :\r\n\n"),
        u(u"Интервал Автопечати по времени, мс\t0\n\r"),
        u(u"Коррекция заряда рабочих капель\t0\n\r"),
        u(u"Задержка старта печати, мс\t\t0\n\r"),
        u(u"Задержка старта печати, импульсов\t0\n\r"),
        u(u"Частота каплеобразования\t\t100.0 кГц  \n\r"),
        u(u"Вертикальный размер Марки\t\t0\n\r"),
        u(u"Замедление скорости печати (грубо)\t0\n\r"),
        u(u"Интервал Автопечати (тахоимпульсы)\t0\n\r"),
        u(u"'Бегущей номер' (направление, шаг)\t+1\n\r"),
        u(u"Коррекция заряда пустых капель\t0\n\r"),
        u(u"Заряд тестовых капель\t\t0\n\r"),
        u(u"Число защитных капель\t\t0\n\r"),
        u(u"Число строк печати (х8, точек)\t0\n\r"),
        u(u"Порог тестирования фазы заряда\t0 (авто)\n\r"),
        u(u"Напряжение Генератора Капель\t0\n\r"),
        u(u"Замедление скорости печати (точно)\t0\n\r"),
        u(u"Уменьшение Y-шага между каплями\t0\n\r"),
        u(u"Порог видимости Марки\t\t0\n\r"),
        u(u"Частота ВВ-преобразователя\t\t??? кГц\n\r"),
        u(u"Раздвижка строк 1-2\t\t0\n\r"),
        u(u"Раздвижка строк 2-3\t\t0\n\r"),
        u(u"Раздвижка строк 3-4\t\t0\n\r"),
        u(u"Смещение Даты, дней\t\t0\n\r"),
        u(u"Номер печатной марки\t\t0\n\r"),
        u(u"Режим скорости печати (опция*)\tобычная (Y=8..32)\n\r"),
        u(u"Интервал Автопечати, импульсов\t0"),
    });
    expectSameText(printer::buildSettingsReport(QByteArray(), "T260", 0), expected);
}

// The threshold suffix comes from byte 16 in both layouts, whatever else that byte means.
TEST(SettingsReport, AutoThresholdSuffixFromBit1OfByte16) {
    struct Case {
        const char* model;
        int byte16;
        const char16_t* line;
    };
    const Case cases[] = {
        {"T936", 0x00, u"Порог тестирования фазы заряда\t0 (авто)\n\r"},
        {"T936", 0x02, u"Порог тестирования фазы заряда\t0\n\r"},
        {"T936", 0xFD, u"Порог тестирования фазы заряда\t0 (авто)\n\r"},
        {"T260", 0x02, u"Порог тестирования фазы заряда\t0\n\r"},
        {"T260", 0x01, u"Порог тестирования фазы заряда\t0 (авто)\n\r"},
        {"T236", 0xFF, u"Порог тестирования фазы заряда\t0\n\r"},
    };
    for (const auto& c : cases) {
        QByteArray reply(256, '\0');
        reply[16] = static_cast<char>(c.byte16);
        EXPECT_TRUE(printer::buildSettingsReport(reply, c.model, 0).contains(u(c.line)))
            << c.model << " " << c.byte16;
    }
}

TEST(SettingsReport, GroupPrintOffAndDirectionPlus) {
    QByteArray reply = t7xReply();
    reply[11] = 'P';
    reply[28] = static_cast<char>(0x90);
    const QString text = printer::buildSettingsReport(reply, "T936", 0);
    EXPECT_TRUE(text.contains(u(u"\n\r\t\tрежим печати\tP (выключен)\n\r\t\tчисло марок\t5\n\r")));
    EXPECT_TRUE(text.contains(u(u"\n\r'Бегущей номер' (направление)\t+1\n\r")));
}

// The fields a script gets: labels without the layout's tabs and colons, group lines named by
// their group, one field a line.
TEST(SettingsReport, FieldsFollowTheLines) {
    QByteArray reply = t7xReply();
    reply[11] = 'P';
    for (int xp : {0, 1}) {
        const printer::Report r = printer::settingsReport(reply, "T936", xp);
        ASSERT_EQ(r.fields.size(), 26u);
        EXPECT_EQ(r.fields[5], (printer::ReportField{u(u"Уставки групповой печати: режим печати"),
                                                     u(u"P (выключен)")}));
        EXPECT_EQ(r.fields[9].label, u(u"Вертикальный размер Марки"));
        EXPECT_EQ(r.fields[10].label, u(u"Замедление скорости печати (грубо)"));
        EXPECT_EQ(r.fields.back().label, u(u"Интервал Автопечати, импульсов"));
        EXPECT_TRUE(r.text.endsWith(r.fields.back().value));
    }
}

TEST(SettingsReport, EndsWithoutLineBreak) {
    for (const char* model : {"T236", "T260", "T936", "T93Z", "T75Z"}) {
        for (int xp : {0, 1}) {
            const QString text = printer::buildSettingsReport(QByteArray(256, '\x07'), model, xp);
            EXPECT_TRUE(text.endsWith(QStringLiteral("\t1799"))) << model << xp;
        }
    }
}

} // namespace
} // namespace nimbrel::testing
