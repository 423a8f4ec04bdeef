#pragma once

#include "link/Exchange.h"
#include "link/WriteCheck.h"
#include "marks/FragmentRecord.h"

namespace nimbrel::marks {

// The mark commands as exchanges: no questions, no messages, no icons.

// A mark as read: its block, or the printer's empty answer.
struct MarkRead {
    link::ExchangeError error = link::ExchangeError::None;
    QByteArray block; // the whole mark block; the empty answer as it came
    bool ok() const { return error == link::ExchangeError::None; }
    bool empty() const;
};

// Mark 0 is the one being printed; it answers at once, a numbered mark after a pause. A mark
// is its whole block, never a part of one.
MarkRead readMark(link::Line& line, int mark);
// The write command, then the block in 256-byte pieces, each sent out in full and followed by
// a pause: the printer takes it at line speed without flow control.
link::ExchangeError writeMark(link::Line& line, int mark, const QByteArray& block);

// A write proven by reading the mark back; `differingRow` is the first table row whose record
// came back otherwise (Differs).
struct MarkWrite : link::WriteCheck {
    int differingRow = -1;
};
MarkWrite writeMarkVerified(link::Line& line, int mark, const QByteArray& block);
// "Марка #12 записана, но проверить её не удалось: Маркиратор не ответил на чтение."
QString markUncheckedText(int mark);

// One fragment of the mark being printed.
link::ExchangeResult readFragment(link::Line& line, int lineNumber, int fragment);
link::ExchangeError writeFragment(link::Line& line, const FragmentEdit& edit);

} // namespace nimbrel::marks
