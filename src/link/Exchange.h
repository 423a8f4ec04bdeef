#pragma once

#include "platform/Clock.h"
#include "platform/SerialPort.h"

#include <QByteArray>

#include <functional>
#include <optional>
#include <vector>

namespace nimbrel::link {

// How long a reply is waited for: a pass is a pause, a look at the line, a pause and another
// look. A reply of open length is complete when the two counts of a pass agree and are above 0.
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
// still be on their way, so the next exchange first watches the line for them; after a reply
// taken whole by its length, bytes that follow it (a printer that pads) are dropped until the
// line has been quiet for one pass of that reply's wait.
struct LineState {
    bool lateReplyPossible = false;
    qint64 quietUntilMs = 0;
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

// How many bytes make a reply whole, told from the bytes read so far; kLengthOpen while they
// cannot tell (or never will: the version text, an empty slot's answer).
inline constexpr int kLengthOpen = -1;
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
    // Whatever has arrived by the end is read and returned without a wait; none is no error
    // (the logo write's answer, which nothing interprets).
    bool takeAnswer = false;
    // No value: the request gets no reply.
    std::optional<WaitParams> wait;
    // >= 0: a reply of open length, once its count is stable, gets this long more before it
    // is taken (a long reply may still be arriving).
    int settleMs = -1;
    // The reply is read into at most this many bytes; the rest is read and dropped.
    int bufferSize = 256;
    // Where the command or the reply's own header tells the length, the reply is whole the
    // moment that many bytes are in: a pause before is waited for (within the passes), bytes
    // after are dropped. One still short after the passes is `BadLength`. While the length is
    // open, the reply is whole when two counts one pause apart agree.
    ReplyLength length;
    // Bytes that came after the whole reply belong to it (a logo file keeps them as they came).
    bool keepBeyondLength = false;
};

enum class ExchangeError {
    None,
    NotOpen,     // no port: nothing was written
    WriteFailed, // the port refused the bytes, or they never left the output queue
    NoReply,     // no stable count of reply bytes within the passes
    ReadFailed,  // bytes were counted but none could be read
    BadLength,   // a reply of a known length still short at the end of the passes
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

// Polls the output queue every millisecond until it is empty. False when it still holds bytes
// after limitMs.
bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs);

} // namespace nimbrel::link
