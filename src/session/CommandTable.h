#pragma once

#include "session/CommandId.h"

#include <vector>

namespace nimbrel::session {

struct Session;

// How an item follows the port: switched on when a port opens and off when it closes, only
// switched off when it closes, or the reverse of the first (the open command itself).
enum class PortRule { None, OnWhenOpen, OffWhenClosed, OnWhenClosed };

// Where an item stands in the menu bar. The bar is made from the rows in their order: each
// item goes to the end of its menu, which is opened in its parent when its first item comes.
enum class Menu {
    None,
    Functions,
    Connection,
    LineSettings,
    PrinterSettings,
    Mark,
    Graphics,
    Editor,
    Help,
    Language
};

using Routine = void (*)(Session&);

// One command: the menus, the guard, the port's enable lists and the dispatch are made from
// these rows.
struct CommandRow {
    CommandId id;
    Menu menu = Menu::None; // None: a shortcut without a menu item
    bool separatorBefore = false;
    const char* menuText = nullptr;
    bool startEnabled = false;
    bool startChecked = false;
    bool guarded = false; // needs an open port; the connection check is shown instead
    PortRule port = PortRule::None;
    Routine routine = nullptr; // nothing to do (greyed items, the exit the window handles)
};

const std::vector<CommandRow>& commandTable();
// The row of a command identifier, or nullptr.
const CommandRow* findCommand(int id);

} // namespace nimbrel::session
