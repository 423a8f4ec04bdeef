#include "app/WindowTitle.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <vector>

namespace nimbrel::app {

namespace {

// Window managers draw titles in a bold face of the system's title size; a common one uses
// DejaVu Sans Bold at 11 pixels, which is wider than most.
constexpr int kCommonTitlePixels = 11;
// Above and below the title text in the bar: 24 pixels high for 11-pixel DejaVu Sans.
constexpr int kBarPadding = 11;
// Beside the bar's three buttons (each about as wide as the bar is high): its margins.
constexpr int kBarMargins = 40;

} // namespace

int widthForTitle(const QWidget* window, const QString& title, int limit) {
    // Without a desktop theme the platform knows no title font and names the same fallback
    // for it as for every font it does not know.
    QFont system = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    const bool known = system != QFontDatabase::systemFont(QFontDatabase::SmallestReadableFont);
    system.setBold(true);
    QFont common(QStringLiteral("DejaVu Sans"));
    common.setPixelSize(known ? std::max(kCommonTitlePixels, QFontInfo(system).pixelSize())
                              : kCommonTitlePixels);
    common.setBold(true);
    QFont own = window->font();
    own.setBold(true);
    std::vector<QFont> fonts{common, own};
    if (known)
        fonts.push_back(system);
    int text = 0;
    int barHeight = 0;
    for (const QFont& font : fonts) {
        const QFontMetrics metrics(font);
        text = std::max(text, metrics.horizontalAdvance(title));
        barHeight = std::max(barHeight, metrics.height() + kBarPadding);
    }
    return std::min(limit, text + 3 * barHeight + kBarMargins);
}

void keepTitleBarEmpty(QWidget* window) {
    if (!window->windowTitle().isEmpty())
        return;
    window->winId();
    if (QWindow* handle = window->windowHandle())
        handle->setTitle(QStringLiteral(" "));
}

} // namespace nimbrel::app
