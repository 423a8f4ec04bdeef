#include "marks/FragmentRecord.h"
#include "platform/ByteReader.h"

#include "marks/FragmentTypes.h"
#include "platform/Cp1251.h"

#include <QCoreApplication>

namespace nimbrel::marks {

namespace {

constexpr char kReadLead = 0x11;
constexpr char kEnd = 0x0E;
constexpr char kFontBase = 0x30;

QString typeLine(unsigned char code) {
    switch (code) {
    case 0x10:
        return QCoreApplication::translate("FragmentReport", "Функция: ШтрихКод EAN13\n\r");
    case 0x18:
        return QCoreApplication::translate("FragmentReport", "Функция: ТЕКСТ\n\r");
    case 0x19:
        return QCoreApplication::translate("FragmentReport", "Функция: БЕГУЩИЙ НОМЕР\n\r");
    case 0x1A:
        return QCoreApplication::translate("FragmentReport", "Функция: ДАТА+ВРЕМЯ\n\r");
    case 0x1C:
        return QCoreApplication::translate("FragmentReport", "Функция: ГРАФИКА\n\r");
    case 0x1D:
        return QCoreApplication::translate("FragmentReport", "Функция: ПОСТ-ДАТА\n\r");
    default:
        return QCoreApplication::translate("FragmentReport", "Функция: <неизвестна>\n\r");
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
    QString out = QCoreApplication::translate("FragmentReport", "ФРАГМЕНТ #%1:\r\n\n")
                      .arg(QString::number(line) + QString::number(fragment));
    const FragmentReply decoded = decodeFragmentReply(reply);
    out += typeLine(static_cast<unsigned char>(decoded.typeCode));
    out += QCoreApplication::translate("FragmentReport", "Шрифт:   %1\n\r")
               .arg(QString::number(decoded.font).rightJustified(2, QLatin1Char('0')));
    const auto length = static_cast<signed char>(platform::u8At(reply, 2));
    if (length > 0)
        out += QCoreApplication::translate("FragmentReport", "Текст:   '%1'.").arg(decoded.text);
    else
        out += QCoreApplication::translate("FragmentReport", "Текст:   <нет>");
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
    return QCoreApplication::translate(
               "FragmentReport",
               "ИЗМЕНИТЬ ФРАГМЕНТ # %1 ?\n\rфункция:\t%2\n\rшрифт:\t%3\n\rтекст:\t%4")
        .arg(edit.position, shownTypeName(edit.typeText), edit.fontText.right(2), edit.text);
}

} // namespace nimbrel::marks
