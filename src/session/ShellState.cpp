#include "session/ShellState.h"

namespace nimbrel::session {

void ShellState::enable(std::initializer_list<int> ids, bool on) {
    for (int id : ids)
        itemEnabled[id] = on;
    notify();
}

void ShellState::enable(std::initializer_list<CommandId> ids, bool on) {
    for (CommandId id : ids)
        itemEnabled[idNumber(id)] = on;
    notify();
}

void ShellState::setTop(std::initializer_list<int> positions, bool on) {
    for (int p : positions)
        topEnabled[p] = on;
    notify();
}

void ShellState::setSettingsEntries(bool on) {
    enable({CommandId::Version, CommandId::SetClock}, on);
}

void ShellState::setTalking(bool on) {
    talking = on;
    notify();
}

void ShellState::setLinkIcon(LinkIcon icon) {
    markLinkIcon = icon;
    graphicsLinkIcon = icon;
    notify();
}

void ShellState::setPortText(const QString& text) {
    portText = text;
    notify();
}

} // namespace nimbrel::session
