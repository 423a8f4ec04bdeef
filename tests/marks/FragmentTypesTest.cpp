#include "marks/FragmentTypes.h"
#include "MarksTestSupport.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

struct TypeCase {
    const char16_t* name;
    int code;
};

class TypeCodeTest : public ::testing::TestWithParam<TypeCase> {};

TEST_P(TypeCodeTest, NameToCodeAndBack) {
    const auto& c = GetParam();
    EXPECT_EQ(marks::typeCode(u(c.name)), c.code);
    EXPECT_EQ(marks::typeName(static_cast<unsigned char>(c.code)), u(c.name));
}

INSTANTIATE_TEST_SUITE_P(SixTypes, TypeCodeTest,
                         ::testing::Values(TypeCase{u"Текст", 0x18}, TypeCase{u"Номер", 0x19},
                                           TypeCase{u"Дата/Время", 0x1A},
                                           TypeCase{u"Графика", 0x1C}, TypeCase{u"ПостДата", 0x1D},
                                           TypeCase{u"ШтрихКод EAN", 0x10}),
                         byName);

TEST(TypeCode, AnythingElseIsFixedText) {
    for (const char16_t* name : {u"?", u" 007", u"", u"текст", u"Текст ", u"ШтрихКод"})
        EXPECT_EQ(marks::typeCode(u(name)), 0x18) << QString::fromUtf16(name).toStdString();
}

TEST(TypeName, UnknownCodesHaveNoName) {
    for (int code : {0x00, 0x07, 0x11, 0x1B, 0x1E, 0xFF})
        EXPECT_EQ(marks::typeName(static_cast<unsigned char>(code)), QString()) << code;
}

TEST(TypeNames, ListOrder) {
    EXPECT_EQ(marks::typeNames(), (QStringList{u(u"Текст"), u(u"Номер"), u(u"Дата/Время"),
                                               u(u"Графика"), u(u"ПостДата"), u(u"ШтрихКод EAN")}));
}

struct FontCase {
    const char16_t* cell;
    int number;
};

class FontNumberTest : public ::testing::TestWithParam<FontCase> {};

TEST_P(FontNumberTest, LastTwoCharacters) {
    EXPECT_EQ(marks::fontNumber(u(GetParam().cell)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Cells, FontNumberTest,
                         ::testing::Values(FontCase{u" 02", 2}, FontCase{u" #02", 2},
                                           FontCase{u" 017", 17}, FontCase{u" 15", 15},
                                           FontCase{u"Шрифт#05", 5}, FontCase{u"Шрифт# 12", 12},
                                           FontCase{u" 200", 0}, FontCase{u"", 0},
                                           FontCase{u"7", 7}, FontCase{u" -5", -5}),
                         [](const auto& info) { return testName(info.param.cell); });

TEST(FragmentCharacters, Windows1251Only) {
    for (char32_t c : {U'A', U'~', U' ', U'?', U'Ж', U'ё', U'Ё', U'№', U'€', U'«', U'»', U'—',
                       char32_t(0xA0), U'Ї', U'ґ'})
        EXPECT_TRUE(marks::isFragmentCharacter(c)) << int(c);
    for (char32_t c : {U'\t', U'\n', U'\r', char32_t(0), char32_t(0x0E), char32_t(0x7F), U'ä',
                       U'中', char32_t(0xFFFD), char32_t(0x1F600), U'Ω'})
        EXPECT_FALSE(marks::isFragmentCharacter(c)) << int(c);
}

TEST(FragmentCharacters, KeepsTheRestAndNamesTheRefused) {
    QString refused;
    EXPECT_EQ(marks::keepFragmentCharacters(u(u"Цена: 5€ 😀 ä\tок"), &refused), u(u"Цена: 5€  ок"));
    EXPECT_EQ(refused, u(u"😀ä\t"));
}

} // namespace
} // namespace nimbrel::testing
