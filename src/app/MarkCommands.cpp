#include "app/MarkCommands.h"

#include "marks/MarkOperations.h"

namespace nimbrel::app {

bool dispatchMarkCommand(Session& session, int id) {
    auto ctx = session.context();
    marks::MarkState& state = session.marks;
    const QString& folder = session.workingFolder;
    switch (id) {
    case 10:
        marks::newMark(ctx, state, folder);
        return true;
    case 11:
        marks::openMarkFile(ctx, state, folder);
        return true;
    case 12:
        marks::readCurrentMark(ctx, state);
        return true;
    case 13:
        marks::saveMarkChanges(ctx, state, folder);
        return true;
    case 14:
        marks::saveMarkAs(ctx, state, folder);
        return true;
    case 15:
        marks::writeMark(ctx, state);
        return true;
    case 17:
        marks::writeFragment(ctx, state);
        return true;
    case 18:
        marks::readNumberedMark(ctx, state);
        return true;
    case 56:
        marks::readFragment(ctx);
        return true;
    default:
        return false;
    }
}

} // namespace nimbrel::app
