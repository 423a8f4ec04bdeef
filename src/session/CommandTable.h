#pragma once

#include "session/CommandId.h"

#include <vector>

namespace nimbrel::session {

struct Session;

// How an item follows the port: switched on when a port opens and off when it closes, only
// switched off when it closes, or the reverse of the first (the open command itself).
enum class PortRule { None, OnWhenOpen, OffWhenClosed, OnWhenClosed };

using Routine = void (*)(Session&);

// One command: the menus, the guard, the port's enable lists and the dispatch are made from
// these rows.
struct CommandRow {
    CommandId id;
    const char* menuText; // nullptr for a shortcut without a menu item
    bool startEnabled;
    bool startChecked;
    bool guarded; // needs an open port; the connection check is shown instead
    PortRule port;
    Routine routine; // nullptr: nothing to do (greyed items, the exit the window handles)
};

const std::vector<CommandRow>& commandTable();
// The row of a command identifier, or nullptr.
const CommandRow* findCommand(int id);

} // namespace nimbrel::session
