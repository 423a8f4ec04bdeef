#pragma once

#include "QtPrinters.h"

#include "FakeClock.h"
#include "platform/SerialPort.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace nimbrel::testing {

// A serial line driven by a FakeClock. Each write may trigger a scripted reply whose bytes
// arrive at chosen virtual times; the counts the program polls follow those times.
class FakeSerialPort final : public platform::SerialPort {
public:
    struct Write {
        qint64 atMs;
        QByteArray bytes;
    };
    struct Reply {
        QByteArray bytes;
        qint64 delayMs = 2;    // after the write, first byte arrives
        double bytesPerMs = 0; // 0: all at once; else a trickle at this rate
    };

    explicit FakeSerialPort(FakeClock& clock) : m_clock(clock) {}

    platform::OpenResult open(const QString& devicePath, const platform::LineSettings& s) override {
        openedPath = devicePath;
        openedSettings = s;
        ++openCount;
        // As the real port: an open closes first, and a line that opens starts with an empty
        // input queue; bytes still on their way arrive as usual.
        m_open = openResult.ok();
        if (m_open) {
            dropArrived();
            deviceGone = false;
        }
        return openResult;
    }
    void close() override {
        m_open = false;
        ++closeCount;
    }
    bool isOpen() const override { return m_open; }

    bool write(const QByteArray& bytes) override {
        if (!m_open || failWrites)
            return false;
        writes.push_back({m_clock.elapsedMs(), bytes});
        if (onWrite)
            onWrite(bytes);
        if (!replies.empty()) {
            Reply r = replies.front();
            replies.pop_front();
            schedule(r.bytes, m_clock.elapsedMs() + r.delayMs, r.bytesPerMs);
        }
        return true;
    }

    // Waits as the real port does, in virtual time: for the first byte up to the whole
    // time-out, then for each next byte up to the gap between bytes.
    QByteArray read(int maxBytes) override {
        ++readCount;
        QByteArray out;
        if (!m_open || maxBytes <= 0)
            return out;
        const qint64 deadline = m_clock.elapsedMs() + kReadPerByteMs * maxBytes + kReadConstantMs;
        qint64 lastByteAt = 0;
        while (out.size() < maxBytes) {
            const qint64 now = m_clock.elapsedMs();
            if (!m_incoming.empty() && m_incoming.front().atMs <= now) {
                out.append(m_incoming.front().byte);
                m_incoming.pop_front();
                lastByteAt = now;
                continue;
            }
            const qint64 until =
                out.isEmpty() ? deadline : std::min(deadline, lastByteAt + kReadIntervalMs);
            if (m_incoming.empty() || m_incoming.front().atMs > until) {
                m_clock.advance(std::max<qint64>(0, until - now));
                break;
            }
            m_clock.advance(m_incoming.front().atMs - now);
        }
        return out;
    }
    int bytesWaitingInput() override {
        if (!m_open)
            return 0;
        int n = 0;
        for (const auto& b : m_incoming)
            if (b.atMs <= m_clock.elapsedMs())
                ++n;
        return n;
    }
    int bytesWaitingOutput() override { return m_open ? outputWaiting : 0; }
    void discardInput() override {
        ++discardCount;
        if (m_open)
            dropArrived();
    }

    // Queue the reply to the next write.
    void queueReply(const QByteArray& bytes, qint64 delayMs = 2, double bytesPerMs = 0) {
        replies.push_back({bytes, delayMs, bytesPerMs});
    }
    // Queue "no reply" for the next write.
    void queueSilence() { replies.push_back({QByteArray(), 0, 0}); }
    // Bytes that arrive at an absolute virtual time, whatever was written.
    void schedule(const QByteArray& bytes, qint64 atMs, double bytesPerMs = 0) {
        for (int i = 0; i < bytes.size(); ++i) {
            qint64 t = atMs + (bytesPerMs > 0 ? static_cast<qint64>(i / bytesPerMs) : 0);
            m_incoming.push_back({t, bytes[i]});
        }
        std::stable_sort(m_incoming.begin(), m_incoming.end(),
                         [](const Byte& a, const Byte& b) { return a.atMs < b.atMs; });
    }
    void setOpen(bool open) { m_open = open; }
    // The device behind the open port has gone (hang-up) until an open finds it again.
    bool isAlive() override { return m_open && !deviceGone; }

    platform::OpenResult openResult;
    bool failWrites = false;
    bool deviceGone = false;
    int outputWaiting = 0;
    QString openedPath;
    platform::LineSettings openedSettings;
    int openCount = 0;
    int closeCount = 0;
    int readCount = 0;
    int discardCount = 0;
    std::vector<Write> writes;
    std::deque<Reply> replies;
    std::function<void(const QByteArray&)> onWrite;

private:
    // The real port's read time-outs: between bytes, and per byte asked plus a constant.
    static constexpr qint64 kReadIntervalMs = 100;
    static constexpr qint64 kReadPerByteMs = 10;
    static constexpr qint64 kReadConstantMs = 100;

    void dropArrived() {
        while (!m_incoming.empty() && m_incoming.front().atMs <= m_clock.elapsedMs())
            m_incoming.pop_front();
    }

    struct Byte {
        qint64 atMs;
        char byte;
    };
    FakeClock& m_clock;
    bool m_open = false;
    std::deque<Byte> m_incoming;
};

} // namespace nimbrel::testing
