#include "AppFixture.h"
#include "logos/LogoEditor.h"

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

struct LogoDispatch : AppFixture {};

TEST_F(LogoDispatch, TransfersNeedAPort) {
    startWithoutPort();
    for (int id : {25, 26, 28, 29}) {
        dialogs.calls.clear();
        dispatcher.dispatch(id);
        ASSERT_EQ(dialogs.calls.size(), 1u) << id;
        EXPECT_TRUE(dialogs.calls[0].text.startsWith(QStringLiteral("Соединение с Маркиратором")))
            << id;
    }
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(LogoDispatch, MenuCommandsReachTheLogo) {
    startConnected("T260");
    port.writes.clear();
    port.queueReply(QByteArray("\x02\x00\x01\x80\x01", 5));
    dispatcher.dispatch(28);
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes, QByteArray("\x0F\x62\x0E"));
    EXPECT_EQ(session.logos.width, 2);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("Размер XY: 2x8"));

    dispatcher.dispatch(32);
    EXPECT_EQ(logos::countActiveDrops(session.logos), 14);
    dialogs.answer("300");
    dispatcher.dispatch(30);
    EXPECT_EQ(session.logos.width, 2);
    EXPECT_EQ(shell.sizeStatus, QStringLiteral("XY-size = 2:8"));
    dispatcher.dispatch(35);
    EXPECT_EQ(dialogs.calls.back().text,
              QStringLiteral("Число активных капель в бит-карте:  14  "));
}

TEST_F(LogoDispatch, FilesStartInTheWorkingFolder) {
    startWithoutPort();
    dispatcher.dispatch(21);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].proposed, session.workingFolder);
    EXPECT_TRUE(session.workingFolder.endsWith(QStringLiteral("PRINTER FILES")));
}

} // namespace
