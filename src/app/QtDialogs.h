#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace nimbrel::app {

// The program's dialogs on Qt Widgets. Every dialog is modal over the whole program, stays
// above the always-on-top main window and is built afresh for each call.
class QtDialogs final : public platform::Dialogs {
public:
    explicit QtDialogs(QWidget* parent);

    // Played as a text dialog opens: the system's question sound (a test counts it).
    std::function<void()> questionSound;

    // The window the dialogs belong to; it can be set once the main window exists.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    QString inputDialog(const QString& title, const QString& info, const QString& prompt,
                        const QString& proposed) override;
    QString questionDialog(const QString& title, const QString& prompt,
                           const QString& proposed) override;
    QString requester(const QString& title, const QString& prompt,
                      const QString& proposed) override;
    int message(const QString& title, const QString& text, int kind) override;

    QString openFileName(const QString& title, const QStringList& filters,
                         const QString& directory) override;
    QString saveFileName(const QString& title, const QStringList& filters, const QString& directory,
                         const QString& proposedName) override;
    QString folderName(const QString& title, const QString& directory) override;
    std::optional<platform::ConversionOptions> pictureConversion(const QImage& picture,
                                                                 const QString& name) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace nimbrel::app
