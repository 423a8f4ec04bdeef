#include "app/MenuDefinitions.h"

#include "session/ShellState.h"

namespace nimbrel::app {

namespace {

MenuNode item(int id, const char* text, bool enabled = true, bool checked = false) {
    return {MenuNode::Kind::Item, id, QString::fromUtf8(text), enabled, checked, {}};
}
MenuNode separator() {
    return {MenuNode::Kind::Separator, 0, {}, true, false, {}};
}
MenuNode submenu(const char* text, std::vector<MenuNode> children) {
    return {MenuNode::Kind::Submenu, 0, QString::fromUtf8(text), true, false, std::move(children)};
}

std::vector<TopMenu> build() {
    std::vector<TopMenu> bar;
    bar.push_back({session::kTopFunctions,
                   QStringLiteral("ФУНКЦИИ"),
                   {
                       submenu("ПОДКЛЮЧЕНИЕ",
                               {
                                   item(2, "ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)"),
                                   item(3, "ЗАКРЫТЬ COM-ПОРТ", false),
                                   submenu("установки сом-порта",
                                           {
                                               item(110, "115200,N,8,1", true, true),
                                               item(111, "57600,N,8,1", false),
                                               item(112, "38400,N,8,1", false),
                                               item(113, "28800,N,8,1", false),
                                               item(114, "19200,N,8,1", false),
                                               item(115, "14400,N,8,1", false),
                                               item(116, "9600,N,8,1", false),
                                           }),
                               }),
                       separator(),
                       submenu("Настройки Маркиратора",
                               {
                                   item(54, "Версия Системы Печати Маркиратора", false),
                                   separator(),
                                   item(50, "Установка Часов (Дата+Время)", false),
                                   item(51, "Установка Смешения Даты (дней)", false),
                                   item(52, "Установка Числа Текстовых Строк", false),
                                   separator(),
                                   item(53, "ИНФО: Уставки Режима Печати", false),
                                   item(55, "ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ\t(Ctrl+U)", false),
                                   separator(),
                                   item(60, "ИНФО: Время работы Маркиратора", false),
                                   item(61, "ИНФО: Число отпечатанных марок", false),
                               }),
                       separator(),
                       item(9, "ВЫХОД (ЗАКРЫТЬ ПРОГРАММУ)"),
                       separator(),
                       item(kShowMarkWindow, "ТЕКСТ МАРКИ\t(Ctrl+M)"),
                       item(kShowGraphicsWindow, "ГРАФИКА\t(Ctrl+G)"),
                   }});
    bar.push_back({session::kTopMark,
                   QStringLiteral("МАРКА"),
                   {
                       item(10, "Создать Новую Марку"),
                       separator(),
                       item(11, "Открыть Файл Марки"),
                       item(13, "Сохранить Изменения", false),
                       item(14, "Сохранить Марку как...", false),
                       separator(),
                       item(56, "Чтение фрагмента Текущей Марки", false),
                       item(17, "Записать Фрагмент в Текущую Марку", false),
                       separator(),
                       item(12, "ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ", false),
                       item(18, "ЧТЕНИЕ МАРКИ #00..85", false),
                       separator(),
                       item(15, "ЗАПИСАТЬ МАРКУ В МАРКИРАТОР...", false),
                       separator(),
                       item(19, "Проверка Области Текстовых Марок", false),
                   }});
    bar.push_back({session::kTopGraphics,
                   QStringLiteral("ГРАФИКА"),
                   {
                       item(20, "Создать Новый Логотип"),
                       item(21, "Открыть Файл Логотипа"),
                       separator(),
                       item(22, "Сохранить изменение в файле", false),
                       item(23, "Сохранить Логотип как.."),
                       separator(),
                       item(25, "Чтение Логотипа из Маркиратора", false),
                       item(26, "Записать Логотип в Маркиратор", false),
                       item(29, "Удалить Логотип..", false),
                       separator(),
                       item(28, "ЧТЕНИЕ БИТ-КАРТЫ ТЕКУЩЕЙ МАРКИ", false),
                       item(27, "ЗАПИСАТЬ ГРАФИЧЕСКУЮ МАРКУ", false),
                       separator(),
                       item(24, "Проверка Графической Области", false),
                   }});
    bar.push_back({session::kTopEditor,
                   QStringLiteral("РедакторГрафики"),
                   {
                       item(30, "Изменить X-размер"),
                       item(31, "Изменить Y-размер"),
                       separator(),
                       item(32, "Инверсия Цвета"),
                       separator(),
                       item(34, "Очистка Область Редактирования"),
                       separator(),
                       item(35, "Инфо: Число активных капель в бит-карте"),
                   }});
    bar.push_back({session::kTopHelp,
                   QStringLiteral("Помощь"),
                   {
                       item(40, "Сведения о Программе"),
                       separator(),
                       item(41, "Подключение Компьютера к Маркиратору"),
                       item(43, "Быстрые команды"),
                       item(42, "Используемые Форматы Графики"),
                   }});
    return bar;
}

void applyNodes(const std::vector<MenuNode>& nodes, session::ShellState& shell) {
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

void applyStartMenuStates(session::ShellState& shell) {
    for (const auto& top : menuBarDefinition()) {
        shell.topEnabled[top.position] = true;
        applyNodes(top.nodes, shell);
    }
    shell.topEnabled[session::kTopMark] = false;
    shell.notify();
}

} // namespace nimbrel::app
