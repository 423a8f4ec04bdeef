#include "session/LogoUndo.h"

#include "logos/StatusTexts.h"
#include "session/Session.h"

namespace nimbrel::session {

namespace {

// The file field names the logo's file, or the picture a converted logo came from.
QString fileStatus(const logos::LogoFileState& file) {
    if (!file.name.isEmpty())
        return logos::openedFileStatus(file.name);
    if (!file.chosen.isEmpty())
        return logos::openedFileStatus(file.chosen);
    return ShellState::noPictureStatus();
}

void showOutcome(Session& s, const logos::LogoFileState& fileBefore,
                 const logos::UndoOutcome& outcome) {
    if (!outcome.done)
        return;
    if (outcome.sizeChanged)
        s.shell.showSizeStatus([&logo = s.logos] { return logos::sizeStatus(logo); });
    const logos::LogoFileState& file = s.logos.file;
    if (file.name != fileBefore.name || file.type != fileBefore.type ||
        file.chosen != fileBefore.chosen)
        s.shell.showPictureStatus([file] { return fileStatus(file); });
    s.shell.notify();
}

} // namespace

void undoLogoStep(Session& s) {
    const logos::LogoFileState before = s.logos.file;
    showOutcome(s, before, s.logoUndo.undo(s.logos));
}

void redoLogoStep(Session& s) {
    const logos::LogoFileState before = s.logos.file;
    showOutcome(s, before, s.logoUndo.redo(s.logos));
}

} // namespace nimbrel::session
