#pragma once

#include "app/StatusFields.h"

#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableView;

namespace nimbrel::app {

struct Session;

// The mark window: mark table, fragment editor controls and the preview strip.
class MarkWindow : public QWidget {
    Q_OBJECT
public:
    explicit MarkWindow(QWidget* parent = nullptr);
    // Connects the window to the program's state; `run` runs a command as the menu would.
    void bind(Session& session, std::function<void(int)> run);
    void render(const link::ShellState& shell);

    QTableView* table() const { return m_table; }
    QComboBox* typeList() const { return m_typeList; }
    QComboBox* fontList() const { return m_fontList; }
    QLineEdit* textField() const { return m_textField; }
    QPushButton* changeButton() const { return m_changeButton; }
    StatusFields& status() { return *m_status; }

private:
    QTableView* m_table;
    QComboBox* m_typeList;
    QComboBox* m_fontList;
    QLineEdit* m_textField;
    QPushButton* m_changeButton;
    QScrollArea* m_previewArea;
    QLabel* m_preview;
    std::unique_ptr<StatusFields> m_status;
};

} // namespace nimbrel::app
