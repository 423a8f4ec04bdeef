#include "platform/SerialPort.h"

namespace nimbrel::platform {

QString groupGrantingAccess(const DeviceAccess& access) {
    constexpr unsigned kGroupReadWrite = 0060;
    if ((access.mode & kGroupReadWrite) != kGroupReadWrite)
        return {};
    return access.group;
}

QString permissionText(unsigned mode) {
    const char letters[] = "rwx";
    QString text;
    for (int bit = 8; bit >= 0; --bit)
        text += (mode & (1u << bit)) ? QLatin1Char(letters[(8 - bit) % 3]) : QLatin1Char('-');
    return text;
}

} // namespace nimbrel::platform
