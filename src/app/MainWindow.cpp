#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>

namespace nimbrel::app {

using session::kCmdConnect;
using session::kCmdExit;
using session::kCmdGraphicsView;
using session::kCmdMarkView;
using session::kCmdSettingsReport;
using session::menuBarDefinition;
using session::MenuNode;
using session::TopMenu;

namespace {

QString mainTitle() {
    return QCoreApplication::translate("MainWindow", "'NIMBREL' для T2x/T7x/T9x  версия 5.0");
}

} // namespace

MainWindow::MainWindow(Session& session, Dispatcher& dispatcher)
    : m_s(session), m_dispatcher(dispatcher) {
    setWindowTitle(mainTitle());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    // It starts at the size the child windows were laid out for and grows from there.
    setMinimumSize(800, 600);
    resize(800, 600);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_mdi = new QMdiArea(this);
    setCentralWidget(m_mdi);

    m_mark = new MarkWindow;
    m_markSub = m_mdi->addSubWindow(m_mark);
    m_markSub->setWindowTitle(m_mark->windowTitle());
    m_markSub->setWindowIcon(m_mark->windowIcon());
    m_markSub->installEventFilter(this);

    m_graphics = new GraphicsWindow;
    m_graphicsSub = m_mdi->addSubWindow(m_graphics);
    m_graphicsSub->setWindowTitle(m_graphics->windowTitle());
    m_graphicsSub->setWindowIcon(m_graphics->windowIcon());
    m_graphicsSub->installEventFilter(this);

    m_mark->bind(m_s);
    m_graphics->bind(m_s);
    buildMenus();
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), kCmdGraphicsView);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), kCmdMarkView);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_C), kCmdConnect);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), kCmdExit);
    addShortcut(QKeySequence(Qt::CTRL | Qt::Key_U), kCmdSettingsReport);

    m_markSub->showMaximized();
    m_graphicsSub->showMaximized();
    m_mdi->setActiveSubWindow(m_graphicsSub);

    m_s.shell.changed = [this] { render(); };
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, [this] { m_dispatcher.tickClock(); });
    m_clock.start();
    m_portWatch.setInterval(500);
    connect(&m_portWatch, &QTimer::timeout, this, [this] {
        if (!m_worker.running() && !m_s.shell.talking)
            m_dispatcher.watchPort();
    });
    m_portWatch.start();
    m_s.exchangeRunner = m_worker.runner();
    m_s.progress = &m_progress;
    // Text fields and lists claim Ctrl+C and Ctrl+U for themselves (copy, erase the line);
    // in this window those keys belong to the program, whichever widget has the focus.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    m_s.shell.changed = nullptr;
    m_s.exchangeRunner = nullptr;
    m_s.progress = nullptr;
}

void MainWindow::retranslate() {
    m_language = platform::currentLanguage();
    setWindowTitle(mainTitle());
    m_mark->retranslate();
    m_graphics->retranslate();
    m_markSub->setWindowTitle(m_mark->windowTitle());
    m_graphicsSub->setWindowTitle(m_graphics->windowTitle());
    buildMenus();
}

void MainWindow::buildMenus() {
    // A change of language comes from a menu item's own signal: the menus made before go
    // once it has been handled.
    menuBar()->clear();
    for (auto& [position, menu] : m_topMenus)
        menu->deleteLater();
    m_topMenus.clear();
    m_actions.clear();
    for (const TopMenu& top : menuBarDefinition()) {
        QMenu* menu = menuBar()->addMenu(top.title);
        m_topMenus[top.position] = menu;
        addNodes(menu, top.nodes);
    }
}

void MainWindow::addNodes(QMenu* menu, const std::vector<MenuNode>& nodes) {
    for (const MenuNode& node : nodes) {
        switch (node.kind) {
        case MenuNode::Kind::Separator:
            menu->addSeparator();
            break;
        case MenuNode::Kind::Submenu:
            addNodes(menu->addMenu(node.text), node.children);
            break;
        case MenuNode::Kind::Item: {
            QAction* a = menu->addAction(node.text);
            a->setCheckable(node.checkable);
            const int id = node.id;
            connect(a, &QAction::triggered, this, [this, id] { runCommand(id); });
            m_actions[id] = a;
            break;
        }
        }
    }
}

void MainWindow::addShortcut(const QKeySequence& keys, int id) {
    m_shortcutKeys.push_back(keys);
    auto* shortcut = new QShortcut(keys, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, id] { runCommand(id); });
}

QAction* MainWindow::action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QMenu* MainWindow::topMenu(int position) const {
    auto it = m_topMenus.find(position);
    return it == m_topMenus.end() ? nullptr : it->second;
}

void MainWindow::runCommand(int id) {
    if (id == 9 || id == kCmdExit) {
        requestExit();
        return;
    }
    m_dispatcher.dispatch(id);
    render();
}

void MainWindow::requestExit() {
    if (m_exiting)
        return;
    if (m_dispatcher.confirmExit()) {
        m_exiting = true;
        QApplication::quit();
    }
}

void MainWindow::render() {
    if (m_language != platform::currentLanguage())
        retranslate();
    const session::ShellState& shell = m_s.shell;
    for (auto& [id, a] : m_actions) {
        a->setEnabled(shell.enabled(id));
        if (a->isCheckable())
            a->setChecked(shell.itemChecked.count(id) && shell.itemChecked.at(id));
    }
    for (auto& [position, menu] : m_topMenus) {
        auto it = shell.topEnabled.find(position);
        menu->menuAction()->setEnabled(it == shell.topEnabled.end() || it->second);
    }

    m_markSub->setVisible(shell.markWindowShown);
    m_graphicsSub->setVisible(shell.graphicsWindowShown);
    QMdiSubWindow* front = shell.activeView == session::View::Mark ? m_markSub : m_graphicsSub;
    if (front->isVisible()) {
        if (!front->isMaximized())
            front->showMaximized();
        if (m_mdi->activeSubWindow() != front)
            m_mdi->setActiveSubWindow(front);
    }

    m_mark->render(shell);
    m_graphics->render(shell);

    if (shell.talking != m_busyCursor) {
        m_busyCursor = shell.talking;
        if (m_busyCursor)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    // A command runs outside the event loop between its exchanges; paint now so the link
    // icons show what is going on.
    if (isVisible()) {
        m_mark->status().field(1)->repaint();
        m_graphics->status().field(3)->repaint();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_exiting) {
        event->accept();
        return;
    }
    event->ignore();
    requestExit();
}

bool MainWindow::isProgramShortcut(QObject* watched, QEvent* event) const {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    // Only widgets of this window: a message box keeps its own Ctrl+C (copy the text).
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const QKeySequence& keys : m_shortcutKeys)
        if (keys == pressed)
            return true;
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (isProgramShortcut(watched, event)) {
        // Left unaccepted, the override lets the window's shortcut run instead of the widget.
        event->ignore();
        return true;
    }
    if (event->type() == QEvent::Close && (watched == m_markSub || watched == m_graphicsSub)) {
        event->ignore();
        requestExit();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace nimbrel::app
