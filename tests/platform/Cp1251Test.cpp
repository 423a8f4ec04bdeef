#include "platform/Cp1251.h"

#include <gtest/gtest.h>

namespace {

using namespace nimbrel;

QString u(const char16_t* s) {
    return QString::fromUtf16(s);
}

TEST(Cp1251, DecodesTable) {
    EXPECT_EQ(platform::decodeCp1251(QByteArray("A\xC0\xDF\xE0\xFF\xA8\xB8\xB9\x80\x88\x98")),
              u(u"AАЯаяЁё№Ђ€\uFFFD"));
}

TEST(Cp1251, EveryDefinedByteRoundTrips) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98)
            all.append(static_cast<char>(b));
    EXPECT_EQ(platform::encodeCp1251(platform::decodeCp1251(all)), all);
}

TEST(Cp1251, UnmappableBecomesOneQuestionMark) {
    EXPECT_EQ(platform::encodeCp1251(u(u"ä\U0001F600Ж")), QByteArray("??\xC6"));
    EXPECT_EQ(platform::encodeCp1251(u(u"\uFFFD")), QByteArray("?"));
}

TEST(Cp1251, TextUpToZero) {
    EXPECT_EQ(platform::textUpToZero(QByteArray("ab\0cd", 5)), QStringLiteral("ab"));
    EXPECT_EQ(platform::textUpToZero(QByteArray("abc")), QStringLiteral("abc"));
    EXPECT_EQ(platform::textUpToZero(QByteArray()), QString());
}

} // namespace
