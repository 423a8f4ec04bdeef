#pragma once

#include "platform/SerialPort.h"

#include <chrono>
#include <memory>

namespace nimbrel::platform {

// A serial line on a device server, by "rfc2217://HOST:PORT" or "tcp://HOST:PORT". The read
// and write time-outs are those of the local port. Open failures read as the local ones: a
// refused connection or a host that does not answer within kConnectTimeoutMs is not found, a
// server that takes the connection and drops it at once (its line is in use) is busy, once it
// has done so for a second (a server lets its line go a moment after the last client).
//
// The exchange asks for the bytes waiting in and out. In: what has arrived is kept here and
// counted. Out: a server has no queue to ask, so a write counts as drained once its line time
// (bits per byte / baud) has passed since it was handed over, plus kDrainMarginUs.
class SerialPortNetwork final : public SerialPort {
public:
    static constexpr int kConnectTimeoutMs = 2500;
    // What the server takes to pass a handed-over write on to its line: through ser2net on
    // loopback 0.03 to 0.05 ms in the middle, 5 ms at most on a loaded machine (bench_link's
    // BM_NetworkHandOver). The exchange's pauses are minimums: a piece that leaves late only
    // reaches the line later, as on a busy local port.
    static constexpr int kDrainMarginUs = 2000;

    SerialPortNetwork();
    ~SerialPortNetwork() override;
    SerialPortNetwork(const SerialPortNetwork&) = delete;
    SerialPortNetwork& operator=(const SerialPortNetwork&) = delete;

    OpenResult open(const QString& url, const LineSettings& settings) override;
    void close() override;
    [[nodiscard]] bool isOpen() const override;
    // Whether the server still holds the connection: a look at what has arrived, which a
    // dropped connection fails (what did arrive is kept for the next read).
    bool isAlive() override;

    bool write(const QByteArray& bytes) override;
    QByteArray read(int maxBytes) override;
    int bytesWaitingInput() override;
    int bytesWaitingOutput() override;
    void discardInput() override;

    // Whether the server acknowledged the line settings (always false for raw TCP).
    [[nodiscard]] bool settingsApplied() const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
};

// The time one byte takes on the line: start bit, data bits, parity bit, stop bits.
std::chrono::microseconds byteTime(const LineSettings& settings);

} // namespace nimbrel::platform
