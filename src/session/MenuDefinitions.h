#pragma once

#include <QString>
#include <vector>

#include "session/CommandId.h"
#include "session/CommandTable.h"
#include "session/ShellState.h"

namespace nimbrel::session {

// One entry of a menu: an item with its command identifier, a separator, or a submenu.
struct MenuNode {
    enum class Kind { Item, Separator, Submenu };
    Kind kind = Kind::Item;
    int id = 0;
    QString text;
    bool enabled = true;
    bool checked = false;
    std::vector<MenuNode> children; // for a submenu
    Menu submenu = Menu::None;      // which menu a submenu is
    bool checkable = false;         // an item of a menu that is a choice of one (a tick)
};

struct TopMenu {
    int position; // as the enable-by-position calls count them
    QString title;
    std::vector<MenuNode> nodes;
};

// The whole menu bar with every identifier, text and start state, in the language in use.
std::vector<TopMenu> menuBarDefinition();

// Identifiers of the two window commands offered at the end of "ФУНКЦИИ".
inline constexpr int kShowMarkWindow = idNumber(CommandId::ShowMarkWindow);
inline constexpr int kShowGraphicsWindow = idNumber(CommandId::ShowGraphicsWindow);

// Puts the start states of the menu bar into the shell state.
void applyStartMenuStates(ShellState& shell);

} // namespace nimbrel::session
