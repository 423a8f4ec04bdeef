#pragma once

#include "link/Exchange.h"
#include "platform/DeviceList.h"

#include <QString>
#include <vector>

namespace nimbrel::link {

// The line speeds the program offers, 115200 first: the mode string's settings part and the
// status-bar text, both appended to the port name.
struct LineSpeed {
    int baud;
    const char* settingsText; // ": baud=115200 parity=N Data=8 stop=1"
    const char* statusText;   // ": 115200,n,8,1"
};
const std::vector<LineSpeed>& lineSpeeds();

// The connection as the program sees it. Whether the line is open is the port's own answer
// (`SerialPort::isOpen`), never a copy kept here.
struct ConnectionState {
    QString portName = QStringLiteral("COM?");
    QString devicePath;
    QString settingsText = QStringLiteral(": baud=115200 parity=N Data=8 stop=1");
    LineState line;
    // Four upper-case characters from the version reply; the operations that depend on the
    // model receive it from here.
    QString printerModel = QStringLiteral("T260");
    QString portListText;
    std::vector<platform::SerialDevice> devices; // the port-name table, from the last listing

    // The last connect or exchange failed. Set through setLinkResult only.
    bool linkFailed() const { return m_linkFailed; }
    void setLinkResult(bool ok) { m_linkFailed = !ok; }

private:
    bool m_linkFailed = false;
};

} // namespace nimbrel::link
