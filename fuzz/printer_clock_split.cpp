#include "printer/ClockCommands.h"

#include <cstddef>
#include <cstdint>

// The typed "DDMMYY HHMMSS": only 13 characters split, into six and six, and the commands
// made from the parts are 9 bytes each.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString typed =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString date;
    QString time;
    const bool ok = nimbrel::printer::splitTypedClock(typed, date, time);
    // Characters, not UTF-16 units.
    const QList<uint> chars = typed.toUcs4();
    if (ok != (chars.size() == 13))
        __builtin_trap();
    if (!ok)
        return 0;
    if (date.toUcs4() != chars.mid(0, 6) || time.toUcs4() != chars.mid(7, 6))
        __builtin_trap();
    nimbrel::printer::setDateCommand(date);
    nimbrel::printer::setTimeCommand(time);
    return 0;
}
