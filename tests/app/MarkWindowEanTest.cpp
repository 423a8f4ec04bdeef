#include "AppFixture.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QClipboard>
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

// A barcode typed into the mark window's editor: digits only, the check digit offered and
// appended.
struct MarkWindowEanTest : AppFixture {
    std::unique_ptr<app::MainWindow> window;
    app::MarkWindow* mark = nullptr;
    marks::MarkState& state = session.marks;

    void SetUp() override {
        window = std::make_unique<app::MainWindow>(session, dispatcher);
        startWithoutPort();
        window->show();
        window->runCommand(session::kCmdMarkView);
        mark = window->markWindow();
        // Row 0 is a barcode with no digits yet; a click loads it into the editor.
        state.table.setFragment(0, u(u"ШтрихКод EAN"), " 03", "");
        QTableView* table = mark->table();
        const QRect cell = table->visualRect(table->model()->index(0, 3));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        mark->textField()->setFocus();
    }
    void type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(mark->textField(), &press);
            QApplication::sendEvent(mark->textField(), &release);
        }
    }
    QString statusText() const {
        auto* bar = mark->findChild<QStatusBar*>();
        return bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).at(0)->text();
    }
};

TEST_F(MarkWindowEanTest, TwelveDigitsOfferTheCheckDigitAndEnterAppendsIt) {
    ASSERT_EQ(state.editor.typeText, u(u"ШтрихКод EAN"));
    type("40063813339");
    EXPECT_EQ(statusText(), u(u"EAN-13: введено цифр 11 из 12"));
    type("3");
    EXPECT_EQ(statusText(), u(u"Контрольная цифра: 1 (Enter добавит её)"));
    QTest::keyClick(mark->textField(), Qt::Key_Return);
    EXPECT_EQ(mark->textField()->text(), "4006381333931");
    EXPECT_EQ(state.editor.text, "4006381333931");
    EXPECT_EQ(statusText(), u(u"Контрольная цифра 1 верна"));
    // The row is written only by "ИЗМЕНИТЬ".
    EXPECT_EQ(state.table.cell(0, 3), "");
}

TEST_F(MarkWindowEanTest, ChangeButtonAppendsTheCheckDigit) {
    // 0 as the check digit.
    type("978316148410");
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(state.table.cell(0, 3), "9783161484100");
    EXPECT_EQ(state.table.cell(0, 4), "31");
    EXPECT_EQ(mark->textField()->text(), "9783161484100");
    // A 14th digit is written as typed; the table marks it.
    type("1");
    QTest::mouseClick(mark->changeButton(), Qt::LeftButton);
    EXPECT_EQ(state.table.cell(0, 3), "97831614841001");
}

TEST_F(MarkWindowEanTest, WrongCheckDigitShowsTheRightOne) {
    type("4006381333935");
    EXPECT_EQ(mark->textField()->text(), "4006381333935");
    EXPECT_EQ(statusText(), u(u"Неверная контрольная цифра: 5, должна быть 1"));
    // Enter does not replace a typed check digit.
    QTest::keyClick(mark->textField(), Qt::Key_Return);
    EXPECT_EQ(mark->textField()->text(), "4006381333935");
}

TEST_F(MarkWindowEanTest, OtherCharactersRefusedAsTypedOrPasted) {
    type(u(u"40a0-6Ж"));
    EXPECT_EQ(mark->textField()->text(), "4006");
    EXPECT_EQ(statusText(), u(u"Знаки «Ж» не приняты: штрихкод EAN-13 состоит только из цифр"));
    QApplication::clipboard()->setText(u(u"38 13-33"));
    QTest::keyClick(mark->textField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(mark->textField()->text(), "4006381333");
    EXPECT_EQ(state.editor.text, "4006381333");
    EXPECT_EQ(statusText(), u(u"Знаки « -» не приняты: штрихкод EAN-13 состоит только из цифр"));
}

TEST_F(MarkWindowEanTest, OtherTypesKeepLettersAndNoBarcodeStatus) {
    state.table.setFragment(2, u(u"Текст"), " 02", "");
    QTableView* table = mark->table();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                      table->visualRect(table->model()->index(2, 3)).center());
    mark->textField()->setFocus();
    type("400638133393");
    type("ab");
    EXPECT_EQ(mark->textField()->text(), "400638133393ab");
    EXPECT_EQ(statusText(), u(u"Марка: ..."));
    QTest::keyClick(mark->textField(), Qt::Key_Return);
    EXPECT_EQ(mark->textField()->text(), "400638133393ab");
}

} // namespace
