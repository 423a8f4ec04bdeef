#include "session/ShellState.h"

#include <QCoreApplication>

namespace nimbrel::session {

ShellState::ShellState() {
    showMarkStatus(noMarkStatus);
    showPictureStatus(noPictureStatus);
    showSizeStatus([] { return QCoreApplication::translate("ShellState", "Размер XY: 64x24"); });
}

QString ShellState::noMarkStatus() {
    return QCoreApplication::translate("ShellState", "Марка: ...");
}

QString ShellState::noPictureStatus() {
    return QCoreApplication::translate("ShellState", "Рисунок: ...");
}

void ShellState::showMarkStatus(std::function<QString()> make) {
    markStatus = make();
    m_makeMarkStatus = std::move(make);
}

void ShellState::showPictureStatus(std::function<QString()> make) {
    pictureStatus = make();
    m_makePictureStatus = std::move(make);
}

void ShellState::showSizeStatus(std::function<QString()> make) {
    sizeStatus = make();
    m_makeSizeStatus = std::move(make);
}

void ShellState::retranslate() {
    markStatus = m_makeMarkStatus();
    pictureStatus = m_makePictureStatus();
    sizeStatus = m_makeSizeStatus();
    notify();
}

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
