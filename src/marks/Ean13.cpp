#include "marks/Ean13.h"

#include "marks/FragmentTypes.h"

#include <QCoreApplication>

namespace nimbrel::marks {

namespace {

bool allDigits(QStringView text) {
    for (QChar c : text)
        if (!isEanDigit(c))
            return false;
    return true;
}

int digitAt(QStringView text, qsizetype i) {
    return text[i].unicode() - u'0';
}

} // namespace

bool isEanType(const QString& typeName) {
    return typeCode(typeName) == 0x10;
}

bool isEanDigit(QChar c) {
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

int ean13CheckDigit(QStringView twelveDigits) {
    if (twelveDigits.size() != kEanDataDigits || !allDigits(twelveDigits))
        return -1;
    // Weights 1 and 3 alternate from the first digit.
    int sum = 0;
    for (qsizetype i = 0; i < kEanDataDigits; ++i)
        sum += digitAt(twelveDigits, i) * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10;
}

bool isValidEan13(QStringView code) {
    return code.size() == kEanDigits && allDigits(code) &&
           ean13CheckDigit(code.first(kEanDataDigits)) == digitAt(code, kEanDataDigits);
}

QString keepEanDigits(const QString& text, QString* refused) {
    QString kept;
    for (QChar c : text) {
        if (isEanDigit(c))
            kept += c;
        else if (refused)
            *refused += c;
    }
    return kept;
}

QString completeEan13(const QString& text) {
    const int check = ean13CheckDigit(text);
    return check < 0 ? text : text + QChar(u'0' + check);
}

EanCheck checkEan13(QStringView text) {
    EanCheck out;
    out.digits = static_cast<int>(text.size());
    if (text.isEmpty())
        return out;
    if (!allDigits(text)) {
        out.state = EanState::NotDigits;
        return out;
    }
    if (text.size() < kEanDataDigits) {
        out.state = EanState::Incomplete;
    } else if (text.size() == kEanDataDigits) {
        out.state = EanState::CheckDigitDue;
        out.expected = ean13CheckDigit(text);
    } else if (text.size() == kEanDigits) {
        out.expected = ean13CheckDigit(text.first(kEanDataDigits));
        out.given = digitAt(text, kEanDataDigits);
        out.state = out.expected == out.given ? EanState::Valid : EanState::WrongCheckDigit;
    } else {
        out.state = EanState::TooLong;
    }
    return out;
}

QString eanStatusText(QStringView text) {
    const EanCheck check = checkEan13(text);
    switch (check.state) {
    case EanState::Empty:
        return {};
    case EanState::Incomplete:
        return QCoreApplication::translate("Ean13", "EAN-13: введено цифр %1 из 12")
            .arg(check.digits);
    case EanState::CheckDigitDue:
        return QCoreApplication::translate("Ean13", "Контрольная цифра: %1 (Enter добавит её)")
            .arg(check.expected);
    case EanState::Valid:
        return QCoreApplication::translate("Ean13", "Контрольная цифра %1 верна").arg(check.given);
    case EanState::WrongCheckDigit:
        return QCoreApplication::translate("Ean13",
                                           "Неверная контрольная цифра: %1, должна быть %2")
            .arg(check.given)
            .arg(check.expected);
    case EanState::TooLong:
        return QCoreApplication::translate("Ean13", "EAN-13: не более 13 цифр (введено %1)")
            .arg(check.digits);
    case EanState::NotDigits:
        return QCoreApplication::translate("Ean13", "EAN-13: допускаются только цифры");
    }
    return {};
}

QString eanRefusedText(const QString& refused) {
    return QCoreApplication::translate(
               "Ean13", "Знаки «%1» не приняты: штрихкод EAN-13 состоит только из цифр")
        .arg(refused);
}

QString eanCellProblem(QStringView text) {
    const EanCheck check = checkEan13(text);
    switch (check.state) {
    case EanState::WrongCheckDigit:
    case EanState::TooLong:
    case EanState::NotDigits:
        return eanStatusText(text);
    default:
        return {};
    }
}

} // namespace nimbrel::marks
