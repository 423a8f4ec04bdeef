#pragma once

#include "platform/SerialPort.h"

#include <functional>
#include <optional>
#include <termios.h>

namespace nimbrel::platform {

// Raw mode, no handshake, the framing and, where termios has a constant for it, the rate of
// `settings`. False when some part cannot be expressed.
bool makeRawTermios(termios& tio, const LineSettings& settings);

// Rate and framing as termios states them; nothing for a rate without a constant.
std::optional<LineSettings> lineSettingsOf(const termios& tio);

// Raw line with the given rate and framing, no handshake of any kind. False (and the line
// left as it was) when the system refuses any part of it.
bool applyLineSettings(int fd, const LineSettings& settings);

// Sets or clears modem lines: TIOCMBIS / TIOCMBIC with the TIOCM_* bits, as ioctl does (0 on
// success). The program passes the system call; tests record what is asked.
using ModemLineCall = std::function<int(int fd, unsigned long request, int bits)>;
int systemModemLineCall(int fd, unsigned long request, int bits);

// Holds RTS off: the printer has no handshake, and a raised RTS is a request to send that
// some converters act on. DTR is left as the open set it. False when the device refuses (a
// pseudo-terminal has no modem lines).
bool lowerRts(int fd, const ModemLineCall& call);

// The line's current rate and framing; nothing when the device does not tell.
std::optional<LineSettings> readLineSettings(int fd);

} // namespace nimbrel::platform
