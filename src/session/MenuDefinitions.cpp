#include "session/MenuDefinitions.h"

#include "session/CommandTable.h"
#include "session/ShellState.h"

namespace nimbrel::session {

namespace {

// The menus above the items: title, the menu they open in (None for the bar), whether a
// separator comes before them there, and their place on the bar.
struct MenuPlace {
    Menu menu;
    Menu parent;
    const char* title;
    bool separatorBefore;
    int position;
};

const MenuPlace kPlaces[] = {
    {Menu::Functions, Menu::None, "ФУНКЦИИ", false, kTopFunctions},
    {Menu::Connection, Menu::Functions, "ПОДКЛЮЧЕНИЕ", false, 0},
    {Menu::LineSettings, Menu::Connection, "установки сом-порта", false, 0},
    {Menu::PrinterSettings, Menu::Functions, "Настройки Маркиратора", true, 0},
    {Menu::Mark, Menu::None, "МАРКА", false, kTopMark},
    {Menu::Graphics, Menu::None, "ГРАФИКА", false, kTopGraphics},
    {Menu::Editor, Menu::None, "РедакторГрафики", false, kTopEditor},
    {Menu::Help, Menu::None, "Помощь", false, kTopHelp},
};

const MenuPlace& placeOf(Menu menu) {
    for (const MenuPlace& p : kPlaces)
        if (p.menu == menu)
            return p;
    return kPlaces[0];
}

MenuNode separator() {
    return {MenuNode::Kind::Separator, 0, {}, true, false, {}};
}

// The item list of a menu, opening it (and the menus above it) at the end of its parent the
// first time it is asked for.
std::vector<MenuNode>& itemsOf(Menu menu, std::vector<TopMenu>& bar) {
    const MenuPlace& place = placeOf(menu);
    const QString title = QString::fromUtf8(place.title);
    if (place.parent == Menu::None) {
        for (TopMenu& top : bar)
            if (top.position == place.position)
                return top.nodes;
        bar.push_back({place.position, title, {}});
        return bar.back().nodes;
    }
    std::vector<MenuNode>& siblings = itemsOf(place.parent, bar);
    for (MenuNode& n : siblings)
        if (n.kind == MenuNode::Kind::Submenu && n.text == title)
            return n.children;
    if (place.separatorBefore)
        siblings.push_back(separator());
    siblings.push_back({MenuNode::Kind::Submenu, 0, title, true, false, {}});
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
                         QString::fromUtf8(row.menuText),
                         row.startEnabled,
                         row.startChecked,
                         {}});
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

const std::vector<TopMenu>& menuBarDefinition() {
    static const std::vector<TopMenu> bar = build();
    return bar;
}

void applyStartMenuStates(ShellState& shell) {
    for (const auto& top : menuBarDefinition()) {
        shell.topEnabled[top.position] = true;
        applyNodes(top.nodes, shell);
    }
    shell.topEnabled[kTopMark] = false;
    shell.notify();
}

} // namespace nimbrel::session
