#pragma once

#include "platform/DeviceList.h"

#include <QString>
#include <vector>

namespace nimbrel::link {

// The line settings items of "установки сом-порта", identifiers 110 to 116.
struct LineSettingsItem {
    int id;
    const char* menuText;
    const char* settingsText; // appended to the port name to form the mode string
    const char* statusText;   // appended to the port name in the status bars
};
const std::vector<LineSettingsItem>& lineSettingsItems();

struct ConnectionState {
    bool open = false; // the port handle is not 0
    QString portName = QStringLiteral("COM?");
    QString devicePath;
    QString settingsText = QStringLiteral(": baud=115200 parity=N Data=8 stop=1");
    int linkError = 0;
    // Four upper-case characters from the version reply; the operations that depend on the
    // model receive it from here.
    QString printerModel = QStringLiteral("T260");
    QString portListText;
    std::vector<platform::SerialDevice> devices; // the port-name table, from the last listing
};

} // namespace nimbrel::link
