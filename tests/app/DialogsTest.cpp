#include "DialogTestSupport.h"
#include "printer/AreaReports.h"
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <set>

#include <QWindow>

namespace nimbrel::app {
namespace {

using namespace dialogtest;

// Text dialogs

enum class Which { Input, Question, Requester };

QString ask(platform::Dialogs& dialogs, Which which, const QString& proposed) {
    switch (which) {
    case Which::Input:
        return dialogs.inputDialog(u("Открыть СОМ-порт"), u("COM3:\t9600,n,8,1\t\t/dev/pts/3\n"),
                                   u("ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"), proposed);
    case Which::Question:
        return dialogs.questionDialog(u("Установка Часов Маркиратора"),
                                      u("Введите дату и время в формате\n\r     'ДДММГГ ЧЧММСС'"),
                                      proposed);
    case Which::Requester:
        return dialogs.requester(u("Чтение Фрагмента Марки"), u("Введите Номер Строки (1...4)"),
                                 proposed);
    }
    return {};
}

struct Action {
    const char* name;
    std::function<void(QDialog*)> act;
    bool keepsProposed; // answers the proposed text, else the empty text
};

const Action kActions[] = {
    {"Enter", [](QDialog* d) { QTest::keyClick(child<QLineEdit>(d, "entry"), Qt::Key_Return); },
     true},
    {"Escape", [](QDialog* d) { QTest::keyClick(child<QLineEdit>(d, "entry"), Qt::Key_Escape); },
     false},
    {"CloseBox", [](QDialog* d) { d->close(); }, false},
    {"ClearedThenOk",
     [](QDialog* d) {
         child<QLineEdit>(d, "entry")->clear();
         QTest::mouseClick(child<QPushButton>(d, "ok"), Qt::LeftButton);
     },
     false},
};

class TextDialogAnswerTest : public ::testing::TestWithParam<std::tuple<Which, Action>> {};

TEST_P(TextDialogAnswerTest, Answer) {
    const auto& [which, action] = GetParam();
    QtDialogs dialogs(nullptr);
    OnNextModal driver(action.act);
    EXPECT_EQ(ask(dialogs, which, "310519"), action.keepsProposed ? "310519" : "");
}

std::string answerName(const ::testing::TestParamInfo<std::tuple<Which, Action>>& info) {
    const char* const dialogs[] = {"Input", "Question", "Requester"};
    return std::string(dialogs[static_cast<int>(std::get<0>(info.param))]) +
           std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TextDialogAnswerTest,
                         ::testing::Combine(::testing::Values(Which::Input, Which::Question,
                                                              Which::Requester),
                                            ::testing::ValuesIn(kActions)),
                         answerName);

TEST(TextDialogs, TypingReplacesASelectedProposalAndFollowsTheRequestersCaret) {
    QtDialogs dialogs(nullptr);
    for (Which which : {Which::Input, Which::Question, Which::Requester}) {
        OnNextModal driver([](QDialog* d) {
            QTest::keyClicks(child<QLineEdit>(d, "entry"), "12");
            QTest::keyClick(child<QLineEdit>(d, "entry"), Qt::Key_Enter);
        });
        EXPECT_EQ(ask(dialogs, which, "3105"), which == Which::Requester ? "310512" : "12");
    }
}

TEST(TextDialogs, CancelButtonAnswersNothing) {
    QtDialogs dialogs(nullptr);
    for (Which which : {Which::Input, Which::Question}) {
        OnNextModal driver(
            [](QDialog* d) { QTest::mouseClick(child<QPushButton>(d, "cancel"), Qt::LeftButton); });
        EXPECT_EQ(ask(dialogs, which, "3105"), "");
    }
}

struct Control {
    const char* name;
    QRect geometry;
    const char* text; // button text, or nullptr
};

struct GeometryCase {
    const char* name;
    Which which;
    QSize client;
    const char* title;
    QList<Control> controls;
    const char* prompt; // as shown, breaks made "\n"
    bool proposedSelected;
};

// The part of a prompt label above the entry field shows its whole text.
void expectPromptUncut(const QLabel* prompt, const QLineEdit* entry) {
    const QRect visible(0, 0, prompt->width(), entry->y() - prompt->y());
    const QRect needed = prompt->fontMetrics().boundingRect(
        visible, static_cast<int>(prompt->alignment()) | Qt::TextWordWrap, prompt->text());
    EXPECT_LE(needed.width(), visible.width()) << prompt->text().toStdString();
    EXPECT_LE(needed.height(), visible.height()) << prompt->text().toStdString();
}

class TextDialogGeometryTest : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(TextDialogGeometryTest, ClientSizeControlsAndTexts) {
    const GeometryCase& c = GetParam();
    QtDialogs dialogs(nullptr);
    OnNextModal driver([&c](QDialog* d) {
        EXPECT_EQ(d->size(), c.client);
        EXPECT_EQ(d->minimumSize(), c.client);
        EXPECT_EQ(d->maximumSize(), c.client);
        EXPECT_EQ(d->windowTitle(), u(c.title));
        EXPECT_TRUE(d->isModal());
        EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
        for (const Control& control : c.controls) {
            auto* widget = child<QWidget>(d, control.name);
            ASSERT_NE(widget, nullptr) << control.name;
            EXPECT_EQ(widget->geometry(), control.geometry) << control.name;
            if (control.text) {
                EXPECT_EQ(qobject_cast<QPushButton*>(widget)->text(), u(control.text));
            }
        }
        EXPECT_EQ(d->findChildren<QPushButton*>().size(), c.which == Which::Requester ? 1 : 2);
        auto* entry = child<QLineEdit>(d, "entry");
        EXPECT_EQ(child<QLabel>(d, "prompt")->text(), u(c.prompt));
        expectPromptUncut(child<QLabel>(d, "prompt"), entry);
        EXPECT_EQ(d->focusWidget(), entry);
        EXPECT_EQ(entry->text(), "0815");
        if (c.proposedSelected) {
            EXPECT_EQ(entry->selectedText(), "0815");
        } else {
            EXPECT_FALSE(entry->hasSelectedText());
            EXPECT_EQ(entry->cursorPosition(), 4);
        }
        // Enter must reach the OK button, which needs it to be the default.
        EXPECT_TRUE(child<QPushButton>(d, "ok")->isDefault());
        d->reject();
    });
    ask(dialogs, c.which, "0815");
}

const GeometryCase kGeometries[] = {
    {"Input",
     Which::Input,
     {420, 140},
     "Открыть СОМ-порт",
     {{"info", {10, 8, 365, 63}, nullptr},
      {"prompt", {10, 75, 315, 73}, nullptr},
      {"entry", {9, 93, 300, 20}, nullptr},
      {"ok", {340, 73, 60, 23}, "OK"},
      {"cancel", {340, 103, 60, 23}, "Отмена"}},
     "ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)",
     true},
    {"Question",
     Which::Question,
     {357, 110},
     "Установка Часов Маркиратора",
     {{"prompt", {10, 8, 265, 73}, nullptr},
      {"entry", {9, 79, 339, 20}, nullptr},
      {"ok", {288, 8, 60, 23}, "OK"},
      {"cancel", {288, 36, 60, 23}, "Cancel"}},
     "Введите дату и время в формате\n     'ДДММГГ ЧЧММСС'",
     true},
    {"Requester",
     Which::Requester,
     {300, 130},
     "Чтение Фрагмента Марки",
     {{"prompt", {10, 10, 280, 22}, nullptr},
      {"entry", {10, 32, 275, 21}, nullptr},
      {"ok", {110, 67, 80, 25}, "OK"}},
     "Введите Номер Строки (1...4)",
     false},
};

INSTANTIATE_TEST_SUITE_P(Dialogs, TextDialogGeometryTest, ::testing::ValuesIn(kGeometries),
                         caseName<GeometryCase>);

TEST(TextDialogs, RequesterGrowsForAPromptWiderThanItsWindow) {
    QtDialogs dialogs(nullptr);
    const QString prompt = u("Введите Номер Марки: 0..85  ( 0- печатаемая марка )");
    OnNextModal driver([&prompt](QDialog* d) {
        auto* label = child<QLabel>(d, "prompt");
        const int needed = label->fontMetrics().horizontalAdvance(prompt);
        EXPECT_EQ(label->text(), prompt);
        EXPECT_GE(label->width(), needed);
        // Grown no more than a pixel or two beyond the prompt and its 10-pixel margins.
        EXPECT_LE(d->width(), std::max(300, needed + 22));
        // The controls keep their places relative to the window.
        EXPECT_EQ(child<QLineEdit>(d, "entry")->geometry(), QRect(10, 32, d->width() - 25, 21));
        EXPECT_EQ(child<QPushButton>(d, "ok")->geometry(),
                  QRect((d->width() - 80) / 2, 67, 80, 25));
        EXPECT_EQ(d->height(), 130);
        d->reject();
    });
    dialogs.requester(u("Чтение Марки из Маркиратора"), prompt, "0");
}

const char* const kPortList =
    "COM3:\t115200,n,8,1\t\tUSB-Serial (FTDI) /dev/ttyUSB0\n"
    "COM4:\t9600,n,8,1\t\tFT232R USB UART (FTDI) /dev/ttyUSB1\n"
    "COM12:\t57600,n,8,1\t\tUSB-Serial Controller (Prolific) /dev/ttyUSB2\n";

TEST(InputDialog, PortListShowsWholeWithAlignedColumns) {
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        auto* info = child<DialogTextView>(d, "info");
        EXPECT_EQ(info->lines(),
                  QStringList({"COM3:\t115200,n,8,1\t\tUSB-Serial (FTDI) /dev/ttyUSB0",
                               "COM4:\t9600,n,8,1\t\tFT232R USB UART (FTDI) /dev/ttyUSB1",
                               "COM12:\t57600,n,8,1\t\tUSB-Serial Controller (Prolific) "
                               "/dev/ttyUSB2"}));
        expectWholeTextVisible(info, 3);
        const QList<qreal> friendly = columnAfterLastTab(info);
        ASSERT_EQ(friendly.size(), 3);
        EXPECT_EQ(friendly[1], friendly[0]);
        EXPECT_EQ(friendly[2], friendly[0]);
        // Wider than the stated 365 only as much as the list needs; the buttons stay 20 from
        // the right edge.
        EXPECT_EQ(info->geometry().topLeft(), QPoint(10, 8));
        EXPECT_EQ(info->height(), 63);
        if (info->width() > 365) {
            EXPECT_EQ(d->width(), 10 + info->width() + 20);
        }
        EXPECT_EQ(child<QPushButton>(d, "ok")->geometry(), QRect(d->width() - 80, 73, 60, 23));
        EXPECT_EQ(child<QPushButton>(d, "cancel")->geometry(), QRect(d->width() - 80, 103, 60, 23));
        d->reject();
    });
    dialogs.inputDialog(u("Открыть СОМ-порт"), kPortList, u("ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"),
                        "1");
}

TEST(InputDialog, LongPortListScrollsInsteadOfBeingCut) {
    QString list;
    for (int i = 1; i <= 12; ++i)
        list += QString("COM%1:\t115200,n,8,1\t\t/dev/ttyS%2\n").arg(i).arg(i - 1);
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        auto* info = child<DialogTextView>(d, "info");
        EXPECT_EQ(info->document()->blockCount(), 12);
        EXPECT_EQ(info->height(), 63);
        EXPECT_TRUE(info->verticalScrollBar()->isVisible());
        EXPECT_GT(info->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(info->horizontalScrollBar()->isVisible());
        d->reject();
    });
    dialogs.inputDialog(u("Открыть СОМ-порт"), list, u("ВВЕДИТЕ НОМЕР COM-ПОРТА (1...255)"), "1");
}

TEST(Dialogs, ParentIsBlockedWhileOpenAndActiveAfter) {
    QWidget main;
    main.resize(300, 200);
    auto* button = new QPushButton("x", &main);
    button->setGeometry(10, 10, 100, 30);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
    const QPoint centre = button->geometry().center();

    QtDialogs dialogs(nullptr);
    dialogs.setParentWidget(&main);
    const std::function<void()> calls[] = {[&dialogs] { dialogs.inputDialog("t", "i", "p", "1"); },
                                           [&dialogs] { dialogs.questionDialog("t", "p", "1"); },
                                           [&dialogs] { dialogs.requester("t", "p", "1"); },
                                           [&dialogs] { dialogs.message("t", "x", 0); }};
    for (const auto& call : calls) {
        {
            OnNextModal driver([&](QDialog* d) {
                EXPECT_EQ(d->parentWidget(), &main);
                QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, centre);
                d->reject();
            });
            call();
        }
        EXPECT_EQ(clicks, 0);
        EXPECT_TRUE(QTest::qWaitFor([&main] { return QApplication::activeWindow() == &main; }));
    }
    // The same click reaches the main window once no dialog is open.
    QTest::mouseClick(main.windowHandle(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks, 1);
}

// Message boxes

class MessageBoxAnswerTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(MessageBoxAnswerTest, EachButtonAnswers) {
    const KindCase& c = GetParam();
    QtDialogs dialogs(nullptr);
    for (qsizetype i = 0; i < c.buttons.size(); ++i) {
        OnNextModal driver([&](QDialog* d) {
            auto* box = qobject_cast<MessageBoxDialog*>(d);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->windowTitle(), u("Заголовок"));
            EXPECT_EQ(box->textView()->lines(), QStringList({u("Первая"), u("Вторая\t2")}));
            EXPECT_EQ(box->icon(), c.icon);
            EXPECT_EQ(box->iconLabel() != nullptr, c.icon != MessageIcon::None);
            if (box->iconLabel()) {
                EXPECT_FALSE(box->iconLabel()->pixmap().isNull());
            }
            EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
            QStringList texts;
            for (auto* button : box->buttons())
                texts << button->text();
            EXPECT_EQ(texts, c.buttons);
            QTest::mouseClick(buttonWithText(d, c.buttons[i]), Qt::LeftButton);
        });
        EXPECT_EQ(dialogs.message(u("Заголовок"), u("Первая\n\rВторая\t2"), c.kind), c.answers[i])
            << c.buttons[i].toStdString();
    }
}

TEST_P(MessageBoxAnswerTest, EnterAnswersTheFirstButton) {
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Return); });
    EXPECT_EQ(dialogs.message("t", "x", GetParam().kind), GetParam().answers.first());
}

// A question whose Yes may do harm answers No to Enter.
TEST(MessageBox, EnterAnswersNoWhereNoIsTheDefault) {
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Return); });
    EXPECT_EQ(dialogs.message("t", "x", platform::kErrorQuestion | platform::kSecondIsDefault),
              platform::kNo);
}

TEST_P(MessageBoxAnswerTest, EscapeAndCloseBox) {
    const KindCase& c = GetParam();
    QtDialogs dialogs(nullptr);
    const std::function<void(QDialog*)> ways[] = {
        [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); },
        [](QDialog* d) { d->close(); }};
    for (const auto& way : ways) {
        OnNextModal driver([&](QDialog* d) {
            EXPECT_EQ(bool(d->windowFlags() & Qt::WindowCloseButtonHint), c.escapeAnswer != 0);
            way(d);
            if (c.escapeAnswer == 0) {
                // A Yes/No question waits for an explicit answer.
                EXPECT_TRUE(d->isVisible());
                QTest::mouseClick(buttonWithText(d, u("Нет")), Qt::LeftButton);
            }
        });
        EXPECT_EQ(dialogs.message("t", "x", c.kind), c.escapeAnswer == 0 ? 7 : c.escapeAnswer);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageBoxAnswerTest, ::testing::ValuesIn(kindCases()),
                         caseName<KindCase>);

TEST(MessageBox, CtrlCCopiesTheBoxAndKeepsItOpen) {
    QtDialogs dialogs(nullptr);
    QApplication::clipboard()->setText("before");
    OnNextModal driver([](QDialog* d) {
        QTest::keyClick(d->focusWidget(), Qt::Key_C, Qt::ControlModifier);
        EXPECT_TRUE(d->isVisible());
        EXPECT_EQ(QApplication::clipboard()->text(),
                  u("---------------------------\r\n"
                    "СМЕЩЕНИЕ ДАТЫ\r\n"
                    "---------------------------\r\n"
                    "УСТАНОВИТЬ ПОСТ-ДАТУ:  17.12.2024 ?\n\r"
                    "('нет'- повторить ввод, 'выход'- отмена)\r\n"
                    "---------------------------\r\n"
                    "Да   Нет   Отмена\r\n"
                    "---------------------------\r\n"));
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(dialogs.message(u("СМЕЩЕНИЕ ДАТЫ"),
                              u("УСТАНОВИТЬ ПОСТ-ДАТУ:  17.12.2024 ?\n\r"
                                "('нет'- повторить ввод, 'выход'- отмена)"),
                              35),
              2);
}

// The print-system settings report of a T260, 28 lines: values must form one column and the
// whole report must show without scrolling.
QString t260Report() {
    const QStringList lines = {u("Интервал Автопечати по времени, мс\t500"),
                               u("Коррекция заряда рабочих капель\t12"),
                               u("Задержка старта печати, мс\t\t-30"),
                               u("Задержка старта печати, импульсов\t1200"),
                               u("Частота каплеобразования\t\t64.00 кГц  "),
                               u("Вертикальный размер Марки\t\t24"),
                               u("Замедление скорости печати (грубо)\t3"),
                               u("Интервал Автопечати (тахоимпульсы)\t150"),
                               u("'Бегущей номер' (направление, шаг)\t+1"),
                               u("Коррекция заряда пустых капель\t7"),
                               u("Заряд тестовых капель\t\t45"),
                               u("Число защитных капель\t\t4"),
                               u("Число строк печати (х8, точек)\t16"),
                               u("Порог тестирования фазы заряда\t20 (авто)"),
                               u("Напряжение Генератора Капель\t180"),
                               u("Замедление скорости печати (точно)\t-2"),
                               u("Уменьшение Y-шага между каплями\t1"),
                               u("Порог видимости Марки\t\t35"),
                               u("Частота ВВ-преобразователя\t\t28.8 кГц"),
                               u("Раздвижка строк 1-2\t\t2"),
                               u("Раздвижка строк 2-3\t\t2"),
                               u("Раздвижка строк 3-4\t\t2"),
                               u("Смещение Даты, дней\t\t30"),
                               u("Номер печатной марки\t\t17"),
                               u("Режим скорости печати (опция*)\tобычная (Y=8..32)"),
                               u("Интервал Автопечати, импульсов\t32767")};
    return u("УСТАВКИ СИСТЕМЫ ПЕЧАТИ  ( T260 ) :\r\n\n") + lines.join("\n\r");
}

TEST(MessageBox, SettingsReportShowsWholeInOneValueColumn) {
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        auto* box = qobject_cast<MessageBoxDialog*>(d);
        ASSERT_NE(box, nullptr);
        expectWholeTextVisible(box->textView(), 28);
        const QList<qreal> values = columnAfterLastTab(box->textView());
        ASSERT_EQ(values.size(), 26);
        for (qreal x : values)
            EXPECT_EQ(x, values.first());
        // At least a blank's width between every label and its value.
        const qreal blank = box->textView()->fontMetrics().horizontalAdvance(u' ');
        QTextBlock block = box->textView()->document()->begin().next().next();
        for (; block.isValid(); block = block.next()) {
            const QString label = block.text().section(u'\t', 0, 0);
            const qreal end = block.layout()->lineAt(0).cursorToX(static_cast<int>(label.size()));
            EXPECT_GE(values.first() - end, blank) << label.toStdString();
        }
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message(u("Информация Системы Печати"), t260Report(), 64);
}

TEST(MessageBox, ThirtyFiveLineReportNeedsNoScrollBar) {
    QString text;
    for (int i = 1; i <= 35; ++i)
        text += QString("Line %1\t\t%2").arg(i).arg(i * 7) + (i < 35 ? "\n\r" : "");
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        auto* box = qobject_cast<MessageBoxDialog*>(d);
        ASSERT_NE(box, nullptr);
        expectWholeTextVisible(box->textView(), 35);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message("Report", text, 64);
}

TEST(MessageBox, TooLongForTheScreenScrollsAndTooWideWraps) {
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QString("Line %1\n\r").arg(i);
    text += QString(400, u'x');
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        auto* box = qobject_cast<MessageBoxDialog*>(d);
        ASSERT_NE(box, nullptr);
        const QRect screen = box->screen()->availableGeometry();
        EXPECT_LE(box->height(), screen.height());
        EXPECT_LE(box->width(), screen.width());
        EXPECT_TRUE(box->textView()->verticalScrollBar()->isVisible());
        EXPECT_FALSE(box->textView()->horizontalScrollBar()->isVisible());
        QTextDocument* doc = box->textView()->document();
        doc->documentLayout()->blockBoundingRect(doc->lastBlock()); // lays the block out
        EXPECT_GT(doc->lastBlock().layout()->lineCount(), 1);
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message("Long", text, 0);
}

TEST(MessageBox, WideTitleWidensTheBox) {
    QtDialogs dialogs(nullptr);
    const QString title = u("Форматы Графических Файлов для Маркиратора");
    OnNextModal driver([&title](QDialog* d) {
        EXPECT_GT(d->width(), d->fontMetrics().horizontalAdvance(title));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message(title, "x", 0);
}

// The width the title bar needs for the title in its bold face.
int boldTitleWidth(const QWidget* d, const QString& title) {
    QFont bold = d->font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title);
}

// Titles the window manager cut: every box is wide enough for its whole title.
TEST(Titles, EveryBoxFitsItsTitle) {
    const QString titles[] = {u("Информация Системы Печати"), u("ЗАВЕРШЕНИЕ РАБОТЫ"),
                              u("Чтение Текстовой Марки из Маркиратора"),
                              u("Форматы Графических Файлов для Маркиратора")};
    for (const QString& title : titles) {
        QtDialogs dialogs(nullptr);
        dialogs.questionSound = [] {};
        int seen = 0;
        auto check = [&title, &seen](QDialog* d) {
            EXPECT_GE(d->width(), boldTitleWidth(d, title) + 60) << title.toStdString();
            EXPECT_EQ(d->windowTitle(), title);
            ++seen;
        };
        auto checkAndClose = [&check](QDialog* d) {
            check(d);
            d->reject();
        };
        {
            OnNextModal driver(checkAndClose);
            dialogs.requester(title, u("Введите Номер:"), "0");
        }
        {
            OnNextModal driver(checkAndClose);
            dialogs.questionDialog(title, u("Введите:"), "0");
        }
        {
            OnNextModal driver(checkAndClose);
            dialogs.inputDialog(title, "COM3:\t9600,n,8,1\t\tx\n", u("Номер"), "1");
        }
        {
            OnNextModal driver([&check](QDialog* d) {
                check(d);
                QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            });
            dialogs.message(title, "x", 4);
        }
        EXPECT_EQ(seen, 4);
    }
}

// The graphics area map with an occupied slot: the "|" of every row at one x; the clipboard
// gets the text as built.
TEST(MessageBox, AreaMapColumnsLineUp) {
    QByteArray reply(128, 'N');
    reply[5] = 'Y';
    reply[9] = 'Y';
    reply[127] = 'Y';
    const QString text = printer::buildLogoAreaReport(reply);
    QtDialogs dialogs(nullptr);
    OnNextModal driver([&text](QDialog* d) {
        auto* box = qobject_cast<MessageBoxDialog*>(d);
        ASSERT_NE(box, nullptr);
        QTextDocument* doc = box->textView()->document();
        std::set<int> bars;
        std::set<int> secondCells;
        int rows = 0;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            const int bar = static_cast<int>(block.text().indexOf(u'|'));
            if (bar < 0)
                continue;
            ++rows;
            doc->documentLayout()->blockBoundingRect(block);
            const QTextLine line = block.layout()->lineAt(0);
            bars.insert(qRound(line.cursorToX(bar)));
            secondCells.insert(qRound(line.cursorToX(5)));
        }
        EXPECT_EQ(rows, 16);
        EXPECT_EQ(bars.size(), 1u);
        EXPECT_EQ(secondCells.size(), 1u);
        EXPECT_EQ(box->clipboardText(),
                  messageBoxClipboardText(u("Информация Системы Печати"), text, {"OK"}));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message(u("Информация Системы Печати"), text, 64);
}

// An empty title leaves the title bar empty: the platform would put the program's name there.
TEST(Titles, EmptyTitleShowsAnEmptyBar) {
    QtDialogs dialogs(nullptr);
    OnNextModal driver([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QString());
        ASSERT_NE(d->windowHandle(), nullptr);
        EXPECT_EQ(d->windowHandle()->title(), " ");
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
    });
    dialogs.message(QString(), u("Запись Марки #12 успешно завершена."), 64);
}

// The question sound plays as each text dialog opens, not for a message box.
TEST(TextDialogs, QuestionSoundAsTheyOpen) {
    QtDialogs dialogs(nullptr);
    int sounds = 0;
    dialogs.questionSound = [&sounds] { ++sounds; };
    for (Which which : {Which::Input, Which::Question, Which::Requester}) {
        const int before = sounds;
        OnNextModal driver([&sounds, before](QDialog* d) {
            EXPECT_EQ(sounds, before + 1);
            d->reject();
        });
        ask(dialogs, which, "1");
    }
    EXPECT_EQ(sounds, 3);
    OnNextModal driver([](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Return); });
    dialogs.message("T", "x", 64);
    EXPECT_EQ(sounds, 3);
}

// File dialogs

TEST(FileDialogs, OpenReturnsTheChosenFileOrNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("mark.mrt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QtDialogs dialogs(nullptr);
    const QStringList filters = {u("Текстовые Марки (*.mrt)"), u("Все файлы (*)")};
    {
        OnNextModal driver([&](QDialog* d) {
            auto* files = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->windowTitle(), u("ОТКРЫТЬ ФАЙЛ МАРКИ"));
            EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptOpen);
            EXPECT_EQ(files->fileMode(), QFileDialog::ExistingFile);
            EXPECT_EQ(files->nameFilters(), filters);
            EXPECT_EQ(files->selectedNameFilter(), filters.first());
            EXPECT_EQ(files->directory().absolutePath(), QDir(dir.path()).absolutePath());
            files->selectFile("mark.mrt");
            d->accept(); // QFileDialog::accept() checks the choice
        });
        EXPECT_EQ(dialogs.openFileName(u("ОТКРЫТЬ ФАЙЛ МАРКИ"), filters, dir.path()),
                  QFileInfo(path).absoluteFilePath());
    }
    {
        OnNextModal driver([](QDialog* d) { d->reject(); });
        EXPECT_EQ(dialogs.openFileName(u("ОТКРЫТЬ ФАЙЛ МАРКИ"), filters, dir.path()), "");
    }
}

TEST(FileDialogs, SaveProposesTheNameAndDoesNotAskBeforeReplacing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QFile existing(dir.filePath("mark.mrt"));
        ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    }
    QtDialogs dialogs(nullptr);
    const QStringList filters = {u("Файлы Текстовых Марок (*.mrt)")};
    {
        OnNextModal driver([&](QDialog* d) {
            auto* files = qobject_cast<QFileDialog*>(d);
            ASSERT_NE(files, nullptr);
            EXPECT_EQ(files->windowTitle(), u("Сохранить Файл Марки как.."));
            EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_TRUE(files->testOption(QFileDialog::DontConfirmOverwrite));
            EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_EQ(files->nameFilters(), filters);
            EXPECT_EQ(files->findChild<QLineEdit*>("fileNameEdit")->text(), "mark.mrt");
            d->accept(); // QFileDialog::accept() checks the choice
        });
        EXPECT_EQ(
            dialogs.saveFileName(u("Сохранить Файл Марки как.."), filters, dir.path(), "mark.mrt"),
            QFileInfo(dir.filePath("mark.mrt")).absoluteFilePath());
    }
    {
        OnNextModal driver([](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); });
        EXPECT_EQ(
            dialogs.saveFileName(u("Сохранить Файл Марки как.."), filters, dir.path(), "mark.mrt"),
            "");
    }
}

} // namespace
} // namespace nimbrel::app
