#include "platform/NetworkPorts.h"
#include "platform/SerialPortNetwork.h"

#include <gtest/gtest.h>

namespace nimbrel::platform {
namespace {

struct NameCase {
    const char* name;
    bool network; // by its scheme
    bool valid;
    bool rfc2217;
    const char* host;
    int port;
};

const NameCase kNames[] = {
    {"rfc2217://10.1.2.3:4001", true, true, true, "10.1.2.3", 4001},
    {"tcp://printer-3.plant.local:23", true, true, false, "printer-3.plant.local", 23},
    {"RFC2217://[fe80::1]:65535", true, true, true, "fe80::1", 65535},
    {"rfc2217://host:65536", true, false, false, "", 0},
    {"rfc2217://host:0", true, false, false, "", 0},
    {"rfc2217://host:04001", true, false, false, "", 0},
    {"rfc2217://host", true, false, false, "", 0},
    {"tcp://:4001", true, false, false, "", 0},
    {"tcp://ho st:4001", true, false, false, "", 0},
    {"rfc2217://host:4001/", true, false, false, "", 0},
    {"socket://host:4001", false, false, false, "", 0},
    {"/dev/ttyUSB0", false, false, false, "", 0},
    {"COM12", false, false, false, "", 0},
};

TEST(NetworkPortName, SchemeHostAndPort) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(isNetworkPortName(name), c.network);
        const auto address = parseNetworkPortName(name);
        ASSERT_EQ(address.has_value(), c.valid);
        if (!address)
            continue;
        EXPECT_EQ(address->rfc2217, c.rfc2217);
        EXPECT_EQ(address->host, QString::fromLatin1(c.host));
        EXPECT_EQ(address->port, c.port);
    }
}

TEST(NetworkPortsFile, LinesWithANumberAndAnAddressCount) {
    const QString text = QStringLiteral("# plant floor 2\n"
                                        "COM12 rfc2217://10.1.2.3:4001  Линия 3\n"
                                        "\n"
                                        "  com7\ttcp://10.1.2.4:23\r\n"
                                        "COM12 rfc2217://10.9.9.9:1 second for 12\n"
                                        "COM256 rfc2217://10.1.2.5:4001\n"
                                        "COM5 /dev/ttyUSB0 local\n"
                                        "COM6\n"
                                        "COM8 socket://10.1.2.6:4001\n");
    const std::vector<NetworkPort> ports = parseNetworkPorts(text);
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[0].portName, QStringLiteral("COM12"));
    EXPECT_EQ(ports[0].url, QStringLiteral("rfc2217://10.1.2.3:4001"));
    EXPECT_EQ(ports[0].label, QStringLiteral("Линия 3"));
    EXPECT_EQ(ports[1].portName, QStringLiteral("COM7"));
    EXPECT_EQ(ports[1].url, QStringLiteral("tcp://10.1.2.4:23"));
    EXPECT_EQ(ports[1].label, QString());
}

TEST(NetworkPortsFile, FollowsXdgConfigHome) {
    const QByteArray previous = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/srv/cfg/");
    EXPECT_EQ(networkPortsFile(), QStringLiteral("/srv/cfg/nimbrel/ports"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_TRUE(networkPortsFile().endsWith(QStringLiteral("/.config/nimbrel/ports")));
    qputenv("XDG_CONFIG_HOME", previous);
}

TEST(NetworkPortsFile, NetworkLineTakesItsNumberInOrder) {
    std::vector<SerialDevice> devices = {
        {"COM1", "/dev/ttyS0", "9600,n,8,1", "/dev/ttyS0"},
        {"COM12", "/dev/pts/3", "", "/dev/pts/3"},
        {"COM33", "/dev/ttyUSB0", "", "FT232R /dev/ttyUSB0"},
    };
    mergeNetworkPorts(devices, {{"COM12", "rfc2217://10.1.2.3:4001", "Линия 3"},
                                {"COM2", "tcp://10.1.2.4:23", ""}});
    ASSERT_EQ(devices.size(), 4u);
    EXPECT_EQ(devices[0].portName, QStringLiteral("COM1"));
    EXPECT_EQ(devices[1].portName, QStringLiteral("COM2"));
    EXPECT_EQ(devices[1].friendlyName, QStringLiteral("tcp://10.1.2.4:23"));
    EXPECT_EQ(devices[2].portName, QStringLiteral("COM12"));
    EXPECT_EQ(devices[2].devicePath, QStringLiteral("rfc2217://10.1.2.3:4001"));
    EXPECT_EQ(devices[2].friendlyName, QStringLiteral("Линия 3 rfc2217://10.1.2.3:4001"));
    EXPECT_EQ(devices[2].settings, QString());
    EXPECT_EQ(devices[3].portName, QStringLiteral("COM33"));
}

TEST(NetworkPort, ByteTimeCountsEveryBitOnTheLine) {
    using std::chrono::microseconds;
    EXPECT_EQ(byteTime({115200, Parity::None, 8, 1}), microseconds(87)); // 86.8 up
    EXPECT_EQ(byteTime({9600, Parity::Even, 8, 2}), microseconds(1250));
    EXPECT_EQ(byteTime({19200, Parity::None, 7, 1}), microseconds(469));
}

} // namespace
} // namespace nimbrel::platform
