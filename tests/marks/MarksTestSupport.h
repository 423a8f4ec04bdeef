#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TestBytes.h"
#include "link/Context.h"
#include "marks/MarkState.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace nimbrel::testing {

// The four text cells of a row, for comparing whole rows at once.
struct Row {
    QString type;
    QString font;
    QString text;
    QString free;
    bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& r, std::ostream* os) {
    *os << "{";
    ::PrintTo(r.type, os);
    *os << ", ";
    ::PrintTo(r.font, os);
    *os << ", ";
    ::PrintTo(r.text, os);
    *os << ", ";
    ::PrintTo(r.free, os);
    *os << "}";
}

inline Row rowOf(const marks::MarkTable& table, int row) {
    return {table.cell(row, 1), table.cell(row, 2), table.cell(row, 3), table.cell(row, 4)};
}

// A printer on COM3 behind fakes, the mark state, and a working folder of its own. Every
// port write, pause, dialog and change of the mark window's link icon is recorded.
class MarkFixture : public ::testing::Test {
protected:
    MarkFixture() {
        port.setOpen(true);
        conn.open = true;
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
    link::ShellState shell;
    link::Context ctx{port, clock, dialogs, conn, shell};
    marks::MarkState state;
    QTemporaryDir dir;
    // Each change of the link icons (mark window, graphics window), from link-idle on.
    std::vector<std::pair<link::LinkIcon, link::LinkIcon>> icons;

private:
    std::pair<link::LinkIcon, link::LinkIcon> m_last{link::LinkIcon::Idle, link::LinkIcon::Idle};
};

} // namespace nimbrel::testing
