#include "logos/StatusTexts.h"

namespace nimbrel::logos {

QString sizeStatus(const LogoState& logo) {
    return QStringLiteral("Размер XY: %1x%2").arg(logo.width).arg(logo.height);
}

QString openedFileStatus(const QString& path) {
    constexpr int kShown = 48;
    if (path.size() < kShown)
        return QStringLiteral(" Файл: ") + path;
    return QStringLiteral(" Файл: ..") + path.right(kShown);
}

QString savedFileStatus(const QString& path) {
    constexpr int kShown = 45;
    if (path.size() <= kShown)
        return QStringLiteral("Файл: ") + path;
    return QStringLiteral("Файл: ..") + path.right(kShown);
}

} // namespace nimbrel::logos
