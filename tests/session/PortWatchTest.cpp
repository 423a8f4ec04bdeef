#include "LinkFixture.h"
#include "session/PortRoutines.h"

using namespace nimbrel;
using nimbrel::testing::LinkFixture;
using session::LinkIcon;

namespace {

class Listed : public platform::DeviceLister {
public:
    std::vector<platform::SerialDevice> devices{
        {"COM3", "/dev/ttyS2", "9600,n,8,1", "/dev/ttyS2"},
        {"COM4", "/dev/ttyUSB0", "115200,n,8,1", "/dev/ttyUSB0"}};
    std::vector<platform::SerialDevice> list() override { return devices; }
};

struct PortChoice : LinkFixture {
    Listed lister;
    session::RememberedPort remembered;
    QStringList saved;
    PortChoice() {
        ctx.rememberedPort = &remembered;
        remembered.save = [this](const QString& name) { saved << name; };
    }
};

// The number the port dialog proposes: the open port's, else the last opened, else 1.
TEST_F(PortChoice, ProposalInItsThreeCases) {
    struct Case {
        bool open;
        const char* portName;
        const char* remembered;
        const char* proposed;
    };
    const Case cases[] = {
        {true, "COM4", "COM3", "4"},
        {false, "COM?", "COM3", "3"},
        {false, "COM?", "", "1"},
    };
    for (const Case& c : cases) {
        port.setOpen(c.open);
        conn.portName = QString::fromLatin1(c.portName);
        remembered.portName = QString::fromLatin1(c.remembered);
        dialogs.calls.clear();
        session::openPort(ctx, lister); // the dialog cancelled
        ASSERT_EQ(dialogs.calls.size(), 1u);
        EXPECT_EQ(dialogs.calls[0].proposed, QString::fromLatin1(c.proposed)) << c.proposed;
    }
}

// Another port while one is open: the open one is let go first, and the new one remembered.
TEST_F(PortChoice, AnotherPortClosesTheOpenOneAndIsRemembered) {
    dialogs.answer("3");
    session::openPort(ctx, lister);
    dialogs.answer("4");
    session::openPort(ctx, lister);
    EXPECT_EQ(port.closeCount, 1);
    EXPECT_EQ(port.openedPath, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(saved, (QStringList{"COM3", "COM4"}));
}

// A device gone from under the open port shows in the icons at the next look, without a
// command; the next command opens it again once it is back (here under another path), or
// tells that it is not.
TEST_F(PortChoice, LostDeviceShowsAtOnceAndIsOpenedAgain) {
    dialogs.answer("4");
    session::openPort(ctx, lister);
    port.deviceGone = true;
    EXPECT_FALSE(session::watchPort(ctx));
    EXPECT_EQ(shell.markLinkIcon, LinkIcon::Error);
    EXPECT_EQ(shell.graphicsLinkIcon, LinkIcon::Error);

    lister.devices[1].devicePath = "/dev/ttyUSB1";
    EXPECT_TRUE(session::reopenLostPort(ctx, lister));
    EXPECT_TRUE(session::watchPort(ctx));
    EXPECT_EQ(port.openedPath, QStringLiteral("/dev/ttyUSB1"));

    port.deviceGone = true;
    port.openResult = platform::OpenResult(platform::OpenError::NotFound);
    EXPECT_FALSE(session::reopenLostPort(ctx, lister));
    EXPECT_FALSE(port.isOpen());
    EXPECT_TRUE(dialogs.calls.back().text.startsWith(
        QStringLiteral("COM-ПОРТ COM4 (/dev/ttyUSB1) НЕ ОБНАРУЖЕН")));
}

} // namespace
