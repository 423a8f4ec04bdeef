#include "session/CommandTable.h"
#include "session/MenuDefinitions.h"

#include <gtest/gtest.h>

#include <set>

using namespace nimbrel;

namespace {

void collect(const std::vector<session::MenuNode>& nodes, std::vector<int>& ids) {
    for (const auto& n : nodes) {
        if (n.kind == session::MenuNode::Kind::Item)
            ids.push_back(n.id);
        collect(n.children, ids);
    }
}

TEST(CommandTable, EveryMenuItemHasExactlyOneRowWithItsText) {
    std::vector<int> ids;
    for (const auto& top : session::menuBarDefinition())
        collect(top.nodes, ids);
    EXPECT_EQ(ids.size(), 53u);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    for (int id : ids) {
        const auto* row = session::findCommand(id);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_NE(row->menuText, nullptr) << id;
    }
}

TEST(CommandTable, GuardedCommandsAreThePrinterCommands) {
    std::set<int> guarded;
    for (const auto& row : session::commandTable())
        if (row.guarded)
            guarded.insert(session::idNumber(row.id));
    EXPECT_EQ(guarded, (std::set<int>{15, 17, 18, 19, 24, 25, 26, 28, 29, 50, 51,
                                      52, 53, 54, 55, 56, 60, 61, 70, 71, 104}));
}

TEST(CommandTable, UnknownIdentifiersHaveNoRow) {
    for (int id : {0, 1, 16, 33, 36, 99, 105, 117})
        EXPECT_EQ(session::findCommand(id), nullptr) << id;
}

} // namespace

namespace {

void outline(const std::vector<session::MenuNode>& nodes, int depth, QString& out) {
    for (const auto& n : nodes) {
        out += QString(2 * depth, QLatin1Char(' '));
        if (n.kind == session::MenuNode::Kind::Separator)
            out += QStringLiteral("--");
        else if (n.kind == session::MenuNode::Kind::Submenu)
            out += n.text + QStringLiteral(" >");
        else
            out += QString::number(n.id) + QLatin1Char(' ') + (n.enabled ? "" : "(off) ") +
                   (n.checked ? "(v) " : "") + n.text;
        out += QLatin1Char('\n');
        outline(n.children, depth + 1, out);
    }
}

TEST(CommandTable, MenuBarIsMadeFromTheRowsInOrder) {
    QString out;
    for (const auto& top : session::menuBarDefinition()) {
        out += QString::number(top.position) + QLatin1Char(' ') + top.title + QLatin1Char('\n');
        outline(top.nodes, 1, out);
    }
    // The bar as the user has always seen it: order, separators, submenus, start states.
    EXPECT_EQ(out.replace(QLatin1Char('\t'), QStringLiteral("\\t")), QString::fromUtf8(R"(1 ФУНКЦИИ
  ПОДКЛЮЧЕНИЕ >
    2 ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)
    3 (off) ЗАКРЫТЬ COM-ПОРТ
    установки сом-порта >
      110 (v) 115200,N,8,1
      111 (off) 57600,N,8,1
      112 (off) 38400,N,8,1
      113 (off) 28800,N,8,1
      114 (off) 19200,N,8,1
      115 (off) 14400,N,8,1
      116 (off) 9600,N,8,1
  --
  Настройки Маркиратора >
    54 (off) Версия Системы Печати Маркиратора
    --
    50 (off) Установка Часов (Дата+Время)
    51 (off) Установка Смешения Даты (дней)
    52 (off) Установка Числа Текстовых Строк
    --
    53 (off) ИНФО: Уставки Режима Печати
    55 (off) ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ\t(Ctrl+U)
    --
    60 (off) ИНФО: Время работы Маркиратора
    61 (off) ИНФО: Число отпечатанных марок
  --
  9 ВЫХОД (ЗАКРЫТЬ ПРОГРАММУ)
  --
  7 ТЕКСТ МАРКИ\t(Ctrl+M)
  8 ГРАФИКА\t(Ctrl+G)
  --
  70 (off) Резервная Копия Маркиратора...
  71 (off) Восстановить Маркиратор из Копии...
2 МАРКА
  10 Создать Новую Марку
  --
  11 Открыть Файл Марки
  13 (off) Сохранить Изменения
  14 (off) Сохранить Марку как...
  --
  56 (off) Чтение фрагмента Текущей Марки
  17 (off) Записать Фрагмент в Текущую Марку
  --
  12 (off) ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ
  18 (off) ЧТЕНИЕ МАРКИ #00..85
  --
  15 (off) ЗАПИСАТЬ МАРКУ В МАРКИРАТОР...
  --
  19 (off) Проверка Области Текстовых Марок
3 ГРАФИКА
  20 Создать Новый Логотип
  21 Открыть Файл Логотипа
  --
  22 (off) Сохранить изменение в файле
  23 Сохранить Логотип как..
  --
  25 (off) Чтение Логотипа из Маркиратора
  26 (off) Записать Логотип в Маркиратор
  29 (off) Удалить Логотип..
  --
  28 (off) ЧТЕНИЕ БИТ-КАРТЫ ТЕКУЩЕЙ МАРКИ
  27 (off) ЗАПИСАТЬ ГРАФИЧЕСКУЮ МАРКУ
  --
  24 (off) Проверка Графической Области
4 РедакторГрафики
  30 Изменить X-размер
  31 Изменить Y-размер
  --
  32 Инверсия Цвета
  --
  34 Очистка Область Редактирования
  --
  35 Инфо: Число активных капель в бит-карте
5 Помощь
  40 Сведения о Программе
  --
  41 Подключение Компьютера к Маркиратору
  43 Быстрые команды
  42 Используемые Форматы Графики
  --
  Язык / Language >
    120 Русский
    121 English
)"));
}

} // namespace
