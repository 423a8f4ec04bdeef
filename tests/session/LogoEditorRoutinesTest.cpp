#include "LogoFixture.h"
#include "TestNames.h"

namespace nimbrel::testing {
namespace {

using Type = ScriptedDialogs::Type;

const char16_t* kBadSize = u"Недопустимые размеры Логотипа. Повторить ввод?";

class EditorCommands : public LogoFixture {};

struct SizeCase {
    const char* name;
    bool width; // else height
    std::vector<QVariant> script;
    int expectedWidth;
    int expectedHeight;
    bool changed;
    const char* status; // nullptr: untouched
    int errorQuestions;
};

class SizeCommands : public EditorCommands, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(SizeCommands, Answers) {
    const SizeCase& c = GetParam();
    dialogs.answers.assign(c.script.begin(), c.script.end());
    if (c.width)
        session::changeLogoWidth(ctx);
    else
        session::changeLogoHeight(ctx);
    EXPECT_EQ(logo.width, c.expectedWidth);
    EXPECT_EQ(logo.height, c.expectedHeight);
    EXPECT_EQ(logo.bytesPerColumn, (c.expectedHeight + 7) / 8);
    EXPECT_EQ(logo.changed, c.changed);
    EXPECT_EQ(shell.sizeStatus,
              c.status ? QString::fromUtf8(c.status) : QStringLiteral("Размер XY: 64x24"));
    const auto shown = dialogs.messages();
    ASSERT_EQ(static_cast<int>(shown.size()), c.errorQuestions);
    for (const auto& m : shown) {
        EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
        EXPECT_EQ(m.text, u(kBadSize));
        EXPECT_EQ(m.kind, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SizeCommands,
    ::testing::Values(
        SizeCase{"Width256", true, {typed("256")}, 256, 24, true, "XY-size = 256:24", 0},
        SizeCase{"Width257Ignored", true, {typed("257")}, 64, 24, false, "XY-size = 64:24", 0},
        SizeCase{"WidthEmpty", true, {}, 64, 24, false, nullptr, 0},
        SizeCase{"WidthText",
                 true,
                 {typed("abc"), button(platform::kNo)},
                 64,
                 24,
                 false,
                 "XY-size = 64:24",
                 1},
        SizeCase{"WidthZeroNo",
                 true,
                 {typed("0"), button(platform::kNo)},
                 64,
                 24,
                 false,
                 "XY-size = 64:24",
                 1},
        SizeCase{"WidthNegativeThenGood",
                 true,
                 {typed("-5"), button(platform::kYes), typed("100")},
                 100,
                 24,
                 true,
                 "XY-size = 100:24",
                 1},
        SizeCase{"Height9", false, {typed("9")}, 64, 16, true, "XY-size = 64:16", 0},
        SizeCase{"Height17", false, {typed("17")}, 64, 24, true, "XY-size = 64:24", 0},
        SizeCase{"Height32", false, {typed("32")}, 64, 32, true, "XY-size = 64:32", 0},
        SizeCase{"Height1", false, {typed("1")}, 64, 8, true, "XY-size = 64:8", 0},
        SizeCase{"Height33Ignored", false, {typed("33")}, 64, 24, false, "XY-size = 64:24", 0},
        SizeCase{"HeightZero",
                 false,
                 {typed("0"), button(platform::kNo)},
                 64,
                 24,
                 false,
                 "XY-size = 64:24",
                 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditorCommands, SizeQuestionTexts) {
    dialogs.answer("");
    session::changeLogoWidth(ctx);
    dialogs.answer("");
    session::changeLogoHeight(ctx);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Question);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Изменение Размеров Логотипа"));
    EXPECT_EQ(dialogs.calls[0].prompt, QStringLiteral("Введите размер 'X', точек (не более 256)"));
    EXPECT_EQ(dialogs.calls[0].proposed, QStringLiteral("64"));
    EXPECT_EQ(dialogs.calls[1].prompt, QStringLiteral("Введите размер 'Y', точек (не более 32)"));
    EXPECT_EQ(dialogs.calls[1].proposed, QStringLiteral("24"));
}

TEST_F(EditorCommands, ResizeKeepsThePictureAnchored) {
    logos::paintDot(logo, 0, 23, true);
    dialogs.answer("32");
    session::changeLogoHeight(ctx);
    EXPECT_TRUE(logos::isDark(logo.logo.pixel(0, 31)));
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
}

struct NewLogoCase {
    const char* height;
    const char* width;
    int expectedWidth;
    int expectedHeight;
    const char16_t* widthPrompt;
};

class NewLogo : public EditorCommands, public ::testing::WithParamInterface<NewLogoCase> {};

TEST_P(NewLogo, HeightMappedWidthCapped) {
    const NewLogoCase& c = GetParam();
    dialogs.answer(c.height);
    dialogs.answer(c.width);
    session::newLogo(ctx);
    EXPECT_EQ(logo.width, c.expectedWidth);
    EXPECT_EQ(logo.height, c.expectedHeight);
    EXPECT_EQ(logo.bytesPerColumn, c.expectedHeight / 8);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].type, Type::Requester);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("СОЗДАНИЕ НОВОГО ЛОГОТИПА"));
    EXPECT_EQ(dialogs.calls[0].prompt, QStringLiteral("Введите размер 'Y' в точках (8...32)"));
    EXPECT_EQ(dialogs.calls[0].proposed, QStringLiteral("32"));
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("СОЗДАНИЕ НОВОГО ЛОГОТИПА"));
    EXPECT_EQ(dialogs.calls[1].prompt, u(c.widthPrompt));
    EXPECT_EQ(dialogs.calls[1].proposed, QStringLiteral("63"));
    EXPECT_FALSE(logo.changed);
    // The status fields keep what they said.
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 64x24"));
    EXPECT_EQ(shell.pictureStatus, QStringLiteral("Рисунок: ..."));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, NewLogo,
    ::testing::Values(NewLogoCase{"1", "10", 10, 8, u"Введите размер 'X' в точках (1...250)"},
                      NewLogoCase{"0", "7", 7, 8, u"Введите размер 'X' в точках (1...250)"},
                      NewLogoCase{"-5", "7", 7, 8, u"Введите размер 'X' в точках (1...250)"},
                      NewLogoCase{"abc", "7", 7, 8, u"Введите размер 'X' в точках (1...250)"},
                      NewLogoCase{"8", "250", 250, 8, u"Введите размер 'X' в точках (1...250)"},
                      NewLogoCase{"9", "300", 126, 16, u"Введите размер 'X' в точках (1...126)"},
                      NewLogoCase{"24", "84", 83, 24, u"Введите размер 'X' в точках (1...83)"},
                      NewLogoCase{"100", "63", 63, 32, u"Введите размер 'X' в точках (1...63)"},
                      NewLogoCase{"25", "1", 1, 32, u"Введите размер 'X' в точках (1...63)"}),
    [](const auto& info) { return testName(info.param.height, info.param.width); });

TEST_F(EditorCommands, NewLogoZeroSizesAskBothAgain) {
    dialogs.answer("0");
    dialogs.answer("0");
    dialogs.answer(platform::kYes);
    dialogs.answer("16");
    dialogs.answer("-3");
    dialogs.answer(platform::kYes);
    dialogs.answer("8");
    dialogs.answer("5");
    session::newLogo(ctx);
    EXPECT_EQ(logo.width, 5);
    EXPECT_EQ(logo.height, 8);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 2u);
    for (const auto& m : shown) {
        EXPECT_EQ(m.title, QStringLiteral("ОШИБКА"));
        EXPECT_EQ(m.text, u(kBadSize));
        EXPECT_EQ(m.kind, 20);
    }
}

TEST_F(EditorCommands, NewLogoNoToTheErrorKeepsTheLogo) {
    logos::paintDot(logo, 1, 1, true);
    dialogs.answer("32");
    dialogs.answer("0");
    dialogs.answer(platform::kNo);
    session::newLogo(ctx);
    EXPECT_EQ(logo.width, 64);
    EXPECT_EQ(logos::countActiveDrops(logo), 1);
}

TEST_F(EditorCommands, NewLogoEmptyAnswerEnds) {
    session::newLogo(ctx);
    EXPECT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(logo.width, 64);
}

TEST_F(EditorCommands, NewLogoAsksToSaveAChangedFile) {
    logo.file = {path("a.bin"), QStringLiteral("bin"), path("a.bin")};
    logo.changed = true;
    logos::paintDot(logo, 1, 1, true);
    dialogs.answer(platform::kNo);
    session::newLogo(ctx);
    ASSERT_GE(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Information"));
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("Логотип изменен. Сохранить изменения?"));
    EXPECT_EQ(dialogs.calls[0].kind, 52);
    EXPECT_FALSE(logo.changed);
    EXPECT_EQ(logos::countActiveDrops(logo), 1); // the size was cancelled: the drawing stays
    EXPECT_FALSE(QFile::exists(path("a.bin")));
}

TEST_F(EditorCommands, NewLogoYesSavesFirst) {
    logo.file = {path("a.bin"), QStringLiteral("bin"), path("a.bin")};
    logo.changed = true;
    dialogs.answer(platform::kYes);
    dialogs.answer(path("a.bin")); // the save requester
    session::newLogo(ctx);
    EXPECT_EQ(fileBytes(path("a.bin")).size(), 196);
}

TEST_F(EditorCommands, CountActiveDropsMessage) {
    drawRows(logo, 4, 8, {"##", "#"});
    session::countActiveDropsCommand(ctx);
    const auto& m = onlyMessage();
    EXPECT_EQ(m.title, QStringLiteral("Параметры Марки"));
    EXPECT_EQ(m.text, QStringLiteral("Число активных капель в бит-карте:  3  "));
    EXPECT_EQ(m.kind, 64);
}

TEST_F(EditorCommands, InvertAndClearLeaveTheChangedFlag) {
    session::invertLogoCommand(ctx);
    EXPECT_EQ(logos::countActiveDrops(logo), 64 * 24);
    EXPECT_FALSE(logo.changed);
    logo.changed = true;
    session::clearEditingAreaCommand(ctx);
    EXPECT_EQ(logos::countActiveDrops(logo), 0);
    EXPECT_TRUE(logo.changed);
}

} // namespace
} // namespace nimbrel::testing
