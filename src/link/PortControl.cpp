#include "link/PortControl.h"

namespace nimbrel::link {

QString portListLine(const platform::SerialDevice& device) {
    QString line = device.portName + QStringLiteral(":\t") + device.settings + QStringLiteral("\t");
    if (line.size() < 22)
        line += QLatin1Char('\t');
    return line + device.friendlyName + QLatin1Char('\n');
}

QString openFailureText(const QString& portName, const QString& devicePath,
                        const platform::OpenResult& result) {
    const QString port = QStringLiteral("COM-ПОРТ ") + portName + QStringLiteral(" (") +
                         devicePath + QStringLiteral(")");
    switch (result.error) {
    case platform::OpenError::NotFound:
        return port +
               QStringLiteral(" НЕ ОБНАРУЖЕН:\n\rустройство отсутствует или отключено.\n\r") +
               QStringLiteral("Выберите другой порт.");
    case platform::OpenError::Busy:
        return port + QStringLiteral(" ЗАНЯТ:\n\rпорт открыт другой программой.\n\r") +
               QStringLiteral("Закройте её или выберите другой порт.");
    case platform::OpenError::NoPermission: {
        const QString group = result.detail.isEmpty() ? QStringLiteral("dialout") : result.detail;
        return port + QStringLiteral(" НЕДОСТУПЕН:\n\rнет прав на открытие устройства.\n\r") +
               QStringLiteral("Добавьте пользователя в группу '") + group +
               QStringLiteral("'\n\r(sudo usermod -aG ") + group +
               QStringLiteral(" $USER) и войдите в систему заново.");
    }
    case platform::OpenError::Other:
    case platform::OpenError::None:
        break;
    }
    return port + QStringLiteral(" НЕ ОТКРЫТ:\n\r") + result.detail;
}

platform::LineSettings lineSettingsFromText(const QString& settingsText) {
    platform::LineSettings settings;
    QString text = settingsText;
    if (text.startsWith(QLatin1Char(':')))
        text.remove(0, 1);
    platform::parseModeSettings(text, settings);
    return settings;
}

} // namespace nimbrel::link
