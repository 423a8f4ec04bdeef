// The same behaviour asked of the test double and of the real port on a pseudo-terminal, so
// the tests that run on the double rely on nothing the real line would not do.
#include "FakeSerialPort.h"
#include "PtyPair.h"
#include "Ser2net.h"
#include "platform/SerialPortNetwork.h"
#include "platform/SerialPortPosix.h"

#include <gtest/gtest.h>

#include <sys/ioctl.h>
#include <termios.h>

#include <chrono>
#include <thread>
#include <vector>

namespace nimbrel::platform {
namespace {

// A real port on a pseudo-terminal; the test is the far end, and time is the wall clock.
class PtyLine {
public:
    static constexpr bool kOpenDropsEarlierInput = true;
    PtyLine() { EXPECT_TRUE(m_pty.ok()); }
    ~PtyLine() {
        for (std::thread& t : m_later)
            t.join();
    }
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    SerialPort& port() { return m_port; }
    OpenResult open() { return m_port.open(m_pty.slavePath(), LineSettings{}); }
    OpenResult openMissing() {
        return m_port.open(QStringLiteral("/dev/nimbrel-no-such-device"), LineSettings{});
    }
    // The far end sends `bytes` `afterMs` from now; sent at once, they are in the input queue
    // on return (counted on the test's own descriptor, so whether the port is open or not).
    void send(const QByteArray& bytes, int afterMs = 0) {
        if (afterMs > 0) {
            m_later.emplace_back([this, bytes, afterMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
                m_pty.writeMaster(bytes);
            });
            return;
        }
        const int before = queued();
        ASSERT_TRUE(m_pty.writeMaster(bytes));
        ASSERT_EQ(testing::waitForCount(before + static_cast<int>(bytes.size()),
                                        [this] { return queued(); }),
                  before + bytes.size());
    }
    QByteArray received(int count) { return m_pty.readMaster(count); }
    void pass(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

private:
    int queued() const {
        int n = 0;
        ::ioctl(m_pty.slave(), FIONREAD, &n);
        return n;
    }

    testing::PtyPair m_pty;
    SerialPortPosix m_port;
    std::vector<std::thread> m_later;
};

// The network port through ser2net (Telnet com-port on loopback) to a pseudo-terminal whose
// master end is the test's; time is the wall clock.
class NetLine {
public:
    // What reaches the server's line while no client is connected is the server's: ser2net
    // on a pseudo-terminal passes it on with the next bytes after a later open, and a purge
    // request does not reach it. The exchange drops such bytes before each command.
    static constexpr bool kOpenDropsEarlierInput = false;
    NetLine() : m_server(m_pty.slavePath().toStdString()) {
        EXPECT_TRUE(m_pty.ok());
        // Raw as a serial line is: the server puts back the mode it found when it lets the
        // line go, and a canonical one would hold bytes back until a line end.
        termios mode{};
        ::tcgetattr(m_pty.slave(), &mode);
        ::cfmakeraw(&mode);
        ::tcsetattr(m_pty.slave(), TCSANOW, &mode);
        EXPECT_TRUE(m_server.ok()) << m_server.logText();
    }
    ~NetLine() {
        for (std::thread& t : m_later)
            t.join();
        m_port.close();
    }
    NetLine(const NetLine&) = delete;
    NetLine& operator=(const NetLine&) = delete;

    SerialPort& port() { return m_port; }
    OpenResult open() {
        return m_port.open(QString::fromStdString(m_server.rfc2217Url()), LineSettings{});
    }
    OpenResult openMissing() {
        return m_port.open(
            QStringLiteral("rfc2217://127.0.0.1:%1").arg(testing::Ser2net::freePort()),
            LineSettings{});
    }
    // At once: counted by the port when it is open. While it is closed the server may still
    // be reading the line, so the bytes are given time to settle wherever they go.
    void send(const QByteArray& bytes, int afterMs = 0) {
        if (afterMs > 0) {
            m_later.emplace_back([this, bytes, afterMs] {
                std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
                m_pty.writeMaster(bytes);
            });
            return;
        }
        if (!m_port.isOpen()) {
            ASSERT_TRUE(m_pty.writeMaster(bytes));
            pass(100);
            return;
        }
        const int before = m_port.bytesWaitingInput();
        ASSERT_TRUE(m_pty.writeMaster(bytes));
        ASSERT_EQ(testing::waitForCount(before + static_cast<int>(bytes.size()),
                                        [this] { return m_port.bytesWaitingInput(); }),
                  before + bytes.size());
    }
    QByteArray received(int count) { return m_pty.readMaster(count); }
    void pass(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
    void stopServer() { m_server.stop(); }

private:
    testing::PtyPair m_pty;
    testing::Ser2net m_server;
    SerialPortNetwork m_port;
    std::vector<std::thread> m_later;
};

// The test double; time is the fake clock.
class FakeLine {
public:
    static constexpr bool kOpenDropsEarlierInput = true;
    SerialPort& port() { return m_port; }
    OpenResult open() {
        m_port.openResult = {};
        return m_port.open(QStringLiteral("/dev/ttyS0"), LineSettings{});
    }
    OpenResult openMissing() {
        m_port.openResult = {OpenError::NotFound, {}};
        return m_port.open(QStringLiteral("/dev/nimbrel-no-such-device"), LineSettings{});
    }
    void send(const QByteArray& bytes, int afterMs = 0) {
        m_port.schedule(bytes, m_clock.elapsedMs() + afterMs);
    }
    QByteArray received(int count) {
        QByteArray all;
        for (const auto& w : m_port.writes)
            all += w.bytes;
        const QByteArray out = all.mid(m_taken, count);
        m_taken += static_cast<int>(out.size());
        return out;
    }
    void pass(int ms) { m_clock.advance(ms); }

private:
    testing::FakeClock m_clock;
    testing::FakeSerialPort m_port{m_clock};
    int m_taken = 0;
};

// Lets time pass until the port counts `expected` bytes waiting, within a generous bound.
template <typename Line> int waitForInput(Line& line, int expected) {
    int seen = line.port().bytesWaitingInput();
    for (int ms = 0; ms < 2000 && seen != expected; ++ms) {
        line.pass(1);
        seen = line.port().bytesWaitingInput();
    }
    return seen;
}

template <typename Line> class SerialPortContract : public ::testing::Test {
protected:
    void openLine() {
        const OpenResult r = line.open();
        ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    }
    SerialPort& port() { return line.port(); }

    Line line;
};

using Lines = ::testing::Types<PtyLine, NetLine, FakeLine>;
TYPED_TEST_SUITE(SerialPortContract, Lines);

TYPED_TEST(SerialPortContract, IsOpenFollowsOpenAndClose) {
    EXPECT_FALSE(this->port().isOpen());
    this->openLine();
    EXPECT_TRUE(this->port().isOpen());
    this->port().close();
    EXPECT_FALSE(this->port().isOpen());
    this->port().close();
    EXPECT_FALSE(this->port().isOpen());
    this->openLine();
    EXPECT_TRUE(this->port().isOpen());
    // A failed open leaves no port open, not even the one open before.
    EXPECT_EQ(this->line.openMissing().error, OpenError::NotFound);
    EXPECT_FALSE(this->port().isOpen());
}

TYPED_TEST(SerialPortContract, ClosedPortDoesNothingWithBytesOnTheLine) {
    this->openLine();
    this->line.send(QByteArray("abc"));
    this->port().close();
    EXPECT_FALSE(this->port().write(QByteArray("\x11\x69\x0E", 3)));
    EXPECT_EQ(this->port().bytesWaitingInput(), 0);
    EXPECT_EQ(this->port().bytesWaitingOutput(), 0);
    EXPECT_TRUE(this->port().read(3).isEmpty());
    this->port().discardInput();
    EXPECT_TRUE(this->line.received(4).isEmpty());
    // What came before the open is not part of any reply; what comes after is.
    if (TypeParam::kOpenDropsEarlierInput)
        this->line.send(QByteArray("def"));
    this->openLine();
    EXPECT_EQ(this->port().bytesWaitingInput(), 0);
    this->line.send(QByteArray("new"));
    EXPECT_EQ(this->port().read(3), QByteArray("new"));
}

TYPED_TEST(SerialPortContract, CountsFollowWritesArrivalsAndReads) {
    this->openLine();
    const QByteArray command("\x11\x5C\x0E\x00\xFF", 5);
    ASSERT_TRUE(this->port().write(command));
    EXPECT_EQ(this->line.received(6), command);
    EXPECT_EQ(this->port().bytesWaitingOutput(), 0);

    EXPECT_EQ(this->port().bytesWaitingInput(), 0);
    const QByteArray reply("\x06T936 v4.07\x00\x0D\x0A\x03", 15);
    this->line.send(reply);
    EXPECT_EQ(this->port().bytesWaitingInput(), 15);
    EXPECT_EQ(this->port().read(4), reply.left(4));
    EXPECT_EQ(this->port().bytesWaitingInput(), 11);
    EXPECT_EQ(this->port().read(11), reply.mid(4));
    EXPECT_EQ(this->port().bytesWaitingInput(), 0);
}

TYPED_TEST(SerialPortContract, DiscardDropsWhatHasArrivedNotWhatComesLater) {
    this->openLine();
    this->line.send(QByteArray("stale"));
    this->line.send(QByteArray("fresh"), 200);
    this->port().discardInput();
    EXPECT_EQ(this->port().bytesWaitingInput(), 0);
    EXPECT_EQ(waitForInput(this->line, 5), 5);
    EXPECT_EQ(this->port().read(5), QByteArray("fresh"));
}

struct Arrival {
    int afterMs;
    const char* bytes;
};

struct ReadCase {
    const char* what;
    std::vector<Arrival> arrivals;
    int max;
    const char* expected;
    int left; // bytes waiting once every arrival is in
};

// Time-outs of the real port: 100 ms between bytes; 10 ms per byte asked + 100 ms in all.
const std::vector<ReadCase> kReads = {
    {"quiet line", {}, 4, "", 0},
    {"no more than asked", {{0, "0123456789"}}, 4, "0123", 6},
    {"what has arrived", {{0, "abc"}}, 8, "abc", 0},
    {"waits for a first byte", {{40, "late"}}, 64, "late", 0},
    {"a gap ends the read", {{0, "ab"}, {40, "cd"}, {500, "ef"}}, 64, "abcd", 2},
    {"gives up before a late byte", {{500, "xyz"}}, 4, "", 3},
};

TYPED_TEST(SerialPortContract, ReadReturnsWhatCameWithinItsTimeOuts) {
    for (const ReadCase& c : kReads) {
        SCOPED_TRACE(c.what);
        TypeParam fresh;
        ASSERT_TRUE(fresh.open().ok());
        for (const Arrival& a : c.arrivals)
            fresh.send(QByteArray(a.bytes), a.afterMs);
        EXPECT_EQ(fresh.port().read(c.max), QByteArray(c.expected));
        fresh.pass(500);
        EXPECT_EQ(waitForInput(fresh, c.left), c.left);
    }
}

TYPED_TEST(SerialPortContract, ReadOfNothingTakesNothing) {
    this->openLine();
    this->line.send(QByteArray("xy"));
    EXPECT_TRUE(this->port().read(0).isEmpty());
    EXPECT_TRUE(this->port().read(-1).isEmpty());
    EXPECT_EQ(this->port().bytesWaitingInput(), 2);
}

// A server that goes away drops the connection: the port tells it without a command, and
// stays open until it is closed.
TEST(SerialPortNetworkAlive, ServerGoneIsToldWithoutACommand) {
    NetLine line;
    ASSERT_TRUE(line.open().ok());
    EXPECT_TRUE(line.port().isAlive());
    line.stopServer();
    bool alive = true;
    for (int look = 0; look < 150 && alive; ++look) {
        line.pass(20);
        alive = line.port().isAlive();
    }
    EXPECT_FALSE(alive);
    EXPECT_TRUE(line.port().isOpen());
}

} // namespace
} // namespace nimbrel::platform
