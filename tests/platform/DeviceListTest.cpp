#include "platform/DeviceList.h"

#include "PtyPair.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace nimbrel::platform {
namespace {

struct PathCase {
    const char* path;
    int expected;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << '"' << c.path << '"';
}

class ComNumberForPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(ComNumberForPath, NamesTheFamilies) {
    EXPECT_EQ(comNumberForPath(QString::fromUtf8(GetParam().path)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Families, ComNumberForPath,
    ::testing::Values(PathCase{"/dev/ttyS0", 1}, PathCase{"/dev/ttyS3", 4},
                      PathCase{"/dev/ttyS31", 32}, PathCase{"/dev/ttyUSB0", 33},
                      PathCase{"/dev/ttyUSB1", 34}, PathCase{"/dev/ttyUSB31", 64},
                      PathCase{"/dev/ttyACM0", 65}, PathCase{"/dev/ttyACM2", 67},
                      PathCase{"/dev/ttyACM31", 96}),
    [](const auto& info) { return testName(info.param.path); });

// Beyond 32 devices a family would run into the next one's numbers (ttyS32 would be COM33,
// ttyUSB0's name); such devices are numbered from 97 like any other.
INSTANTIATE_TEST_SUITE_P(
    Others, ComNumberForPath,
    ::testing::Values(
        PathCase{"/dev/ttyS32", 0}, PathCase{"/dev/ttyUSB32", 0}, PathCase{"/dev/ttyACM32", 0},
        PathCase{"/dev/ttyS255", 0}, PathCase{"/dev/ttyS99999", 0}, PathCase{"/dev/ttyS", 0},
        PathCase{"/dev/ttyS01", 0}, PathCase{"/dev/ttyS-1", 0}, PathCase{"/dev/ttyS+1", 0},
        PathCase{"/dev/ttyS1a", 0}, PathCase{"/dev/ttyS1 ", 0}, PathCase{"/dev/ttys0", 0},
        PathCase{"/dev/ttyAMA0", 0}, PathCase{"/dev/ttyUSB0/", 0}, PathCase{"/dev/pts/3", 0},
        PathCase{"dev/ttyS0", 0}, PathCase{"/tmp/dev/ttyS0", 0}, PathCase{"", 0},
        PathCase{"/dev/serial/by-id/usb-FTDI_FT232R-if00-port0", 0}),
    [](const auto& info) { return testName(info.param.path); });

struct Expected {
    const char* portName;
    const char* devicePath;
    const char* friendlyName;
};

void expectDevices(const std::vector<SerialDevice>& got, const std::vector<Expected>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < want.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(got[i].portName, QString::fromUtf8(want[i].portName));
        EXPECT_EQ(got[i].devicePath, QString::fromUtf8(want[i].devicePath));
        EXPECT_EQ(got[i].friendlyName, QString::fromUtf8(want[i].friendlyName));
        EXPECT_TRUE(got[i].settings.isEmpty());
    }
}

SystemDevice dev(const char* path, const char* description = "", const char* manufacturer = "",
                 const char* serialNumber = "") {
    return {QString::fromUtf8(path), QString::fromUtf8(description),
            QString::fromUtf8(manufacturer), QString::fromUtf8(serialNumber)};
}

struct NameCase {
    const char* description;
    const char* manufacturer;
    const char* serialNumber;
    const char* expected;
};

class FriendlyName : public ::testing::TestWithParam<NameCase> {};

TEST_P(FriendlyName, NamesWhatIsKnownThenThePath) {
    const NameCase& c = GetParam();
    EXPECT_EQ(friendlyName(dev("/dev/ttyUSB0", c.description, c.manufacturer, c.serialNumber)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Table, FriendlyName,
    ::testing::Values(
        NameCase{"FT232R USB UART", "FTDI", "A50285BI",
                 "FT232R USB UART (FTDI, A50285BI) /dev/ttyUSB0"},
        NameCase{"FT232R USB UART", "FTDI", "", "FT232R USB UART (FTDI) /dev/ttyUSB0"},
        NameCase{"CP2102 USB to UART", "", "0001", "CP2102 USB to UART (0001) /dev/ttyUSB0"},
        NameCase{"", "Silicon Labs", "0001", "Silicon Labs (0001) /dev/ttyUSB0"},
        NameCase{"", "", "A50285BI", "A50285BI /dev/ttyUSB0"},
        NameCase{"CP2102 USB to UART", "", "", "CP2102 USB to UART /dev/ttyUSB0"},
        NameCase{"", "", "", "/dev/ttyUSB0"}, NameCase{" \t", "  ", "\t", "/dev/ttyUSB0"},
        NameCase{" USB-Serial ", " Prolific\t", " 12 34 ",
                 "USB-Serial (Prolific, 12 34) /dev/ttyUSB0"},
        NameCase{"Преобразователь", "Завод", "№7", "Преобразователь (Завод, №7) /dev/ttyUSB0"}),
    [](const auto& info) {
        return testName(info.param.description, info.param.manufacturer, info.param.serialNumber);
    });

TEST(AssignPortNames, FriendlyNameCarriesTheSerialNumber) {
    const auto got = assignPortNames({dev("/dev/ttyUSB0", "FT232R USB UART", "FTDI", "A50285BI"),
                                      dev("/dev/ttyAMA0", "", "", "X1")},
                                     {});
    expectDevices(got, {{"COM33", "/dev/ttyUSB0", "FT232R USB UART (FTDI, A50285BI) /dev/ttyUSB0"},
                        {"COM97", "/dev/ttyAMA0", "X1 /dev/ttyAMA0"}});
}

VirtualPort link(const char* name, const char* target) {
    return {QString::fromUtf8(name), QString::fromUtf8(target)};
}

TEST(AssignPortNames, NamesTheFamiliesAndOrdersByNumber) {
    const auto got = assignPortNames({dev("/dev/ttyUSB0", "FT232R USB UART", "FTDI"),
                                      dev("/dev/ttyACM1", "USB-Serial Controller", "Prolific"),
                                      dev("/dev/ttyS0"), dev("/dev/ttyS2")},
                                     {});
    expectDevices(got,
                  {{"COM1", "/dev/ttyS0", "/dev/ttyS0"},
                   {"COM3", "/dev/ttyS2", "/dev/ttyS2"},
                   {"COM33", "/dev/ttyUSB0", "FT232R USB UART (FTDI) /dev/ttyUSB0"},
                   {"COM66", "/dev/ttyACM1", "USB-Serial Controller (Prolific) /dev/ttyACM1"}});
}

TEST(AssignPortNames, FriendlyNameUsesWhatIsKnown) {
    const auto got = assignPortNames({dev("/dev/ttyUSB0", "CP2102 USB to UART", ""),
                                      dev("/dev/ttyUSB1", "", "Silicon Labs"),
                                      dev("/dev/ttyUSB2", "  Blanks  ", " Around ")},
                                     {});
    expectDevices(got, {{"COM33", "/dev/ttyUSB0", "CP2102 USB to UART /dev/ttyUSB0"},
                        {"COM34", "/dev/ttyUSB1", "Silicon Labs /dev/ttyUSB1"},
                        {"COM35", "/dev/ttyUSB2", "Blanks (Around) /dev/ttyUSB2"}});
}

TEST(AssignPortNames, OtherDevicesCountFrom97InPathOrder) {
    const auto got = assignPortNames({dev("/dev/ttyAMA1"), dev("/dev/rfcomm0", "Bluetooth"),
                                      dev("/dev/ttyAMA0"), dev("/dev/ttyS40"), dev("/dev/ttyS0")},
                                     {});
    expectDevices(got, {{"COM1", "/dev/ttyS0", "/dev/ttyS0"},
                        {"COM97", "/dev/rfcomm0", "Bluetooth /dev/rfcomm0"},
                        {"COM98", "/dev/ttyAMA0", "/dev/ttyAMA0"},
                        {"COM99", "/dev/ttyAMA1", "/dev/ttyAMA1"},
                        {"COM100", "/dev/ttyS40", "/dev/ttyS40"}});
}

TEST(AssignPortNames, LinkWinsAndTheDeviceMovesUp) {
    const auto got = assignPortNames(
        {dev("/dev/ttyUSB0", "FT232R USB UART", "FTDI"), dev("/dev/ttyAMA0"), dev("/dev/ttyS1")},
        {link("COM33", "/dev/pts/3"), link("COM200", "/dev/pts/4")});
    expectDevices(got, {{"COM2", "/dev/ttyS1", "/dev/ttyS1"},
                        {"COM33", "/dev/pts/3", "/dev/pts/3"},
                        {"COM97", "/dev/ttyAMA0", "/dev/ttyAMA0"},
                        {"COM98", "/dev/ttyUSB0", "FT232R USB UART (FTDI) /dev/ttyUSB0"},
                        {"COM200", "/dev/pts/4", "/dev/pts/4"}});
}

TEST(AssignPortNames, FreeNumbersSkipLinks) {
    const auto got = assignPortNames({dev("/dev/ttyAMA0"), dev("/dev/ttyAMA1")},
                                     {link("COM97", "/dev/pts/1"), link("COM99", "/dev/pts/2")});
    expectDevices(got, {{"COM97", "/dev/pts/1", "/dev/pts/1"},
                        {"COM98", "/dev/ttyAMA0", "/dev/ttyAMA0"},
                        {"COM99", "/dev/pts/2", "/dev/pts/2"},
                        {"COM100", "/dev/ttyAMA1", "/dev/ttyAMA1"}});
}

TEST(AssignPortNames, IgnoresLinksWithoutAComName) {
    const auto got = assignPortNames({}, {link("COM0", "/dev/pts/0"), link("COM256", "/dev/pts/1"),
                                          link("COM01", "/dev/pts/2"), link("com3", "/dev/pts/3"),
                                          link("COM", "/dev/pts/4"), link("COM7", "/dev/pts/7"),
                                          link("COM7", "/dev/pts/8")});
    expectDevices(got, {{"COM7", "/dev/pts/7", "/dev/pts/7"}});
}

// Past COM255 the numbers below 97 that no family uses are taken; only when all 255 names
// are gone is a device left out.
TEST(AssignPortNames, ManyDevicesAllGetDistinctNames) {
    std::vector<SystemDevice> many;
    for (int i = 0; i < 300; ++i)
        many.push_back({QStringLiteral("/dev/ttyX%1").arg(i, 3, 10, QLatin1Char('0')), {}, {}});
    many.push_back(dev("/dev/ttyS0"));
    const auto got = assignPortNames(many, {link("COM255", "/dev/pts/9")});
    ASSERT_EQ(got.size(), 255u);
    EXPECT_EQ(got.front().portName, QStringLiteral("COM1"));
    EXPECT_EQ(got.front().devicePath, QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(got[96].portName, QStringLiteral("COM97"));
    EXPECT_EQ(got[96].devicePath, QStringLiteral("/dev/ttyX000"));
    EXPECT_EQ(got.back().portName, QStringLiteral("COM255"));
    EXPECT_EQ(got.back().devicePath, QStringLiteral("/dev/pts/9"));
    // 158 devices take COM97..COM254, the next 95 fill COM2..COM96.
    EXPECT_EQ(got[1].portName, QStringLiteral("COM2"));
    EXPECT_EQ(got[1].devicePath, QStringLiteral("/dev/ttyX158"));
    std::set<QString> paths;
    for (const SerialDevice& d : got)
        paths.insert(d.devicePath);
    EXPECT_EQ(paths.size(), 255u);
}

class VirtualPorts : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
    [[nodiscard]] QString path(const QString& name) const { return m_dir.filePath(name); }
    void makeLink(const char* name, const char* target) {
        ASSERT_EQ(::symlink(target, QFile::encodeName(path(QString::fromUtf8(name))).constData()),
                  0);
    }
    void makeFile(const char* name) {
        QFile f(path(QString::fromUtf8(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QTemporaryDir m_dir;
};

TEST_F(VirtualPorts, ReadsOnlyComLinks) {
    makeLink("COM1", "/dev/pts/1");
    makeLink("COM255", "/dev/pts/9");
    makeLink("COM200", "/dev/pts/4");
    makeLink("COM9", "/nowhere/gone"); // a stale link stays listed; its open fails
    for (const char* bad : {"COM0", "COM256", "COM01", "com3", "Com4", "COM", "COM-1", "COM+5",
                            " COM6", "COM7 ", "COM1000", "COM3x", "xCOM3"})
        makeLink(bad, "/dev/pts/5");
    makeFile("COM7");
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("COM8")));

    const auto got = readVirtualPorts(m_dir.path());
    ASSERT_EQ(got.size(), 4u);
    const std::vector<std::pair<QString, QString>> want = {
        {"COM1", "/dev/pts/1"},
        {"COM9", "/nowhere/gone"},
        {"COM200", "/dev/pts/4"},
        {"COM255", "/dev/pts/9"},
    };
    for (size_t i = 0; i < want.size(); ++i) {
        EXPECT_EQ(got[i].portName, want[i].first);
        EXPECT_EQ(got[i].target, want[i].second);
    }
}

TEST_F(VirtualPorts, RelativeTargetsBecomeAbsolute) {
    makeLink("COM12", "../pts/7");
    makeLink("COM13", "dev/./tty0");
    const auto got = readVirtualPorts(m_dir.path());
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].target, QDir::cleanPath(m_dir.path() + QStringLiteral("/../pts/7")));
    EXPECT_EQ(got[1].target, m_dir.path() + QStringLiteral("/dev/tty0"));
    EXPECT_TRUE(got[0].target.startsWith(u'/'));
}

TEST_F(VirtualPorts, OwnerFilesBesideTheLinksAreNotPorts) {
    makeLink("COM7", "/dev/pts/3");
    makeFile(".COM7.owner");
    makeLink(".COM8.owner", "/dev/pts/5");
    const auto got = readVirtualPorts(m_dir.path());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].portName, QStringLiteral("COM7"));
    EXPECT_EQ(got[0].target, QStringLiteral("/dev/pts/3"));
}

TEST_F(VirtualPorts, MissingFolderGivesNothing) {
    EXPECT_TRUE(readVirtualPorts(path(QStringLiteral("absent"))).empty());
}

// Sets or removes XDG_RUNTIME_DIR for one test and puts the old value back.
class RuntimeDir {
public:
    explicit RuntimeDir(const char* value) {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            m_old = old;
        if (value)
            ::setenv("XDG_RUNTIME_DIR", value, 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }
    ~RuntimeDir() {
        if (m_old)
            ::setenv("XDG_RUNTIME_DIR", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> m_old;
};

TEST(VirtualPortFolder, UnderTheRuntimeDirectory) {
    RuntimeDir env("/run/user/1000");
    EXPECT_EQ(virtualPortFolder(), QStringLiteral("/run/user/1000/nimbrel/ports"));
}

TEST(VirtualPortFolder, InTmpWithoutRuntimeDirectory) {
    const QString expected = QStringLiteral("/tmp/nimbrel-%1/ports").arg(::getuid());
    {
        RuntimeDir env(nullptr);
        EXPECT_EQ(virtualPortFolder(), expected);
    }
    {
        RuntimeDir env("");
        EXPECT_EQ(virtualPortFolder(), expected);
    }
}

// The real listing sees a simulator's pseudo-terminal through the folder, with the line
// settings it has now; a stale link is listed without settings.
TEST(SystemDeviceLister, ListsVirtualPortsWithTheirSettings) {
    testing::PtyPair pty;
    ASSERT_TRUE(pty.ok());
    QTemporaryDir runtime;
    ASSERT_TRUE(runtime.isValid());
    RuntimeDir env(QFile::encodeName(runtime.path()).constData());
    const QString folder = virtualPortFolder();
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_EQ(::symlink(QFile::encodeName(pty.slavePath()).constData(),
                        QFile::encodeName(folder + QStringLiteral("/COM250")).constData()),
              0);
    ASSERT_EQ(::symlink("/dev/nimbrel-gone",
                        QFile::encodeName(folder + QStringLiteral("/COM251")).constData()),
              0);

    SystemDeviceLister lister;
    const std::vector<SerialDevice> devices = lister.list();
    ASSERT_GE(devices.size(), 2u);
    const SerialDevice& live = devices[devices.size() - 2];
    const SerialDevice& stale = devices.back();
    EXPECT_EQ(live.portName, QStringLiteral("COM250"));
    EXPECT_EQ(live.devicePath, pty.slavePath());
    EXPECT_EQ(live.friendlyName, pty.slavePath());
    EXPECT_EQ(live.settings, QStringLiteral("38400,n,8,1"));
    EXPECT_EQ(stale.portName, QStringLiteral("COM251"));
    EXPECT_EQ(stale.devicePath, QStringLiteral("/dev/nimbrel-gone"));
    EXPECT_TRUE(stale.settings.isEmpty());
    for (size_t i = 1; i < devices.size(); ++i)
        EXPECT_LT(devices[i - 1].portName.mid(3).toInt(), devices[i].portName.mid(3).toInt());
}

// The folder as it stands: its mode, its owner, the mode of the folder above it.
struct FolderCase {
    const char* name;
    mode_t mode;
    bool foreign; // chowned to another user (root only)
    bool link;    // the folder is a link to a real one
    mode_t parentMode;
    const char* problem; // {f} the folder, {p} the one above; empty: used
};

class PortFolder : public ::testing::TestWithParam<FolderCase> {};

TEST_P(PortFolder, UsedOnlyWhenTheUsersOwnAndClosedToOthers) {
    const FolderCase& c = GetParam();
    if (c.foreign && ::geteuid() != 0)
        GTEST_SKIP() << "only root can give a folder to another user";
    QTemporaryDir runtime;
    RuntimeDir env(QFile::encodeName(runtime.path()).constData());
    const QString folder = virtualPortFolder();
    const QString parent = QFileInfo(folder).path();
    ASSERT_TRUE(QDir().mkpath(parent));
    const QString real = c.link ? runtime.filePath(QStringLiteral("elsewhere")) : folder;
    ASSERT_TRUE(QDir().mkdir(real));
    if (c.link) {
        ASSERT_TRUE(QFile::link(real, folder));
    }
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), c.mode), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(parent).constData(), c.parentMode), 0);
    if (c.foreign) {
        ASSERT_EQ(::chown(QFile::encodeName(real).constData(), 65534, 65534), 0);
    }
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), real + QStringLiteral("/COM250")));

    SystemDeviceLister lister;
    const std::vector<SerialDevice> devices = lister.list();
    const QString want = QString::fromUtf8(c.problem)
                             .replace(QStringLiteral("{f}"), folder)
                             .replace(QStringLiteral("{p}"), parent);
    EXPECT_EQ(lister.folderProblem(), want);
    const bool listed = std::any_of(devices.begin(), devices.end(), [](const SerialDevice& d) {
        return d.portName == QStringLiteral("COM250");
    });
    EXPECT_EQ(listed, want.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PortFolder,
    ::testing::Values(
        FolderCase{"Private", 0700, false, false, 0700, ""},
        FolderCase{"ReadableByOthers", 0755, false, false, 0755, ""},
        FolderCase{"GroupWritable", 0770, false, false, 0700,
                   "Папка виртуальных портов не используется: в {f} могут писать другие "
                   "пользователи."},
        FolderCase{"WritableByAll", 01777, false, false, 0700,
                   "Папка виртуальных портов не используется: в {f} могут писать другие "
                   "пользователи."},
        FolderCase{"ParentWritableByAll", 0700, false, false, 0777,
                   "Папка виртуальных портов не используется: в {p} могут писать другие "
                   "пользователи."},
        FolderCase{"Link", 0700, false, true, 0700,
                   "Папка виртуальных портов не используется: {f} — не папка."},
        FolderCase{"Foreign", 0700, true, false, 0700,
                   "Папка виртуальных портов не используется: {f} принадлежит другому "
                   "пользователю."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::platform
