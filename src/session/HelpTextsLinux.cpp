#include "session/HelpTextsPlatform.h"

#include "platform/DeviceList.h"

#include <QCoreApplication>

namespace nimbrel::session {

// How devices get their COM numbers here, where a link names any other, and the group that
// opens the ports: the three things a user coming from Windows cannot guess.
QString connectingPlatformNote() {
    return QCoreApplication::translate(
               "HelpTexts", "\n\r\n\r"
                            "LINUX: номера COM-портов даются устройствам так:\n\r"
                            "\t/dev/ttyS0, /dev/ttyS1 ...\t>> COM1, COM2 ...\n\r"
                            "\t/dev/ttyUSB0, /dev/ttyUSB1 ...\t>> COM33, COM34 ...\n\r"
                            "\t/dev/ttyACM0, /dev/ttyACM1 ...\t>> COM65, COM66 ...\n\r"
                            "\tдругие устройства\t>> COM97 и далее\n\r"
                            "Ссылка COMn в папке виртуальных портов дает номер n\n\r"
                            "любому устройству (там же регистрируется симулятор):\n\r"
                            "\t%1\n\r"
                            "Если порт не открывается из-за прав доступа, добавьте\n\r"
                            "пользователя в группу 'dialout' и войдите в систему заново:\n\r"
                            "\tsudo usermod -aG dialout $USER")
        .arg(platform::virtualPortFolder());
}

} // namespace nimbrel::session
