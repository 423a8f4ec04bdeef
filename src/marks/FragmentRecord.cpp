#include "marks/FragmentRecord.h"
#include "platform/ByteReader.h"

#include "marks/FragmentTypes.h"
#include "platform/Cp1251.h"

namespace nimbrel::marks {

namespace {

constexpr char kReadLead = 0x11;
constexpr char kEnd = 0x0E;
constexpr char kFontBase = 0x30;

QString typeLine(unsigned char code) {
    switch (code) {
    case 0x10:
        return QStringLiteral("Функция: ШтрихКод EAN13\n\r");
    case 0x18:
        return QStringLiteral("Функция: ТЕКСТ\n\r");
    case 0x19:
        return QStringLiteral("Функция: БЕГУЩИЙ НОМЕР\n\r");
    case 0x1A:
        return QStringLiteral("Функция: ДАТА+ВРЕМЯ\n\r");
    case 0x1C:
        return QStringLiteral("Функция: ГРАФИКА\n\r");
    case 0x1D:
        return QStringLiteral("Функция: ПОСТ-ДАТА\n\r");
    default:
        return QStringLiteral("Функция: <неизвестна>\n\r");
    }
}

char positionDigit(const QString& position, bool first) {
    if (position.isEmpty())
        return '0';
    return static_cast<char>((first ? position.front() : position.back()).unicode());
}

} // namespace

QByteArray fragmentReadCommand(int line, int fragment) {
    QByteArray out;
    out += kReadLead;
    out += static_cast<char>('0' + line);
    out += static_cast<char>('0' + fragment);
    out += kEnd;
    return out;
}

FragmentReply decodeFragmentReply(const QByteArray& reply) {
    FragmentReply out;
    out.typeCode = platform::u8At(reply, 0);
    out.font = platform::u8At(reply, 1);
    // The length is a signed byte: 128 and above is no text.
    const auto length = static_cast<signed char>(platform::u8At(reply, 2));
    if (length > 0)
        out.text = platform::textUpToZero(reply.mid(3, length));
    return out;
}

QString fragmentReport(int line, int fragment, const QByteArray& reply) {
    QString out = QStringLiteral("ФРАГМЕНТ #") + QString::number(line) + QString::number(fragment) +
                  QStringLiteral(":\r\n\n");
    const FragmentReply decoded = decodeFragmentReply(reply);
    out += typeLine(static_cast<unsigned char>(decoded.typeCode));
    out += QStringLiteral("Шрифт:   ") +
           QString::number(decoded.font).rightJustified(2, QLatin1Char('0')) +
           QStringLiteral("\n\r");
    const auto length = static_cast<signed char>(platform::u8At(reply, 2));
    if (length > 0)
        out += QStringLiteral("Текст:   '") + decoded.text + QStringLiteral("'.");
    else
        out += QStringLiteral("Текст:   <нет>");
    return out;
}

QByteArray fragmentWriteCommand(const FragmentEdit& edit) {
    QByteArray out;
    out += static_cast<char>(typeCode(edit.typeText));
    out += positionDigit(edit.position, true);
    out += positionDigit(edit.position, false);
    out += static_cast<char>(kFontBase + fontNumber(edit.fontText));
    out += platform::encodeCp1251(edit.text);
    out += kEnd;
    return out;
}

QString fragmentWriteQuestion(const FragmentEdit& edit) {
    return QStringLiteral("ИЗМЕНИТЬ ФРАГМЕНТ # ") + edit.position + QStringLiteral(" ?\n\r") +
           QStringLiteral("функция:\t") + edit.typeText + QStringLiteral("\n\r") +
           QStringLiteral("шрифт:\t") + edit.fontText.right(2) + QStringLiteral("\n\r") +
           QStringLiteral("текст:\t") + edit.text;
}

} // namespace nimbrel::marks
