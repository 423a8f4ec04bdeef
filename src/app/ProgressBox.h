#pragma once

#include "session/Progress.h"

#include <QPointer>
#include <QProgressDialog>

namespace nimbrel::app {

class ExchangeWorker;

// Work of many exchanges in a progress box: what is being done, how far, and "Стоп", which
// the worker lets through while an exchange runs; the work stops before its next step.
class ProgressBox final : public session::Progress {
public:
    ProgressBox(ExchangeWorker& worker, QWidget* parent) : m_worker(worker), m_parent(parent) {}
    ~ProgressBox() override;
    ProgressBox(const ProgressBox&) = delete;
    ProgressBox& operator=(const ProgressBox&) = delete;

    void begin(const QString& title, int steps) override;
    bool next(int index, const QString& text) override;
    void end() override;

    // The box while work runs, else null.
    QProgressDialog* dialog() const { return m_dialog; }

private:
    ExchangeWorker& m_worker;
    QPointer<QWidget> m_parent;
    QPointer<QProgressDialog> m_dialog;
};

} // namespace nimbrel::app
