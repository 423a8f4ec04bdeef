#pragma once

#include "app/StatusFields.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTableView;

namespace nimbrel::marks {
struct MarkState;
}

namespace nimbrel::session {
struct Session;
}

namespace nimbrel::app {

using session::Session;

// The mark window: mark table, fragment editor controls and the preview strip. It shows the
// session's mark state and writes back what the user changes in the editor controls.
class MarkWindow : public QWidget {
    Q_OBJECT
public:
    explicit MarkWindow(QWidget* parent = nullptr);
    // Connects the window to the program's state.
    void bind(Session& session);
    void render(const session::ShellState& shell);
    // Title, button and lists in the language now in use.
    void retranslate();

    QTableView* table() const { return m_table; }
    QComboBox* typeList() const { return m_typeList; }
    QComboBox* fontList() const { return m_fontList; }
    QLineEdit* textField() const { return m_textField; }
    QPushButton* changeButton() const { return m_changeButton; }
    QScrollArea* previewArea() const { return m_previewArea; }
    QLabel* previewPicture() const { return m_preview; }
    StatusFields& status() { return *m_status; }

    // How long a note about refused characters stays in the status bar.
    static constexpr int kNoteMs = 5000;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void bindTable();
    void bindEditor();
    void rowClicked(int row);
    void change();
    // The type in the editor is "ШтрихКод EAN".
    bool barcode() const;
    void completeBarcode();
    void refused(const QString& characters);
    // The parts of the mark state the window shows: preview, selection, editor controls.
    void renderMarks();
    void renderStatusNote();
    // Table, text field and preview grow with the canvas; the controls below move down.
    void fitToCanvas();

    QWidget* m_canvas;
    QTableView* m_table;
    QComboBox* m_typeList;
    QComboBox* m_fontList;
    QLineEdit* m_textField;
    QPushButton* m_changeButton;
    QScrollArea* m_previewArea;
    QLabel* m_preview;
    std::unique_ptr<StatusFields> m_status;

    marks::MarkState* m_marks = nullptr;
    int m_shownPreview = -1;
    QString m_markStatus; // the status text the commands set, shown when no note is
    QString m_note;
    QTimer m_noteTimer;
};

} // namespace nimbrel::app
