#pragma once

// Kept apart from <termios.h>: the kernel's termios2 header clashes with it.

namespace nimbrel::platform {

// Rates termios has no constant for (14400, 28800, ...). False where the system cannot set
// them.
bool setArbitraryBaud(int fd, int baud);
// The rate of a line set to a rate without a constant, or 0.
int arbitraryBaud(int fd);

} // namespace nimbrel::platform
