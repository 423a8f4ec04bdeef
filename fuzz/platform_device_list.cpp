#include "platform/DeviceList.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

// One folder for the whole run, removed at its end.
struct ScratchFolder {
    QString path;
    ScratchFolder() {
        char pattern[] = "/tmp/nimbrel-fuzz-ports-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        path = QString::fromLocal8Bit(pattern);
    }
    ~ScratchFolder() { QDir(path).removeRecursively(); }
};

} // namespace

// The virtual-port folder as another program may leave it: entries named by the input (lines
// "name target"; a name without a target is a plain file). Only links named COM1 ... COM255
// come back, one per number, in order.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    const QString& folder = scratch.path;
    QDir dir(folder);
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : input.split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray name = (blank < 0 ? line : line.left(blank)).left(64);
        if (name.isEmpty() || name.contains('/') || name.contains('\0') || name == "." ||
            name == "..")
            continue;
        const QByteArray path = QFile::encodeName(folder) + "/" + name;
        if (blank < 0) {
            QFile file(QString::fromLocal8Bit(path));
            file.open(QIODevice::WriteOnly);
        } else {
            const QByteArray target = line.mid(blank + 1).left(200);
            if (!target.contains('\0'))
                (void)!::symlink(target.constData(), path.constData());
        }
    }
    const auto ports = nimbrel::platform::readVirtualPorts(folder);
    int last = 0;
    for (const auto& port : ports) {
        bool ok = false;
        const int n = port.portName.mid(3).toInt(&ok);
        if (!port.portName.startsWith(QLatin1String("COM")) || !ok || n < 1 || n > 255 ||
            n <= last || port.target.isEmpty())
            __builtin_trap();
        last = n;
    }
    for (const QString& entry :
         dir.entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot))
        ::unlink(QFile::encodeName(dir.filePath(entry)).constData());
    return 0;
}
