#include "logos/StatusTexts.h"

#include <QCoreApplication>

namespace nimbrel::logos {

QString sizeStatus(const LogoState& logo) {
    return QCoreApplication::translate("StatusTexts", "Размер XY: %1x%2")
        .arg(logo.width)
        .arg(logo.height);
}

QString openedFileStatus(const QString& path) {
    constexpr int kShown = 48;
    return QCoreApplication::translate("StatusTexts", " Файл: %1")
        .arg(path.size() < kShown ? path : QStringLiteral("..") + path.right(kShown));
}

QString savedFileStatus(const QString& path) {
    constexpr int kShown = 45;
    return QCoreApplication::translate("StatusTexts", "Файл: %1")
        .arg(path.size() <= kShown ? path : QStringLiteral("..") + path.right(kShown));
}

} // namespace nimbrel::logos
