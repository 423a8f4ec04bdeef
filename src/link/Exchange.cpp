#include "link/Exchange.h"

#include <algorithm>

namespace nimbrel::link {

namespace {

void trace(const Line& line, TraceDirection direction, const QByteArray& bytes) {
    if (line.trace && !bytes.isEmpty())
        line.trace(direction, bytes);
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
    // Whatever is waiting now belongs to an earlier exchange that failed or ran late.
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

QByteArray readBounded(Line& line, int waiting, int bufferSize) {
    const QByteArray got = line.port.read(std::min(waiting, bufferSize));
    // Bytes past the buffer are drained, never left for the next reply.
    if (waiting > bufferSize)
        line.port.read(waiting - bufferSize);
    trace(line, TraceDirection::Received, got);
    return got;
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

ExchangeResult exchange(Line& line, const Request& request) {
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

    int waiting = waitForReply(line.port, line.clock, *request.wait);
    if (waiting <= 0) {
        result.error = ExchangeError::NoReply;
        return result;
    }
    if (request.recountAfterMs >= 0) {
        if (request.recountAfterMs > 0)
            line.clock.sleepMs(request.recountAfterMs);
        waiting = line.port.bytesWaitingInput();
    }
    result.reply = readBounded(line, waiting, request.bufferSize);
    if (result.reply.isEmpty())
        result.error = ExchangeError::ReadFailed;
    return result;
}

} // namespace nimbrel::link
