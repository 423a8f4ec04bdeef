#pragma once

#include <QDateTime>

namespace nimbrel::platform {

class Clock {
public:
    virtual ~Clock() = default;
    virtual void sleepMs(int ms) = 0;
    // Monotonic milliseconds, for measuring waits.
    virtual qint64 elapsedMs() const = 0;
    // The PC's local date and time.
    virtual QDateTime now() const = 0;
};

class SystemClock final : public Clock {
public:
    SystemClock();
    void sleepMs(int ms) override;
    qint64 elapsedMs() const override;
    QDateTime now() const override;
};

} // namespace nimbrel::platform
