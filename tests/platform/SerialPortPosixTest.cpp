#include "platform/SerialPortPosix.h"

#include "PtyPair.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace nimbrel::platform {
namespace {

using testing::PtyPair;

class SerialPortPosixTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_pty.ok()); }

    void openDefault() {
        const OpenResult r = m_port.open(m_pty.slavePath(), LineSettings{});
        ASSERT_TRUE(r.ok()) << r.detail.toStdString();
    }
    int waitForInput(int expected) {
        return testing::waitForCount(expected, [this] { return m_port.bytesWaitingInput(); });
    }
    [[nodiscard]] termios slaveTermios() const {
        termios tio{};
        EXPECT_EQ(tcgetattr(m_pty.slave(), &tio), 0);
        return tio;
    }

    PtyPair m_pty;
    SerialPortPosix m_port;
};

// The open lowers RTS and touches no other modem line (DTR stays as the open set it).
TEST(SerialPortModemLines, OpenLowersRtsOnly) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    struct Call {
        unsigned long request;
        int bits;
    };
    std::vector<Call> calls;
    SerialPortPosix port([&calls](int, unsigned long request, int bits) {
        calls.push_back({request, bits});
        return 0;
    });
    ASSERT_TRUE(port.open(pty.slavePath(), LineSettings{}).ok());
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].request, static_cast<unsigned long>(TIOCMBIC));
    EXPECT_EQ(calls[0].bits, TIOCM_RTS);
    port.close();
    EXPECT_EQ(calls.size(), 1u);
}

// A device without modem lines refuses the call; the port is open all the same.
TEST(SerialPortModemLines, RefusedModemLinesStillOpen) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    SerialPortPosix port([](int, unsigned long, int) { return -1; });
    ASSERT_TRUE(port.open(pty.slavePath(), LineSettings{}).ok());
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(port.settingsApplied());
}

TEST_F(SerialPortPosixTest, OpenMakesTheLineRaw115200_8N1) {
    const termios fresh = slaveTermios();
    ASSERT_NE(cfgetospeed(&fresh), B115200);
    openDefault();
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_TRUE(m_port.settingsApplied());

    const termios tio = slaveTermios();
    EXPECT_EQ(cfgetospeed(&tio), B115200);
    EXPECT_EQ(cfgetispeed(&tio), B115200);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t(CLOCAL | CREAD));
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
}

struct RateCase {
    int baud;
    int stopBits;
    bool arbitrary;
};

class SerialPortPosixRate : public SerialPortPosixTest,
                            public ::testing::WithParamInterface<RateCase> {};

// A pseudo-terminal keeps rate and stop bits (it forces 8 bits without parity, so those are
// checked on termios directly elsewhere).
TEST_P(SerialPortPosixRate, LineRunsAtTheRate) {
    const RateCase& c = GetParam();
    ASSERT_TRUE(
        m_port.open(m_pty.slavePath(), LineSettings{c.baud, Parity::None, 8, c.stopBits}).ok());
    EXPECT_TRUE(m_port.settingsApplied());
    EXPECT_EQ(testing::kernelLineRate(m_pty.slave()), c.baud);
    EXPECT_EQ(testing::kernelRateIsArbitrary(m_pty.slave()), c.arbitrary);
    EXPECT_EQ((slaveTermios().c_cflag & CSTOPB) != 0, c.stopBits == 2);
    m_port.close();
    EXPECT_EQ(readDeviceSettings(m_pty.slavePath()),
              QStringLiteral("%1,n,8,%2").arg(c.baud).arg(c.stopBits));
}

INSTANTIATE_TEST_SUITE_P(Rates, SerialPortPosixRate,
                         ::testing::Values(RateCase{115200, 1, false}, RateCase{57600, 2, false},
                                           RateCase{38400, 1, false}, RateCase{28800, 1, true},
                                           RateCase{19200, 1, false}, RateCase{14400, 2, true},
                                           RateCase{9600, 1, false}, RateCase{921600, 1, false},
                                           RateCase{250000, 1, true}),
                         [](const auto& info) {
                             return testName(info.param.baud, info.param.stopBits);
                         });

TEST_F(SerialPortPosixTest, RefusedSettingsStillOpenWithTheDevicesOwn) {
    const termios before = slaveTermios();
    const OpenResult r = m_port.open(m_pty.slavePath(), LineSettings{115200, Parity::None, 9, 1});
    EXPECT_TRUE(r.ok());
    EXPECT_TRUE(m_port.isOpen());
    EXPECT_FALSE(m_port.settingsApplied());
    const termios after = slaveTermios();
    EXPECT_EQ(cfgetospeed(&after), cfgetospeed(&before));
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_cflag, before.c_cflag);
}

TEST_F(SerialPortPosixTest, SecondOpenIsBusyUntilTheFirstCloses) {
    openDefault();
    SerialPortPosix second;
    const OpenResult busy = second.open(m_pty.slavePath(), LineSettings{});
    EXPECT_EQ(busy.error, OpenError::Busy);
    EXPECT_FALSE(second.isOpen());
    // The loser must not have taken the exclusive flag away from the holder.
    int exclusive = 0;
    ASSERT_EQ(ioctl(m_pty.slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);

    m_port.close();
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_TRUE(second.open(m_pty.slavePath(), LineSettings{}).ok());
}

TEST_F(SerialPortPosixTest, CloseGivesUpExclusiveUse) {
    int exclusive = -1;
    openDefault();
    ASSERT_EQ(ioctl(m_pty.slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    m_port.close();
    ASSERT_EQ(ioctl(m_pty.slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
}

TEST_F(SerialPortPosixTest, DestructorCloses) {
    {
        SerialPortPosix scoped;
        ASSERT_TRUE(scoped.open(m_pty.slavePath(), LineSettings{}).ok());
    }
    int exclusive = -1;
    ASSERT_EQ(ioctl(m_pty.slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 0);
    EXPECT_TRUE(m_port.open(m_pty.slavePath(), LineSettings{}).ok());
}

TEST_F(SerialPortPosixTest, OpeningAgainReleasesTheEarlierDevice) {
    PtyPair other;
    ASSERT_TRUE(other.ok());
    openDefault();
    ASSERT_TRUE(m_port.open(other.slavePath(), LineSettings{}).ok());
    SerialPortPosix second;
    EXPECT_TRUE(second.open(m_pty.slavePath(), LineSettings{}).ok());
}

// The other end going away is a hang-up the port tells at once, without reading; the port
// stays open until it is closed.
TEST_F(SerialPortPosixTest, HangUpIsToldWithoutReading) {
    openDefault();
    EXPECT_TRUE(m_port.isAlive());
    m_pty.closeMaster();
    EXPECT_FALSE(m_port.isAlive());
    EXPECT_TRUE(m_port.isOpen());
    m_port.close();
    EXPECT_FALSE(m_port.isAlive());
}

class SerialPortPosixMissing : public ::testing::TestWithParam<const char*> {};

TEST_P(SerialPortPosixMissing, IsNotFound) {
    SerialPortPosix port;
    const OpenResult r = port.open(QString::fromUtf8(GetParam()), LineSettings{});
    EXPECT_EQ(r.error, OpenError::NotFound);
    EXPECT_FALSE(port.isOpen());
}

INSTANTIATE_TEST_SUITE_P(Paths, SerialPortPosixMissing,
                         ::testing::Values("/dev/nimbrel-no-such-device", "", "/dev/null/ttyS0"),
                         [](const auto& info) { return testName(info.param); });

TEST(SerialPortPosixOpen, NotATerminalIsAnotherError) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (const QString& path : {file.fileName(), dir.path()}) {
        SerialPortPosix port;
        const OpenResult r = port.open(path, LineSettings{});
        EXPECT_EQ(r.error, OpenError::Other) << path.toStdString();
        EXPECT_FALSE(r.detail.isEmpty());
        EXPECT_FALSE(port.isOpen());
    }
}

TEST(SerialPortPosixOpen, NoPermissionNamesTheGroup) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may open anything";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("locked"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0), 0);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    const group* g = ::getgrgid(st.st_gid);
    ASSERT_NE(g, nullptr);

    SerialPortPosix port;
    const OpenResult r = port.open(path, LineSettings{});
    EXPECT_EQ(r.error, OpenError::NoPermission);
    EXPECT_EQ(r.detail, QString::fromLocal8Bit(g->gr_name));
}

TEST_F(SerialPortPosixTest, WriteReachesTheMasterUnchanged) {
    openDefault();
    const QByteArray bytes("\x11\x5C\x0E\n\r\x00\xFF\x13\x11", 9);
    ASSERT_TRUE(m_port.write(bytes));
    EXPECT_EQ(m_pty.readMaster(bytes.size() + 1), bytes);
}

TEST_F(SerialPortPosixTest, LargeWriteArrivesWhole) {
    openDefault();
    QByteArray bytes;
    for (int i = 0; i < 3000; ++i)
        bytes.append(static_cast<char>(i * 7));
    ASSERT_TRUE(m_port.write(bytes));
    EXPECT_EQ(m_pty.readMaster(bytes.size()), bytes);
}

TEST_F(SerialPortPosixTest, InputIsCountedAndReadExactly) {
    openDefault();
    const QByteArray reply("\x06T936 v4.07\x00\x0D\x0A\x03", 15);
    ASSERT_TRUE(m_pty.writeMaster(reply));
    ASSERT_EQ(waitForInput(15), 15);
    EXPECT_EQ(m_port.read(15), reply);
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
}

TEST_F(SerialPortPosixTest, ReadNeverReturnsMoreThanAsked) {
    openDefault();
    ASSERT_TRUE(m_pty.writeMaster(QByteArray("0123456789")));
    ASSERT_EQ(waitForInput(10), 10);
    EXPECT_EQ(m_port.read(4), QByteArray("0123"));
    EXPECT_EQ(m_port.bytesWaitingInput(), 6);
    EXPECT_EQ(m_port.read(1), QByteArray("4"));
    // Fewer bytes than asked: what there is, once the line stays quiet.
    EXPECT_EQ(m_port.read(8), QByteArray("56789"));
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
    // A generous limit ends on the gap after the last byte, not on its own size.
    ASSERT_TRUE(m_pty.writeMaster(QByteArray("abc")));
    ASSERT_EQ(waitForInput(3), 3);
    EXPECT_EQ(m_port.read(1 << 24), QByteArray("abc"));
}

TEST_F(SerialPortPosixTest, DiscardInputEmptiesTheQueue) {
    openDefault();
    ASSERT_TRUE(m_pty.writeMaster(QByteArray("stale")));
    ASSERT_EQ(waitForInput(5), 5);
    m_port.discardInput();
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
    ASSERT_TRUE(m_pty.writeMaster(QByteArray("new")));
    ASSERT_EQ(waitForInput(3), 3);
    EXPECT_EQ(m_port.read(3), QByteArray("new"));
}

TEST_F(SerialPortPosixTest, InputBeforeOpenIsDropped) {
    // The device is still cooked: only a whole line counts as input.
    ASSERT_TRUE(m_pty.writeMaster(QByteArray("old\n")));
    ASSERT_EQ(testing::waitForCount(4,
                                    [this] {
                                        int n = 0;
                                        ioctl(m_pty.slave(), FIONREAD, &n);
                                        return n;
                                    }),
              4);
    openDefault();
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
}

TEST_F(SerialPortPosixTest, ReadOfNothingReturnsEmpty) {
    openDefault();
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
    EXPECT_TRUE(m_port.read(4).isEmpty());
    EXPECT_TRUE(m_port.read(0).isEmpty());
    EXPECT_TRUE(m_port.read(-1).isEmpty());
}

// Nobody reads the master: once the line's buffers are full a write must give up after its
// time-out instead of blocking for ever.
TEST_F(SerialPortPosixTest, WriteToAStalledLineFails) {
    openDefault();
    const int flags = fcntl(m_pty.slave(), F_GETFL);
    ASSERT_EQ(fcntl(m_pty.slave(), F_SETFL, flags | O_NONBLOCK), 0);
    // The kernel keeps moving bytes on to the master's side for a moment after a refusal;
    // the line is full once writes stay refused.
    const QByteArray chunk(4096, 'x');
    int refusals = 0;
    for (int i = 0; i < 5000 && refusals < 5; ++i) {
        if (::write(m_pty.slave(), chunk.constData(), chunk.size()) >= 0) {
            refusals = 0;
            continue;
        }
        ASSERT_EQ(errno, EAGAIN);
        ++refusals;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(refusals, 5);
    EXPECT_FALSE(m_port.write(QByteArray("\x11\x69\x0E")));
    EXPECT_TRUE(m_port.isOpen());
}

TEST_F(SerialPortPosixTest, HangUpEndsReadAndWrite) {
    openDefault();
    m_pty.closeMaster();
    EXPECT_FALSE(m_port.write(QByteArray("\x11\x69\x0E")));
    EXPECT_TRUE(m_port.read(16).isEmpty());
}

TEST_F(SerialPortPosixTest, ClosedPortDoesNothing) {
    EXPECT_FALSE(m_port.isOpen());
    EXPECT_FALSE(m_port.write(QByteArray("x")));
    EXPECT_TRUE(m_port.read(1).isEmpty());
    EXPECT_EQ(m_port.bytesWaitingInput(), 0);
    EXPECT_EQ(m_port.bytesWaitingOutput(), 0);
    m_port.discardInput();
    m_port.close();
    EXPECT_FALSE(m_port.isOpen());
}

TEST_F(SerialPortPosixTest, DeviceSettingsAreReadAsTheyStand) {
    EXPECT_EQ(readDeviceSettings(m_pty.slavePath()), QStringLiteral("38400,n,8,1"));
    ASSERT_TRUE(m_port.open(m_pty.slavePath(), LineSettings{57600, Parity::None, 8, 2}).ok());
    m_port.close();
    EXPECT_EQ(readDeviceSettings(m_pty.slavePath()), QStringLiteral("57600,n,8,2"));
}

// Only root gets past another's exclusive use to read the settings; either way the holder
// keeps the device, exclusively, and working.
TEST_F(SerialPortPosixTest, ReadingSettingsLeavesAnOpenPortAlone) {
    openDefault();
    const QString settings = readDeviceSettings(m_pty.slavePath());
    EXPECT_EQ(settings, ::geteuid() == 0 ? QStringLiteral("115200,n,8,1") : QString());
    int exclusive = -1;
    ASSERT_EQ(ioctl(m_pty.slave(), TIOCGEXCL, &exclusive), 0);
    EXPECT_EQ(exclusive, 1);
    ASSERT_TRUE(m_port.write(QByteArray("ok")));
    EXPECT_EQ(m_pty.readMaster(2), QByteArray("ok"));
}

TEST(ReadDeviceSettings, EmptyWhenUnreadable) {
    EXPECT_TRUE(readDeviceSettings(QStringLiteral("/dev/nimbrel-no-such-device")).isEmpty());
    EXPECT_TRUE(readDeviceSettings(QString()).isEmpty());
    EXPECT_TRUE(readDeviceSettings(QStringLiteral("/dev/null")).isEmpty());
}

} // namespace
} // namespace nimbrel::platform
