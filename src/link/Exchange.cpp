#include "link/Exchange.h"

#include <algorithm>

namespace nimbrel::link {

namespace {

// A line is quiet when no byte has come for this long: at 9600 baud a byte takes about 1 ms,
// and a USB adapter holds bytes back at most a few ms with low latency set.
constexpr int kQuietMs = 5;
// Bytes that keep coming this long belong to something other than a printer that answers.
constexpr int kDrainLimitMs = 1000;

void trace(const Line& line, TraceDirection direction, const QByteArray& bytes) {
    if (line.trace && !bytes.isEmpty())
        line.trace(direction, bytes);
}

void dropWaiting(Line& line) {
    const int waiting = line.port.bytesWaitingInput();
    if (waiting > 0)
        trace(line, TraceDirection::Received, line.port.read(waiting));
}

// Bytes that follow a reply taken whole by its length are dropped until the line has been
// quiet for as long as that reply's wait would have watched it.
void dropTrailingBytes(Line& line) {
    if (!line.state)
        return;
    while (line.clock.elapsedMs() < line.state->quietUntilMs) {
        if (line.port.bytesWaitingInput() > 0) {
            dropWaiting(line);
            line.state->quietUntilMs = line.clock.elapsedMs() + kQuietMs;
        }
        line.clock.sleepMs(1);
    }
    line.state->quietUntilMs = 0;
}

// Drops unasked bytes until the line has been quiet for kQuietMs; after a reply that never
// came, watches the whole limit so a reply that is still on its way is dropped too. False
// when bytes were still coming at the limit.
bool waitForQuietLine(Line& line) {
    dropTrailingBytes(line);
    const bool watchAll = line.state && line.state->lateReplyPossible;
    if (!watchAll && line.port.bytesWaitingInput() <= 0)
        return true;
    int quietFor = 0;
    for (int waited = 0; waited < kDrainLimitMs; ++waited) {
        if (line.port.bytesWaitingInput() > 0) {
            dropWaiting(line);
            quietFor = 0;
        } else if (++quietFor >= kQuietMs && !watchAll) {
            return true;
        }
        line.clock.sleepMs(1);
    }
    dropWaiting(line);
    if (quietFor < kQuietMs)
        return false;
    if (line.state)
        line.state->lateReplyPossible = false;
    return true;
}

bool send(Line& line, const QByteArray& bytes, int drainMs) {
    if (!line.port.write(bytes))
        return false;
    trace(line, TraceDirection::Sent, bytes);
    return drainMs <= 0 || waitForOutputSent(line.port, line.clock, drainMs);
}

ExchangeError sendAll(Line& line, const Request& request) {
    if (!line.port.isOpen())
        return ExchangeError::NotOpen;
    if (!waitForQuietLine(line))
        return ExchangeError::LineBusy;
    // Whatever is still waiting now belongs to an earlier exchange.
    line.port.discardInput();
    if (!send(line, request.command, request.drainCommandMs))
        return ExchangeError::WriteFailed;
    for (const Piece& piece : request.pieces) {
        if (piece.pauseBeforeMs > 0)
            line.clock.sleepMs(piece.pauseBeforeMs);
        if (!send(line, piece.bytes, request.drainPiecesMs))
            return ExchangeError::WriteFailed;
        if (piece.pauseAfterMs > 0)
            line.clock.sleepMs(piece.pauseAfterMs);
    }
    return ExchangeError::None;
}

// The reply as it comes in: every look at the line reads what is waiting, up to the buffer;
// what the buffer cannot hold is read and dropped so it cannot leak into the next reply.
class Reception {
public:
    Reception(Line& line, const Request& request) : m_line(line), m_request(request) {}

    // False when bytes were counted but none could be read.
    bool take() {
        const int waiting = m_line.port.bytesWaitingInput();
        if (waiting <= 0)
            return true;
        const int room = std::max(0, m_request.bufferSize - static_cast<int>(m_reply.size()));
        const QByteArray got = m_line.port.read(std::min(waiting, room));
        if (waiting > room)
            m_line.port.read(waiting - room);
        if (got.isEmpty() && room > 0)
            return false;
        trace(m_line, TraceDirection::Received, got);
        m_reply += got;
        m_received += waiting;
        return true;
    }

    int received() const { return m_received; }

    // The whole length, bounded by the buffer; kLengthOpen while the bytes cannot tell it.
    int need() const {
        if (!m_request.length)
            return kLengthOpen;
        const int n = m_request.length(m_reply);
        return n < 0 ? kLengthOpen : std::min(n, m_request.bufferSize);
    }

    bool whole() const {
        const int n = need();
        return n != kLengthOpen && m_reply.size() >= n;
    }

    QByteArray reply() const {
        const int n = need();
        return n == kLengthOpen || m_request.keepBeyondLength ? m_reply : m_reply.left(n);
    }

private:
    Line& m_line;
    const Request& m_request;
    QByteArray m_reply;
    int m_received = 0;
};

// Waits by the request's passes. A reply of known length ends the wait as soon as it is whole;
// one of open length when a pass sees no growth (then, with a settle time, after that too).
ExchangeError receive(Line& line, const Request& request, QByteArray& reply) {
    const WaitParams& wait = *request.wait;
    Reception rx(line, request);
    if (wait.firstDelayMs > 0)
        line.clock.sleepMs(wait.firstDelayMs);
    for (int pass = 0; pass < wait.maxPasses; ++pass) {
        int counts[2] = {0, 0};
        for (int& count : counts) {
            line.clock.sleepMs(wait.pauseMs);
            if (!rx.take())
                return ExchangeError::ReadFailed;
            if (rx.whole()) {
                reply = rx.reply();
                if (line.state)
                    line.state->quietUntilMs = line.clock.elapsedMs() + 2LL * wait.pauseMs;
                return ExchangeError::None;
            }
            count = rx.received();
        }
        if (counts[0] == counts[1] && counts[1] > 0 && rx.need() == kLengthOpen) {
            if (request.settleMs > 0) {
                line.clock.sleepMs(request.settleMs);
                if (!rx.take())
                    return ExchangeError::ReadFailed;
            }
            reply = rx.reply();
            return ExchangeError::None;
        }
    }
    reply = rx.reply();
    return rx.received() > 0 && rx.need() != kLengthOpen ? ExchangeError::BadLength
                                                         : ExchangeError::NoReply;
}

} // namespace

bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs) {
    for (int waited = 0; waited < limitMs; ++waited) {
        if (port.bytesWaitingOutput() <= 0)
            return true;
        clock.sleepMs(1);
    }
    return port.bytesWaitingOutput() <= 0;
}

static ExchangeResult exchangeHere(Line& line, const Request& request) {
    ExchangeResult result;
    result.error = sendAll(line, request);
    if (request.takeAnswer) {
        const int waiting = std::min(line.port.bytesWaitingInput(), request.bufferSize);
        if (waiting > 0) {
            result.reply = line.port.read(waiting);
            trace(line, TraceDirection::Received, result.reply);
        }
    }
    if (result.error != ExchangeError::None || !request.wait)
        return result;
    result.error = receive(line, request, result.reply);
    if (line.state && result.error != ExchangeError::None)
        line.state->lateReplyPossible = true;
    if (result.error != ExchangeError::None && result.error != ExchangeError::BadLength)
        result.reply.clear();
    return result;
}

ExchangeResult exchange(Line& line, const Request& request) {
    if (!line.runner)
        return exchangeHere(line, request);
    ExchangeResult result;
    line.runner([&] { result = exchangeHere(line, request); });
    return result;
}

} // namespace nimbrel::link
