#include "app/GraphicsWindow.h"

#include "app/Icons.h"
#include "logos/EditorMouse.h"
#include "session/LogoUndo.h"
#include "session/Session.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>

namespace nimbrel::app {

namespace {

constexpr int kEditorInnerWidth = 8192;
constexpr int kEditorInnerHeight = 330;

logos::MouseButtons heldButtons(Qt::MouseButtons buttons) {
    const bool left = buttons & Qt::LeftButton;
    const bool right = buttons & Qt::RightButton;
    if (left && right)
        return logos::MouseButtons::Both;
    if (left)
        return logos::MouseButtons::Left;
    if (right)
        return logos::MouseButtons::Right;
    return logos::MouseButtons::None;
}

} // namespace

LogoImageView::LogoImageView(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
}

void LogoImageView::setImage(const QImage* image) {
    m_image = image;
    update();
}

void LogoImageView::paintEvent(QPaintEvent* event) {
    if (!m_image)
        return;
    const QRect area = event->rect() & m_image->rect();
    if (area.isEmpty())
        return;
    QPainter painter(this);
    painter.drawImage(area.topLeft(), *m_image, area);
}

void LogoImageView::mousePressEvent(QMouseEvent* event) {
    if (onMouse)
        onMouse(event);
}

void LogoImageView::mouseMoveEvent(QMouseEvent* event) {
    if (onMouse)
        onMouse(event);
}

void LogoImageView::mouseReleaseEvent(QMouseEvent* event) {
    if (onRelease)
        onRelease(event);
}

GraphicsWindow::GraphicsWindow(QWidget* parent) : QWidget(parent) {
    retranslate();
    setWindowIcon(graphicsWindowIcon());
    QStatusBar* bar = nullptr;
    m_canvas = makeCanvas(this, &bar);
    m_canvas->installEventFilter(this);

    m_editor = new LogoImageView;
    m_editor->setObjectName(QStringLiteral("logoEditor"));
    m_editor->setGeometry(10, 10, logos::kGridImageWidth, logos::kGridImageHeight);
    m_editor->setMouseTracking(true);
    m_editor->onMouse = [this](QMouseEvent* event) { editorMouse(m_editor, event); };
    m_editor->onRelease = [this](QMouseEvent* event) { editorRelease(event); };
    m_editorArea = new QScrollArea(m_canvas);
    m_editorArea->setGeometry(10, 10, 780, 360);
    // The margin around the picture reports the mouse too: "XY=" follows it there.
    auto* inner = new LogoImageView;
    inner->setObjectName(QStringLiteral("logoEditorMargin"));
    inner->setFixedSize(kEditorInnerWidth, kEditorInnerHeight);
    inner->setMouseTracking(true);
    inner->onMouse = [this, inner](QMouseEvent* event) { editorMouse(inner, event); };
    m_editor->setParent(inner);
    m_editorArea->setWidget(inner);
    m_editorArea->horizontalScrollBar()->setSingleStep(160);
    // Without a frame the viewport starts at the area's corner, so a position on the canvas
    // maps onto the grid exactly.
    m_editorArea->setFrameShape(QFrame::NoFrame);
    m_editorArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editorArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editorArea->horizontalScrollBar()->setPageStep(770);
    connect(m_editorArea->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int position) { scrolled(position); });

    m_logo = new LogoImageView(m_canvas);
    m_logo->setObjectName(QStringLiteral("logoPicture"));
    m_logo->setGeometry(10, 405, logos::kStripWidth, logos::kStripHeight);

    m_status = std::make_unique<StatusFields>(bar, std::vector<int>{360, 80, 110, 23, 150});
    // "Размер XY: 819x32" and a 48-character file name must fit their fixed fields; Arial
    // Narrow's metric twin comes with the same font package as the program's other fonts.
    for (int i : {0, 1, 2, 4}) {
        QFont font = m_status->field(i)->font();
        font.setFamily(QStringLiteral("Liberation Sans Narrow"));
        m_status->field(i)->setFont(font);
    }

    // Keys of this view only, as actions of the window rather than of a menu: the menus stay
    // as they are, and the mark window's text field keeps its own Ctrl+Z.
    const auto addKeys = [this](QList<QKeySequence> keys, void (*step)(Session&)) {
        auto* action = new QAction(this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, [this, step] {
            if (m_session)
                step(*m_session);
        });
        addAction(action);
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Z)}, session::undoLogoStep);
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            session::redoLogoStep);
}

bool GraphicsWindow::eventFilter(QObject* watched, QEvent* event) {
    // A wider canvas shows more columns of the editor; its height is the grid's own.
    if (watched == m_canvas && event->type() == QEvent::Resize) {
        const int width = 780 + canvasGrowth(m_canvas).width();
        m_editorArea->resize(width, m_editorArea->height());
        m_editorArea->horizontalScrollBar()->setPageStep(width - 10);
    }
    return QWidget::eventFilter(watched, event);
}

void GraphicsWindow::retranslate() {
    setWindowTitle(QCoreApplication::translate("GraphicsWindow", "ГРАФИКА\t(Ctrl+G)"));
}

void GraphicsWindow::bind(Session& session) {
    m_session = &session;
    m_editor->setImage(&session.logos.grid);
    m_logo->setImage(&session.logos.logo);
    session.logos.columnOffset = m_editorArea->horizontalScrollBar()->value() / 10;
}

// The column offset is the scroll position / 10; positions in between would paint a cell
// beside the one under the mouse, so the grid always stops on a cell boundary.
void GraphicsWindow::scrolled(int position) {
    if (position % logos::kCellPitch != 0) {
        m_editorArea->horizontalScrollBar()->setValue(position - position % logos::kCellPitch);
        return;
    }
    if (m_session)
        m_session->logos.columnOffset = position / logos::kCellPitch;
}

void GraphicsWindow::editorMouse(QWidget* from, QMouseEvent* event) {
    if (!m_session || m_session->shell.activeView != session::View::Logo)
        return;
    // A stroke is one step, from the press to the release; a drag that came in from outside
    // the editor starts its step at the first move.
    const bool held = event->buttons() != Qt::NoButton;
    if (held && (event->type() == QEvent::MouseButtonPress || !m_session->logoUndo.isOpen()))
        m_session->logoUndo.begin(m_session->logos);
    const QPoint client = from->mapTo(m_canvas, event->position().toPoint());
    // A press paints with the left button only; the right one paints while it moves.
    const logos::MouseButtons buttons =
        event->type() == QEvent::MouseButtonPress
            ? (event->button() == Qt::LeftButton ? logos::MouseButtons::Left
                                                 : logos::MouseButtons::None)
            : heldButtons(event->buttons());
    logos::handleEditorMouse(m_session->logos, m_session->shell.cursorStatus, client, buttons);
    m_status->setText(1, m_session->shell.cursorStatus);
    showLogoChanges();
}

void GraphicsWindow::editorRelease(QMouseEvent* event) {
    if (m_session && event->buttons() == Qt::NoButton && m_session->logoUndo.isOpen())
        m_session->logoUndo.end(m_session->logos);
}

void GraphicsWindow::showLogoChanges() {
    if (!m_session)
        return;
    logos::LogoState& logo = m_session->logos;
    if (logo.scrollHome) {
        logo.scrollHome = false;
        m_editorArea->horizontalScrollBar()->setValue(0);
    }
    if (!logo.gridDirty.isEmpty())
        m_editor->update(logo.gridDirty);
    if (!logo.logoDirty.isEmpty())
        m_logo->update(logo.logoDirty);
    logo.gridDirty = QRect();
    logo.logoDirty = QRect();
}

void GraphicsWindow::render(const session::ShellState& shell) {
    m_status->setText(0, shell.pictureStatus);
    m_status->setText(1, shell.cursorStatus);
    m_status->setText(2, shell.sizeStatus);
    m_status->setIcon(3, shell.graphicsLinkIcon);
    m_status->setText(4, shell.portText);
    showLogoChanges();
}

} // namespace nimbrel::app
