#include "session/MenuDefinitions.h"

#include "session/CommandTable.h"
#include "session/LanguageRoutines.h"
#include "session/ShellState.h"

#include <QCoreApplication>

namespace nimbrel::session {

namespace {

// The menus above the items: title, the menu they open in (None for the bar), whether a
// separator comes before them there, their place on the bar, and whether their items are a
// choice of one, shown by a tick.
struct MenuPlace {
    Menu menu;
    Menu parent;
    const char* title;
    bool separatorBefore;
    int position;
    bool choice;
};

// The language menu reads the same in both languages: whoever cannot read the one in use
// still finds it.
const MenuPlace kPlaces[] = {
    {Menu::Functions, Menu::None, QT_TRANSLATE_NOOP("MenuDefinitions", "ФУНКЦИИ"), false,
     kTopFunctions, false},
    {Menu::Connection, Menu::Functions, QT_TRANSLATE_NOOP("MenuDefinitions", "ПОДКЛЮЧЕНИЕ"), false,
     0, false},
    {Menu::LineSettings, Menu::Connection,
     QT_TRANSLATE_NOOP("MenuDefinitions", "установки сом-порта"), false, 0, true},
    {Menu::PrinterSettings, Menu::Functions,
     QT_TRANSLATE_NOOP("MenuDefinitions", "Настройки Маркиратора"), true, 0, false},
    {Menu::Mark, Menu::None, QT_TRANSLATE_NOOP("MenuDefinitions", "МАРКА"), false, kTopMark, false},
    {Menu::Graphics, Menu::None, QT_TRANSLATE_NOOP("MenuDefinitions", "ГРАФИКА"), false,
     kTopGraphics, false},
    {Menu::Editor, Menu::None, QT_TRANSLATE_NOOP("MenuDefinitions", "РедакторГрафики"), false,
     kTopEditor, false},
    {Menu::Help, Menu::None, QT_TRANSLATE_NOOP("MenuDefinitions", "Помощь"), false, kTopHelp,
     false},
    {Menu::Language, Menu::Help, "Язык / Language", true, 0, true},
};

const MenuPlace& placeOf(Menu menu) {
    for (const MenuPlace& p : kPlaces)
        if (p.menu == menu)
            return p;
    return kPlaces[0];
}

MenuNode separator() {
    return {MenuNode::Kind::Separator, 0, {}, true, false, {}, Menu::None, false};
}

// The item list of a menu, opening it (and the menus above it) at the end of its parent the
// first time it is asked for.
std::vector<MenuNode>& itemsOf(Menu menu, std::vector<TopMenu>& bar) {
    const MenuPlace& place = placeOf(menu);
    const QString title = QCoreApplication::translate("MenuDefinitions", place.title);
    if (place.parent == Menu::None) {
        for (TopMenu& top : bar)
            if (top.position == place.position)
                return top.nodes;
        bar.push_back({place.position, title, {}});
        return bar.back().nodes;
    }
    std::vector<MenuNode>& siblings = itemsOf(place.parent, bar);
    for (MenuNode& n : siblings)
        if (n.kind == MenuNode::Kind::Submenu && n.submenu == menu)
            return n.children;
    if (place.separatorBefore)
        siblings.push_back(separator());
    siblings.push_back({MenuNode::Kind::Submenu, 0, title, true, false, {}, menu, false});
    return siblings.back().children;
}

std::vector<TopMenu> build() {
    std::vector<TopMenu> bar;
    for (const CommandRow& row : commandTable()) {
        if (row.menu == Menu::None)
            continue;
        std::vector<MenuNode>& items = itemsOf(row.menu, bar);
        if (row.separatorBefore)
            items.push_back(separator());
        items.push_back({MenuNode::Kind::Item,
                         idNumber(row.id),
                         QCoreApplication::translate("CommandTable", row.menuText),
                         row.startEnabled,
                         row.startChecked,
                         {},
                         Menu::None,
                         placeOf(row.menu).choice});
    }
    return bar;
}

void applyNodes(const std::vector<MenuNode>& nodes, ShellState& shell) {
    for (const auto& n : nodes) {
        if (n.kind == MenuNode::Kind::Item) {
            shell.itemEnabled[n.id] = n.enabled;
            shell.itemChecked[n.id] = n.checked;
        } else if (n.kind == MenuNode::Kind::Submenu) {
            applyNodes(n.children, shell);
        }
    }
}

} // namespace

std::vector<TopMenu> menuBarDefinition() {
    return build();
}

void applyStartMenuStates(ShellState& shell) {
    for (const auto& top : menuBarDefinition()) {
        shell.topEnabled[top.position] = true;
        applyNodes(top.nodes, shell);
    }
    shell.topEnabled[kTopMark] = false;
    showLanguageChecks(shell);
}

} // namespace nimbrel::session
