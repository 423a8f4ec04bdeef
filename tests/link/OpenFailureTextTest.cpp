#include "link/PortControl.h"

#include <gtest/gtest.h>

using namespace nimbrel;

namespace {

struct AccessCase {
    const char* name;
    const char* owner;
    const char* group;
    unsigned mode;
    const char* text;
};

class NoPermissionText : public ::testing::TestWithParam<AccessCase> {};

TEST_P(NoPermissionText, NamesAGroupOnlyWhenItMayReadAndWrite) {
    const AccessCase& c = GetParam();
    platform::OpenResult result;
    result.error = platform::OpenError::NoPermission;
    result.detail = QString::fromUtf8(c.group);
    result.access =
        platform::DeviceAccess{QString::fromUtf8(c.owner), QString::fromUtf8(c.group), c.mode};
    EXPECT_EQ(link::openFailureText(QStringLiteral("COM4"), QStringLiteral("/dev/ttyUSB0"), result),
              QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    OwnerAndMode, NoPermissionText,
    ::testing::Values(
        AccessCase{"RootRoot600", "root", "root", 0600,
                   "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                   "устройства.\n\rВладелец root:root, права 600 (rw-------):\n\rгруппа "
                   "устройства не может читать и писать в него.\n\rДоступ должен дать "
                   "администратор или правило udev."},
        AccessCase{"RootDialout600", "root", "dialout", 0600,
                   "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                   "устройства.\n\rВладелец root:dialout, права 600 (rw-------):\n\rгруппа "
                   "устройства не может читать и писать в него.\n\rДоступ должен дать "
                   "администратор или правило udev."},
        AccessCase{"RootDialout640", "root", "dialout", 0640,
                   "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                   "устройства.\n\rВладелец root:dialout, права 640 (rw-r-----):\n\rгруппа "
                   "устройства не может читать и писать в него.\n\rДоступ должен дать "
                   "администратор или правило udev."},
        AccessCase{"RootDialout660", "root", "dialout", 0660,
                   "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                   "устройства.\n\rДобавьте пользователя в группу 'dialout'\n\r(sudo usermod "
                   "-aG dialout $USER) и войдите в систему заново."},
        AccessCase{"RootUucp620", "root", "uucp", 0620,
                   "COM-ПОРТ COM4 (/dev/ttyUSB0) НЕДОСТУПЕН:\n\rнет прав на открытие "
                   "устройства.\n\rВладелец root:uucp, права 620 (rw--w----):\n\rгруппа "
                   "устройства не может читать и писать в него.\n\rДоступ должен дать "
                   "администратор или правило udev."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BusyText, NamesTheHoldingProgramAndItsPid) {
    platform::OpenResult result;
    result.error = platform::OpenError::Busy;
    result.holder = platform::PortHolder{4711, QStringLiteral("cat")};
    EXPECT_EQ(link::openFailureText(QStringLiteral("COM200"), QStringLiteral("/dev/pts/3"), result),
              QString::fromUtf8("COM-ПОРТ COM200 (/dev/pts/3) ЗАНЯТ:\n\rпорт открыт программой cat "
                                "(PID 4711).\n\rЗакройте её или выберите другой порт."));
}

} // namespace
