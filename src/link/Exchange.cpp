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

// Drops unasked bytes until the line has been quiet for kQuietMs; after a reply that never
// came, watches the whole limit so a reply that is still on its way is dropped too. False
// when bytes were still coming at the limit.
bool waitForQuietLine(Line& line) {
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

// Appends up to `waiting` bytes, never more than the buffer holds; the rest is read and
// dropped so it cannot leak into the next reply.
void readBounded(Line& line, int waiting, int bufferSize, QByteArray& reply) {
    const int room = std::max(0, bufferSize - static_cast<int>(reply.size()));
    const QByteArray got = line.port.read(std::min(waiting, room));
    if (waiting > room)
        line.port.read(waiting - room);
    trace(line, TraceDirection::Received, got);
    reply += got;
}

// The rest of a reply whose length is known: further passes of the same rule, appending
// what comes, until the length is reached or the passes run out.
void readRest(Line& line, const Request& request, int passesLeft, QByteArray& reply) {
    const WaitParams& wait = *request.wait;
    for (int pass = 0; pass < passesLeft; ++pass) {
        const int need = std::min(request.length(reply), request.bufferSize);
        if (need >= 0 && reply.size() >= need)
            return;
        line.clock.sleepMs(wait.pauseMs);
        const int first = line.port.bytesWaitingInput();
        line.clock.sleepMs(wait.pauseMs);
        const int second = line.port.bytesWaitingInput();
        if (first == second && second > 0)
            readBounded(line, second, request.bufferSize, reply);
    }
}

ExchangeError checkLength(const Request& request, QByteArray& reply) {
    const int need = std::min(request.length(reply), request.bufferSize);
    if (need >= 0 && reply.size() != need)
        return ExchangeError::BadLength;
    return ExchangeError::None;
}

} // namespace

int waitForReply(platform::SerialPort& port, platform::Clock& clock, const WaitParams& params) {
    if (params.firstDelayMs > 0)
        clock.sleepMs(params.firstDelayMs);
    for (int pass = 0; pass < params.maxPasses; ++pass) {
        clock.sleepMs(params.pauseMs);
        const int first = port.bytesWaitingInput();
        clock.sleepMs(params.pauseMs);
        const int second = port.bytesWaitingInput();
        if (first == second && second > 0)
            return second;
    }
    return 0;
}

bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs) {
    for (int waited = 0; waited < limitMs; ++waited) {
        if (port.bytesWaitingOutput() <= 0)
            return true;
        clock.sleepMs(1);
    }
    return port.bytesWaitingOutput() <= 0;
}

QByteArray zeroFilled(const QByteArray& reply, int size) {
    QByteArray buffer(size, '\0');
    std::copy_n(reply.begin(), std::min<qsizetype>(reply.size(), size), buffer.begin());
    return buffer;
}

static ExchangeResult exchangeHere(Line& line, const Request& request) {
    ExchangeResult result;
    result.error = sendAll(line, request);
    if (request.dropAnswer) {
        const int waiting = line.port.bytesWaitingInput();
        if (waiting > 0) {
            result.reply = line.port.read(waiting);
            trace(line, TraceDirection::Received, result.reply);
        }
    }
    if (result.error != ExchangeError::None || !request.wait)
        return result;

    const qint64 started = line.clock.elapsedMs();
    int waiting = waitForReply(line.port, line.clock, *request.wait);
    if (line.state)
        line.state->lateReplyPossible = waiting <= 0;
    if (waiting <= 0) {
        result.error = ExchangeError::NoReply;
        return result;
    }
    if (request.recountAfterMs >= 0) {
        if (request.recountAfterMs > 0)
            line.clock.sleepMs(request.recountAfterMs);
        waiting = line.port.bytesWaitingInput();
    }
    readBounded(line, waiting, request.bufferSize, result.reply);
    if (result.reply.isEmpty()) {
        result.error = ExchangeError::ReadFailed;
        return result;
    }
    if (request.length) {
        // The passes not yet used bound the wait for the rest, as they bound the first part.
        const WaitParams& wait = *request.wait;
        const qint64 bound = wait.firstDelayMs + 2LL * wait.pauseMs * wait.maxPasses;
        const qint64 used = line.clock.elapsedMs() - started;
        const int passesLeft =
            static_cast<int>(std::max<qint64>(0, (bound - used) / (2LL * wait.pauseMs)));
        readRest(line, request, passesLeft, result.reply);
        result.error = checkLength(request, result.reply);
        if (line.state && result.error == ExchangeError::BadLength)
            line.state->lateReplyPossible = true;
    }
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
