#include "E2eFixture.h"

#include <QFile>

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

using namespace nimbrel;
using nimbrel::testing::E2eFixture;

namespace {

// A pseudo-terminal of the test's own, registered as a virtual port.
struct OwnPty {
    int master = -1;
    int slaveKeeper = -1;
    QString slavePath;
    OwnPty() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        grantpt(master);
        unlockpt(master);
        slavePath = QString::fromLocal8Bit(ptsname(master));
        // Held open so the line stays up while the program closes and reopens it.
        slaveKeeper = ::open(slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        termios t{};
        tcgetattr(slaveKeeper, &t);
        cfmakeraw(&t);
        tcsetattr(slaveKeeper, TCSANOW, &t);
    }
    ~OwnPty() {
        ::close(slaveKeeper);
        ::close(master);
    }
    QByteArray readMaster(int want, int timeoutMs = 2000) {
        QByteArray out;
        while (out.size() < want) {
            pollfd p{master, POLLIN, 0};
            if (poll(&p, 1, timeoutMs) <= 0)
                break;
            char buf[256];
            const ssize_t n = ::read(master, buf, sizeof buf);
            if (n <= 0)
                break;
            out.append(buf, static_cast<int>(n));
        }
        return out;
    }
};

using Connection = E2eFixture;

TEST_F(Connection, VirtualPortIsListedAndOpenedThroughTheRealSerialLayer) {
    OwnPty pty;
    const QString folder = platform::virtualPortFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(pty.slavePath, folder + QStringLiteral("/COM5")));

    dialogs.answer("5");
    auto ctx = session.context();
    session::openPort(ctx, lister);
    ASSERT_FALSE(session.conn.linkFailed());
    EXPECT_TRUE(session.port.isOpen());
    EXPECT_EQ(session.shell.portText, QStringLiteral("COM5: 115200,n,8,1"));
    ASSERT_FALSE(dialogs.calls.empty());
    EXPECT_TRUE(dialogs.calls[0].text.contains(QStringLiteral("COM5:\t")));
    EXPECT_TRUE(dialogs.calls[0].text.contains(pty.slavePath));

    ASSERT_TRUE(port.write(QByteArray("\x11\x69\x0E", 3)));
    EXPECT_EQ(pty.readMaster(3), QByteArray("\x11\x69\x0E", 3));

    // The line runs raw at 115200, 8N1, no handshake.
    termios t{};
    ASSERT_EQ(tcgetattr(pty.slaveKeeper, &t), 0);
    EXPECT_EQ(cfgetospeed(&t), B115200);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(t.c_cflag & PARENB);
    EXPECT_FALSE(t.c_cflag & CSTOPB);
    EXPECT_FALSE(t.c_cflag & CRTSCTS);
    EXPECT_FALSE(t.c_iflag & (IXON | IXOFF));

    // A second program (here: a second port object) finds it busy.
    platform::SerialPortPosix other;
    EXPECT_EQ(other.open(pty.slavePath, {}).error, platform::OpenError::Busy);
}

TEST_F(Connection, VanishedDeviceGivesTheNotFoundMessage) {
    const QString folder = platform::virtualPortFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/pts/nonexistent-99"), folder + "/COM6"));
    dialogs.answer("6");
    auto ctx = session.context();
    session::openPort(ctx, lister);
    EXPECT_TRUE(session.conn.linkFailed());
    EXPECT_FALSE(session.port.isOpen());
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[1].title, QStringLiteral("СООБЩЕНИЕ СИСТЕМЫ"));
    EXPECT_TRUE(dialogs.calls[1].text.startsWith(
        QStringLiteral("COM-ПОРТ COM6 (/dev/pts/nonexistent-99) НЕ ОБНАРУЖЕН")));
    EXPECT_EQ(session.shell.portText, QStringLiteral("COM?"));
}

} // namespace
