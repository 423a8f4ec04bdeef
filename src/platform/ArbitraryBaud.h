#pragma once

// Kept apart from <termios.h>: the kernel's termios2 header clashes with it.

namespace nimbrel::platform {

// Rates termios has no constant for (14400, 28800, ...). False where the system cannot set
// them.
bool setArbitraryBaud(int fd, int baud);
// The rate of a line set to a rate without a constant, or 0.
int arbitraryBaud(int fd);

} // namespace nimbrel::platform

namespace nimbrel::platform {

// Asks the driver to hand over received bytes at once. USB adapters otherwise hold short
// replies back for their latency timer (16 ms on FTDI chips), which a reply wait that takes
// "no growth for a millisecond" as the end would read as a finished reply. Best effort:
// drivers without the setting keep theirs.
void requestLowLatency(int fd);

} // namespace nimbrel::platform
