#pragma once

#include <QString>
#include <vector>

namespace nimbrel::platform {

// One serial device as the port dialog lists it.
struct SerialDevice {
    QString portName;     // "COM3"
    QString devicePath;   // "/dev/ttyUSB0", or a link's target
    QString settings;     // current line settings, "115200,n,8,1"; empty when unreadable
    QString friendlyName; // description, manufacturer and path
};

// A device the system reports, before it gets its COM name.
struct SystemDevice {
    QString path; // "/dev/ttyUSB0"
    QString description;
    QString manufacturer;
    // "= {}" keeps initialisers that name only the first three fields free of warnings.
    QString serialNumber = {};
};

// What the port dialog shows of a system device, so that an adapter can be told from a built-in
// port: "FT232R USB UART (FTDI, A50285BI) /dev/ttyUSB0". The first known of description,
// manufacturer and serial number leads, the others follow in brackets; blanks around each are
// dropped, and the path always ends the name.
QString friendlyName(const SystemDevice& device);

// A link COMn in the virtual-port folder.
struct VirtualPort {
    QString portName; // "COM200"
    QString target;   // "/dev/pts/4"
};

class DeviceLister {
public:
    virtual ~DeviceLister() = default;
    virtual std::vector<SerialDevice> list() = 0;
    // Why the last list() left the virtual-port folder out, one Russian sentence; empty when it
    // was used or is absent.
    virtual QString folderProblem() const { return {}; }
};

// $XDG_RUNTIME_DIR/nimbrel/ports, or /tmp/nimbrel-<uid>/ports.
QString virtualPortFolder();

// The COM name of a system device path: ttySn -> n+1, ttyUSBn -> n+33, ttyACMn -> n+65,
// 0 for anything else.
int comNumberForPath(const QString& path);

// "СОМ7" typed with Cyrillic letters (any case, or mixed with Latin ones) -> "COM7"; anything
// else as it stands.
QString latinComPrefix(const QString& text);

// "COM7" -> 7; 0 for anything that is not exactly a COM name in 1..255.
int comNumberOfName(const QString& name);

// Names the system devices, merges the virtual ports (a link wins over a system device with
// the same number), and orders the result by COM number. Settings are filled by the caller.
std::vector<SerialDevice> assignPortNames(std::vector<SystemDevice> system,
                                          const std::vector<VirtualPort>& links);

// Another user's links would send this user's commands to that user's device: the folder (and
// the one it stands in) must be a real folder of this user that no one else may write to.
// Returns why it is not, or empty (also when it does not exist).
QString virtualPortFolderProblem(const QString& folder);

// Reads the virtual-port folder: every symbolic link named COM1 ... COM255.
std::vector<VirtualPort> readVirtualPorts(const QString& folder);

// The real listing: QSerialPortInfo, the virtual-port folder and the network ports file.
class SystemDeviceLister final : public DeviceLister {
public:
    std::vector<SerialDevice> list() override;
    QString folderProblem() const override { return m_folderProblem; }

private:
    QString m_folderProblem;
};

} // namespace nimbrel::platform
