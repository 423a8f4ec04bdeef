#pragma once

// Helpers shared by the dialog and message-box tests.

#include "app/DialogTabStops.h"
#include "app/DialogTextView.h"
#include "app/MessageBoxDialog.h"
#include "app/MessageBoxText.h"
#include "app/QtDialogs.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <tuple>

namespace nimbrel::app::dialogtest {

inline QString u(const char* text) {
    return QString::fromUtf8(text);
}

// Runs `action` on the next modal dialog as soon as it is up. Whatever the action leaves open
// is closed (and reported), so a failing check never leaves a test waiting.
class OnNextModal {
public:
    explicit OnNextModal(std::function<void(QDialog*)> action) : m_action(std::move(action)) {
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            m_timer.stop();
            m_ran = true;
            QPointer<QDialog> guard(dialog);
            m_action(dialog);
            if (guard && guard->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                guard->done(0);
            }
        });
        m_timer.start();
    }
    ~OnNextModal() {
        m_timer.stop();
        EXPECT_TRUE(m_ran) << "no modal dialog appeared";
    }

private:
    std::function<void(QDialog*)> m_action;
    QTimer m_timer;
    bool m_ran = false;
};

template <typename T> T* child(QDialog* dialog, const char* name) {
    return dialog->findChild<T*>(QString::fromLatin1(name));
}

inline QPushButton* buttonWithText(QDialog* dialog, const QString& text) {
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// The x position, inside the view, where the text after the last tab of each line starts.
inline QList<qreal> columnAfterLastTab(const QTextEdit* view) {
    QList<qreal> xs;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        const qsizetype tab = block.text().lastIndexOf(u'\t');
        if (tab < 0)
            continue;
        const QTextLine line = block.layout()->lineForTextPosition(static_cast<int>(tab + 1));
        xs << line.cursorToX(static_cast<int>(tab + 1));
    }
    return xs;
}

// Case tables name their rows; the names show in test names and failure messages.
template <typename Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}
template <typename Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

// Every line of the view is inside it: no line wrapped, nothing scrolled away.
inline void expectWholeTextVisible(const QTextEdit* view, int lineCount) {
    EXPECT_EQ(view->document()->blockCount(), lineCount);
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next())
        EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    EXPECT_FALSE(view->verticalScrollBar()->isVisible());
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    EXPECT_LE(view->document()->size().height(), view->viewport()->height());
    EXPECT_LE(view->document()->idealWidth(), view->viewport()->width());
}

struct KindCase {
    const char* name;
    int kind;
    QStringList buttons;
    QList<int> answers;
    MessageIcon icon;
    int escapeAnswer; // 0: Esc and the close box do nothing
};

inline const QList<KindCase>& kindCases() {
    static const QList<KindCase> cases = {
        {"Plain0", 0, {"OK"}, {1}, MessageIcon::None, 1},
        {"YesNoCancel3", 3, {u("Да"), u("Нет"), u("Отмена")}, {6, 7, 2}, MessageIcon::None, 2},
        {"Question4", 4, {u("Да"), u("Нет")}, {6, 7}, MessageIcon::None, 0},
        {"Error16", 16, {"OK"}, {1}, MessageIcon::Error, 1},
        {"ErrorQuestion20", 20, {u("Да"), u("Нет")}, {6, 7}, MessageIcon::Error, 0},
        {"QuestionYesNoCancel35",
         35,
         {u("Да"), u("Нет"), u("Отмена")},
         {6, 7, 2},
         MessageIcon::Question,
         2},
        {"WarningQuestion52", 52, {u("Да"), u("Нет")}, {6, 7}, MessageIcon::Warning, 0},
        {"Information64", 64, {"OK"}, {1}, MessageIcon::Information, 1},
    };
    return cases;
}

} // namespace nimbrel::app::dialogtest
