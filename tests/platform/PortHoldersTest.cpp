#include "platform/PortHolders.h"
#include "PtyPair.h"
#include "platform/SerialPortPosix.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace nimbrel::testing {
namespace {

using platform::OpenError;

TEST(PortHolders, TtyIndexOfFdInfo) {
    EXPECT_EQ(platform::ttyIndexOfFdInfo("pos:\t0\nflags:\t02100002\nmnt_id:\t23\ntty-index:\t7\n"),
              7);
    EXPECT_EQ(platform::ttyIndexOfFdInfo("tty-index:\t0"), 0);
    EXPECT_EQ(platform::ttyIndexOfFdInfo("pos:\t0\nflags:\t02\n"), std::nullopt);
    EXPECT_EQ(platform::ttyIndexOfFdInfo("tty-index:\tx\n"), std::nullopt);
    EXPECT_EQ(platform::ttyIndexOfFdInfo("tty-index:\t-1\n"), std::nullopt);
    EXPECT_EQ(platform::ttyIndexOfFdInfo(""), std::nullopt);
}

TEST(PortHolders, PtyIndexOfPath) {
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/pts/0")), 0);
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/pts/12")), 12);
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/pts/ptmx")), std::nullopt);
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/pts/+1")), std::nullopt);
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/pts/")), std::nullopt);
    EXPECT_EQ(platform::ptyIndexOfPath(QStringLiteral("/dev/ttyUSB0")), std::nullopt);
}

// Whether process `pid` has `path` open yet.
bool holds(pid_t pid, const QString& path) {
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::System | QDir::NoDotAndDotDot))
        if (QFile::symLinkTarget(fds.filePath(fd)) == path)
            return true;
    return false;
}

QByteArray commandName(pid_t pid) {
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

// Until the child runs `cat` (not the fork's copy of this test, which inherited our
// descriptors) and cat has opened the path.
bool waitUntilHeld(pid_t pid, const QString& path) {
    for (int i = 0; i < 400; ++i) {
        if (commandName(pid) == "cat" && holds(pid, path))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

void stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

TEST(PortHolders, ProgramReadingThePortWithoutALockMakesItBusy) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    const QByteArray slave = QFile::encodeName(pty.slavePath());
    const pid_t cat = ::fork();
    ASSERT_GE(cat, 0);
    if (cat == 0) {
        ::execlp("cat", "cat", slave.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_TRUE(waitUntilHeld(cat, pty.slavePath()));

    platform::SerialPortPosix port;
    const platform::OpenResult r = port.open(pty.slavePath(), platform::LineSettings{});
    EXPECT_EQ(r.error, OpenError::Busy);
    EXPECT_EQ(r.holder.pid, cat);
    EXPECT_EQ(r.holder.program, QStringLiteral("cat"));
    EXPECT_FALSE(port.isOpen());

    stop(cat);
    const platform::OpenResult after = port.open(pty.slavePath(), platform::LineSettings{});
    EXPECT_TRUE(after.ok());
    EXPECT_EQ(after.holder.pid, 0);
}

// A stand-in for the simulator: makes a pseudo-terminal, keeps its master and its slave open,
// and sends the slave's path back.
pid_t startLineOwner(QString& slavePath, int& release) {
    int path[2];
    int hold[2];
    if (::pipe(path) != 0 || ::pipe(hold) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(path[0]);
        ::close(hold[1]);
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
            ::_exit(1);
        const char* name = ::ptsname(master);
        const int slave = ::open(name, O_RDWR | O_NOCTTY);
        if (slave < 0)
            ::_exit(1);
        (void)!::write(path[1], name, std::strlen(name));
        ::close(path[1]);
        char byte;
        (void)!::read(hold[0], &byte, 1);
        ::_exit(0);
    }
    ::close(path[1]);
    ::close(hold[0]);
    char name[256] = {};
    const ssize_t n = ::read(path[0], name, sizeof name - 1);
    ::close(path[0]);
    slavePath = n > 0 ? QString::fromLocal8Bit(name, static_cast<int>(n)) : QString();
    release = hold[1];
    return pid;
}

TEST(PortHolders, TheOtherEndOfAPseudoTerminalIsNotAHolder) {
    QString slavePath;
    int release = -1;
    const pid_t owner = startLineOwner(slavePath, release);
    ASSERT_GT(owner, 0);
    ASSERT_FALSE(slavePath.isEmpty());
    ASSERT_TRUE(holds(owner, slavePath));

    platform::SerialPortPosix port;
    const platform::OpenResult r = port.open(slavePath, platform::LineSettings{});
    EXPECT_TRUE(r.ok()) << static_cast<int>(r.error) << " " << r.holder.program.toStdString();
    port.close();

    // A second process on the same slave, holding no master, is a holder again.
    const pid_t cat = ::fork();
    ASSERT_GE(cat, 0);
    if (cat == 0) {
        const QByteArray slave = QFile::encodeName(slavePath);
        ::execlp("cat", "cat", slave.constData(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ASSERT_TRUE(waitUntilHeld(cat, slavePath));
    const platform::OpenResult busy = port.open(slavePath, platform::LineSettings{});
    EXPECT_EQ(busy.error, OpenError::Busy);
    EXPECT_EQ(busy.holder.pid, cat);
    stop(cat);

    ::close(release);
    ::waitpid(owner, nullptr, 0);
}

} // namespace
} // namespace nimbrel::testing
