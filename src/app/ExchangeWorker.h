#pragma once

#include "link/Exchange.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace nimbrel::app {

// Runs each exchange on a worker thread while the window thread waits in a local event loop:
// the windows keep painting, the clock keeps going and the busy cursor shows, while input to
// the windows is held (no second command starts, nothing re-enters a routine). The routines
// and operations stay as they are: they still see one exchange return after another.
class ExchangeWorker final : public QObject {
public:
    ExchangeWorker();
    ~ExchangeWorker() override;
    ExchangeWorker(const ExchangeWorker&) = delete;
    ExchangeWorker& operator=(const ExchangeWorker&) = delete;

    // Runs `body` to its end on another thread.
    void run(const std::function<void()>& body);
    link::ExchangeRunner runner() {
        return [this](const std::function<void()>& body) { run(body); };
    }
    bool running() const { return m_running; }

    // Input to this window passes while an exchange runs (the progress box and its "Стоп").
    void passInputTo(QWidget* window) { m_open = window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_running = false;
    QPointer<QWidget> m_open;
};

} // namespace nimbrel::app
