#include "session/Talk.h"
#include "LinkFixture.h"
#include "printer/PrinterOperations.h"

using namespace nimbrel;
using nimbrel::testing::LinkFixture;

namespace {

struct Talk : LinkFixture {
    void SetUp() override { openOn("COM3"); }
};

TEST_F(Talk, NoReplyGivesTheReadErrorAndTheErrorIcons) {
    port.queueSilence();
    const auto r = session::transact(ctx, printer::readWorkingHours);
    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(conn.linkFailed());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!"));
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(shell.markLinkIcon, session::LinkIcon::Error);
    EXPECT_EQ(shell.graphicsLinkIcon, session::LinkIcon::Error);
    EXPECT_FALSE(shell.talking);
}

TEST_F(Talk, RefusedWriteReadsLikeNoReplyAndASuccessClearsTheFlag) {
    port.failWrites = true;
    session::transact(ctx, printer::readWorkingHours);
    EXPECT_TRUE(conn.linkFailed());
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!"));
    port.failWrites = false;
    port.queueReply(QByteArray("\x01\x00\x01\x17\x2D", 5));
    EXPECT_TRUE(session::transact(ctx, printer::readWorkingHours).ok());
    EXPECT_FALSE(conn.linkFailed());
}

} // namespace
