#include "printer/SettingsReport.h"

#include <cstddef>
#include <cstdint>

// The first byte picks the model and the XP flag; the rest is the reply.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    static const char* const kModels[] = {"T236", "T260", "T736", "T760", "T75Z",
                                          "T936", "T960", "T93Z", "T95Z", "????"};
    const QString model = QString::fromLatin1(kModels[(data[0] & 0x7F) % 10]);
    const int xpFlag = (data[0] & 0x80) ? 1 : 0;
    const QByteArray reply(reinterpret_cast<const char*>(data + 1),
                           static_cast<qsizetype>(size - 1));
    const QString text = nimbrel::printer::buildSettingsReport(reply, model, xpFlag);
    if (text.endsWith(QStringLiteral("\n\r")))
        __builtin_trap();
    return 0;
}
