#include "marks/Ean13.h"
#include "TestNames.h"

#include <gtest/gtest.h>

using namespace nimbrel::marks;

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

struct CheckDigitCase {
    const char* twelve;
    int check;
};

class Ean13CheckDigit : public ::testing::TestWithParam<CheckDigitCase> {};

TEST_P(Ean13CheckDigit, OfKnownCodes) {
    const CheckDigitCase c = GetParam();
    EXPECT_EQ(ean13CheckDigit(u(c.twelve)), c.check) << c.twelve;
    EXPECT_TRUE(isValidEan13(u(c.twelve) + QString::number(c.check))) << c.twelve;
    EXPECT_FALSE(isValidEan13(u(c.twelve) + QString::number((c.check + 1) % 10))) << c.twelve;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Ean13CheckDigit,
    ::testing::Values(CheckDigitCase{"400638133393", 1}, CheckDigitCase{"590123412345", 7},
                      CheckDigitCase{"978020137962", 4}, CheckDigitCase{"978316148410", 0},
                      CheckDigitCase{"000000000000", 0}, CheckDigitCase{"871125300120", 2},
                      CheckDigitCase{"123456789012", 8}),
    [](const auto& info) { return testName(info.param.twelve); });

TEST(Ean13, NoCheckDigitForAnythingButTwelveAsciiDigits) {
    for (const char* text : {"", "40063813339", "4006381333931", "40063813339a", "40063813339 ",
                             "４００６３８１３３３９３", "40063813339٣"})
        EXPECT_EQ(ean13CheckDigit(u(text)), -1) << text;
    for (const char* text :
         {"", "400638133393", "40063813339311", "400638133393a", "４００６３８１３３３９３１"})
        EXPECT_FALSE(isValidEan13(u(text))) << text;
}

TEST(Ean13, CompletesTwelveDigitsOnly) {
    EXPECT_EQ(completeEan13(u("400638133393")), u("4006381333931"));
    EXPECT_EQ(completeEan13(u("978316148410")), u("9783161484100"));
    EXPECT_EQ(completeEan13(u("40063813339")), u("40063813339"));
    EXPECT_EQ(completeEan13(u("4006381333932")), u("4006381333932"));
    EXPECT_EQ(completeEan13(u("40063813339x")), u("40063813339x"));
}

TEST(Ean13, KeepsAsciiDigitsAndRefusesTheRest) {
    struct Case {
        const char* typed;
        const char* kept;
        const char* refused;
    };
    for (const Case& c :
         {Case{"4006381333931", "4006381333931", ""},
          Case{"400 638-133 393", "400638133393", " - "}, Case{"12a3", "123", "a"},
          Case{"１٣٢5", "5", "１٣٢"}, Case{"\t9\n", "9", "\t\n"}, Case{"абв", "", "абв"}}) {
        QString refused;
        EXPECT_EQ(keepEanDigits(u(c.typed), &refused), u(c.kept)) << c.typed;
        EXPECT_EQ(refused, u(c.refused)) << c.typed;
    }
    EXPECT_EQ(keepEanDigits(u("1x2")), u("12"));
}

TEST(Ean13, StatusTexts) {
    struct Case {
        const char* text;
        const char* status;
    };
    for (const Case& c : {
             Case{"", ""},
             Case{"4", "EAN-13: введено цифр 1 из 12"},
             Case{"40063813339", "EAN-13: введено цифр 11 из 12"},
             Case{"400638133393", "Контрольная цифра: 1 (Enter добавит её)"},
             Case{"978316148410", "Контрольная цифра: 0 (Enter добавит её)"},
             Case{"4006381333931", "Контрольная цифра 1 верна"},
             Case{"4006381333933", "Неверная контрольная цифра: 3, должна быть 1"},
             Case{"9783161484107", "Неверная контрольная цифра: 7, должна быть 0"},
             Case{"40063813339311", "EAN-13: не более 13 цифр (введено 14)"},
             Case{"4006x", "EAN-13: допускаются только цифры"},
         })
        EXPECT_EQ(eanStatusText(u(c.text)), u(c.status)) << c.text;
}

TEST(Ean13, CheckReportsDigits) {
    const EanCheck wrong = checkEan13(u("5901234123450"));
    EXPECT_EQ(wrong.state, EanState::WrongCheckDigit);
    EXPECT_EQ(wrong.expected, 7);
    EXPECT_EQ(wrong.given, 0);
    EXPECT_EQ(wrong.digits, 13);
    const EanCheck due = checkEan13(u("590123412345"));
    EXPECT_EQ(due.state, EanState::CheckDigitDue);
    EXPECT_EQ(due.expected, 7);
    EXPECT_EQ(due.given, -1);
}

TEST(Ean13, CellProblems) {
    struct Case {
        const char* text;
        const char* problem;
    };
    for (const Case& c : {
             Case{"4006381333931", ""},
             Case{"400638133393", ""},
             Case{"4006", ""},
             Case{"", ""},
             Case{"4006381333930", "Неверная контрольная цифра: 0, должна быть 1"},
             Case{"ABC", "EAN-13: допускаются только цифры"},
             Case{"12345678901234", "EAN-13: не более 13 цифр (введено 14)"},
         })
        EXPECT_EQ(eanCellProblem(u(c.text)), u(c.problem)) << c.text;
}

TEST(Ean13, RefusedNote) {
    EXPECT_EQ(eanRefusedText(u("a-")),
              u("Знаки «a-» не приняты: штрихкод EAN-13 состоит только из цифр"));
}

} // namespace
