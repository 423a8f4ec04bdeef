#include "link/PortControl.h"

#include "platform/NumberText.h"

namespace nimbrel::link {

namespace {

const QString kSystemTitle = QStringLiteral("СООБЩЕНИЕ СИСТЕМЫ");
const QString kErrorTitle = QStringLiteral("ОШИБКА");
const QString kNoPort = QStringLiteral("COM?");
const QString kOpenedStatus = QStringLiteral(": 115200,n,8,1");

void showNoPortState(Context& ctx, LinkIcon icon) {
    ctx.shell.setPortText(kNoPort);
    ctx.shell.setLinkIcon(icon);
}

// Menus once a port is open; the view in front decides which titles stay grey.
void applyOpenedMenus(ShellState& shell) {
    shell.enable({2}, false);
    shell.enable({3}, true);
    shell.setTop({kTopGraphics}, true);
    shell.enable({12, 15, 17, 18, 19, 24, 25, 26, 28, 29, 51, 52, 53, 54, 55, 56, 60, 61}, true);
    if (shell.activeView == View::Mark) {
        shell.setTop({kTopGraphics, kTopEditor}, false);
        shell.setTop({kTopMark}, true);
    } else {
        shell.setTop({kTopMark}, false);
        shell.setTop({kTopGraphics, kTopEditor}, true);
    }
}

void applyClosedMenus(ShellState& shell) {
    shell.enable({2}, true);
    shell.enable({3, 12, 15, 17, 18, 19, 24, 25, 26, 27, 28, 29, 51, 52, 53, 54, 55, 56, 60, 61},
                 false);
}

const platform::SerialDevice* findDevice(const ConnectionState& conn, const QString& portName) {
    for (const auto& d : conn.devices)
        if (d.portName == portName)
            return &d;
    return nullptr;
}

// Drops the open port quietly; used before opening anew so no handle is ever leaked.
void releasePort(Context& ctx) {
    if (ctx.conn.open || ctx.port.isOpen())
        ctx.port.close();
    ctx.conn.open = false;
}

bool openDevice(Context& ctx, const QString& devicePath) {
    const platform::OpenResult result =
        ctx.port.open(devicePath, lineSettingsFromText(ctx.conn.settingsText));
    if (result.ok()) {
        ctx.conn.open = true;
        ctx.conn.devicePath = devicePath;
        return true;
    }
    ctx.conn.linkError = 1;
    showNoPortState(ctx, LinkIcon::Error);
    applyClosedMenus(ctx.shell);
    ctx.shell.setSettingsEntries(false);
    ctx.dialogs.message(kSystemTitle, openFailureText(ctx.conn.portName, devicePath, result),
                        platform::kError);
    return false;
}

} // namespace

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

void openPort(Context& ctx, platform::DeviceLister& lister) {
    auto& conn = ctx.conn;
    conn.portListText.clear();
    conn.devices = lister.list();
    for (const auto& d : conn.devices)
        conn.portListText += portListLine(d);

    if (conn.devices.empty()) {
        showNoPortState(ctx, LinkIcon::Error);
        ctx.dialogs.message(kSystemTitle, QStringLiteral("  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  "),
                            platform::kError);
        conn.linkError = 1;
        return;
    }

    for (;;) {
        const QString answer = ctx.dialogs.inputDialog(
            QStringLiteral("Открыть СОМ-порт"), conn.portListText,
            QStringLiteral("ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"), QStringLiteral("1"));
        if (answer.isEmpty()) {
            conn.linkError = 1;
            return;
        }
        const long long n = platform::parseWholeNumber(answer);
        if (n < 1 || n > 255) {
            const int again =
                ctx.dialogs.message(kErrorTitle,
                                    QStringLiteral("ПОРТ СОМ") + answer +
                                        QStringLiteral(" НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?"),
                                    platform::kErrorQuestion);
            if (again == platform::kYes)
                continue;
            conn.linkError = 1;
            return;
        }
        const QString name = QStringLiteral("COM") + answer;
        const platform::SerialDevice* device = findDevice(conn, name);
        if (!device) {
            // A port that is already open stays open and keeps its name.
            if (!conn.open)
                conn.portName = name;
            const int again =
                ctx.dialogs.message(kErrorTitle,
                                    QStringLiteral("ПОРТ ") + name +
                                        QStringLiteral(" НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?"),
                                    platform::kErrorQuestion);
            if (again == platform::kYes)
                continue;
            conn.linkError = 1;
            return;
        }

        // Reconnecting: let go of the old port before the new open, so the same device is
        // not found busy and no handle is left behind.
        releasePort(ctx);
        conn.portName = name;
        conn.linkError = 0;
        if (!openDevice(ctx, device->devicePath))
            return;
        break;
    }

    ctx.shell.setPortText(conn.portName + kOpenedStatus);
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    applyOpenedMenus(ctx.shell);
}

void closePort(Context& ctx) {
    ctx.shell.setLinkIcon(LinkIcon::Idle);
    ctx.shell.setSettingsEntries(false);
    if (ctx.conn.open) {
        releasePort(ctx);
        ctx.shell.setPortText(kNoPort);
        applyClosedMenus(ctx.shell);
    }
}

void changeLineSettings(Context& ctx, int itemId) {
    if (!ctx.conn.open)
        return;
    const LineSettingsItem* item = nullptr;
    for (const auto& i : lineSettingsItems())
        if (i.id == itemId)
            item = &i;
    if (!item)
        return;

    releasePort(ctx);
    ctx.conn.settingsText = QString::fromUtf8(item->settingsText);
    if (!openDevice(ctx, ctx.conn.devicePath))
        return;
    ctx.shell.setPortText(ctx.conn.portName + QString::fromUtf8(item->statusText));
    for (const auto& i : lineSettingsItems())
        ctx.shell.itemChecked[i.id] = (i.id == itemId);
    ctx.shell.notify();
}

void showConnectionCheck(Context& ctx) {
    ctx.dialogs.message(kErrorTitle,
                        QStringLiteral("Соединение с Маркиратором не установлено!\n\r") +
                            QStringLiteral("НЕ ВЫПОЛНЕНА ИНИЦИАЛИЗАЦИЯ COM-ПОРТА:\n\r") +
                            QStringLiteral("'Функции' >> 'Подключение' >> 'Открыть СОМ-порт'"),
                        platform::kError);
}

} // namespace nimbrel::link
