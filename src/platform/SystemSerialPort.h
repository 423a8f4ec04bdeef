#pragma once

#include "platform/SerialPortNetwork.h"
#include "platform/SerialPortPosix.h"

namespace nimbrel::platform {

// The port the programs open: a network port for "rfc2217://" and "tcp://" names, the local
// device otherwise. Each open chooses anew; the other one stays closed.
class SystemSerialPort final : public SerialPort {
public:
    OpenResult open(const QString& name, const LineSettings& settings) override;
    void close() override { m_active->close(); }
    [[nodiscard]] bool isOpen() const override { return m_active->isOpen(); }
    bool write(const QByteArray& bytes) override { return m_active->write(bytes); }
    QByteArray read(int maxBytes) override { return m_active->read(maxBytes); }
    int bytesWaitingInput() override { return m_active->bytesWaitingInput(); }
    int bytesWaitingOutput() override { return m_active->bytesWaitingOutput(); }
    void discardInput() override { m_active->discardInput(); }
    bool isAlive() override { return m_active->isAlive(); }

private:
    SerialPortPosix m_local;
    SerialPortNetwork m_network;
    SerialPort* m_active = &m_local;
};

} // namespace nimbrel::platform
