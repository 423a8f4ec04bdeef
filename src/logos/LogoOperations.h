#pragma once

#include "link/Exchange.h"

namespace nimbrel::logos {

// The logo commands as exchanges: no questions, no messages, no icons.

// The answer for slot `number` (0..255); NoReply for a slot the printer does not answer for.
link::ExchangeResult readLogo(link::Line& line, int number);
// The request announcing `block`'s length, then the 256-byte transfer of the block once the
// request has left; the printer's answer is the reply, read without examining it. No answer
// at all is NoReply: nothing else says the printer took the block.
link::ExchangeResult writeLogo(link::Line& line, int number, const QByteArray& block);
link::ExchangeResult deleteLogo(link::Line& line, int number);
// The bitmap of the mark being printed.
link::ExchangeResult readBitmap(link::Line& line);

} // namespace nimbrel::logos
