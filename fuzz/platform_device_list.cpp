#include "platform/DeviceList.h"

#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

// One folder for the whole run, emptied after each input and removed at the end. Entries are
// made and removed by their bytes: a name that is not UTF-8 does not survive a trip through
// QString.
struct ScratchFolder {
    QByteArray path;
    ScratchFolder() {
        char pattern[] = "/tmp/nimbrel-fuzz-ports-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        path = pattern;
    }
    ~ScratchFolder() {
        empty();
        ::rmdir(path.constData());
    }
    void empty() const {
        DIR* dir = ::opendir(path.constData());
        if (dir == nullptr)
            return;
        while (const dirent* entry = ::readdir(dir)) {
            if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0)
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
        ::closedir(dir);
    }
};

} // namespace

// The virtual-port folder as another program may leave it: entries named by the input (lines
// "name target"; a name without a target is a plain file). Only links named COM1 ... COM255
// come back, one per number, in order.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ScratchFolder scratch;
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& line : input.split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray name = (blank < 0 ? line : line.left(blank)).left(64);
        if (name.isEmpty() || name.contains('/') || name.contains('\0') || name == "." ||
            name == "..")
            continue;
        const QByteArray path = scratch.path + "/" + name;
        if (blank < 0) {
            const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
            if (fd >= 0)
                ::close(fd);
        } else {
            const QByteArray target = line.mid(blank + 1).left(200);
            if (!target.contains('\0'))
                (void)!::symlink(target.constData(), path.constData());
        }
    }
    const auto ports = nimbrel::platform::readVirtualPorts(QFile::decodeName(scratch.path));
    int last = 0;
    for (const auto& port : ports) {
        bool ok = false;
        const int n = port.portName.mid(3).toInt(&ok);
        if (!port.portName.startsWith(QLatin1String("COM")) || !ok || n < 1 || n > 255 ||
            n <= last || port.target.isEmpty())
            __builtin_trap();
        last = n;
    }
    scratch.empty();
    return 0;
}
