#include "app/MessageBoxDialog.h"

#include "app/DialogTextView.h"
#include "app/WindowTitle.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace nimbrel::app {

namespace {

QStyle::StandardPixmap standardPixmap(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Error:
        return QStyle::SP_MessageBoxCritical;
    case MessageIcon::Question:
        return QStyle::SP_MessageBoxQuestion;
    case MessageIcon::Warning:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

// Room for the window frame and title bar, which the layout does not see.
constexpr int kScreenReserve = 60;

} // namespace

MessageBoxDialog::MessageBoxDialog(QWidget* parent, const QString& title, const QString& text,
                                   int kind)
    : QDialog(parent), m_text(text), m_layout(messageBoxLayout(kind)) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowStaysOnTopHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (m_layout.escapeAnswer != 0)
        flags |= Qt::WindowCloseButtonHint;
    setWindowFlags(flags);
    setWindowTitle(title);
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    m_body = new QHBoxLayout;
    m_body->setSpacing(style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing) * 2);
    if (m_layout.icon != MessageIcon::None) {
        m_iconLabel = new QLabel(this);
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        m_iconLabel->setPixmap(
            style()->standardIcon(standardPixmap(m_layout.icon), nullptr, this).pixmap(size));
        m_iconLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_body->addWidget(m_iconLabel, 0, Qt::AlignTop);
    }
    m_view = new DialogTextView(this);
    m_view->setWrapping(true);
    m_view->setLines(displayLines(text));
    m_body->addWidget(m_view, 1, Qt::AlignTop);
    outer->addLayout(m_body);

    auto* row = new QHBoxLayout;
    row->addStretch(1);
    for (const auto& button : m_layout.buttons) {
        auto* push = new QPushButton(button.text, this);
        push->setAutoDefault(true);
        const int answer = button.answer;
        connect(push, &QPushButton::clicked, this, [this, answer] { done(answer); });
        row->addWidget(push);
        m_buttons << push;
    }
    outer->addLayout(row);
    m_buttons[m_layout.defaultButton]->setDefault(true);
    m_buttons[m_layout.defaultButton]->setFocus();

    sizeToText();
}

void MessageBoxDialog::sizeToText() {
    const QScreen* screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);

    // Room that margins, icon and button row take beside and below the text.
    auto* outer = static_cast<QBoxLayout*>(layout());
    const QMargins margins = outer->contentsMargins();
    int besideText = margins.left() + margins.right();
    if (m_iconLabel)
        besideText += m_iconLabel->sizeHint().width() + m_body->spacing();
    const int belowText = margins.top() + margins.bottom() + outer->spacing() +
                          m_buttons.first()->sizeHint().height();

    // Lines wider than three quarters of the screen wrap.
    const int maxWidth = std::max(200, available.width() * 3 / 4 - besideText);
    const int maxHeight = std::max(100, available.height() - belowText - kScreenReserve);
    QSize text = m_view->contentSize(maxWidth);
    // Scroll bars are fixed on or off: left to themselves they can trade places with a
    // wrapped line and never settle.
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (text.height() > maxHeight) {
        text.setHeight(maxHeight);
        text.setWidth(text.width() + m_view->verticalScrollBar()->sizeHint().width());
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    } else {
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }
    // The whole title must be readable in the title bar, up to the screen's width.
    const int titleWidth =
        widthForTitle(this, windowTitle(), available.width() - kScreenReserve) - besideText;
    text.setWidth(std::max(text.width(), titleWidth));
    m_view->setFixedSize(text);
    keepTitleBarEmpty(this);
}

QString MessageBoxDialog::clipboardText() const {
    return messageBoxClipboardText(windowTitle(), m_text, buttonTexts(m_layout));
}

int MessageBoxDialog::run() {
    // Copied first: the box may be gone when exec() returns (its parent closed under it).
    const QList<MessageButton> buttons = m_layout.buttons;
    const int result = exec();
    for (const auto& button : buttons)
        if (button.answer == result)
            return result;
    return buttons.last().answer;
}

void MessageBoxDialog::reject() {
    if (m_layout.escapeAnswer != 0)
        done(m_layout.escapeAnswer);
}

void MessageBoxDialog::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(clipboardText());
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace nimbrel::app
