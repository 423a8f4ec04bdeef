#include "printer/LineCount.h"

#include "platform/ByteReader.h"
#include "platform/Cp1251.h"

#include <QCoreApplication>

namespace nimbrel::printer {

QString lineCountDefault(const QByteArray& reply) {
    const int n = platform::s8At(reply, 1);
    if (n > 0 && n < 5)
        return QString::number(n);
    return QStringLiteral("?");
}

int lineCountLimit(const QString& model) {
    return model == QLatin1String("T260") ? 4 : 2;
}

QString lineCountTitle(const QString& model) {
    return QCoreApplication::translate("LineCount", "НАСТРОЙКА МАРКИРАТОРА  %1").arg(model);
}

QString lineCountPrompt(const QString& model) {
    return QCoreApplication::translate("LineCount", "Введите Число Строк Печати (1..%1)")
        .arg(lineCountLimit(model));
}

QByteArray setLineCountCommand(const QString& typed) {
    return QByteArray("\x0C"
                      "S") +
           platform::encodeCp1251(typed) + QByteArray("\x0E");
}

QString lineCountDiffersText(int reported) {
    return QCoreApplication::translate("LineCount",
                                       "Число строк печати не установлено: Маркиратор сообщает %1.")
        .arg(reported);
}

QString lineCountUncheckedText() {
    return QCoreApplication::translate("LineCount",
                                       "Число строк печати отправлено, но проверить его не "
                                       "удалось: Маркиратор не ответил на чтение.");
}

} // namespace nimbrel::printer
