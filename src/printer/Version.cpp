#include "printer/Version.h"

#include "platform/Cp1251.h"

#include <QCoreApplication>

namespace nimbrel::printer {

bool isEmptyVersion(const QByteArray& reply) {
    return reply.isEmpty() || reply.at(0) == '\0';
}

QString versionText(const QByteArray& reply) {
    return platform::textUpToZero(reply).mid(1);
}

QString modelFromVersion(const QByteArray& reply) {
    return platform::textUpToZero(reply).mid(1, 4).toUpper();
}

QString versionMessageText(const QByteArray& reply) {
    return QCoreApplication::translate("Version", "Версия Программы Системы Печати:\n\r'%1'")
        .arg(versionText(reply));
}

} // namespace nimbrel::printer
