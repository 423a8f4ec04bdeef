#pragma once

#include "LinkFixture.h"
#include "marks/MarksTestSupport.h"
#include "session/Context.h"

namespace nimbrel::testing {

// A printer on COM3 behind fakes, the mark state, and a working folder of its own. Every
// port write, pause, dialog and change of the mark window's link icon is recorded.
class MarkFixture : public LinkFixture {
protected:
    MarkFixture() {
        openOn("COM3");
        shell.changed = [this] {
            const auto now = std::make_pair(shell.markLinkIcon, shell.graphicsLinkIcon);
            if (now != m_last)
                icons.push_back(now);
            m_last = now;
        };
    }

    QString folder() const { return dir.path(); }

    marks::MarkState state;
    QTemporaryDir dir;
    // Each change of the link icons (mark window, graphics window), from link-idle on.
    std::vector<std::pair<session::LinkIcon, session::LinkIcon>> icons;

private:
    std::pair<session::LinkIcon, session::LinkIcon> m_last{session::LinkIcon::Idle,
                                                           session::LinkIcon::Idle};
};

} // namespace nimbrel::testing
