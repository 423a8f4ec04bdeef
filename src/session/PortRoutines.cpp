#include "session/PortRoutines.h"

#include "link/PortControl.h"
#include "platform/DeviceList.h"
#include "platform/NumberText.h"
#include "session/CommandTable.h"
#include "session/Talk.h"

#include <QCoreApplication>

namespace nimbrel::session {

namespace {

QString systemTitle() {
    return QCoreApplication::translate("PortRoutines", "СООБЩЕНИЕ СИСТЕМЫ");
}

const QString kNoPort = QStringLiteral("COM?");
const QString kOpenedStatus = QStringLiteral(": 115200,n,8,1");

void showNoPortState(Context& ctx, LinkIcon icon) {
    ctx.shell.setPortText(kNoPort);
    ctx.shell.setLinkIcon(icon);
}

// Menus once a port is open, by the port rules of the command table; the view in front
// decides which titles stay grey.
void applyOpenedMenus(ShellState& shell) {
    for (const CommandRow& row : commandTable()) {
        if (row.port == PortRule::OnWhenOpen)
            shell.itemEnabled[idNumber(row.id)] = true;
        else if (row.port == PortRule::OnWhenClosed)
            shell.itemEnabled[idNumber(row.id)] = false;
    }
    shell.setTop({kTopGraphics}, true);
    if (shell.activeView == View::Mark) {
        shell.setTop({kTopGraphics, kTopEditor}, false);
        shell.setTop({kTopMark}, true);
    } else {
        shell.setTop({kTopMark}, false);
        shell.setTop({kTopGraphics, kTopEditor}, true);
    }
}

void applyClosedMenus(ShellState& shell) {
    for (const CommandRow& row : commandTable()) {
        if (row.port == PortRule::OnWhenOpen || row.port == PortRule::OffWhenClosed)
            shell.itemEnabled[idNumber(row.id)] = false;
        else if (row.port == PortRule::OnWhenClosed)
            shell.itemEnabled[idNumber(row.id)] = true;
    }
    shell.notify();
}

const platform::SerialDevice* findDevice(const link::ConnectionState& conn,
                                         const QString& portName) {
    for (const auto& d : conn.devices)
        if (d.portName == portName)
            return &d;
    return nullptr;
}

// Drops the open port quietly; used before opening anew so no handle is ever leaked.
void releasePort(Context& ctx) {
    if (ctx.port.isOpen())
        ctx.port.close();
}

bool openDevice(Context& ctx, const QString& devicePath) {
    const platform::OpenResult result =
        ctx.port.open(devicePath, link::lineSettingsFromText(ctx.conn.settingsText));
    if (result.ok()) {
        ctx.conn.devicePath = devicePath;
        return true;
    }
    ctx.conn.setLinkResult(false);
    showNoPortState(ctx, LinkIcon::Error);
    applyClosedMenus(ctx.shell);
    ctx.shell.setSettingsEntries(false);
    ctx.dialogs.message(systemTitle(), link::openFailureText(ctx.conn.portName, devicePath, result),
                        platform::kError);
    return false;
}

// The number the port dialog proposes: the open port's, else the last one opened, else 1.
QString proposedPortNumber(const Context& ctx) {
    const QString name = ctx.port.isOpen()    ? ctx.conn.portName
                         : ctx.rememberedPort ? ctx.rememberedPort->portName
                                              : QString();
    if (name.startsWith(QLatin1String("COM")) && platform::parseWholeNumber(name.mid(3)) >= 1)
        return name.mid(3);
    return QStringLiteral("1");
}

void rememberPort(Context& ctx, const QString& name) {
    if (!ctx.rememberedPort || ctx.rememberedPort->portName == name)
        return;
    ctx.rememberedPort->portName = name;
    if (ctx.rememberedPort->save)
        ctx.rememberedPort->save(name);
}

} // namespace

void openPort(Context& ctx, platform::DeviceLister& lister) {
    auto& conn = ctx.conn;
    conn.portListText.clear();
    conn.devices = lister.list();
    for (const auto& d : conn.devices)
        conn.portListText += link::portListLine(d);
    // A virtual-port folder left out is said where the ports are listed.
    const QString folderProblem = lister.folderProblem();
    if (!folderProblem.isEmpty())
        conn.portListText += folderProblem + QLatin1Char('\n');

    if (conn.devices.empty()) {
        showNoPortState(ctx, LinkIcon::Error);
        ctx.dialogs.message(
            systemTitle(),
            QCoreApplication::translate("PortRoutines", "  ДОСТУПНЫЕ COM-ПОРТЫ НЕ ОБНАРУЖЕНЫ!  ") +
                (folderProblem.isEmpty() ? QString() : QStringLiteral("\n\r") + folderProblem),
            platform::kError);
        conn.setLinkResult(false);
        return;
    }

    for (;;) {
        const QString answer = ctx.dialogs.inputDialog(
            QCoreApplication::translate("PortRoutines", "Открыть СОМ-порт"), conn.portListText,
            QCoreApplication::translate("PortRoutines", "ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"),
            proposedPortNumber(ctx));
        if (answer.isEmpty()) {
            conn.setLinkResult(false);
            return;
        }
        // "COM5" or "СОМ5" (Cyrillic) typed in full means 5; the message adds its own prefix.
        const QString typed = platform::latinComPrefix(answer.trimmed());
        const QString number =
            typed.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) ? typed.mid(3) : answer;
        const long long n = platform::parseWholeNumber(number);
        if (n < 1 || n > 255) {
            const int again = ctx.dialogs.message(
                errorTitle(),
                QCoreApplication::translate("PortRoutines",
                                            "ПОРТ СОМ%1 НЕ СУЩЕСТВУЕТ. ВЫБРАТЬ ДРУГОЙ ПОРТ?")
                    .arg(number),
                platform::kErrorQuestion);
            if (again == platform::kYes)
                continue;
            conn.setLinkResult(false);
            return;
        }
        const QString name = QStringLiteral("COM") + number;
        const platform::SerialDevice* device = findDevice(conn, name);
        if (!device) {
            // A port that is already open stays open and keeps its name.
            if (!ctx.port.isOpen())
                conn.portName = name;
            const int again =
                ctx.dialogs.message(errorTitle(),
                                    QCoreApplication::translate(
                                        "PortRoutines", "ПОРТ %1 НЕДОСТУПЕН. ВЫБРАТЬ ДРУГОЙ ПОРТ?")
                                        .arg(name),
                                    platform::kErrorQuestion);
            if (again == platform::kYes)
                continue;
            conn.setLinkResult(false);
            return;
        }

        // Reconnecting: let go of the old port before the new open, so the same device is
        // not found busy and no handle is left behind.
        releasePort(ctx);
        conn.portName = name;
        conn.setLinkResult(true);
        if (!openDevice(ctx, device->devicePath))
            return;
        rememberPort(ctx, name);
        break;
    }

    ctx.shell.setPortText(conn.portName + kOpenedStatus);
    ctx.shell.setLinkIcon(LinkIcon::Ok);
    applyOpenedMenus(ctx.shell);
}

void closePort(Context& ctx) {
    ctx.shell.setLinkIcon(LinkIcon::Idle);
    ctx.shell.setSettingsEntries(false);
    if (ctx.port.isOpen()) {
        releasePort(ctx);
        ctx.shell.setPortText(kNoPort);
        applyClosedMenus(ctx.shell);
    }
}

void changeLineSettings(Context& ctx, int itemId) {
    if (!ctx.port.isOpen())
        return;
    // The items of "установки сом-порта" stand in the order of the speeds.
    const int index = itemId - idNumber(CommandId::Line115200);
    const auto& speeds = link::lineSpeeds();
    if (index < 0 || index >= static_cast<int>(speeds.size()))
        return;
    const link::LineSpeed* item = &speeds[index];

    releasePort(ctx);
    ctx.conn.settingsText = QString::fromUtf8(item->settingsText);
    if (!openDevice(ctx, ctx.conn.devicePath))
        return;
    ctx.shell.setPortText(ctx.conn.portName + QString::fromUtf8(item->statusText));
    for (int i = 0; i < static_cast<int>(speeds.size()); ++i)
        ctx.shell.itemChecked[idNumber(CommandId::Line115200) + i] = (i == index);
    ctx.shell.notify();
}

bool watchPort(Context& ctx) {
    if (!ctx.port.isOpen() || ctx.port.isAlive())
        return true;
    if (ctx.shell.markLinkIcon != LinkIcon::Error ||
        ctx.shell.graphicsLinkIcon != LinkIcon::Error) {
        ctx.conn.setLinkResult(false);
        ctx.shell.setLinkIcon(LinkIcon::Error);
    }
    return false;
}

bool reopenLostPort(Context& ctx, platform::DeviceLister& lister) {
    if (!ctx.port.isOpen() || ctx.port.isAlive())
        return true;
    // The old handle is worth nothing now; a device that has come back (perhaps at another
    // path under the same name) opens anew, one that has not is told as at any open.
    releasePort(ctx);
    ctx.conn.devices = lister.list();
    if (const platform::SerialDevice* device = findDevice(ctx.conn, ctx.conn.portName))
        ctx.conn.devicePath = device->devicePath;
    if (!openDevice(ctx, ctx.conn.devicePath))
        return false;
    ctx.conn.setLinkResult(true);
    return true;
}

void showConnectionCheck(Context& ctx) {
    ctx.dialogs.message(errorTitle(),
                        QCoreApplication::translate(
                            "PortRoutines", "Соединение с Маркиратором не установлено!\n\r"
                                            "НЕ ВЫПОЛНЕНА ИНИЦИАЛИЗАЦИЯ COM-ПОРТА:\n\r"
                                            "'Функции' >> 'Подключение' >> 'Открыть СОМ-порт'"),
                        platform::kError);
}

} // namespace nimbrel::session
