#pragma once

#include "LinkFixture.h"
#include "printer/PrinterTestSupport.h"
#include "session/Context.h"

namespace nimbrel::testing {

// A printer on COM3 behind fakes: every port write, pause, dialog and icon is recorded.
class PrinterFixture : public LinkFixture {
protected:
    PrinterFixture() {
        openOn("COM3");
        shell.changed = [this] {
            EXPECT_EQ(shell.markLinkIcon, shell.graphicsLinkIcon);
            if (shell.markLinkIcon != m_lastIcon)
                icons.push_back(shell.markLinkIcon);
            m_lastIcon = shell.markLinkIcon;
        };
    }

    QString readError() const {
        return QStringLiteral("Ошибка при чтении данных из Маркиратора (COM3)!");
    }

    // Each change of the link icons, from link-idle on.
    std::vector<session::LinkIcon> icons;

private:
    session::LinkIcon m_lastIcon = session::LinkIcon::Idle;
};

} // namespace nimbrel::testing
