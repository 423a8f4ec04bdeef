#pragma once

#include "app/ExchangeWorker.h"
#include "app/GraphicsWindow.h"
#include "app/MarkWindow.h"
#include "app/ProgressBox.h"
#include "platform/Language.h"
#include "session/Dispatcher.h"
#include "session/MenuDefinitions.h"
#include "session/Session.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QTimer>
#include <map>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace nimbrel::app {

using session::Dispatcher;
using session::MenuNode;
using session::Session;

// The frame window: menus, shortcuts, the two child windows and the clock. It renders the
// session's shell state and hands every command to the dispatcher.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Session& session, Dispatcher& dispatcher);
    ~MainWindow() override;

    // Runs one command as the event loop would: exit commands ask the exit question.
    void runCommand(int id);
    // Shows the state the commands have left.
    void render();

    QAction* action(int id) const;
    QMenu* topMenu(int position) const;
    MarkWindow* markWindow() const { return m_mark; }
    GraphicsWindow* graphicsWindow() const { return m_graphics; }
    QMdiSubWindow* markSubWindow() const { return m_markSub; }
    QMdiSubWindow* graphicsSubWindow() const { return m_graphicsSub; }
    const ExchangeWorker& exchangeWorker() const { return m_worker; }
    ProgressBox& progressBox() { return m_progress; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's own texts and the menus, made again in the language now in use.
    void retranslate();
    void buildMenus();
    void addNodes(QMenu* menu, const std::vector<MenuNode>& nodes);
    void addShortcut(const QKeySequence& keys, int id);
    void requestExit();
    // A key press of one of the program's shortcuts on a widget of this window.
    bool isProgramShortcut(QObject* watched, QEvent* event) const;

    Session& m_s;
    Dispatcher& m_dispatcher;
    QMdiArea* m_mdi;
    MarkWindow* m_mark;
    GraphicsWindow* m_graphics;
    QMdiSubWindow* m_markSub;
    QMdiSubWindow* m_graphicsSub;
    std::map<int, QAction*> m_actions;
    std::map<int, QMenu*> m_topMenus;
    std::vector<QKeySequence> m_shortcutKeys;
    QTimer m_clock;
    // Asks the port twice a second, between exchanges, whether its device is still there.
    QTimer m_portWatch;
    ExchangeWorker m_worker;
    ProgressBox m_progress{m_worker, this};
    platform::Language m_language = platform::currentLanguage();
    bool m_exiting = false;
    bool m_busyCursor = false;
};

} // namespace nimbrel::app
