#include "app/GraphicsWindow.h"

#include "app/Icons.h"

#include <QLabel>
#include <QScrollArea>
#include <QStatusBar>

namespace nimbrel::app {

GraphicsWindow::GraphicsWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("ГРАФИКА\t(Ctrl+G)"));
    setWindowIcon(graphicsWindowIcon());
    QStatusBar* bar = nullptr;
    QWidget* canvas = makeCanvas(this, &bar);

    m_editor = new QLabel;
    m_editor->setObjectName(QStringLiteral("logoEditor"));
    m_editor->setGeometry(10, 10, 8192, 330);
    m_editor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_editorArea = makeScrollArea(canvas, QRect(10, 10, 780, 360), m_editor, QSize(8192, 330));

    m_logo = new QLabel(canvas);
    m_logo->setObjectName(QStringLiteral("logoPicture"));
    m_logo->setGeometry(10, 405, 780, 32);
    m_logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_status = std::make_unique<StatusFields>(bar, std::vector<int>{360, 80, 110, 23, 150});
}

void GraphicsWindow::bind(Session& session, std::function<void(int)> run) {
    (void)session;
    (void)run;
}

void GraphicsWindow::render(const link::ShellState& shell) {
    m_status->setText(0, shell.pictureStatus);
    m_status->setText(1, shell.cursorStatus);
    m_status->setText(2, shell.sizeStatus);
    m_status->setIcon(3, shell.graphicsLinkIcon);
    m_status->setText(4, shell.portText);
}

} // namespace nimbrel::app
