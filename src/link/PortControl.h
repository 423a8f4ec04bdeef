#pragma once

#include "platform/DeviceList.h"
#include "platform/SerialPort.h"

namespace nimbrel::link {

// "COM3:\t9600,n,8,1\t\tUSB Serial /dev/ttyUSB0\n"
QString portListLine(const platform::SerialDevice& device);

// The message for a device that cannot be opened: port, device path and the reason.
QString openFailureText(const QString& portName, const QString& devicePath,
                        const platform::OpenResult& result);

// "Ошибка при чтении данных из Маркиратора (COM3)!"
QString readErrorText(const QString& portName);
// "Ошибка записи данных в порт COM3!"
QString writeErrorText(const QString& portName);

// The mode string's settings part (": baud=115200 ...") as line settings.
platform::LineSettings lineSettingsFromText(const QString& settingsText);

} // namespace nimbrel::link
