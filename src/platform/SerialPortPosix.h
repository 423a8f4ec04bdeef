#pragma once

#include "platform/SerialPort.h"
#include "platform/TermiosLine.h"

namespace nimbrel::platform {

// A serial device through termios, held exclusively (TIOCEXCL, and flock for root, whom
// TIOCEXCL does not stop). Time-outs: read 100 ms between bytes and 10 ms per byte + 100 ms in
// all; write 100 ms per byte + 10 ms.
class SerialPortPosix final : public SerialPort {
public:
    // `modemLines` sets the modem lines after opening; the system call unless a test records.
    explicit SerialPortPosix(ModemLineCall modemLines = systemModemLineCall)
        : m_modemLines(std::move(modemLines)) {}
    ~SerialPortPosix() override;
    SerialPortPosix(const SerialPortPosix&) = delete;
    SerialPortPosix& operator=(const SerialPortPosix&) = delete;

    // A device that refuses the line settings is still opened and keeps its own.
    OpenResult open(const QString& devicePath, const LineSettings& settings) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override { return m_fd >= 0; }

    bool write(const QByteArray& bytes) override;
    QByteArray read(int maxBytes) override;
    int bytesWaitingInput() override;
    int bytesWaitingOutput() override;
    void discardInput() override;
    bool isAlive() override;

    // Whether the last open could apply its line settings.
    [[nodiscard]] bool settingsApplied() const { return m_settingsApplied; }

private:
    ModemLineCall m_modemLines;
    int m_fd = -1;
    bool m_settingsApplied = false;
};

// A device's current line settings as "115200,n,8,1", read without taking the device; empty
// when the device cannot be opened or does not tell.
QString readDeviceSettings(const QString& devicePath);

} // namespace nimbrel::platform
