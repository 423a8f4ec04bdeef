#pragma once

#include "platform/Clock.h"
#include "platform/SerialPort.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

namespace nimbrel::link {

// A reply carries no length: it is complete when the count of waiting input bytes is above
// 0 and two counts, one pause apart, agree.
struct WaitParams {
    int firstDelayMs; // once, right after writing
    int pauseMs;      // before each of the two counts of a pass
    int maxPasses;
};

inline constexpr WaitParams kCommandWait{0, 1, 250};
inline constexpr WaitParams kLogoReadWait{0, 1, 200};
inline constexpr WaitParams kMarkReadWait{10, 5, 100};
inline constexpr WaitParams kCurrentMarkWait{0, 2, 350};
inline constexpr WaitParams kBitmapWait{0, 1, 1000};

enum class TraceDirection { Sent, Received };
// Sees every byte that goes out and every reply read, in order (the command-line tool's
// protocol trace).
using TraceSink = std::function<void(TraceDirection, const QByteArray&)>;
// Runs an exchange's body to its end before returning: the window runs it on a worker thread
// and keeps painting meanwhile.
using ExchangeRunner = std::function<void(const std::function<void()>& body)>;

// What the line remembers between exchanges: after a reply that never came, its bytes may
// still be on their way, so the next exchange first watches the line for them.
struct LineState {
    bool lateReplyPossible = false;
};

// The line an operation talks over: the port, the clock its waits run on, an optional trace
// and the state kept between exchanges. Only this layer touches the port's reads, writes and
// counts.
struct Line {
    platform::SerialPort& port;
    platform::Clock& clock;
    TraceSink trace;
    LineState* state = nullptr;
    // Unset: the exchange runs on the caller's thread.
    ExchangeRunner runner = {};
};

// How much of a reply is still to come, told from the bytes read so far: the whole length,
// or -1 while the bytes so far cannot tell it yet.
using ReplyLength = std::function<int(const QByteArray& soFar)>;

// Bytes written after the command: a mark block in pieces, a logo block in one.
struct Piece {
    QByteArray bytes;
    int pauseBeforeMs = 0;
    int pauseAfterMs = 0;
};

// One request on the wire and how its reply is taken.
struct Request {
    QByteArray command;
    // >0: the command and each piece must leave the output queue within this many ms, polled
    // every millisecond; a queue that never empties belongs to a line that no longer moves.
    int drainCommandMs = 0;
    int drainPiecesMs = 0;
    std::vector<Piece> pieces;
    // Whatever has arrived by the end is taken without a wait and returned as the reply (the
    // logo write's answer: only whether there is one counts).
    bool dropAnswer = false;
    // No value: the request gets no reply.
    std::optional<WaitParams> wait;
    // >= 0: once the count is stable, pause this long and count again before reading (a long
    // reply may still be arriving).
    int recountAfterMs = -1;
    // The reply is read into at most this many bytes; the rest is read and dropped.
    int bufferSize = 256;
    // Where the command or the reply's own header tells the length, a reply that pauses
    // before it is complete is waited for (within the same passes) instead of cut; one still
    // short after the passes, or longer than its length, is `BadLength`: never a part of a
    // reply, nor two replies run together, taken for one. A reply that never told its length
    // (-1 to the end) is taken as it is, for its decoder to judge.
    ReplyLength length;
};

enum class ExchangeError {
    None,
    NotOpen,     // no port: nothing was written
    WriteFailed, // the port refused the bytes, or they never left the output queue
    NoReply,     // no stable count of reply bytes within the passes
    ReadFailed,  // bytes were counted but none could be read
    BadLength,   // a reply of a known length came short or too long
    LineBusy,    // the line never fell quiet before the command: nothing was written
};

struct ExchangeResult {
    ExchangeError error = ExchangeError::None;
    QByteArray reply; // what was read, at most bufferSize bytes
    bool ok() const { return error == ExchangeError::None; }
    // True for the failures that happened while sending.
    bool writeFailed() const {
        return error == ExchangeError::NotOpen || error == ExchangeError::WriteFailed;
    }
};

// Writes the request, waits by the reply rule and reads the reply, bounded. Before writing,
// the line must be quiet: bytes that arrive unasked (a late reply of an earlier exchange) are
// dropped until no byte has come for a few ms; after a reply that never came, the line is
// watched for a second so its late bytes cannot start the next reply.
ExchangeResult exchange(Line& line, const Request& request);

// The stable count of waiting bytes, or 0 when none settled within the passes.
int waitForReply(platform::SerialPort& port, platform::Clock& clock, const WaitParams& params);

// Polls the output queue every millisecond until it is empty. False when it still holds bytes
// after limitMs.
bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs);

// The reply padded with zeros to `size` bytes: offsets the printer did not send read as 0.
QByteArray zeroFilled(const QByteArray& reply, int size);

} // namespace nimbrel::link
