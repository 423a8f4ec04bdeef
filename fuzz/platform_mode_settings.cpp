#include "platform/SerialPort.h"

#include <cstddef>
#include <cstdint>

// "baud=115200 parity=N data=8 stop=1" as typed or stored: accepted settings are sane, and a
// rejected text leaves the settings untouched.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbrel::platform;
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    LineSettings settings;
    const bool ok = parseModeSettings(text, settings);
    const QString described = describeSettings(settings);
    if (described.isEmpty())
        __builtin_trap();
    const LineSettings defaults;
    if (!ok && (settings.baud != defaults.baud || settings.parity != defaults.parity ||
                settings.dataBits != defaults.dataBits || settings.stopBits != defaults.stopBits))
        __builtin_trap();
    if (ok && (settings.baud <= 0 || settings.dataBits < 5 || settings.dataBits > 8 ||
               (settings.stopBits != 1 && settings.stopBits != 2)))
        __builtin_trap();
    return 0;
}
