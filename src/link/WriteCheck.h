#pragma once

#include "link/Exchange.h"

namespace nimbrel::link {

// How a write that is proven by reading it back ended.
enum class WriteOutcome {
    Confirmed,  // read back as written
    Differs,    // read back, and not as written
    Unanswered, // sent, but the printer did not answer the check read
    NotSent,    // the write itself failed
};

struct WriteCheck {
    WriteOutcome outcome = WriteOutcome::NotSent;
    // Why: the write's failure for NotSent, the check read's for Unanswered.
    ExchangeError error = ExchangeError::None;
    bool confirmed() const { return outcome == WriteOutcome::Confirmed; }
};

// The check of a write whose read-back exchange failed, or which was not sent at all.
inline WriteCheck failedCheck(WriteOutcome outcome, ExchangeError error) {
    return {outcome, error};
}

} // namespace nimbrel::link
