#include "E2eFixture.h"
#include "logos/LogoEditor.h"

#include <QFile>

using namespace nimbrel;
using nimbrel::testing::E2eFixture;
using Call = nimbrel::testing::ScriptedDialogs::Call;

namespace {

struct Logos : E2eFixture {
    std::vector<Call> run(int id) {
        dialogs.calls.clear();
        dispatcher.dispatch(id);
        return dialogs.calls;
    }
    QString lastText(int id) {
        const auto calls = run(id);
        return calls.empty() ? QString() : calls.back().text;
    }
    std::vector<std::string> dots() const {
        std::vector<std::string> rows;
        const auto& logo = session.logos;
        for (int y = 0; y < logo.height; ++y) {
            std::string row;
            for (int x = 0; x < logo.width; ++x)
                row += logos::isDark(logo.logo.pixel(x, y)) ? '#' : '.';
            rows.push_back(row);
        }
        return rows;
    }
    void expectNoErrors() const {
        for (const auto& c : dialogs.calls)
            EXPECT_NE(c.title, QStringLiteral("ОШИБКА")) << c.text.toStdString();
    }
};

TEST_F(Logos, WriteReadBackAndDelete) {
    startConnected({"--model", "T260", "--no-current-mark"});
    const QString emptyArea = lastText(24);
    ASSERT_FALSE(emptyArea.isEmpty());

    dialogs.answer("16");
    dialogs.answer("20");
    dispatcher.dispatch(20);
    ASSERT_EQ(session.logos.width, 20);
    ASSERT_EQ(session.logos.height, 16);
    for (int i = 0; i < 16; ++i) {
        logos::paintDot(session.logos, i, i, true);
        logos::paintDot(session.logos, 19, i, true);
    }
    logos::paintDot(session.logos, 0, 15, true);
    const auto drawn = dots();

    dialogs.answer("7");
    EXPECT_EQ(lastText(26), QStringLiteral("Передача Логотипа #007 завершена."));
    expectNoErrors();
    const QString withLogo = lastText(24);
    EXPECT_NE(withLogo, emptyArea);

    dispatcher.dispatch(34);
    ASSERT_EQ(logos::countActiveDrops(session.logos), 0);
    dialogs.answer("7");
    run(25);
    expectNoErrors();
    EXPECT_EQ(dots(), drawn);
    EXPECT_EQ(session.shell.pictureStatus, QStringLiteral("LOGO#007 (Файл 'logo007.bin')"));
    EXPECT_EQ(session.shell.sizeStatus, QStringLiteral("XY-размер: 20x16"));
    QFile saved(QDir(session.workingFolder).filePath(QStringLiteral("logo007.bin")));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray file = saved.readAll();
    EXPECT_EQ(file.size(), 44);
    EXPECT_EQ(file.left(4), QByteArray("\x2A\x00\x14\x02", 4));

    dialogs.answer("7");
    dialogs.answer(platform::kYes);
    EXPECT_EQ(lastText(29), QStringLiteral("Очистка Логотипа #007 завершена."));
    EXPECT_EQ(lastText(24), emptyArea);

    dialogs.answer("7");
    const auto calls = run(25);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().title, QStringLiteral("Load LOGO from Inkovar"));
    EXPECT_EQ(calls.back().text, QStringLiteral("LOGO#007 is EMPTY or have FORMAT ERROR."));
    EXPECT_EQ(session.shell.graphicsLinkIcon, session::LinkIcon::Ok);
}

TEST_F(Logos, ReadsTheCurrentMarkBitmap) {
    startConnected({"--model", "T936"});
    run(28);
    expectNoErrors();
    const auto& logo = session.logos;
    EXPECT_GT(logo.width, 0);
    EXPECT_TRUE(logo.height == 8 || logo.height == 16 || logo.height == 24 || logo.height == 32)
        << logo.height;
    EXPECT_GT(logos::countActiveDrops(logo), 0);
    EXPECT_EQ(session.shell.sizeStatus,
              QStringLiteral("Размер XY: %1x%2").arg(logo.width).arg(logo.height));
    EXPECT_EQ(session.shell.graphicsLinkIcon, session::LinkIcon::Ok);
}

TEST_F(Logos, EmptyCurrentMarkHasNoBitmap) {
    startConnected({"--model", "T260", "--no-current-mark"});
    const auto calls = run(28);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().title, QStringLiteral("ПРОСМОТР БИТ-КАРТЫ МАРКИ "));
    EXPECT_EQ(calls.back().text, QStringLiteral("НЕТ БИТ-КАРТЫ МАРКИ (ПУСТАЯ)."));
    EXPECT_EQ(session.logos.width, 64);
}

TEST_F(Logos, WriteWithoutReadBackCannotBeChecked) {
    startConnected({"--model", "T260", "--fault", "no-reply@i"});
    logos::makeBlankLogo(session.logos, 20, 16);
    dialogs.answer("7");
    const auto calls = run(26);
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(calls.back().text, QStringLiteral("Логотип #007 записан, но проверить его не "
                                                "удалось: Маркиратор не ответил на чтение."));
    EXPECT_EQ(session.shell.graphicsLinkIcon, session::LinkIcon::Error);
}

TEST_F(Logos, StoredDifferentlyIsSaid) {
    startConnected({"--model", "T260", "--alter-writes"});
    logos::makeBlankLogo(session.logos, 20, 16);
    dialogs.answer("7");
    EXPECT_EQ(lastText(26), QStringLiteral("Передача Логотипа #007 не подтверждена:\n\rстолбец 0 в "
                                           "Маркираторе отличается от записанного."));
}

// X x R = 12 is written with one empty column more and read back as such.
TEST_F(Logos, TwelveByEightIsWrittenWithOneColumnMore) {
    startConnected({"--model", "T260"});
    logos::makeBlankLogo(session.logos, 12, 8);
    logos::paintDot(session.logos, 11, 7, true);
    dialogs.answer(platform::kYes);
    dialogs.answer("3");
    EXPECT_EQ(lastText(26), QStringLiteral("Передача Логотипа #003 завершена."));
    dialogs.answer("3");
    run(25);
    EXPECT_EQ(session.logos.width, 13);
    EXPECT_TRUE(logos::isDark(session.logos.logo.pixel(11, 7)));
}

} // namespace
