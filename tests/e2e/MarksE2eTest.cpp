#include "E2eFixture.h"
#include "session/MarkRoutines.h"

#include <QDir>
#include <QFile>
#include <QThread>

using namespace nimbrel;
using nimbrel::testing::E2eFixture;

namespace {

QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

struct Marks : E2eFixture {
    marks::MarkTable& table = session.marks.table;

    // A mark with all six fragment types across the four lines, Cyrillic texts included.
    void makeMark() {
        table.setFragment(0, u(u"Текст"), " 02", u(u"Годен до:"));
        table.setFragment(1, u(u"ПостДата"), " 02", "%d.%m.%Y");
        table.setFragment(8, u(u"Номер"), " 05", "0001");
        table.setFragment(9, u(u"Дата/Время"), " 03", "%H:%M");
        table.setFragment(16, u(u"Графика"), " 00", "LOGO012");
        table.setFragment(17, u(u"Текст"), " 13", u(u"ООО «Ёлка» — Москва, №7"));
        table.setFragment(24, u(u"ШтрихКод EAN"), " 13", "4600000000001");
        table.setFragment(31, u(u"Текст"), " 01", QString(44, QChar(u'Щ')));
    }
    std::vector<marks::FragmentCells> snapshot() const {
        std::vector<marks::FragmentCells> out;
        for (int row = 0; row < marks::kRows; ++row)
            out.push_back(table.cells(row));
        return out;
    }
    void expectTable(const std::vector<marks::FragmentCells>& expected) {
        for (int row = 0; row < marks::kRows; ++row) {
            const auto c = table.cells(row);
            EXPECT_EQ(c.type, expected[row].type) << row;
            EXPECT_EQ(c.font, expected[row].font) << row;
            EXPECT_EQ(c.text, expected[row].text) << row;
            EXPECT_EQ(c.free, expected[row].free) << row;
        }
    }
    void expectNoError() {
        for (const auto& c : dialogs.calls)
            EXPECT_NE(c.title, QStringLiteral("ОШИБКА")) << c.text.toStdString();
    }
    void write(const char* number) {
        dialogs.calls.clear();
        dialogs.answer(number);
        dispatcher.dispatch(15);
        ASSERT_FALSE(dialogs.messages().empty());
        EXPECT_EQ(dialogs.messages().back().text,
                  u(u"Запись Марки #") + number + u(u" успешно завершена."));
    }
};

TEST_F(Marks, WriteByNumberThenReadBackByNumberAndAsCurrent) {
    startConnected({"--model", "T260"});
    makeMark();
    const auto written = snapshot();
    write("12");

    table.reset();
    dialogs.calls.clear();
    dialogs.answer("12");
    dispatcher.dispatch(18);
    expectNoError();
    expectTable(written);
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);

    write("0");
    table.reset();
    dialogs.calls.clear();
    dispatcher.dispatch(12);
    expectNoError();
    expectTable(written);
}

TEST_F(Marks, EmptySlotIsReportedAndLeavesTheTable) {
    startConnected({"--model", "T260"});
    makeMark();
    const auto before = snapshot();
    dialogs.calls.clear();
    dialogs.answer("33");
    dispatcher.dispatch(18);
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, u(u"МАРКА #33"));
    EXPECT_EQ(shown[0].text, u(u"    ПУСТАЯ МАРКА!      "));
    expectTable(before);
}

TEST_F(Marks, FragmentWriteThenRead) {
    startConnected({"--model", "T260"});
    makeMark();
    write("0");

    marks::loadRowIntoEditor(session.marks, marks::rowOf(2, 3));
    session.marks.editor = {u(u"Текст"), 4, u(u"Шрифт#04"), u(u"Смена Б")};
    dialogs.calls.clear();
    dialogs.answer(platform::kYes);
    dispatcher.dispatch(17);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, u(u"Изменение Печатной Марки"));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Ok);

    dialogs.calls.clear();
    dialogs.answer("2");
    dialogs.answer("3");
    dispatcher.dispatch(56);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, u(u"Информация Системы Печати"));
    EXPECT_EQ(dialogs.messages()[0].text,
              u(u"ФРАГМЕНТ #23:\r\n\nФункция: ТЕКСТ\n\rШрифт:   04\n\rТекст:   'Смена Б'."));

    // The rest of the printing mark is as it was written.
    const auto before = snapshot();
    table.reset();
    dialogs.calls.clear();
    dispatcher.dispatch(12);
    expectNoError();
    for (int row = 0; row < marks::kRows; ++row) {
        if (row == marks::rowOf(2, 3))
            EXPECT_EQ(table.cell(row, 3), u(u"Смена Б"));
        else
            EXPECT_EQ(table.cell(row, 3), before[row].text) << row;
    }
}

// Saved to a file, opened again, written to the printer and read back: Cyrillic intact.
TEST_F(Marks, FileToPrinterAndBack) {
    startConnected({"--model", "T260"});
    makeMark();
    const auto made = snapshot();
    const QString file = QDir(session.workingFolder).filePath("party.mrt");
    dialogs.answer(file);
    dispatcher.dispatch(14);
    table.reset();
    dialogs.answer(file);
    dispatcher.dispatch(11);
    expectTable(made);

    write("85");
    table.reset();
    dialogs.answer("85");
    dispatcher.dispatch(18);
    expectNoError();
    expectTable(made);
}

// Esc at the number entry sends nothing; the link stays in step for the next command.
TEST_F(Marks, CancelledNumberEntrySendsNothing) {
    startConnected({"--model", "T260"});
    makeMark();
    write("3");
    dialogs.calls.clear();
    dialogs.answer("");
    dispatcher.dispatch(15);
    dialogs.answer("");
    dispatcher.dispatch(18);
    EXPECT_TRUE(dialogs.messages().empty());
    table.reset();
    dialogs.answer("3");
    dispatcher.dispatch(18);
    expectNoError();
    EXPECT_EQ(table.cell(0, 3), u(u"Годен до:"));
}

// A printer that takes the block but never answers a read: the write is not reported done.
TEST_F(Marks, WriteWithoutReadBackCannotBeChecked) {
    startConnected({"--model", "T260", "--fault", "no-reply@r"});
    makeMark();
    dialogs.calls.clear();
    dialogs.answer("12");
    dispatcher.dispatch(15);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, QStringLiteral("ОШИБКА"));
    EXPECT_EQ(dialogs.messages()[0].text, u(u"Марка #12 записана, но проверить её не удалось: "
                                            u"Маркиратор не ответил на чтение."));
    EXPECT_EQ(session.shell.markLinkIcon, session::LinkIcon::Error);
}

// The hours reply comes 1.5 s late, after the next command was sent: it must neither join the
// mark that is read next nor, written back, replace the mark in the printer.
TEST_F(Marks, LateReplyBeforeAMarkReadIsNotTakenIntoTheMark) {
    startConnected({"--model", "T260", "--fault", "delay=1500@w"});
    makeMark();
    const auto written = snapshot();
    write("7");

    dialogs.calls.clear();
    dispatcher.dispatch(60);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              u(u"Ошибка при чтении данных из Маркиратора (") + session.conn.portName + ")!");
    QThread::msleep(600);
    table.reset();
    dialogs.calls.clear();
    dialogs.answer("7");
    dispatcher.dispatch(18);
    expectNoError();
    expectTable(written);

    write("7");
    table.reset();
    dialogs.calls.clear();
    dialogs.answer("7");
    dispatcher.dispatch(18);
    expectNoError();
    expectTable(written);
}

TEST_F(Marks, StoredDifferentlyIsNamed) {
    startConnected({"--model", "T260", "--alter-writes"});
    makeMark();
    dialogs.calls.clear();
    dialogs.answer("5");
    dispatcher.dispatch(15);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              u(u"Запись Марки #5 не подтверждена:\n\rфрагмент # 11 в Маркираторе отличается "
                u"от записанного."));
}

} // namespace
