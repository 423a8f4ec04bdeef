#include "platform/Language.h"

#include <gtest/gtest.h>

#include <optional>

namespace nimbrel::platform {
namespace {

using L = Language;

// The locale rule: the first value that names a language decides, whatever comes after it.
TEST(Language, FirstNamedLocaleDecides) {
    const struct {
        QStringList values;
        std::optional<Language> expected;
    } cases[] = {
        {{}, std::nullopt},
        {{"", "C", "C.UTF-8", "POSIX"}, std::nullopt},
        {{"en_US.UTF-8"}, L::English},
        {{"", "C.UTF-8", "en_GB"}, L::English},
        {{"en"}, L::English},
        {{"ru_RU.UTF-8", "en_US.UTF-8"}, L::Russian},
        {{"de_DE.UTF-8", "en_US.UTF-8"}, L::Russian},
        {{"eng"}, L::Russian},
        {{"en@quot"}, L::English},
    };
    for (const auto& c : cases)
        EXPECT_EQ(languageOf(c.values), c.expected) << c.values.join(u',').toStdString();
}

TEST(Language, CodesOfTheCommandLine) {
    EXPECT_EQ(languageFromCode(QStringLiteral("en")), L::English);
    EXPECT_EQ(languageFromCode(QStringLiteral("RU")), L::Russian);
    EXPECT_EQ(languageFromCode(QStringLiteral("fr")), std::nullopt);
    EXPECT_EQ(languageFromCode(QString()), std::nullopt);
    EXPECT_EQ(languageCode(L::English), QStringLiteral("en"));
}

} // namespace
} // namespace nimbrel::platform
