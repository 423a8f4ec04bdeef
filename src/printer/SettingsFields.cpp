#include "printer/SettingsFields.h"

#include "platform/ByteReader.h"
#include "platform/Cp1251.h"

#include <QStringList>

namespace nimbrel::printer {

namespace {

constexpr int kDropWidth = 5;
constexpr int kConverterWidth = 4;
constexpr int kLowestSignByte = 31;

QString word(platform::Wording wording, const char* source) {
    return platform::worded(wording, "SettingsReport", source);
}

// Shortest decimal form with at most ten decimals: "62.5", "64", "63.4920616150" trimmed.
QString shortDecimal(float q) {
    QString text = QString::number(static_cast<double>(q), 'f', 10);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace

SettingsLayout settingsLayoutFor(const QString& model) {
    if (model == QLatin1String("T236") || model == QLatin1String("T260"))
        return SettingsLayout::T2x;
    return SettingsLayout::T7x9x;
}

QString dropFrequencyText(int v, int divisorOffset, platform::Wording wording) {
    const int divisor = v + divisorOffset;
    QString text;
    if (divisor <= 0) {
        text = QStringLiteral("??.??");
    } else {
        text = shortDecimal(8000.0f / static_cast<float>(divisor));
        if (!text.contains(QLatin1Char('.')))
            text += QLatin1Char('.');
        text = text.left(kDropWidth).leftJustified(kDropWidth, QLatin1Char('0'));
    }
    return text + word(wording, QT_TRANSLATE_NOOP("SettingsReport", " кГц  "));
}

QString converterFrequencyText(int v, SettingsLayout layout, platform::Wording wording) {
    const QString unknown = word(wording, QT_TRANSLATE_NOOP("SettingsReport", "??? кГц"));
    float q = 0;
    if (layout == SettingsLayout::T7x9x) {
        if (v < 50)
            return unknown;
        q = 3669.0f / static_cast<float>(v);
    } else {
        if (v < 113)
            return unknown;
        q = 7373.0f / static_cast<float>(v + 1);
    }
    const QString text =
        shortDecimal(q).left(kConverterWidth).rightJustified(kConverterWidth, QLatin1Char('0'));
    return text + word(wording, QT_TRANSLATE_NOOP("SettingsReport", " кГц"));
}

QString directionText(int signedByte) {
    const int sign = signedByte < kLowestSignByte ? '+' : signedByte;
    return QChar(sign) + QStringLiteral("1");
}

QString dateOffsetText(const QByteArray& reply, int offset) {
    QByteArray digits;
    for (int i = offset; i < offset + 4; ++i) {
        const int b = platform::u8At(reply, i);
        if (b == 0)
            break;
        digits.append(static_cast<char>(b));
    }
    QString text = platform::decodeCp1251(digits);
    while (text.startsWith(QLatin1Char('0')))
        text.remove(0, 1);
    return text.isEmpty() ? QStringLiteral("0") : text;
}

QString speedModeText(int byte, const QString& model, platform::Wording wording) {
    switch (byte) {
    case '5':
    case '6':
    case '7':
        return word(wording, QT_TRANSLATE_NOOP("SettingsReport", "быстрая (Y=%1)"))
            .arg(QChar(byte));
    default:
        return model == QLatin1String("T260")
                   ? word(wording, QT_TRANSLATE_NOOP("SettingsReport", "обычная (Y=8..32)"))
                   : word(wording, QT_TRANSLATE_NOOP("SettingsReport", "обычная (Y=8/16)"));
    }
}

QString groupPrintText(int byte, platform::Wording wording) {
    QString text;
    if (byte != 0)
        text = platform::decodeCp1251(QByteArray(1, static_cast<char>(byte)));
    switch (byte) {
    case 'P':
        return text + word(wording, QT_TRANSLATE_NOOP("SettingsReport", " (выключен)\n\r"));
    case 'A':
        return text + word(wording, QT_TRANSLATE_NOOP("SettingsReport", " (включен)\n\r"));
    default:
        return text + QStringLiteral(" ?\n\r");
    }
}

QString slashList(const QByteArray& reply, int offset, int count) {
    QStringList values;
    for (int i = offset; i < offset + count; ++i)
        values << QString::number(platform::u8At(reply, i));
    return values.join(QLatin1Char('/'));
}

} // namespace nimbrel::printer
