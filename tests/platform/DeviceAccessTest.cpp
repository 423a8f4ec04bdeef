#include "platform/SerialPort.h"
#include "platform/SerialPortPosix.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nimbrel::platform {
namespace {

TEST(DeviceAccess, GroupCountsOnlyWithBothGroupBits) {
    const struct {
        unsigned mode;
        const char* granted;
    } cases[] = {
        {0660, "dialout"}, {0670, "dialout"}, {0060, "dialout"}, {0600, ""},
        {0640, ""},        {0620, ""},        {0606, ""},        {0000, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(groupGrantingAccess({"root", "dialout", c.mode}), QString::fromUtf8(c.granted))
            << std::oct << c.mode;
}

TEST(DeviceAccess, PermissionLetters) {
    EXPECT_EQ(permissionText(0600), QStringLiteral("rw-------"));
    EXPECT_EQ(permissionText(0660), QStringLiteral("rw-rw----"));
    EXPECT_EQ(permissionText(0755), QStringLiteral("rwxr-xr-x"));
    EXPECT_EQ(permissionText(0000), QStringLiteral("---------"));
    EXPECT_EQ(permissionText(0777), QStringLiteral("rwxrwxrwx"));
    EXPECT_EQ(permissionText(0642), QStringLiteral("rw-r---w-"));
}

// As an unprivileged user, a device it may not open reports its owner, group and mode. Needs
// root to make the file and to become that user.
TEST(DeviceAccess, RefusedOpenCarriesOwnerGroupAndMode) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to switch to an unprivileged user";
    char path[] = "/tmp/nimbrel-access-XXXXXX";
    const int fd = ::mkstemp(path);
    ASSERT_GE(fd, 0);
    ::close(fd);
    ASSERT_EQ(::chown(path, 0, 0), 0);
    ASSERT_EQ(::chmod(path, 0640), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(2);
        SerialPortPosix port;
        const OpenResult r = port.open(QString::fromLocal8Bit(path), LineSettings{});
        const bool right = r.error == OpenError::NoPermission && r.access &&
                           r.access->owner == QLatin1String("root") &&
                           r.access->group == QLatin1String("root") && r.access->mode == 0640 &&
                           r.detail == QLatin1String("root");
        ::_exit(right ? 0 : 3);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::unlink(path);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

} // namespace
} // namespace nimbrel::platform
