#pragma once

#include "LinkFixture.h"
#include "logos/LogoTestSupport.h"
#include "session/Context.h"
#include "session/LogoRoutines.h"

namespace nimbrel::testing {

// Logo commands against a fake printer on COM3 and scripted dialogs, in a temporary folder.
class LogoFixture : public LinkFixture {
protected:
    LogoFixture() {
        openOn("COM3");
        shell.changed = [this] {
            if (shell.graphicsLinkIcon != m_lastIcon)
                icons.push_back(shell.graphicsLinkIcon);
            m_lastIcon = shell.graphicsLinkIcon;
        };
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    const ScriptedDialogs::Call& onlyMessage() {
        const auto shown = dialogs.messages();
        EXPECT_EQ(shown.size(), 1u);
        static ScriptedDialogs::Call none;
        m_last = shown.empty() ? none : shown.back();
        return m_last;
    }

    QTemporaryDir dir;
    session::Context& linkCtx = LinkFixture::ctx;
    logos::LogoState logo;
    session::LogoContext ctx{linkCtx, logo, dir.path()};
    std::vector<session::LinkIcon> icons;

private:
    session::LinkIcon m_lastIcon = session::LinkIcon::Idle;
    ScriptedDialogs::Call m_last;
};

} // namespace nimbrel::testing
