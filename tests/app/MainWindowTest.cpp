#include "app/MainWindow.h"
#include "AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

struct MainWindowTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        startWithoutPort();
        window->show();
        window->render();
    }
    QStringList menuTexts(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions())
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        return out;
    }
    std::vector<QLabel*> fields(QWidget* child) {
        std::vector<QLabel*> out;
        auto* bar = child->findChild<QStatusBar*>();
        for (QLabel* l : bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
            out.push_back(l);
        return out;
    }
};

TEST_F(MainWindowTest, TitleSizeAndStayOnTop) {
    // A maximised child window adds " - [child title]" to the frame's title, as MDI frames do.
    EXPECT_TRUE(
        window->windowTitle().startsWith(QStringLiteral("'NIMBREL' для T2x/T7x/T9x  версия 5.0")));
    EXPECT_EQ(window->size(), QSize(800, 600));
    // It starts at its size and may grow from there.
    EXPECT_EQ(window->minimumSize(), QSize(800, 600));
    EXPECT_GT(window->maximumSize().height(), 600);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(window->markSubWindow()->windowTitle(), QStringLiteral("ТЕКСТ МАРКИ\t(Ctrl+M)"));
    EXPECT_EQ(window->graphicsSubWindow()->windowTitle(), QStringLiteral("ГРАФИКА\t(Ctrl+G)"));
}

TEST_F(MainWindowTest, MenuBarTitlesAndEntries) {
    QStringList titles;
    for (QAction* a : window->menuBar()->actions())
        titles << a->text();
    EXPECT_EQ(titles, (QStringList{"ФУНКЦИИ", "МАРКА", "ГРАФИКА", "РедакторГрафики", "Помощь"}));
    EXPECT_EQ(menuTexts(window->topMenu(session::kTopMark)),
              (QStringList{"Создать Новую Марку", "-", "Открыть Файл Марки", "Сохранить Изменения",
                           "Сохранить Марку как...", "-", "Чтение фрагмента Текущей Марки",
                           "Записать Фрагмент в Текущую Марку", "-", "ЧТЕНИЕ ТЕКУЩЕЙ МАРКИ",
                           "ЧТЕНИЕ МАРКИ #00..85", "-", "ЗАПИСАТЬ МАРКУ В МАРКИРАТОР...", "-",
                           "Проверка Области Текстовых Марок"}));
    EXPECT_EQ(
        menuTexts(window->topMenu(session::kTopHelp)),
        (QStringList{"Сведения о Программе", "-", "Подключение Компьютера к Маркиратору",
                     "Быстрые команды", "Используемые Форматы Графики", "-", "Язык / Language"}));
    EXPECT_EQ(window->action(2)->text(), QStringLiteral("ОТКРЫТЬ COM-ПОРТ\t(Ctrl+C)"));
    EXPECT_EQ(window->action(55)->text(), QStringLiteral("ИНФО: УСТАВКИ СИСТЕМЫ ПЕЧАТИ\t(Ctrl+U)"));
    EXPECT_EQ(window->action(51)->text(), QStringLiteral("Установка Смешения Даты (дней)"));
    EXPECT_EQ(window->action(34)->text(), QStringLiteral("Очистка Область Редактирования"));
    for (int id : {2,  3,  7,  8,  9,  10, 11, 12, 13,  14,  15,  17,  18,  19,  20, 21, 22,
                   23, 24, 25, 26, 27, 28, 29, 30, 31,  32,  34,  35,  40,  41,  42, 43, 50,
                   51, 52, 53, 54, 55, 56, 60, 61, 110, 111, 112, 113, 114, 115, 116})
        EXPECT_NE(window->action(id), nullptr) << id;
}

// Grown, the mark table shows all 32 rows; the controls below it keep their distance to the
// bottom, and the graphics editor shows more columns.
TEST_F(MainWindowTest, GrownWindowShowsAllRowsOfTheMark) {
    dispatcher.dispatch(session::kCmdMarkView);
    window->render();
    app::MarkWindow* mark = window->markWindow();
    const int belowTable = mark->height() - mark->changeButton()->geometry().bottom();
    const int editorWidth = window->graphicsWindow()->editorArea()->width();
    EXPECT_LT(mark->table()->viewport()->height(), 32 * 20);

    window->resize(1100, 950);
    QApplication::processEvents();
    EXPECT_GE(mark->table()->viewport()->height(), 32 * 20);
    EXPECT_EQ(mark->height() - mark->changeButton()->geometry().bottom(), belowTable);
    EXPECT_GT(mark->previewArea()->width(), 770);
    dispatcher.dispatch(session::kCmdGraphicsView);
    window->render();
    QApplication::processEvents();
    EXPECT_EQ(window->graphicsWindow()->editorArea()->width(), editorWidth + 300);
}

TEST_F(MainWindowTest, MenusShowTheShellState) {
    EXPECT_FALSE(window->action(18)->isEnabled());
    EXPECT_TRUE(window->action(2)->isEnabled());
    EXPECT_TRUE(window->action(110)->isChecked());
    EXPECT_FALSE(window->topMenu(session::kTopMark)->menuAction()->isEnabled());
    EXPECT_TRUE(window->topMenu(session::kTopGraphics)->menuAction()->isEnabled());
}

TEST_F(MainWindowTest, StatusBarsHaveTheirFieldsAndTexts) {
    auto mark = fields(window->markWindow());
    ASSERT_EQ(mark.size(), 4u);
    EXPECT_EQ(mark[0]->width(), 460);
    EXPECT_EQ(mark[1]->width(), 23);
    EXPECT_EQ(mark[2]->width(), 150);
    EXPECT_EQ(mark[3]->width(), 130);
    EXPECT_EQ(mark[0]->text(), QStringLiteral("Марка: ..."));
    EXPECT_FALSE(mark[1]->pixmap().isNull());
    EXPECT_EQ(mark[2]->text(), QStringLiteral("COM?"));
    EXPECT_EQ(mark[3]->text(), QStringLiteral("31.05.2019  14:05:09"));

    auto graphics = fields(window->graphicsWindow());
    ASSERT_EQ(graphics.size(), 5u);
    const int widths[] = {360, 80, 110, 23, 150};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(graphics[i]->width(), widths[i]) << i;
    EXPECT_EQ(graphics[0]->text(), QStringLiteral("Рисунок: ..."));
    EXPECT_EQ(graphics[1]->text(), QStringLiteral("XY=0:0"));
    EXPECT_EQ(graphics[2]->text(), QStringLiteral("Размер XY: 64x24"));
    EXPECT_EQ(graphics[4]->text(), QStringLiteral("COM?"));
}

TEST_F(MainWindowTest, LinkIconsCanBeToldApart) {
    auto mark = fields(window->markWindow());
    QImage idle = mark[1]->pixmap().toImage();
    shell.setLinkIcon(session::LinkIcon::Error);
    QImage error = mark[1]->pixmap().toImage();
    shell.setLinkIcon(session::LinkIcon::Ok);
    QImage ok = mark[1]->pixmap().toImage();
    shell.setLinkIcon(session::LinkIcon::Busy);
    QImage busy = mark[1]->pixmap().toImage();
    EXPECT_NE(idle, error);
    EXPECT_NE(ok, error);
    EXPECT_NE(ok, busy);
    EXPECT_NE(idle, busy);
    EXPECT_EQ(fields(window->graphicsWindow())[3]->pixmap().toImage(), busy);
}

TEST_F(MainWindowTest, ShortcutsRunWhateverTheGreyedState) {
    QStringList keys;
    for (QShortcut* s : window->findChildren<QShortcut*>())
        keys << s->key().toString();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"Ctrl+C", "Ctrl+G", "Ctrl+M", "Ctrl+Q", "Ctrl+U"}));

    // Ctrl+U with the report greyed and no port: the connection check.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_U, Qt::ControlModifier);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_TRUE(dialogs.calls[0].text.startsWith(QStringLiteral("Соединение с Маркиратором")));

    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(shell.activeView, session::View::Mark);
    EXPECT_FALSE(window->graphicsSubWindow()->isVisible());
    EXPECT_TRUE(window->markSubWindow()->isVisible());
    QTest::keyClick(window.get(), Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(shell.activeView, session::View::Logo);
    EXPECT_TRUE(window->graphicsSubWindow()->isVisible());
}

// The keys go to the widget with the focus, as typing does: a field must not take them.
TEST_F(MainWindowTest, ShortcutsRunFromTheFocusedFieldsAndLeaveThemAlone) {
    using Type = nimbrel::testing::ScriptedDialogs::Type;
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    dispatcher.dispatch(session::kCmdMarkView);
    window->render();
    app::MarkWindow* mark = window->markWindow();
    QLineEdit* field = mark->textField();
    QWidget* targets[] = {field, mark->fontList()->lineEdit(), mark->typeList()->lineEdit(),
                          mark->table()};
    for (QWidget* target : targets) {
        target->setFocus();
        QTest::keyClicks(field, "ABC");
        const QString typed = field->text();
        dialogs.calls.clear();

        QTest::keyClick(target, Qt::Key_U, Qt::ControlModifier);
        ASSERT_EQ(dialogs.calls.size(), 1u) << target->metaObject()->className();
        EXPECT_TRUE(dialogs.calls[0].text.startsWith(QStringLiteral("Соединение с Маркиратором")));
        EXPECT_EQ(field->text(), typed);

        dialogs.calls.clear();
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier); // the port dialog, cancelled
        ASSERT_EQ(dialogs.calls.size(), 1u) << target->metaObject()->className();
        EXPECT_EQ(dialogs.calls[0].type, Type::Input);
        EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("Открыть СОМ-порт"));
        EXPECT_EQ(field->text(), typed);
    }

    field->setFocus();
    QTest::keyClick(field, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(shell.activeView, session::View::Logo);
    QTest::keyClick(window->graphicsWindow(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(shell.activeView, session::View::Mark);
    EXPECT_TRUE(field->text().startsWith(QStringLiteral("ABC")));
}

TEST_F(MainWindowTest, ClosingAChildWindowAsksTheExitQuestion) {
    dialogs.answer(platform::kNo);
    window->graphicsSubWindow()->close();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].title, QStringLiteral("ЗАВЕРШЕНИЕ РАБОТЫ"));
    EXPECT_TRUE(window->graphicsSubWindow()->isVisible());
    EXPECT_TRUE(window->markSubWindow()->isVisible() || !shell.markWindowShown);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, ClosingTheMainWindowAsksTheExitQuestion) {
    dialogs.answer(platform::kNo);
    window->close();
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].text, QStringLiteral("ЗАВЕРШИТЬ РАБОТУ ПРОГРАММЫ?"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, MarkWindowControls) {
    auto* mw = window->markWindow();
    EXPECT_EQ(mw->typeList()->count(), 6);
    EXPECT_EQ(mw->typeList()->itemText(5), QStringLiteral("ШтрихКод EAN"));
    EXPECT_EQ(mw->fontList()->count(), 16);
    EXPECT_EQ(mw->fontList()->currentText(), QStringLiteral("Шрифт#02"));
    EXPECT_EQ(mw->fontList()->itemText(15), QStringLiteral("Шрифт#15"));
    EXPECT_EQ(mw->changeButton()->text(), QStringLiteral("ИЗМЕНИТЬ"));
    EXPECT_EQ(mw->table()->geometry(), QRect(20, 15, 760, 350));
    EXPECT_EQ(mw->textField()->geometry(), QRect(255, 388, 420, 25));
}

} // namespace
