#include "app/WindowTitle.h"

#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace nimbrel::app {

namespace {

// The title bar's icon, its close button and the window manager's margins.
constexpr int kTitleBarReserve = 110;

} // namespace

int widthForTitle(const QWidget* window, const QString& title, int limit) {
    QFont bold = window->font();
    bold.setBold(true);
    const int text = std::max(QFontMetrics(bold).horizontalAdvance(title),
                              window->fontMetrics().horizontalAdvance(title));
    return std::min(limit, text + kTitleBarReserve);
}

void keepTitleBarEmpty(QWidget* window) {
    if (!window->windowTitle().isEmpty())
        return;
    window->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTitle(QStringLiteral(" "));
}

} // namespace nimbrel::app
