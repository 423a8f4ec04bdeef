#pragma once

#include "printer/PrinterTestSupport.h"
#include "session/Context.h"

namespace nimbrel::testing {

// A printer on COM3 behind fakes: every port write, pause, dialog and icon is recorded.
class PrinterFixture : public ::testing::Test {
protected:
    PrinterFixture() {
        port.setOpen(true);
        conn.portName = QStringLiteral("COM3");
        shell.changed = [this] {
            EXPECT_EQ(shell.markLinkIcon, shell.graphicsLinkIcon);
            if (shell.markLinkIcon != m_lastIcon)
                icons.push_back(shell.markLinkIcon);
            m_lastIcon = shell.markLinkIcon;
        };
    }

    std::vector<QByteArray> written() const {
        std::vector<QByteArray> out;
        for (const auto& w : port.writes)
            out.push_back(w.bytes);
        return out;
    }

    QString readError() const {
        return QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!");
    }

    FakeClock clock;
    FakeSerialPort port{clock};
    ScriptedDialogs dialogs;
    link::ConnectionState conn;
    session::ShellState shell;
    session::Context ctx{port, clock, dialogs, conn, shell};
    // Each change of the link icons, from link-idle on.
    std::vector<session::LinkIcon> icons;

private:
    session::LinkIcon m_lastIcon = session::LinkIcon::Idle;
};

} // namespace nimbrel::testing
