#include "backup/Slots.h"

#include <QCoreApplication>

namespace nimbrel::backup {

QString slotName(const Slot& slot) {
    return slot.mark ? QCoreApplication::translate("Slots", "марка #%1")
                           .arg(slot.number, 2, 10, QLatin1Char('0'))
                     : QCoreApplication::translate("Slots", "логотип #%1")
                           .arg(slot.number, 3, 10, QLatin1Char('0'));
}

} // namespace nimbrel::backup
