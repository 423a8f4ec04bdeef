#include "cli/PortChoice.h"

#include "platform/DeviceList.h"
#include "platform/NetworkPorts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace nimbrel::cli {

QString oneLine(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\n\r"), QStringLiteral(" "));
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return out.simplified();
}

QString noSuchPortText(const QString& portName, const QString& devicePath) {
    const QString where = devicePath.isEmpty() || devicePath == portName
                              ? QString()
                              : QStringLiteral(" (") + devicePath + QLatin1Char(')');
    return QCoreApplication::translate("CliPortChoice",
                                       "ПОРТ %1%2 НЕ ОБНАРУЖЕН: устройство отсутствует или "
                                       "отключено. Список портов: nimbrel-cli ports")
        .arg(portName, where);
}

PortChoice choosePort(const QString& argument, const std::vector<platform::SerialDevice>& devices) {
    PortChoice choice;
    if (argument.isEmpty()) {
        choice.usageError = true;
        choice.error = QCoreApplication::translate("CliPortChoice",
                                                   "не указан порт: -p COM5, -p 5 или -p "
                                                   "/dev/ttyUSB0 (список: nimbrel-cli ports)");
        return choice;
    }
    if (platform::isNetworkPortName(argument)) {
        if (!platform::parseNetworkPortName(argument)) {
            choice.usageError = true;
            choice.error = QCoreApplication::translate("CliPortChoice",
                                                       "ПОРТ %1 НЕ СУЩЕСТВУЕТ: укажите "
                                                       "rfc2217://УЗЕЛ:ПОРТ или tcp://УЗЕЛ:ПОРТ")
                               .arg(argument);
            return choice;
        }
        // Named after the ports file's COM number when it has one there.
        choice.devicePath = argument;
        choice.portName = argument;
        for (const platform::SerialDevice& d : devices)
            if (d.devicePath == argument)
                choice.portName = d.portName;
        return choice;
    }
    if (argument.startsWith(QLatin1Char('/'))) {
        choice.devicePath = argument;
        const int number = platform::comNumberForPath(argument);
        choice.portName = number > 0 ? QStringLiteral("COM%1").arg(number) : argument;
        for (const platform::SerialDevice& d : devices)
            if (d.devicePath == argument)
                choice.portName = d.portName;
        return choice;
    }
    // "СОМ" typed on a Russian layout looks the same and means the same.
    const QString typed = platform::latinComPrefix(argument);
    static const QRegularExpression form(QStringLiteral("^(?:[Cc][Oo][Mm])?([0-9]+)$"));
    const QRegularExpressionMatch m = form.match(typed);
    const int number = m.hasMatch() ? m.captured(1).toInt() : 0;
    // Digits keep their COM prefix in the message; anything else is named as typed.
    choice.portName = m.hasMatch() ? QStringLiteral("COM") + m.captured(1) : typed;
    if (number >= 1 && number <= 255) {
        choice.portName = QStringLiteral("COM%1").arg(number);
        for (const platform::SerialDevice& d : devices)
            if (d.portName == choice.portName)
                choice.devicePath = d.devicePath;
    }
    if (choice.devicePath.isEmpty())
        choice.error = noSuchPortText(choice.portName, QString());
    return choice;
}

} // namespace nimbrel::cli
