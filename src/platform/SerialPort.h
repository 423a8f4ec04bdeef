#pragma once

#include "platform/PortHolders.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

namespace nimbrel::platform {

enum class Parity { None, Odd, Even, Mark, Space };

struct LineSettings {
    int baud = 115200;
    Parity parity = Parity::None;
    int dataBits = 8;
    int stopBits = 1;
};

// Why an open failed; the message shown to the user is built from this.
enum class OpenError { None, NotFound, Busy, NoPermission, Other };

// Who owns a device and who may use it, for the no-permission message.
struct DeviceAccess {
    QString owner;     // user name, or the number when it has no name
    QString group;     // group name, or the number
    unsigned mode = 0; // permission bits, 0600
};

struct OpenResult {
    OpenResult(OpenError e = OpenError::None, QString why = {},
               std::optional<DeviceAccess> who = std::nullopt, PortHolder by = {})
        : error(e), detail(std::move(why)), access(std::move(who)), holder(std::move(by)) {}

    OpenError error = OpenError::None;
    QString detail; // the system's own words, for the "other" case; the group for no permission
    std::optional<DeviceAccess> access; // no permission: owner, group and mode when known
    PortHolder holder;                  // busy: the program that has the device open, if known
    bool ok() const { return error == OpenError::None; }
};

// The device's group when its members may both read and write it (so joining it helps);
// empty otherwise.
QString groupGrantingAccess(const DeviceAccess& access);

// "rw-rw----" for 0660.
QString permissionText(unsigned mode);

// One serial line. The reply wait needs the kernel's counts of waiting input and output
// bytes without an event loop, so this is deliberately a thin blocking interface.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual OpenResult open(const QString& devicePath, const LineSettings& settings) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // True when every byte was accepted.
    virtual bool write(const QByteArray& bytes) = 0;
    // At most maxBytes; fewer when the line stays quiet past the read time-outs.
    virtual QByteArray read(int maxBytes) = 0;
    virtual int bytesWaitingInput() = 0;
    virtual int bytesWaitingOutput() = 0;
    // Drops whatever the input queue holds.
    virtual void discardInput() = 0;
    // False once the device behind an open port has gone (hang-up, adapter pulled, the other
    // end of a pseudo-terminal closed); asked without waiting. A port that cannot tell says
    // true.
    virtual bool isAlive() { return isOpen(); }
};

// "baud=115200 parity=N Data=8 stop=1" (keys in any case, in any order); missing keys keep
// the defaults. Returns false when a key or value cannot be understood.
bool parseModeSettings(const QString& text, LineSettings& out);

// "115200,n,8,1"
QString describeSettings(const LineSettings& settings);

} // namespace nimbrel::platform
