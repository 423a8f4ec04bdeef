#include "session/MenuDefinitions.h"

#include "session/CommandTable.h"
#include "session/ShellState.h"

namespace nimbrel::session {

namespace {

// An item's text and start state come from its row of the command table.
MenuNode item(CommandId id) {
    const CommandRow* row = findCommand(idNumber(id));
    return {MenuNode::Kind::Item, idNumber(id),      QString::fromUtf8(row->menuText),
            row->startEnabled,    row->startChecked, {}};
}
MenuNode separator() {
    return {MenuNode::Kind::Separator, 0, {}, true, false, {}};
}
MenuNode submenu(const char* text, std::vector<MenuNode> children) {
    return {MenuNode::Kind::Submenu, 0, QString::fromUtf8(text), true, false, std::move(children)};
}

std::vector<TopMenu> build() {
    std::vector<TopMenu> bar;
    bar.push_back({kTopFunctions,
                   QStringLiteral("ФУНКЦИИ"),
                   {
                       submenu("ПОДКЛЮЧЕНИЕ",
                               {
                                   item(CommandId::OpenPort),
                                   item(CommandId::ClosePort),
                                   submenu("установки сом-порта",
                                           {
                                               item(CommandId::Line115200),
                                               item(CommandId::Line57600),
                                               item(CommandId::Line38400),
                                               item(CommandId::Line28800),
                                               item(CommandId::Line19200),
                                               item(CommandId::Line14400),
                                               item(CommandId::Line9600),
                                           }),
                               }),
                       separator(),
                       submenu("Настройки Маркиратора",
                               {
                                   item(CommandId::Version),
                                   separator(),
                                   item(CommandId::SetClock),
                                   item(CommandId::SetDateOffset),
                                   item(CommandId::SetLineCount),
                                   separator(),
                                   item(CommandId::PrintModeReport),
                                   item(CommandId::SettingsReport),
                                   separator(),
                                   item(CommandId::WorkingHours),
                                   item(CommandId::PrintedCount),
                               }),
                       separator(),
                       item(CommandId::Exit),
                       separator(),
                       item(CommandId::ShowMarkWindow),
                       item(CommandId::ShowGraphicsWindow),
                   }});
    bar.push_back({kTopMark,
                   QStringLiteral("МАРКА"),
                   {
                       item(CommandId::NewMark),
                       separator(),
                       item(CommandId::OpenMark),
                       item(CommandId::SaveMarkChanges),
                       item(CommandId::SaveMarkAs),
                       separator(),
                       item(CommandId::ReadFragment),
                       item(CommandId::WriteFragment),
                       separator(),
                       item(CommandId::ReadCurrentMark),
                       item(CommandId::ReadMark),
                       separator(),
                       item(CommandId::WriteMark),
                       separator(),
                       item(CommandId::MarkArea),
                   }});
    bar.push_back({kTopGraphics,
                   QStringLiteral("ГРАФИКА"),
                   {
                       item(CommandId::NewLogo),
                       item(CommandId::OpenLogo),
                       separator(),
                       item(CommandId::SaveLogoChanges),
                       item(CommandId::SaveLogoAs),
                       separator(),
                       item(CommandId::ReadLogo),
                       item(CommandId::WriteLogo),
                       item(CommandId::DeleteLogo),
                       separator(),
                       item(CommandId::ReadBitmap),
                       item(CommandId::WriteGraphicMark),
                       separator(),
                       item(CommandId::LogoArea),
                   }});
    bar.push_back({kTopEditor,
                   QStringLiteral("РедакторГрафики"),
                   {
                       item(CommandId::LogoWidth),
                       item(CommandId::LogoHeight),
                       separator(),
                       item(CommandId::InvertLogo),
                       separator(),
                       item(CommandId::ClearLogo),
                       separator(),
                       item(CommandId::CountDots),
                   }});
    bar.push_back({kTopHelp,
                   QStringLiteral("Помощь"),
                   {
                       item(CommandId::HelpAbout),
                       separator(),
                       item(CommandId::HelpConnection),
                       item(CommandId::HelpShortcuts),
                       item(CommandId::HelpFormats),
                   }});
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
