#include "app/ExchangeWorker.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QThread>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace nimbrel::app {

namespace {

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

ExchangeWorker::ExchangeWorker() {
    qApp->installEventFilter(this);
}

ExchangeWorker::~ExchangeWorker() {
    qApp->removeEventFilter(this);
}

void ExchangeWorker::run(const std::function<void()>& body) {
    // Input is held while an exchange runs, so no second one can start from this thread.
    if (m_running) {
        body();
        return;
    }
    m_running = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    std::unique_ptr<QThread> thread(QThread::create(body));
    // Queued: the end may come before the loop runs, and is then taken as its first event.
    connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread->start();
    loop.exec();
    thread->wait();
    QApplication::restoreOverrideCursor();
    m_running = false;
}

bool ExchangeWorker::eventFilter(QObject* watched, QEvent* event) {
    if (!m_running || !isInput(event->type()))
        return false;
    if (m_open) {
        // The window system's events come to the window's handle first, then to its widgets.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget ? widget->window() == m_open : watched == m_open->windowHandle())
            return false;
    }
    // A close asked for now (the window manager's close box) is refused; the user may ask
    // again once the printer has answered.
    event->ignore();
    return true;
}

} // namespace nimbrel::app
