#pragma once

#include "link/Context.h"

#include <QByteArray>

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

// The stable count of waiting bytes, or 0 when none settled within the passes.
int waitForReply(platform::SerialPort& port, platform::Clock& clock, const WaitParams& params);

// Polls the output queue every millisecond until it is empty. False when it still holds bytes
// after limitMs: a line that no longer moves, reported like a failed write.
bool waitForOutputSent(platform::SerialPort& port, platform::Clock& clock, int limitMs);

// Drops a late reply, then writes. False when the port refused the bytes.
bool sendCommand(Context& ctx, const QByteArray& command);

// The command transaction: sends the command and waits for a stable reply. On success the
// link error flag is 0 and the waiting count is returned; the bytes stay in the input queue.
// On failure the flag is 1, the link-error icon and the read-error message are shown, and 0
// is returned.
int runCommand(Context& ctx, const QByteArray& command, const WaitParams& params = kCommandWait);

// Reads the waiting reply into a zero-filled buffer of bufferSize bytes; bytes beyond the
// buffer are read and dropped so they cannot leak into the next reply. `received` (if given)
// gets the number of bytes that actually arrived.
QByteArray readReply(Context& ctx, int waiting, int bufferSize, int* received = nullptr);

// Marks the time a command talks to the printer (busy cursor), however it ends.
class TalkingScope {
public:
    explicit TalkingScope(ShellState& shell) : m_shell(shell) { m_shell.setTalking(true); }
    ~TalkingScope() { m_shell.setTalking(false); }
    TalkingScope(const TalkingScope&) = delete;
    TalkingScope& operator=(const TalkingScope&) = delete;

private:
    ShellState& m_shell;
};

// "Ошибка при чтении данных из Маркиратора (COM3)!"
QString readErrorText(const ConnectionState& conn);
// Shows the link-error icon and the read-error message; sets the link error flag.
void reportReadError(Context& ctx);

} // namespace nimbrel::link
