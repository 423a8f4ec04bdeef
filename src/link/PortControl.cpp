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
    case platform::OpenError::Busy: {
        const QString who = result.holder.pid > 0
                                ? QStringLiteral("порт открыт программой ") +
                                      result.holder.program + QStringLiteral(" (PID ") +
                                      QString::number(result.holder.pid) + QStringLiteral(").\n\r")
                                : QStringLiteral("порт открыт другой программой.\n\r");
        return port + QStringLiteral(" ЗАНЯТ:\n\r") + who +
               QStringLiteral("Закройте её или выберите другой порт.");
    }
    case platform::OpenError::NoPermission: {
        const QString denied =
            port + QStringLiteral(" НЕДОСТУПЕН:\n\rнет прав на открытие устройства.\n\r");
        // Joining the group helps only when the group itself may read and write the device.
        QString group = result.detail.isEmpty() ? QStringLiteral("dialout") : result.detail;
        if (result.access) {
            group = platform::groupGrantingAccess(*result.access);
            if (group.isEmpty()) {
                const platform::DeviceAccess& a = *result.access;
                return denied + QStringLiteral("Владелец ") + a.owner + QLatin1Char(':') + a.group +
                       QStringLiteral(", права ") +
                       QStringLiteral("%1").arg(a.mode, 3, 8, QLatin1Char('0')) +
                       QStringLiteral(" (") + platform::permissionText(a.mode) +
                       QStringLiteral("):\n\rгруппа устройства не может читать и писать в "
                                      "него.\n\rДоступ должен дать администратор или правило "
                                      "udev.");
            }
        }
        return denied + QStringLiteral("Добавьте пользователя в группу '") + group +
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

QString readErrorText(const QString& portName) {
    return QStringLiteral("Ошибка при чтении данных из Маркиратора (") + portName +
           QStringLiteral(")!");
}

QString writeErrorText(const QString& portName) {
    return QStringLiteral("Ошибка записи данных в порт ") + portName + QStringLiteral("!");
}

} // namespace nimbrel::link
