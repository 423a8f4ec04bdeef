#include "printer/LineCount.h"

#include "platform/ByteReader.h"
#include "platform/Cp1251.h"

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
    return QStringLiteral("НАСТРОЙКА МАРКИРАТОРА  ") + model;
}

QString lineCountPrompt(const QString& model) {
    return QStringLiteral("Введите Число Строк Печати (1..%1)").arg(lineCountLimit(model));
}

QByteArray setLineCountCommand(const QString& typed) {
    return QByteArray("\x0C"
                      "S") +
           platform::encodeCp1251(typed) + QByteArray("\x0E");
}

QString lineCountDiffersText(int reported) {
    return QStringLiteral("Число строк печати не установлено: Маркиратор сообщает %1.")
        .arg(reported);
}

QString lineCountUncheckedText() {
    return QStringLiteral("Число строк печати отправлено, но проверить его не удалось: "
                          "Маркиратор не ответил на чтение.");
}

} // namespace nimbrel::printer
