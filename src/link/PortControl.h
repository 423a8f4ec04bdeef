#pragma once

#include "link/Context.h"
#include "platform/DeviceList.h"

namespace nimbrel::link {

// Port open: lists the devices, asks for a COM number, checks it and opens the device.
// Leaves conn.linkError at 0 only when a port is open afterwards.
void openPort(Context& ctx, platform::DeviceLister& lister);

// Port close (item 3).
void closePort(Context& ctx);

// Line settings items 110 to 116: reopens the port with the item's settings.
void changeLineSettings(Context& ctx, int itemId);

// Shown instead of any printer command while no port is open.
void showConnectionCheck(Context& ctx);

// "COM3:\t9600,n,8,1\t\tUSB Serial /dev/ttyUSB0\n"
QString portListLine(const platform::SerialDevice& device);

// The message for a device that cannot be opened: port, device path and the reason.
QString openFailureText(const QString& portName, const QString& devicePath,
                        const platform::OpenResult& result);

// The mode string's settings part (": baud=115200 ...") as line settings.
platform::LineSettings lineSettingsFromText(const QString& settingsText);

} // namespace nimbrel::link
