#include "app/ProgressBox.h"

#include "app/ExchangeWorker.h"
#include "app/WindowTitle.h"

#include <QGuiApplication>
#include <QScreen>

#include <QCoreApplication>
#include <algorithm>

namespace nimbrel::app {

ProgressBox::~ProgressBox() {
    end();
}

void ProgressBox::begin(const QString& title, int steps) {
    end();
    auto* box = new QProgressDialog(QString(), QCoreApplication::translate("ProgressBox", "Стоп"),
                                    0, std::max(1, steps), m_parent);
    box->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowStaysOnTopHint);
    box->setWindowTitle(title);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAutoClose(false);
    box->setAutoReset(false);
    // Shown at once: work of many exchanges takes long enough, and the box is its only sign.
    box->setMinimumDuration(0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int limit = screen ? screen->availableGeometry().width() : 800;
    box->resize(std::max(box->sizeHint().width(), widthForTitle(box, title, limit)),
                box->sizeHint().height());
    m_dialog = box;
    m_worker.passInputTo(box);
    box->show();
}

bool ProgressBox::next(int index, const QString& text) {
    if (!m_dialog)
        return true;
    if (m_dialog->wasCanceled())
        return false;
    m_dialog->setLabelText(text);
    m_dialog->setValue(index);
    return !m_dialog->wasCanceled();
}

void ProgressBox::end() {
    m_worker.passInputTo(nullptr);
    delete m_dialog;
}

} // namespace nimbrel::app
