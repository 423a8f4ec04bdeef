#pragma once

#include "platform/DeviceList.h"

#include <QString>

#include <optional>
#include <vector>

namespace nimbrel::platform {

// A serial line on a device server: "rfc2217://HOST:PORT" (Telnet with the com-port option,
// the program sets the line) or "tcp://HOST:PORT" (raw bytes, the server sets the line).
struct NetworkAddress {
    bool rfc2217 = false;
    QString host; // name, IPv4, or IPv6 without its brackets
    int port = 0; // 1..65535
};

// Whether a port name is a network one by its scheme ("rfc2217://", "tcp://"), right or not.
bool isNetworkPortName(const QString& name);

// The address of a well-formed name; nothing for anything else.
std::optional<NetworkAddress> parseNetworkPortName(const QString& name);

// One line of the ports file: "COM12 rfc2217://10.1.2.3:4001  Линия 3".
struct NetworkPort {
    QString portName; // "COM12"
    QString url;
    QString label; // the rest of the line, may be empty
};

// $XDG_CONFIG_HOME/nimbrel/ports, or ~/.config/nimbrel/ports.
QString networkPortsFile();

// The lines that name a COM number and a network port; blank lines, "#" comments and lines
// that are not understood are passed over; of two lines for one number, the first counts.
std::vector<NetworkPort> parseNetworkPorts(const QString& text);
std::vector<NetworkPort> readNetworkPorts(const QString& path);

// Adds the network ports to a listing: a network line wins over a device with the same COM
// number, since the user wrote it; the result stays in COM number order.
void mergeNetworkPorts(std::vector<SerialDevice>& devices, const std::vector<NetworkPort>& ports);

} // namespace nimbrel::platform
