#include "platform/SerialPort.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace nimbrel::platform
