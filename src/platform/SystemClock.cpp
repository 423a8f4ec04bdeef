#include "platform/Clock.h"

#include <cerrno>
#include <chrono>
#include <ctime>
#include <sys/prctl.h>

namespace nimbrel::platform {

SystemClock::SystemClock() {
    // The reply waits poll in 1 ms steps; the default 50 us slack is harmless, but a
    // larger slack inherited from the environment would stretch every step.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

void SystemClock::sleepMs(int ms) {
    if (ms <= 0)
        return;
    timespec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline);
    deadline.tv_sec += ms / 1000;
    deadline.tv_nsec += static_cast<long>(ms % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_nsec -= 1000000000L;
        ++deadline.tv_sec;
    }
    // An absolute deadline keeps a signal from shortening or stretching the sleep.
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &deadline, nullptr) == EINTR) {
    }
}

qint64 SystemClock::elapsedMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

} // namespace nimbrel::platform
