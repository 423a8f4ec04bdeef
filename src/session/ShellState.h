#pragma once

#include "session/CommandId.h"

#include <QString>

#include <functional>
#include <map>

namespace nimbrel::session {

enum class LinkIcon { Idle, Ok, Busy, Error };
enum class View { Mark, Logo };

// Top-level menu titles by their position in the menu bar (a maximised child window's icon
// menu stands at 0).
enum TopMenuPosition : int {
    kTopFunctions = 1,
    kTopMark = 2,
    kTopGraphics = 3,
    kTopEditor = 4,
    kTopHelp = 5
};

// Everything the main window shows that commands change: menu states, status-bar texts,
// link icons, the view in front. Widgets render it; commands write it. `changed` lets the
// window repaint at once while a command still blocks the event loop.
struct ShellState {
    std::map<int, bool> itemEnabled; // by command identifier
    std::map<int, bool> itemChecked;
    std::map<int, bool> topEnabled; // by TopMenu position

    View activeView = View::Logo;
    bool markWindowShown = true;
    bool graphicsWindowShown = true;

    LinkIcon markLinkIcon = LinkIcon::Idle;
    LinkIcon graphicsLinkIcon = LinkIcon::Idle;
    QString portText = QStringLiteral("COM?");

    QString markStatus = QStringLiteral("Марка: ...");
    QString pcDateTime;
    QString pictureStatus = QStringLiteral("Рисунок: ...");
    QString cursorStatus = QStringLiteral("XY=0:0");
    QString sizeStatus = QStringLiteral("Размер XY: 64x24");

    int xpLayoutFlag = 0;
    bool talking = false;

    std::function<void()> changed;

    void notify() const {
        if (changed)
            changed();
    }
    bool enabled(int id) const {
        auto it = itemEnabled.find(id);
        return it != itemEnabled.end() && it->second;
    }
    bool enabled(CommandId id) const { return enabled(idNumber(id)); }
    void enable(std::initializer_list<int> ids, bool on);
    void enable(std::initializer_list<CommandId> ids, bool on);
    void enable(CommandId id, bool on) { enable({id}, on); }
    void setTop(std::initializer_list<int> positions, bool on);
    // The first three entries of "Настройки Маркиратора" by position: item 54, a separator,
    // item 50. They share their flags with the same items enabled by identifier.
    void setSettingsEntries(bool on);
    // True while a command waits for the printer; the window shows a busy cursor.
    void setTalking(bool on);
    // Both link fields at once, as nearly every exchange does.
    void setLinkIcon(LinkIcon icon);
    void setPortText(const QString& text);
};

} // namespace nimbrel::session
