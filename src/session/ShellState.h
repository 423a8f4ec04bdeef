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

    // The status texts in words are shown through showMarkStatus and the like, which keep the
    // way each was made: a change of language makes them again (retranslate).
    QString markStatus;
    QString pcDateTime;
    QString pictureStatus;
    QString cursorStatus = QStringLiteral("XY=0:0");
    QString sizeStatus;

    int xpLayoutFlag = 0;
    bool talking = false;

    std::function<void()> changed;

    ShellState();

    // What the status fields say before a mark, a picture or a size has been shown.
    static QString noMarkStatus();
    static QString noPictureStatus();

    // Sets the field to what `make` says now, and keeps `make` for a change of language.
    void showMarkStatus(std::function<QString()> make);
    void showPictureStatus(std::function<QString()> make);
    void showSizeStatus(std::function<QString()> make);
    // Makes the status texts again in the language now in use.
    void retranslate();

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

private:
    std::function<QString()> m_makeMarkStatus;
    std::function<QString()> m_makePictureStatus;
    std::function<QString()> m_makeSizeStatus;
};

} // namespace nimbrel::session
