#pragma once

#include <QByteArray>
#include <QString>

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

struct OpenResult {
    OpenError error = OpenError::None;
    QString detail; // the system's own words, for the "other" case
    bool ok() const { return error == OpenError::None; }
};

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
};

// "baud=115200 parity=N Data=8 stop=1" (keys in any case, in any order); missing keys keep
// the defaults. Returns false when a key or value cannot be understood.
bool parseModeSettings(const QString& text, LineSettings& out);

// "115200,n,8,1"
QString describeSettings(const LineSettings& settings);

} // namespace nimbrel::platform
