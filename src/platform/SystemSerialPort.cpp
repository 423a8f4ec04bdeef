#include "platform/SystemSerialPort.h"

#include "platform/NetworkPorts.h"

namespace nimbrel::platform {

OpenResult SystemSerialPort::open(const QString& name, const LineSettings& settings) {
    // Opening another port closes the one before, whichever kind it was.
    m_active->close();
    m_active = isNetworkPortName(name) ? static_cast<SerialPort*>(&m_network) : &m_local;
    return m_active->open(name, settings);
}

} // namespace nimbrel::platform
