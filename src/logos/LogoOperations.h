#pragma once

#include "link/Exchange.h"
#include "link/WriteCheck.h"
#include "logos/LogoBlock.h"

namespace nimbrel::logos {

// The logo commands as exchanges: no questions, no messages, no icons.

// The answer for slot `number` (0..255), whole by the size its header announces; what came
// after it is kept, as a logo file keeps it. NoReply for a slot the printer does not answer for.
link::ExchangeResult readLogo(link::Line& line, int number);

// A slot as read: a printer that does not answer for a slot says it is empty.
struct LogoSlot {
    link::ExchangeError error = link::ExchangeError::None; // a failure other than silence
    bool silent = false;
    QByteArray reply; // the answer as it came
    LogoAnswer answer;
    bool ok() const { return error == link::ExchangeError::None; }
    bool empty() const { return silent || answer.kind == LogoAnswer::Kind::Empty; }
};
LogoSlot readSlot(link::Line& line, int number);

// The request announcing `block`'s length, then the 256-byte transfer of the block once the
// request has left; whatever the printer answers by then is the reply, not examined, and no
// answer is no error: only reading the slot back proves the write.
link::ExchangeResult writeLogo(link::Line& line, int number, const QByteArray& block);
link::ExchangeResult deleteLogo(link::Line& line, int number);

// A write or delete proven by reading the slot back: the logo as sent, or an empty slot.
struct LogoWrite : link::WriteCheck {
    ReadBackCheck check; // how the logo read back differs (a write's Differs)
};
LogoWrite writeLogoVerified(link::Line& line, int number, const QByteArray& block);
LogoWrite deleteLogoVerified(link::Line& line, int number);
// "Логотип #005 записан, но проверить его не удалось: Маркиратор не ответил на чтение."
QString logoUncheckedText(int number, bool deleted);

// The bitmap of the mark being printed.
link::ExchangeResult readBitmap(link::Line& line);

} // namespace nimbrel::logos
