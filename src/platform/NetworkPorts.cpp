#include "platform/NetworkPorts.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>
#include <set>

namespace nimbrel::platform {

namespace {

const QString kRfc2217 = QStringLiteral("rfc2217://");
const QString kTcp = QStringLiteral("tcp://");

} // namespace

bool isNetworkPortName(const QString& name) {
    return name.startsWith(kRfc2217, Qt::CaseInsensitive) ||
           name.startsWith(kTcp, Qt::CaseInsensitive);
}

std::optional<NetworkAddress> parseNetworkPortName(const QString& name) {
    // A host is a name or dotted address, or an IPv6 address in brackets; the port is 1..65535
    // written without leading zeros.
    static const QRegularExpression form(
        QStringLiteral("^(rfc2217|tcp)://(?:\\[([0-9A-Fa-f:.]+)\\]|([A-Za-z0-9.-]+)):"
                       "([1-9][0-9]{0,4})$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = form.match(name);
    if (!m.hasMatch())
        return std::nullopt;
    NetworkAddress address;
    address.rfc2217 = m.captured(1).compare(QStringLiteral("rfc2217"), Qt::CaseInsensitive) == 0;
    address.host = m.captured(2).isEmpty() ? m.captured(3) : m.captured(2);
    address.port = m.captured(4).toInt();
    if (address.port > 65535)
        return std::nullopt;
    return address;
}

QString networkPortsFile() {
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/nimbrel/ports"));
}

std::vector<NetworkPort> parseNetworkPorts(const QString& text) {
    static const QRegularExpression line(QStringLiteral("^\\s*(\\S+)\\s+(\\S+)\\s*(.*)$"));
    std::vector<NetworkPort> out;
    std::set<int> taken;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString trimmed = raw.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
            continue;
        const QRegularExpressionMatch m = line.match(trimmed);
        if (!m.hasMatch())
            continue;
        const int number = comNumberOfName(m.captured(1).toUpper());
        if (number == 0 || !parseNetworkPortName(m.captured(2)) || taken.count(number))
            continue;
        taken.insert(number);
        out.push_back(
            {QStringLiteral("COM%1").arg(number), m.captured(2), m.captured(3).trimmed()});
    }
    return out;
}

std::vector<NetworkPort> readNetworkPorts(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A ports file is a few lines; a bound keeps a wrong path from reading a huge file.
    return parseNetworkPorts(QString::fromUtf8(file.read(1 << 20)));
}

void mergeNetworkPorts(std::vector<SerialDevice>& devices, const std::vector<NetworkPort>& ports) {
    for (const NetworkPort& p : ports) {
        std::erase_if(devices, [&p](const SerialDevice& d) { return d.portName == p.portName; });
        const QString name = p.label.isEmpty() ? p.url : p.label + QLatin1Char(' ') + p.url;
        devices.push_back(SerialDevice{p.portName, p.url, QString(), name});
    }
    std::stable_sort(devices.begin(), devices.end(),
                     [](const SerialDevice& a, const SerialDevice& b) {
                         return comNumberOfName(a.portName) < comNumberOfName(b.portName);
                     });
}

} // namespace nimbrel::platform
