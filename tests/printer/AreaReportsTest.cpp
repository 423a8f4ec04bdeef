#include "printer/AreaReports.h"
#include "PrinterTestSupport.h"

namespace nimbrel::testing {
namespace {

const QString kMarkHeader = u(u"ЗАПОЛНЕНИЕ ОБЛАСТИ ТЕКСТОВЫХ МАРОК:\r\n\n");
const QString kLogoHeader = u(u"ЗАПОЛНЕНИЕ ГРАФИЧЕСКОЙ ОБЛАСТИ МАРКИРАТОРА:\r\n\n");

const char* const kMarkRowsFree[] = {
    "--    --    --    --    --    --    --    --    --    --    \t| 00:09\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 10:19\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 20:29\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 30:39\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 40:49\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 50:59\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 60:69\n\r",
    "--    --    --    --    --    --    --    --    --    --    \t| 70:79\n\r",
};
const char* const kMarkRowsFull[] = {
    "--    01   02   03   04   05   06   07   08   09   \t| 00:09\n\r",
    "10   11   12   13   14   15   16   17   18   19   \t| 10:19\n\r",
    "20   21   22   23   24   25   26   27   28   29   \t| 20:29\n\r",
    "30   31   32   33   34   35   36   37   38   39   \t| 30:39\n\r",
    "40   41   42   43   44   45   46   47   48   49   \t| 40:49\n\r",
    "50   51   52   53   54   55   56   57   58   59   \t| 50:59\n\r",
    "60   61   62   63   64   65   66   67   68   69   \t| 60:69\n\r",
    "70   71   72   73   74   75   76   77   78   79   \t| 70:79\n\r",
};

QString markGrid(const char* const (&rows)[8], const char* lastRow) {
    QString text = kMarkHeader;
    for (const char* row : rows)
        text += QString::fromLatin1(row);
    return text + QString::fromLatin1(lastRow);
}

TEST(MarkAreaReport, NoneOccupied) {
    expectSameText(printer::buildMarkAreaReport(QByteArray(256, 'N'), 0),
                   markGrid(kMarkRowsFree, "--    --    --    --    --    --    \t\t| 80:85\n\r"));
}

TEST(MarkAreaReport, AllOccupiedButMarkZero) {
    expectSameText(printer::buildMarkAreaReport(QByteArray(256, 'Y'), 0),
                   markGrid(kMarkRowsFull, "80   81   82   83   84   85   \t\t| 80:85\n\r"));
}

TEST(MarkAreaReport, XpChangesOnlyLastRow) {
    expectSameText(printer::buildMarkAreaReport(QByteArray(256, 'Y'), 1),
                   markGrid(kMarkRowsFull, "80   81   82   83   84   85   \t\t\t| 80:85   \n\r"));
    expectSameText(
        printer::buildMarkAreaReport(QByteArray(), 1),
        markGrid(kMarkRowsFree, "--    --    --    --    --    --    \t\t\t| 80:85   \n\r"));
    expectSameText(printer::buildMarkAreaReport(QByteArray(), 2),
                   markGrid(kMarkRowsFree, "--    --    --    --    --    --    \t\t| 80:85\n\r"));
}

TEST(MarkAreaReport, ByteKMinusOneIsMarkK) {
    QByteArray reply(256, '\0');
    reply[0] = 'Y';  // mark 1
    reply[1] = 'y';  // lower case counts as free
    reply[9] = 'Y';  // mark 10
    reply[84] = 'Y'; // mark 85
    reply[85] = 'Y'; // there is no mark 86
    const QStringList lines = printer::buildMarkAreaReport(reply, 0).split(QStringLiteral("\n\r"));
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0],
              kMarkHeader + "--    01   --    --    --    --    --    --    --    --    \t| 00:09");
    EXPECT_EQ(lines[1], "10   --    --    --    --    --    --    --    --    --    \t| 10:19");
    EXPECT_EQ(lines[8], "--    --    --    --    --    85   \t\t| 80:85");
    EXPECT_EQ(lines[9], "");
}

QString logoRowFree(const char* range) {
    return QStringLiteral("---  ---  ---  ---  ---  ---  ---  ---    | ") + range +
           QStringLiteral("\n\r");
}

const char* const kLogoRanges[] = {"000:007", "008:015", "016:023", "024:031", "032:039", "040:047",
                                   "048:055", "056:063", "064:071", "072:079", "080:087", "088:095",
                                   "096:103", "104:111", "112:119", "120:127"};

TEST(LogoAreaReport, NoneOccupied) {
    QString expected = kLogoHeader;
    for (const char* range : kLogoRanges)
        expected += logoRowFree(range);
    expectSameText(printer::buildLogoAreaReport(QByteArray(256, '\0')), expected);
    expectSameText(printer::buildLogoAreaReport(QByteArray()), expected);
}

TEST(LogoAreaReport, AllOccupied) {
    const char* const rows[] = {
        "000 001 002 003 004 005 006 007   | 000:007\n\r",
        "008 009 010 011 012 013 014 015   | 008:015\n\r",
        "016 017 018 019 020 021 022 023   | 016:023\n\r",
        "024 025 026 027 028 029 030 031   | 024:031\n\r",
        "032 033 034 035 036 037 038 039   | 032:039\n\r",
        "040 041 042 043 044 045 046 047   | 040:047\n\r",
        "048 049 050 051 052 053 054 055   | 048:055\n\r",
        "056 057 058 059 060 061 062 063   | 056:063\n\r",
        "064 065 066 067 068 069 070 071   | 064:071\n\r",
        "072 073 074 075 076 077 078 079   | 072:079\n\r",
        "080 081 082 083 084 085 086 087   | 080:087\n\r",
        "088 089 090 091 092 093 094 095   | 088:095\n\r",
        "096 097 098 099 100 101 102 103   | 096:103\n\r",
        "104 105 106 107 108 109 110 111   | 104:111\n\r",
        "112 113 114 115 116 117 118 119   | 112:119\n\r",
        "120 121 122 123 124 125 126 127   | 120:127\n\r",
    };
    QString expected = kLogoHeader;
    for (const char* row : rows)
        expected += QString::fromLatin1(row);
    expectSameText(printer::buildLogoAreaReport(QByteArray(256, 'Y')), expected);
}

TEST(LogoAreaReport, ByteKIsLogoK) {
    QByteArray reply(130, '\0');
    reply[0] = 'Y';
    reply[1] = 'y';
    reply[127] = 'Y';
    reply[128] = 'Y'; // no logo 128
    QString expected =
        kLogoHeader + QStringLiteral("000 ---  ---  ---  ---  ---  ---  ---    | 000:007\n\r");
    for (int i = 1; i < 15; ++i)
        expected += logoRowFree(kLogoRanges[i]);
    expected += QStringLiteral("---  ---  ---  ---  ---  ---  ---  127   | 120:127\n\r");
    expectSameText(printer::buildLogoAreaReport(reply), expected);
}

} // namespace
} // namespace nimbrel::testing
