#pragma once

#include "app/StatusFields.h"

#include <QWidget>
#include <functional>
#include <memory>

class QLabel;
class QScrollArea;

namespace nimbrel::app {

struct Session;

// The graphics window: the enlarged logo editor and the logo at natural size.
class GraphicsWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsWindow(QWidget* parent = nullptr);
    // Connects the window to the program's state; `run` runs a command as the menu would.
    void bind(Session& session, std::function<void(int)> run);
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
