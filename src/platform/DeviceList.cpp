#include "platform/DeviceList.h"

#include "platform/NetworkPorts.h"
#include "platform/SerialPortPosix.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace nimbrel::platform {

namespace {

constexpr int kFirstComNumber = 1;
constexpr int kLastComNumber = 255;
// Numbers handed out to devices the fixed families do not cover.
constexpr int kFirstFreeNumber = 97;
// Each family has 32 numbers, so the families cannot meet.
constexpr int kFamilySize = 32;

// "12" -> 12; nothing for leading zeros, signs, blanks or anything else.
std::optional<int> plainNumber(QStringView text, int maxDigits) {
    if (text.isEmpty() || text.size() > maxDigits)
        return std::nullopt;
    if (text.size() > 1 && text.front() == u'0')
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

// One level of the link, as written in it.
QString linkTarget(const QString& linkPath) {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t n =
            ::readlink(QFile::encodeName(linkPath).constData(), buffer.data(), buffer.size());
        if (n < 0)
            return {};
        if (static_cast<size_t>(n) < buffer.size())
            return QFile::decodeName(QByteArray(buffer.data(), n));
        buffer.resize(buffer.size() * 2);
    }
}

QString comName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

} // namespace

QString latinComPrefix(const QString& text) {
    if (text.size() < 3)
        return text;
    // Each letter in its Latin and Cyrillic forms, both cases.
    static const std::array<QStringView, 3> kLetters{u"CcСс", u"OoОо", u"MmМм"};
    for (int i = 0; i < 3; ++i)
        if (!kLetters[static_cast<size_t>(i)].contains(text[i]))
            return text;
    return QStringLiteral("COM") + text.mid(3);
}

int comNumberOfName(const QString& name) {
    if (!name.startsWith(QLatin1String("COM")))
        return 0;
    const std::optional<int> n = plainNumber(QStringView(name).mid(3), 3);
    if (!n || *n < kFirstComNumber || *n > kLastComNumber)
        return 0;
    return *n;
}

QString friendlyName(const SystemDevice& device) {
    QStringList known;
    for (const QString& part : {device.description, device.manufacturer, device.serialNumber})
        if (const QString trimmed = part.trimmed(); !trimmed.isEmpty())
            known.append(trimmed);
    if (known.isEmpty())
        return device.path;
    QString name = known.takeFirst();
    if (!known.isEmpty())
        name += QStringLiteral(" (") + known.join(QStringLiteral(", ")) + u')';
    return name + u' ' + device.path;
}

QString virtualPortFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return QDir::cleanPath(runtime + QStringLiteral("/nimbrel/ports"));
    return QStringLiteral("/tmp/nimbrel-%1/ports").arg(::getuid());
}

int comNumberForPath(const QString& path) {
    struct Family {
        const char* prefix;
        int first;
    };
    static constexpr std::array<Family, 3> kFamilies{{
        {"/dev/ttyUSB", 33},
        {"/dev/ttyACM", 65},
        {"/dev/ttyS", 1},
    }};
    for (const Family& f : kFamilies) {
        const QLatin1String prefix(f.prefix);
        if (!path.startsWith(prefix))
            continue;
        const std::optional<int> n = plainNumber(QStringView(path).mid(prefix.size()), 4);
        if (!n || *n >= kFamilySize)
            return 0;
        return f.first + *n;
    }
    return 0;
}

std::vector<SerialDevice> assignPortNames(std::vector<SystemDevice> system,
                                          const std::vector<VirtualPort>& links) {
    std::map<int, SerialDevice> byNumber;

    for (const VirtualPort& link : links) {
        const int n = comNumberOfName(link.portName);
        if (n == 0 || byNumber.count(n))
            continue;
        byNumber[n] = SerialDevice{comName(n), link.target, QString(), link.target};
    }

    std::stable_sort(system.begin(), system.end(),
                     [](const SystemDevice& a, const SystemDevice& b) { return a.path < b.path; });

    std::vector<const SystemDevice*> unnamed;
    for (const SystemDevice& d : system) {
        const int n = comNumberForPath(d.path);
        if (n == 0 || byNumber.count(n)) {
            unnamed.push_back(&d);
            continue;
        }
        byNumber[n] = SerialDevice{comName(n), d.path, QString(), friendlyName(d)};
    }

    // From 97 upward first; the numbers below are the fixed families' and are used only when
    // everything above is taken.
    auto nextFree = [&byNumber]() {
        for (int n = kFirstFreeNumber; n <= kLastComNumber; ++n)
            if (!byNumber.count(n))
                return n;
        for (int n = kFirstComNumber; n < kFirstFreeNumber; ++n)
            if (!byNumber.count(n))
                return n;
        return 0;
    };
    for (const SystemDevice* d : unnamed) {
        const int n = nextFree();
        if (n == 0)
            break;
        byNumber[n] = SerialDevice{comName(n), d->path, QString(), friendlyName(*d)};
    }

    std::vector<SerialDevice> out;
    out.reserve(byNumber.size());
    for (auto& [n, device] : byNumber)
        out.push_back(std::move(device));
    return out;
}

QString virtualPortFolderProblem(const QString& folder) {
    const QString cleaned = QDir::cleanPath(folder);
    for (const QString& path : {cleaned, QFileInfo(cleaned).path()}) {
        struct stat st {};
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
            if (errno == ENOENT)
                return {};
            break;
        }
        QString why;
        if (!S_ISDIR(st.st_mode))
            why = QCoreApplication::translate("DeviceList", "%1 — не папка").arg(path);
        else if (st.st_uid != ::getuid())
            why = QCoreApplication::translate("DeviceList", "%1 принадлежит другому пользователю")
                      .arg(path);
        else if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0)
            why = QCoreApplication::translate("DeviceList", "в %1 могут писать другие пользователи")
                      .arg(path);
        if (!why.isEmpty())
            return QCoreApplication::translate("DeviceList",
                                               "Папка виртуальных портов не используется: %1.")
                .arg(why);
    }
    return {};
}

std::vector<VirtualPort> readVirtualPorts(const QString& folder) {
    std::map<int, VirtualPort> byNumber;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const int n = comNumberOfName(name);
        if (n == 0)
            continue;
        const QString linkPath = dir.filePath(name);
        struct stat st {};
        if (::lstat(QFile::encodeName(linkPath).constData(), &st) != 0 || !S_ISLNK(st.st_mode))
            continue;
        const QString target = linkTarget(linkPath);
        if (target.isEmpty())
            continue;
        // A relative target counts from the folder the link stands in.
        byNumber[n] = VirtualPort{name, QDir::cleanPath(dir.absoluteFilePath(target))};
    }
    std::vector<VirtualPort> out;
    out.reserve(byNumber.size());
    for (auto& [n, port] : byNumber)
        out.push_back(std::move(port));
    return out;
}

std::vector<SerialDevice> SystemDeviceLister::list() {
    std::vector<SystemDevice> system;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        system.push_back(
            {info.systemLocation(), info.description(), info.manufacturer(), info.serialNumber()});

    const QString folder = virtualPortFolder();
    m_folderProblem = virtualPortFolderProblem(folder);
    std::vector<SerialDevice> devices =
        assignPortNames(std::move(system), m_folderProblem.isEmpty() ? readVirtualPorts(folder)
                                                                     : std::vector<VirtualPort>{});
    for (SerialDevice& d : devices)
        d.settings = readDeviceSettings(d.devicePath);
    // A network port's settings are the server's; it is not asked while listing.
    mergeNetworkPorts(devices, readNetworkPorts(networkPortsFile()));
    return devices;
}

} // namespace nimbrel::platform
