#include "E2eFixture.h"

#include <QImage>
#include <QThread>

using namespace nimbrel;
using nimbrel::testing::E2eRig;
using nimbrel::testing::ScriptedDialogs;
using C = session::CommandId;

namespace {

// Every reply whose length is known, and the command that asks for it.
struct GapCase {
    const char* name;
    C command;
    const char* letter;  // the command's letter: only its reply gets the gap
    int gapMs;           // longer than any settling pause the command makes of its own
    QStringList answers; // typed into the prompts, in order
};

// What the user is left with after a command: every box and prompt, the mark table, the
// logo editor's picture and size field, the link icons.
struct Outcome {
    bool connected = false;
    QStringList shown;
    QStringList table;
    QImage logo;
    QString sizeStatus;
    int markIcon = -1;
    int logoIcon = -1;
};

Outcome runOnce(const GapCase& c, const QStringList& fault) {
    E2eRig rig;
    rig.startConnected(
        QStringList{"--model", "T936", "--occupy-marks", "7,80", "--occupy-logos", "3,120"} +
        fault);
    Outcome out;
    out.connected = rig.session.port.isOpen();
    if (!out.connected)
        return out;
    // The logo read shares its letter with the version read at start-up, whose reply has no
    // known length and comes cut: its rest is on the line a moment later, before the command.
    QThread::msleep(100);
    rig.dialogs.calls.clear();
    for (const QString& a : c.answers)
        rig.dialogs.answer(a);
    rig.dispatcher.dispatch(c.command);
    for (const ScriptedDialogs::Call& call : rig.dialogs.calls)
        out.shown << call.title + "|" + call.text + "|" + call.prompt + "|" + call.proposed;
    for (int row = 0; row < marks::kRows; ++row) {
        const auto cells = rig.session.marks.table.cells(row);
        out.table << cells.type + "|" + cells.font + "|" + cells.text + "|" + cells.free;
    }
    out.logo = rig.session.logos.logo;
    out.sizeStatus = rig.session.shell.sizeStatus;
    out.markIcon = static_cast<int>(rig.session.shell.markLinkIcon);
    out.logoIcon = static_cast<int>(rig.session.shell.graphicsLinkIcon);
    return out;
}

class GappedReply : public ::testing::TestWithParam<GapCase> {};

// A reply that pauses halfway (a USB adapter's frame, a busy printer) is read whole: the
// command ends as it does on a clean line, which itself shows no error.
TEST_P(GappedReply, EndsAsOnACleanLine) {
    const GapCase& c = GetParam();
    const Outcome clean = runOnce(c, {});
    ASSERT_TRUE(clean.connected);
    for (const QString& box : clean.shown)
        EXPECT_FALSE(box.startsWith(QStringLiteral("ОШИБКА|"))) << box.toStdString();
    const Outcome gapped =
        runOnce(c, {"--fault", QStringLiteral("split=%1@%2").arg(c.gapMs).arg(c.letter)});
    EXPECT_EQ(gapped.shown, clean.shown);
    EXPECT_EQ(gapped.table, clean.table);
    EXPECT_TRUE(gapped.logo == clean.logo);
    EXPECT_EQ(gapped.sizeStatus, clean.sizeStatus);
    EXPECT_EQ(gapped.markIcon, clean.markIcon);
    EXPECT_EQ(gapped.logoIcon, clean.logoIcon);
}

INSTANTIATE_TEST_SUITE_P(KnownLengths, GappedReply,
                         ::testing::Values(GapCase{"Settings", C::SettingsReport, "\\", 40, {}},
                                           GapCase{"Hours", C::WorkingHours, "w", 40, {}},
                                           GapCase{"Counter", C::PrintedCount, "m", 40, {}},
                                           GapCase{"PrintMode", C::PrintModeReport, "M", 40, {}},
                                           GapCase{"LineCount", C::SetLineCount, "S", 40, {}},
                                           GapCase{"MarkMap", C::MarkArea, "x", 40, {}},
                                           GapCase{"LogoMap", C::LogoArea, "a", 40, {}},
                                           GapCase{"MarkBlock", C::ReadMark, "r", 300, {"7"}},
                                           GapCase{"CurrentMark", C::ReadCurrentMark, "r", 40, {}},
                                           GapCase{"LogoAnswer", C::ReadLogo, "i", 40, {"3"}},
                                           GapCase{"Bitmap", C::ReadBitmap, "b", 250, {}}),
                         [](const ::testing::TestParamInfo<GapCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
