#include "platform/AtomicFile.h"

#include <csignal>

namespace nimbrel::platform {

void ignoreFileSizeSignal() {
    // Ignored, the write itself fails with EFBIG and the save reports it.
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace nimbrel::platform
