#include "LineFixture.h"
#include "TestBytes.h"

using namespace nimbrel;
using link::ExchangeError;
using nimbrel::testing::LineFixture;

namespace {

using Exchange = LineFixture;

TEST_F(Exchange, WritesTheCommandAsItIsAndReadsTheStableCount) {
    port.queueReply(QByteArray("\x06T936 v4", 8), 3);
    const auto r = link::exchange(line, query(QByteArray("\x11\x5C\x0E", 3)));
    ASSERT_EQ(port.writes.size(), 1u);
    EXPECT_EQ(port.writes[0].bytes, QByteArray("\x11\x5C\x0E", 3));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.reply, QByteArray("\x06T936 v4", 8));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

TEST_F(Exchange, PollsTwoCountsOneMillisecondApart) {
    port.queueReply(QByteArray("ab"), 0);
    link::exchange(line, query(QByteArray("\x11i\x0E", 3)));
    ASSERT_GE(clock.sleeps.size(), 2u);
    EXPECT_EQ(clock.sleeps[0], 1);
    EXPECT_EQ(clock.sleeps[1], 1);
    // Reply there from the start: one pass of two 1 ms pauses.
    EXPECT_EQ(clock.elapsedMs(), 2);
}

TEST_F(Exchange, TricklingReplyIsTakenOnlyWhenTwoCountsAgree) {
    // Two bytes a millisecond: successive counts differ until the last byte is in.
    port.queueReply(QByteArray(20, 'x'), 1, 2.0);
    const auto r = link::exchange(line, query(QByteArray("\x11w\x0E", 3)));
    EXPECT_EQ(r.reply.size(), 20);
    EXPECT_GE(clock.elapsedMs(), 1 + 19 / 2);
}

TEST_F(Exchange, PauseLongerThanAPassEndsTheReplyEarly) {
    // The reply is taken as soon as one pass sees no growth: a 5 ms gap splits it.
    port.queueReply(QByteArray("abc"), 1);
    port.schedule(QByteArray("def"), 8);
    EXPECT_EQ(link::exchange(line, query(QByteArray("\x11w\x0E", 3))).reply, QByteArray("abc"));
}

TEST_F(Exchange, NoReplyAfterAtLeast500Ms) {
    port.queueSilence();
    const auto r = link::exchange(line, query(QByteArray("\x11i\x0E", 3)));
    EXPECT_EQ(r.error, ExchangeError::NoReply);
    EXPECT_GE(clock.elapsedMs(), 500);
    EXPECT_EQ(clock.sleeps.size(), 500u);
}

TEST_F(Exchange, RefusedWriteAndClosedPort) {
    port.failWrites = true;
    EXPECT_EQ(link::exchange(line, query(QByteArray("\x11i\x0E", 3))).error,
              ExchangeError::WriteFailed);
    port.failWrites = false;
    port.setOpen(false);
    EXPECT_EQ(link::exchange(line, query(QByteArray("\x11i\x0E", 3))).error,
              ExchangeError::NotOpen);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(Exchange, LateReplyOfAFailedExchangeIsNotReadAsTheNextReply) {
    port.queueSilence();
    link::exchange(line, query(QByteArray("\x11w\x0E", 3)));
    // The first command's answer turns up after the wait gave up.
    port.schedule(QByteArray("\x01\x00\x01\x17\x2D", 5), clock.elapsedMs() + 5);
    clock.advance(20);
    port.queueReply(QByteArray("\x06T260 v1", 8), 2);
    const auto r = link::exchange(line, query(QByteArray("\x11i\x0E", 3)));
    EXPECT_EQ(r.reply, QByteArray("\x06T260 v1", 8));
}

TEST_F(Exchange, ReplyLongerThanTheBufferIsCutAndTheRestDrained) {
    QByteArray big(300, 'A');
    big[299] = 'B';
    port.queueReply(big, 2);
    const auto r = link::exchange(line, query(QByteArray("\x0F\x61\x0E", 3)));
    EXPECT_EQ(r.reply, QByteArray(256, 'A'));
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

TEST_F(Exchange, SettleTakesTheRestOfAReplyOfOpenLength) {
    // The mark read settles 200 ms, then counts again: the tail that came meanwhile is read.
    port.queueReply(QByteArray(10, 'M'), 2);
    port.schedule(QByteArray(5, 'N'), 100);
    link::Request r = query(QByteArray("\x0Fr07", 4), 2048);
    r.settleMs = 200;
    EXPECT_EQ(link::exchange(line, r).reply, QByteArray(10, 'M') + QByteArray(5, 'N'));
}

TEST_F(Exchange, PiecesGoOutWithTheirPausesAndEachDrains) {
    link::Request r;
    r.command = QByteArray("\x0Ft07");
    r.drainPiecesMs = 2000;
    r.pieces = {{QByteArray(256, 'a'), 2, 30}, {QByteArray(10, 'b'), 0, 30}};
    EXPECT_TRUE(link::exchange(line, r).ok());
    ASSERT_EQ(port.writes.size(), 3u);
    EXPECT_EQ(port.writes[1].atMs, 2);
    EXPECT_EQ(port.writes[2].atMs, 32);
    EXPECT_EQ(clock.elapsedMs(), 62);
}

TEST_F(Exchange, APieceThatNeverLeavesTheQueueIsAWriteFailure) {
    link::Request r;
    r.command = QByteArray("\x0Fl005\x0E");
    r.drainCommandMs = 1000;
    r.pieces = {{QByteArray(256, 'a'), 1, 200}};
    port.outputWaiting = 6;
    EXPECT_EQ(link::exchange(line, r).error, ExchangeError::WriteFailed);
    EXPECT_EQ(port.writes.size(), 1u);
}

TEST_F(Exchange, TraceSeesBothDirectionsInOrder) {
    std::vector<std::pair<link::TraceDirection, QByteArray>> seen;
    line.trace = [&](link::TraceDirection d, const QByteArray& b) { seen.push_back({d, b}); };
    port.queueReply(QByteArray("\x06T260", 5), 2);
    link::exchange(line, query(QByteArray("\x11i\x0E", 3)));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].first, link::TraceDirection::Sent);
    EXPECT_EQ(seen[0].second, QByteArray("\x11i\x0E", 3));
    EXPECT_EQ(seen[1].first, link::TraceDirection::Received);
    EXPECT_EQ(seen[1].second, QByteArray("\x06T260", 5));
}

struct WaitCase {
    link::WaitParams params;
    int expectedSleepsWithoutReply;
    int expectedFirstSleep;
};

class OtherWaits : public LineFixture, public ::testing::WithParamInterface<WaitCase> {};

TEST_P(OtherWaits, GiveUpAfterTheirPasses) {
    const WaitCase c = GetParam();
    port.queueSilence();
    link::Request r = query(QByteArray("\x0F\x62\x0E", 3));
    r.wait = c.params;
    EXPECT_EQ(link::exchange(line, r).error, ExchangeError::NoReply);
    EXPECT_EQ(static_cast<int>(clock.sleeps.size()), c.expectedSleepsWithoutReply);
    EXPECT_EQ(clock.sleeps.front(), c.expectedFirstSleep);
}

INSTANTIATE_TEST_SUITE_P(Table, OtherWaits,
                         ::testing::Values(WaitCase{{0, 1, 250}, 500, 1},
                                           WaitCase{{0, 1, 200}, 400, 1},
                                           WaitCase{{10, 5, 100}, 201, 10},
                                           WaitCase{{0, 2, 350}, 700, 2},
                                           WaitCase{{0, 1, 1000}, 2000, 1}),
                         [](const auto& info) {
                             const link::WaitParams& p = info.param.params;
                             return "First" + std::to_string(p.firstDelayMs) + "Pause" +
                                    std::to_string(p.pauseMs) + "Passes" +
                                    std::to_string(p.maxPasses);
                         });

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

using OutputWait = LineFixture;

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

namespace {

using nimbrel::testing::bytes;

struct LengthCase {
    const char* name;
    QByteArray first;  // arrives 2 ms after the command
    QByteArray second; // arrives after a gap longer than a pass; empty: none
    int gapMs;
    ExchangeError error;
    QByteArray reply;
};

class KnownLength : public LineFixture, public ::testing::WithParamInterface<LengthCase> {};

// The logo answer's own header tells its length: a status byte, width, bytes per column, the
// columns.
int logoLength(const QByteArray& soFar) {
    if (soFar.size() < 3)
        return link::kLengthOpen;
    return 3 + static_cast<unsigned char>(soFar[1]) * static_cast<unsigned char>(soFar[2]);
}

TEST_P(KnownLength, GapsAreWaitedForAndWrongLengthsCaught) {
    const LengthCase& c = GetParam();
    port.queueReply(c.first, 2);
    if (!c.second.isEmpty())
        port.schedule(c.second, 2 + c.gapMs);
    link::Request r = query(QByteArray("\x0Fi005", 5), 1024);
    r.length = logoLength;
    const auto result = link::exchange(line, r);
    EXPECT_EQ(result.error, c.error);
    if (c.error == ExchangeError::None) {
        EXPECT_EQ(result.reply, c.reply);
    }
    EXPECT_EQ(port.bytesWaitingInput(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownLength,
    ::testing::Values(
        LengthCase{"WholeAtOnce",
                   bytes({6, 2, 1, 0xAA, 0x55}),
                   {},
                   0,
                   ExchangeError::None,
                   bytes({6, 2, 1, 0xAA, 0x55})},
        LengthCase{"GapAfterHeader", bytes({6, 2, 1}), bytes({0xAA, 0x55}), 20, ExchangeError::None,
                   bytes({6, 2, 1, 0xAA, 0x55})},
        LengthCase{"ShortAtTheLimit", bytes({6, 2, 1, 0xAA}), {}, 0, ExchangeError::BadLength, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineFixture, ShortReplyWaitsNoLongerThanThePasses) {
    port.queueReply(bytes({6, 2, 1}), 2);
    link::Request r = query(QByteArray("\x0Fi005", 5));
    r.length = logoLength;
    EXPECT_EQ(link::exchange(line, r).error, ExchangeError::BadLength);
    EXPECT_LE(clock.elapsedMs(), 502);
}

struct QuietLine : LineFixture {
    link::LineState state;
    QuietLine() { line.state = &state; }
};

TEST_F(QuietLine, LateReplyAfterNoReplyIsDroppedBeforeTheNextCommand) {
    port.queueSilence();
    EXPECT_EQ(link::exchange(line, query(QByteArray("\x11w\x0E", 3))).error,
              ExchangeError::NoReply);
    // The hours answer turns up a second after its command; the next command goes out 600 ms
    // after the wait gave up, before the late bytes.
    port.schedule(bytes({6, 0, 1, 0x17, 0x2D}), 1000);
    clock.advance(600);
    port.queueReply(bytes({0}), 2);
    const auto r = link::exchange(line, query(QByteArray("\x0Fr07", 4)));
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(r.reply, bytes({0}));
    ASSERT_EQ(port.writes.size(), 2u);
    EXPECT_GT(port.writes[1].atMs, 1000);
    // Once the line was found quiet, the next command costs nothing extra.
    port.queueReply(bytes({6, 3}), 2);
    const qint64 before = clock.elapsedMs();
    link::exchange(line, query(QByteArray("\x11S\x0E", 3)));
    EXPECT_EQ(port.writes[2].atMs, before);
}

TEST_F(QuietLine, ALineThatNeverFallsQuietGetsNoCommand) {
    port.schedule(QByteArray(2000, 'g'), 0, 2.0);
    EXPECT_EQ(link::exchange(line, query(QByteArray("\x11i\x0E", 3))).error,
              ExchangeError::LineBusy);
    EXPECT_TRUE(port.writes.empty());
}

TEST_F(QuietLine, StrayBytesAreDroppedUntilTheLineIsQuiet) {
    port.schedule(bytes({1, 2, 3}), 0);
    port.queueReply(QByteArray("\x06T936", 5), 2);
    const auto r = link::exchange(line, query(QByteArray("\x11i\x0E", 3)));
    EXPECT_EQ(r.reply, QByteArray("\x06T936", 5));
    EXPECT_EQ(port.writes[0].atMs, 5);
}

} // namespace
