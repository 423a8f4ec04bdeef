#pragma once

#include "link/Exchange.h"
#include "link/PortControl.h"
#include "session/Context.h"

namespace nimbrel::session {

// How the menu routines show a talk with the printer: the busy cursor, the link icons and the
// link error flag (`ConnectionState::setLinkResult`).

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

QString errorTitle();
// link::readErrorText and link::writeErrorText give the two link error messages.

// Shows the link-error icon in both link fields and the read-error message; sets the flag.
void reportReadError(Context& ctx);
// The same with the port-write message.
void reportWriteError(Context& ctx);

// The command transaction's way: busy icon, exchange, and on a failure the read-error
// message (a refused write reads the same to the user). The result goes back to the caller.
// `busyIcon` false: the icon is left as it is until a failure.
link::ExchangeResult transact(Context& ctx,
                              const std::function<link::ExchangeResult(link::Line&)>& operation,
                              bool busyIcon = true);

} // namespace nimbrel::session
