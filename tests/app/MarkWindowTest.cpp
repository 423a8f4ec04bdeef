#include "AppFixture.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QTest>

using namespace nimbrel;
using nimbrel::testing::AppFixture;

namespace {

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

// Types each character as a key press carrying its text, as a keyboard layout would; a
// character outside the BMP goes as one event.
void typeText(QWidget* widget, const QString& text) {
    for (char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

struct MarkWindowTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    app::MarkWindow* mark = nullptr;
    marks::MarkState& state = session.marks;

    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        startWithoutPort();
        window->show();
        window->runCommand(session::kCmdMarkView);
        mark = window->markWindow();
    }
    void clickRow(int row) {
        QTableView* table = mark->table();
        const QRect cell = table->visualRect(table->model()->index(row, 3));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString statusText() const {
        auto* bar = mark->findChild<QStatusBar*>();
        return bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).at(0)->text();
    }
    QString cell(int row, int column) const { return state.table.cell(row, column); }
};

TEST_F(MarkWindowTest, TableShowsTheModel) {
    QTableView* table = mark->table();
    EXPECT_EQ(table->model(), &state.table);
    const int widths[] = {50, 90, 50, 505, 40};
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(table->columnWidth(c), widths[c]) << c;
    EXPECT_EQ(table->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(table->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_FALSE(table->verticalHeader()->isVisible());
    EXPECT_EQ(table->model()->headerData(3, Qt::Horizontal).toString(), u(u"    Текст Фрагмента"));
    // A selected row stays visible while the editor has the focus.
    const QPalette p = table->palette();
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::Highlight),
              p.color(QPalette::Active, QPalette::Highlight));
    EXPECT_EQ(p.color(QPalette::Inactive, QPalette::HighlightedText),
              p.color(QPalette::Active, QPalette::HighlightedText));
}

TEST_F(MarkWindowTest, RowClickLoadsTheEditor) {
    state.table.setFragment(13, u(u"ПостДата"), " 05", u(u"Годен до"));
    clickRow(13);
    EXPECT_EQ(state.selectedRow, 13);
    EXPECT_EQ(state.selectedFragment, "26");
    EXPECT_EQ(mark->typeList()->currentText(), u(u"ПостДата"));
    EXPECT_EQ(mark->typeList()->currentIndex(), 4);
    EXPECT_EQ(mark->fontList()->currentIndex(), 5);
    EXPECT_EQ(mark->fontList()->currentText(), u(u"Шрифт# 05"));
    EXPECT_EQ(mark->textField()->text(), u(u"Годен до"));
    EXPECT_EQ(mark->table()->selectionModel()->selectedRows().size(), 1);
}

// Cells a printer read writes for codes and fonts outside the lists show as they are.
TEST_F(MarkWindowTest, RowClickShowsCellsOutsideTheLists) {
    state.table.setFragment(0, "?", " 017", "x");
    clickRow(0);
    EXPECT_EQ(mark->typeList()->currentText(), "?");
    EXPECT_EQ(mark->fontList()->currentText(), u(u"Шрифт# 017"));
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(cell(0, 1), "?");
    EXPECT_EQ(cell(0, 2), " 17");
}

TEST_F(MarkWindowTest, ChangeWritesTheEditorIntoTheRow) {
    clickRow(9);
    mark->typeList()->setFocus();
    QTest::keyClick(mark->typeList(), Qt::Key_Down); // "Номер"
    EXPECT_EQ(state.editor.typeText, u(u"Номер"));
    mark->fontList()->setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(mark->fontList(), Qt::Key_Down);
    EXPECT_EQ(mark->fontList()->currentText(), u(u"Шрифт#07"));
    mark->textField()->setFocus();
    typeText(mark->textField(), u(u"Партия №5"));
    const QImage before = mark->previewPicture()->pixmap().toImage();

    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(cell(9, 0), "22");
    EXPECT_EQ(cell(9, 1), u(u"Номер"));
    EXPECT_EQ(cell(9, 2), " 07");
    EXPECT_EQ(cell(9, 3), u(u"Партия №5"));
    EXPECT_EQ(cell(9, 4), "35");
    EXPECT_NE(mark->previewPicture()->pixmap().toImage(), before);
    // The row stays selected with the focus elsewhere.
    EXPECT_EQ(mark->table()->selectionModel()->selectedRows().at(0).row(), 9);
}

TEST_F(MarkWindowTest, FiftyCharactersStoreFortyFour) {
    clickRow(0);
    mark->textField()->setFocus();
    const QString typed = QString(25, QLatin1Char('a')) + QString(25, QChar(u'Я'));
    typeText(mark->textField(), typed);
    EXPECT_EQ(mark->textField()->text(), typed);
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(cell(0, 3), typed.left(44));
    EXPECT_EQ(cell(0, 4), "0");
}

TEST_F(MarkWindowTest, ChangeWithoutASelectedRowDoesNothing) {
    mark->textField()->setFocus();
    QTest::keyClicks(mark->textField(), "abc");
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    for (int row = 0; row < 32; ++row)
        EXPECT_EQ(cell(row, 3), "") << row;
}

TEST_F(MarkWindowTest, TypedCharactersOutsideWindows1251AreRefused) {
    mark->textField()->setFocus();
    typeText(mark->textField(), u(u"Aä€Ж中😀"));
    EXPECT_EQ(mark->textField()->text(), u(u"A€Ж"));
    EXPECT_EQ(state.editor.text, u(u"A€Ж"));
    EXPECT_EQ(statusText(), u(u"Знаки «😀» не приняты: их нет в кодировке Windows-1251"));
}

TEST_F(MarkWindowTest, PastedCharactersOutsideWindows1251AreRefused) {
    mark->textField()->setFocus();
    QTest::keyClicks(mark->textField(), "ab");
    QTest::keyClick(mark->textField(), Qt::Key_Left);
    QApplication::clipboard()->setText(u(u"1😀2ü3"));
    QTest::keyClick(mark->textField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mark->textField()->text(), "a123b");
    EXPECT_EQ(mark->textField()->cursorPosition(), 4);
    EXPECT_EQ(state.editor.text, "a123b");
    EXPECT_EQ(statusText(), u(u"Знаки «😀ü» не приняты: их нет в кодировке Windows-1251"));
    // The note stays while the clock ticks.
    dispatcher.tickClock();
    EXPECT_TRUE(statusText().startsWith(u(u"Знаки")));
}

// The read selects row 0 and the editor shows it as read: "ИЗМЕНИТЬ" cannot carry the row
// clicked before into row 0.
TEST_F(MarkWindowTest, ReadSelectsRowZeroAndLoadsIt) {
    state.table.setFragment(0, u(u"Номер"), " 05", "first");
    clickRow(5);
    port.setOpen(true);
    QByteArray block(1536, '\0');
    block.replace(0, 5, QByteArray("\x18\x03\x02OK", 5));
    port.queueReply(block);
    window->runCommand(12);
    EXPECT_EQ(cell(0, 3), "OK");
    EXPECT_EQ(mark->table()->selectionModel()->selectedRows().at(0).row(), 0);
    EXPECT_EQ(mark->textField()->text(), "OK");
    EXPECT_EQ(mark->fontList()->currentText(), u(u"Шрифт# 03"));
    EXPECT_EQ(state.selectedFragment, "11");
    EXPECT_TRUE(window->action(14)->isEnabled());
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(cell(0, 3), "OK");
    EXPECT_EQ(cell(0, 2), " 03");
    EXPECT_EQ(cell(5, 3), "");
}

// Arrow keys move the selection; the editor follows, and "ИЗМЕНИТЬ" changes only the row
// the editor shows.
TEST_F(MarkWindowTest, ArrowKeysLoadTheEditor) {
    for (int row = 0; row < 4; ++row)
        state.table.setFragment(row, u(u"Текст"), " 0" + QString::number(row + 1),
                                "row" + QString::number(row));
    clickRow(0);
    mark->table()->setFocus();
    QTest::keyClick(mark->table(), Qt::Key_Down);
    QTest::keyClick(mark->table(), Qt::Key_Down);
    EXPECT_EQ(state.selectedRow, 2);
    EXPECT_EQ(state.selectedFragment, "13");
    EXPECT_EQ(mark->textField()->text(), "row2");
    EXPECT_EQ(mark->fontList()->currentText(), u(u"Шрифт# 03"));
    QTest::keyClick(mark->table(), Qt::Key_Up);
    EXPECT_EQ(mark->textField()->text(), "row1");
    mark->textField()->setFocus();
    QTest::keyClicks(mark->textField(), "+");
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(cell(1, 3), "row1+");
    EXPECT_EQ(cell(0, 3), "row0");
    EXPECT_EQ(cell(2, 3), "row2");
    EXPECT_EQ(cell(1, 2), " 02");
}

TEST_F(MarkWindowTest, NewMarkThroughTheMenu) {
    window->runCommand(10);
    EXPECT_EQ(statusText(), u(u"Марка: tmpmark.mrt"));
    EXPECT_TRUE(QFile::exists(QDir(session.workingFolder).filePath("tmpmark.mrt")));
    EXPECT_EQ(cell(31, 1), u(u"Номер"));
    EXPECT_FALSE(window->action(13)->isEnabled());
    EXPECT_TRUE(window->action(14)->isEnabled());
}

TEST_F(MarkWindowTest, FileDialogsStartInTheWorkingFolder) {
    window->runCommand(11);
    dialogs.answer("");
    window->runCommand(14);
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].proposed, session.workingFolder);
    EXPECT_EQ(dialogs.calls[1].proposed, session.workingFolder);
}

} // namespace
