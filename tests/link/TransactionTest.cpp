#include "link/Transaction.h"
#include "LinkFixture.h"

using namespace nimbrel;
using nimbrel::testing::LinkFixture;

namespace {

struct Transaction : LinkFixture {
    void SetUp() override { openOn("COM3"); }
};

TEST_F(Transaction, WritesTheCommandAsItIsAndReturnsTheStableCount) {
    port.queueReply(QByteArray("\x06T936 v4", 8), 3);
    const int waiting = link::runCommand(ctx, QByteArray("\x11\x5C\x0E", 3));
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes, QByteArray("\x11\x5C\x0E", 3));
    EXPECT_EQ(waiting, 8);
    EXPECT_EQ(conn.linkError, 0);
    EXPECT_TRUE(dialogs.calls.empty());
    // The transaction leaves the bytes for the caller.
    EXPECT_EQ(port.bytesWaitingInput(), 8);
}

TEST_F(Transaction, PollsTwoCountsOneMillisecondApart) {
    port.queueReply(QByteArray("ab"), 0);
    link::runCommand(ctx, QByteArray("\x11i\x0E", 3));
    ASSERT_GE(clock.sleeps.size(), 2u);
    EXPECT_EQ(clock.sleeps[0], 1);
    EXPECT_EQ(clock.sleeps[1], 1);
    // Reply there from the start: one pass of two 1 ms pauses.
    EXPECT_EQ(clock.elapsedMs(), 2);
}

TEST_F(Transaction, TricklingReplyIsTakenOnlyWhenTwoCountsAgree) {
    // Two bytes a millisecond: successive counts differ until the last byte is in.
    const QByteArray reply(20, 'x');
    port.queueReply(reply, 1, 2.0);
    const int waiting = link::runCommand(ctx, QByteArray("\x11w\x0E", 3));
    EXPECT_EQ(waiting, 20);
    EXPECT_GE(clock.elapsedMs(), 1 + 19 / 2);
}

TEST_F(Transaction, PauseLongerThanAPassEndsTheReplyEarly) {
    // The reply is taken as soon as one pass sees no growth: a 5 ms gap splits it.
    port.queueReply(QByteArray("abc"), 1);
    port.schedule(QByteArray("def"), 8);
    EXPECT_EQ(link::runCommand(ctx, QByteArray("\x11w\x0E", 3)), 3);
}

TEST_F(Transaction, NoReplyGivesTheMessageAfterAtLeast500Ms) {
    port.queueSilence();
    const int waiting = link::runCommand(ctx, QByteArray("\x11i\x0E", 3));
    EXPECT_EQ(waiting, 0);
    EXPECT_EQ(conn.linkError, 1);
    EXPECT_GE(clock.elapsedMs(), 500);
    EXPECT_EQ(clock.sleeps.size(), 500u);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!"));
    EXPECT_EQ(dialogs.calls[0].kind, 16);
    EXPECT_EQ(shell.markLinkIcon, link::LinkIcon::Error);
    EXPECT_EQ(shell.graphicsLinkIcon, link::LinkIcon::Error);
    EXPECT_FALSE(shell.talking);
}

TEST_F(Transaction, FailedWriteIsReportedLikeNoReply) {
    port.failWrites = true;
    EXPECT_EQ(link::runCommand(ctx, QByteArray("\x11i\x0E", 3)), 0);
    EXPECT_EQ(conn.linkError, 1);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text,
              QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!"));
}

TEST_F(Transaction, ClosedPortNeverWrites) {
    port.setOpen(false);
    EXPECT_EQ(link::runCommand(ctx, QByteArray("\x11i\x0E", 3)), 0);
    EXPECT_TRUE(port.writes.empty());
    EXPECT_EQ(conn.linkError, 1);
}

TEST_F(Transaction, LateReplyOfAFailedExchangeIsNotReadAsTheNextReply) {
    port.queueSilence();
    link::runCommand(ctx, QByteArray("\x11w\x0E", 3));
    // The first command's answer turns up after the wait gave up.
    port.schedule(QByteArray("\x01\x00\x01\x17\x2D", 5), clock.elapsedMs() + 5);
    clock.advance(20);
    port.queueReply(QByteArray("\x06T260 v1", 8), 2);
    const int waiting = link::runCommand(ctx, QByteArray("\x11i\x0E", 3));
    EXPECT_EQ(waiting, 8);
    int received = 0;
    const QByteArray reply = link::readReply(ctx, waiting, 256, &received);
    EXPECT_EQ(received, 8);
    EXPECT_EQ(reply.left(8), QByteArray("\x06T260 v1", 8));
}

TEST_F(Transaction, TheWaitingCountIsExactlyWhatIsThenRead) {
    port.queueReply(QByteArray(73, 'Z'), 2);
    const int waiting = link::runCommand(ctx, QByteArray("\x11\x5C\x0E", 3));
    int received = 0;
    const QByteArray reply = link::readReply(ctx, waiting, 256, &received);
    EXPECT_EQ(received, 73);
    EXPECT_EQ(reply.size(), 256);
    EXPECT_EQ(reply.left(73), QByteArray(73, 'Z'));
    EXPECT_EQ(reply.mid(73), QByteArray(256 - 73, '\0'));
}

TEST_F(Transaction, ReplyLongerThanTheBufferIsCutAndTheRestDrained) {
    QByteArray big(300, 'A');
    big[299] = 'B';
    port.queueReply(big, 2);
    const int waiting = link::runCommand(ctx, QByteArray("\x0F\x61\x0E", 3));
    ASSERT_EQ(waiting, 300);
    int received = 0;
    const QByteArray reply = link::readReply(ctx, waiting, 256, &received);
    EXPECT_EQ(reply.size(), 256);
    EXPECT_EQ(received, 256);
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

struct WaitCase {
    link::WaitParams params;
    int expectedSleepsWithoutReply;
    int expectedFirstSleep;
};

class OtherWaits : public LinkFixture, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(OtherWaits, GiveUpAfterTheirPasses) {
    openOn("COM5");
    const WaitCase c = GetParam();
    EXPECT_EQ(link::waitForReply(port, clock, c.params), 0);
    EXPECT_EQ(static_cast<int>(clock.sleeps.size()), c.expectedSleepsWithoutReply);
    EXPECT_EQ(clock.sleeps.front(), c.expectedFirstSleep);
}

INSTANTIATE_TEST_SUITE_P(Table, OtherWaits,
                         ::testing::Values(WaitCase{{0, 1, 250}, 500, 1},
                                           WaitCase{{0, 1, 200}, 400, 1},
                                           WaitCase{{10, 5, 100}, 201, 10},
                                           WaitCase{{0, 2, 350}, 700, 2},
                                           WaitCase{{0, 1, 1000}, 2000, 1}));

TEST(WaitTable, DelaysAndBoundsOfEachTransfer) {
    EXPECT_EQ(link::kCommandWait.maxPasses, 250);
    EXPECT_EQ(link::kLogoReadWait.maxPasses, 200);
    EXPECT_EQ(link::kMarkReadWait.firstDelayMs, 10);
    EXPECT_EQ(link::kMarkReadWait.pauseMs, 5);
    EXPECT_EQ(link::kMarkReadWait.maxPasses, 100);
    EXPECT_EQ(link::kCurrentMarkWait.pauseMs, 2);
    EXPECT_EQ(link::kCurrentMarkWait.maxPasses, 350);
    EXPECT_EQ(link::kBitmapWait.maxPasses, 1000);
}

} // namespace

namespace {

using OutputWait = nimbrel::testing::LinkFixture;

TEST_F(OutputWait, ReturnsAtOnceWhenTheQueueIsEmpty) {
    EXPECT_TRUE(link::waitForOutputSent(port, clock, 100));
    EXPECT_EQ(clock.elapsedMs(), 0);
}

TEST_F(OutputWait, GivesUpOnAQueueThatNeverEmpties) {
    port.outputWaiting = 256;
    EXPECT_FALSE(link::waitForOutputSent(port, clock, 100));
    EXPECT_EQ(clock.elapsedMs(), 100);
}

} // namespace
