#pragma once

#include <QString>
#include <QStringView>

namespace nimbrel::marks {

// An EAN-13 code: 12 data digits and a check digit.
inline constexpr int kEanDataDigits = 12;
inline constexpr int kEanDigits = 13;

// The check digit of exactly 12 ASCII digits, -1 for anything else.
int ean13CheckDigit(QStringView twelveDigits);
// 13 ASCII digits whose last one is their check digit.
bool isValidEan13(QStringView code);

// The type name of an EAN-13 barcode fragment ("ШтрихКод EAN", code 0x10).
bool isEanType(const QString& typeName);

// Only the ASCII digits 0..9 make a barcode text.
bool isEanDigit(QChar c);
// `text` without the characters a barcode cannot hold; those go to `refused` (if given).
QString keepEanDigits(const QString& text, QString* refused = nullptr);
// 12 digits with their check digit appended; any other text as it is.
QString completeEan13(const QString& text);

enum class EanState {
    Empty,
    Incomplete,      // fewer than 12 digits
    CheckDigitDue,   // 12 digits: the check digit can be appended
    Valid,           // 13 digits, right check digit
    WrongCheckDigit, // 13 digits, wrong check digit
    TooLong,         // more than 13 digits
    NotDigits,       // other characters than digits
};
struct EanCheck {
    EanState state = EanState::Empty;
    int digits = 0;    // how many characters the text has
    int expected = -1; // the right check digit, where 12 or 13 digits give one
    int given = -1;    // the 13th digit typed
};
EanCheck checkEan13(QStringView text);

// The status-bar text for a barcode text being typed; empty for an empty text.
QString eanStatusText(QStringView text);
// The status-bar note for characters refused as typed or pasted.
QString eanRefusedText(const QString& refused);
// Why a barcode text in the mark table cannot print as a valid code (a wrong check digit,
// other characters than digits, more than 13 digits); empty when there is nothing to say.
QString eanCellProblem(QStringView text);

} // namespace nimbrel::marks
