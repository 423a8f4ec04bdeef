#pragma once

#include "link/Exchange.h"
#include "marks/FragmentRecord.h"

namespace nimbrel::marks {

// The mark commands as exchanges: no questions, no messages, no icons.

// Mark 0 is the one being printed; it answers at once, a numbered mark after a pause. The
// reply is the mark block (or the one-byte empty answer).
link::ExchangeResult readMark(link::Line& line, int mark);
// The write command, then the block in 256-byte pieces, each sent out in full and followed by
// a pause: the printer takes it at line speed without flow control.
link::ExchangeError writeMark(link::Line& line, int mark, const QByteArray& block);

// One fragment of the mark being printed.
link::ExchangeResult readFragment(link::Line& line, int lineNumber, int fragment);
link::ExchangeError writeFragment(link::Line& line, const FragmentEdit& edit);

} // namespace nimbrel::marks
