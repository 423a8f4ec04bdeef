#pragma once

#include "link/ShellState.h"

#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStatusBar;
class QTableView;

namespace nimbrel::app {

// A status bar made of fixed-width fields, as the two child windows show them.
class StatusFields {
public:
    StatusFields(QStatusBar* bar, const std::vector<int>& widths);
    void setText(int field, const QString& text);
    void setIcon(int field, link::LinkIcon icon);
    QString text(int field) const;
    QLabel* field(int i) const { return m_fields.at(i); }

private:
    std::vector<QLabel*> m_fields;
};

// The mark window: mark table, fragment editor controls and the preview strip.
class MarkWindow : public QWidget {
    Q_OBJECT
public:
    explicit MarkWindow(QWidget* parent = nullptr);
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

// The graphics window: the enlarged logo editor and the logo at natural size.
class GraphicsWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsWindow(QWidget* parent = nullptr);
    void render(const link::ShellState& shell);

    QScrollArea* editorArea() const { return m_editorArea; }
    QLabel* editorPicture() const { return m_editor; }
    QLabel* logoPicture() const { return m_logo; }
    StatusFields& status() { return *m_status; }

private:
    QScrollArea* m_editorArea;
    QLabel* m_editor;
    QLabel* m_logo;
    std::unique_ptr<StatusFields> m_status;
};

} // namespace nimbrel::app
