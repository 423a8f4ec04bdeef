#pragma once

#include "platform/Clock.h"

#include <vector>

namespace nimbrel::testing {

// Virtual time: a sleep only moves the clock, so a 500 ms time-out costs nothing.
class FakeClock final : public platform::Clock {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2019, 5, 31), QTime(14, 5, 9)))
        : m_start(std::move(start)) {}

    void sleepMs(int ms) override {
        sleeps.push_back(ms);
        m_now += ms;
    }
    qint64 elapsedMs() const override { return m_now; }
    QDateTime now() const override { return m_start.addMSecs(m_now); }

    void advance(qint64 ms) { m_now += ms; }
    void setStart(const QDateTime& start) { m_start = start; }

    std::vector<int> sleeps;

private:
    QDateTime m_start;
    qint64 m_now = 0;
};

} // namespace nimbrel::testing
