#pragma once

#include "app/StatusFields.h"

#include <QWidget>
#include <functional>
#include <memory>

class QScrollArea;

namespace nimbrel::session {
struct Session;
}

namespace nimbrel::app {

using session::Session;

// Shows an image the session owns, repainting only the parts asked for.
class LogoImageView : public QWidget {
    Q_OBJECT
public:
    explicit LogoImageView(QWidget* parent = nullptr);
    void setImage(const QImage* image);
    // Mouse presses and moves, with the buttons held.
    std::function<void(QMouseEvent*)> onMouse;
    std::function<void(QMouseEvent*)> onRelease;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* m_image = nullptr;
};

// The graphics window: the enlarged logo editor and the logo at natural size.
class GraphicsWindow : public QWidget {
    Q_OBJECT
public:
    explicit GraphicsWindow(QWidget* parent = nullptr);
    // Connects the window to the program's state.
    void bind(Session& session);
    void render(const session::ShellState& shell);
    // The title in the language now in use.
    void retranslate();

    QWidget* canvas() const { return m_canvas; }
    QScrollArea* editorArea() const { return m_editorArea; }
    LogoImageView* editorPicture() const { return m_editor; }
    LogoImageView* logoPicture() const { return m_logo; }
    StatusFields& status() { return *m_status; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A mouse event on the picture or on the margin around it.
    void editorMouse(QWidget* from, QMouseEvent* event);
    void editorRelease(QMouseEvent* event);
    void scrolled(int position);
    // Repaints what the logo's last changes touched.
    void showLogoChanges();

    Session* m_session = nullptr;
    QWidget* m_canvas;
    QScrollArea* m_editorArea;
    LogoImageView* m_editor;
    LogoImageView* m_logo;
    std::unique_ptr<StatusFields> m_status;
};

} // namespace nimbrel::app
