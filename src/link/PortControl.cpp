#include "link/PortControl.h"

#include <QCoreApplication>

namespace nimbrel::link {

QString portListLine(const platform::SerialDevice& device) {
    QString line = device.portName + QStringLiteral(":\t") + device.settings + QStringLiteral("\t");
    if (line.size() < 22)
        line += QLatin1Char('\t');
    return line + device.friendlyName + QLatin1Char('\n');
}

QString openFailureText(const QString& portName, const QString& devicePath,
                        const platform::OpenResult& result) {
    const QString port =
        QCoreApplication::translate("PortControl", "COM-ПОРТ %1 (%2)").arg(portName, devicePath);
    switch (result.error) {
    case platform::OpenError::NotFound:
        return QCoreApplication::translate("PortControl",
                                           "%1 НЕ ОБНАРУЖЕН:\n\rустройство отсутствует или "
                                           "отключено.\n\rВыберите другой порт.")
            .arg(port);
    case platform::OpenError::Busy: {
        const QString who =
            result.holder.pid > 0
                ? QCoreApplication::translate("PortControl",
                                              "порт открыт программой %1 (PID %2).\n\r")
                      .arg(result.holder.program, QString::number(result.holder.pid))
                : QCoreApplication::translate("PortControl", "порт открыт другой программой.\n\r");
        return QCoreApplication::translate("PortControl",
                                           "%1 ЗАНЯТ:\n\r%2Закройте её или выберите другой порт.")
            .arg(port, who);
    }
    case platform::OpenError::NoPermission: {
        const QString denied =
            QCoreApplication::translate("PortControl",
                                        "%1 НЕДОСТУПЕН:\n\rнет прав на открытие устройства.\n\r")
                .arg(port);
        // Joining the group helps only when the group itself may read and write the device.
        QString group = result.detail.isEmpty() ? QStringLiteral("dialout") : result.detail;
        if (result.access) {
            group = platform::groupGrantingAccess(*result.access);
            if (group.isEmpty()) {
                const platform::DeviceAccess& a = *result.access;
                return denied + QCoreApplication::translate(
                                    "PortControl",
                                    "Владелец %1:%2, права %3 (%4):\n\rгруппа устройства не "
                                    "может читать и писать в него.\n\rДоступ должен дать "
                                    "администратор или правило udev.")
                                    .arg(a.owner, a.group,
                                         QStringLiteral("%1").arg(a.mode, 3, 8, QLatin1Char('0')),
                                         platform::permissionText(a.mode));
            }
        }
        return denied + QCoreApplication::translate(
                            "PortControl", "Добавьте пользователя в группу '%1'\n\r(sudo usermod "
                                           "-aG %1 $USER) и войдите в систему заново.")
                            .arg(group);
    }
    case platform::OpenError::Other:
    case platform::OpenError::None:
        break;
    }
    return QCoreApplication::translate("PortControl", "%1 НЕ ОТКРЫТ:\n\r%2")
        .arg(port, result.detail);
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
    return QCoreApplication::translate("PortControl",
                                       "Ошибка при чтении данных из Маркиратора (%1)!")
        .arg(portName);
}

QString writeErrorText(const QString& portName) {
    return QCoreApplication::translate("PortControl", "Ошибка записи данных в порт %1!")
        .arg(portName);
}

} // namespace nimbrel::link
