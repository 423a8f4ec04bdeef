#pragma once

#include "marks/MarksTestSupport.h"
#include "session/Context.h"

namespace nimbrel::testing {

// A printer on COM3 behind fakes, the mark state, and a working folder of its own. Every
// port write, pause, dialog and change of the mark window's link icon is recorded.
class MarkFixture : public ::testing::Test {
protected:
    MarkFixture() {
        port.setOpen(true);
        conn.portName = QStringLiteral("COM3");
        shell.changed = [this] {
            const auto now = std::make_pair(shell.markLinkIcon, shell.graphicsLinkIcon);
            if (now != m_last)
                icons.push_back(now);
            m_last = now;
        };
    }

    std::vector<QByteArray> written() const {
        std::vector<QByteArray> out;
        for (const auto& w : port.writes)
            out.push_back(w.bytes);
        return out;
    }

    QString folder() const { return dir.path(); }

    FakeClock clock;
    FakeSerialPort port{clock};
    ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context ctx{port, clock, dialogs, conn, shell};
    marks::MarkState state;
    QTemporaryDir dir;
    // Each change of the link icons (mark window, graphics window), from link-idle on.
    std::vector<std::pair<session::LinkIcon, session::LinkIcon>> icons;

private:
    std::pair<session::LinkIcon, session::LinkIcon> m_last{session::LinkIcon::Idle,
                                                           session::LinkIcon::Idle};
};

} // namespace nimbrel::testing
