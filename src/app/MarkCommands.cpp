#include "app/MarkCommands.h"

#include "session/MarkRoutines.h"

namespace nimbrel::app {

bool dispatchMarkCommand(Session& session, int id) {
    auto ctx = session.context();
    marks::MarkState& state = session.marks;
    const QString& folder = session.workingFolder;
    switch (id) {
    case 10:
        session::newMark(ctx, state, folder);
        return true;
    case 11:
        session::openMarkFile(ctx, state, folder);
        return true;
    case 12:
        session::readCurrentMark(ctx, state);
        return true;
    case 13:
        session::saveMarkChanges(ctx, state, folder);
        return true;
    case 14:
        session::saveMarkAs(ctx, state, folder);
        return true;
    case 15:
        session::writeMark(ctx, state);
        return true;
    case 17:
        session::writeFragment(ctx, state);
        return true;
    case 18:
        session::readNumberedMark(ctx, state);
        return true;
    case 56:
        session::readFragment(ctx);
        return true;
    default:
        return false;
    }
}

} // namespace nimbrel::app
