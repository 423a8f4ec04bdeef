#pragma once

#include "app/MessageBoxText.h"

#include <QDialog>

class QBoxLayout;
class QLabel;
class QPushButton;

namespace nimbrel::app {

class DialogTextView;

// The program's message box: title, text with aligned tab columns, an icon and the buttons of
// its kind. exec() returns the answer (kOk, kYes, kNo or kCancel). Ctrl+C copies the box.
class MessageBoxDialog final : public QDialog {
    Q_OBJECT
public:
    MessageBoxDialog(QWidget* parent, const QString& title, const QString& text, int kind);

    MessageIcon icon() const { return m_layout.icon; }
    QList<QPushButton*> buttons() const { return m_buttons; }
    DialogTextView* textView() const { return m_view; }
    QLabel* iconLabel() const { return m_iconLabel; }
    QString clipboardText() const;

    // Runs the box; anything but a button, Esc or the close box counts as its last button.
    int run();

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void sizeToText();

    QString m_text;
    MessageBoxLayout m_layout;
    DialogTextView* m_view = nullptr;
    QLabel* m_iconLabel = nullptr;
    QBoxLayout* m_body = nullptr;
    QList<QPushButton*> m_buttons;
};

} // namespace nimbrel::app
