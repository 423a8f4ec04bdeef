#include "platform/SerialPort.h"

#include "platform/NumberText.h"

#include <QRegularExpression>
#include <QStringList>

#include <optional>

namespace nimbrel::platform {

namespace {

constexpr int kMaxBaud = 4000000;

std::optional<int> parseBaud(const QString& text) {
    const std::optional<int> value = parseDigitsOnly(text);
    if (!value || *value <= 0 || *value > kMaxBaud)
        return std::nullopt;
    return value;
}

std::optional<Parity> parseParity(const QString& text) {
    const QString t = text.toLower();
    if (t == u"n")
        return Parity::None;
    if (t == u"o")
        return Parity::Odd;
    if (t == u"e")
        return Parity::Even;
    if (t == u"m")
        return Parity::Mark;
    if (t == u"s")
        return Parity::Space;
    return std::nullopt;
}

std::optional<int> parseDataBits(const QString& text) {
    const std::optional<int> value = parseDigitsOnly(text);
    if (!value || *value < 5 || *value > 8)
        return std::nullopt;
    return value;
}

// 1.5 stop bits cannot be carried by LineSettings and is refused.
std::optional<int> parseStopBits(const QString& text) {
    const std::optional<int> value = parseDigitsOnly(text);
    if (!value || (*value != 1 && *value != 2))
        return std::nullopt;
    return value;
}

bool parseKeyValues(const QStringList& tokens, LineSettings& s) {
    for (const QString& token : tokens) {
        const qsizetype eq = token.indexOf(u'=');
        if (eq <= 0)
            return false;
        const QString key = token.left(eq).toLower();
        const QString value = token.mid(eq + 1);
        if (key == u"baud") {
            const auto v = parseBaud(value);
            if (!v)
                return false;
            s.baud = *v;
        } else if (key == u"parity") {
            const auto v = parseParity(value);
            if (!v)
                return false;
            s.parity = *v;
        } else if (key == u"data") {
            const auto v = parseDataBits(value);
            if (!v)
                return false;
            s.dataBits = *v;
        } else if (key == u"stop") {
            const auto v = parseStopBits(value);
            if (!v)
                return false;
            s.stopBits = *v;
        } else {
            return false;
        }
    }
    return true;
}

QChar parityLetter(Parity p) {
    switch (p) {
    case Parity::Odd:
        return u'o';
    case Parity::Even:
        return u'e';
    case Parity::Mark:
        return u'm';
    case Parity::Space:
        return u's';
    case Parity::None:
        break;
    }
    return u'n';
}

} // namespace

bool parseModeSettings(const QString& text, LineSettings& out) {
    // A whole mode string ("COM3: baud=...") or the settings text (": baud=...") is taken as
    // well: the device name in front of the colon does not concern the settings.
    QString body = text;
    const qsizetype colon = body.indexOf(u':');
    if (colon >= 0)
        body = body.mid(colon + 1);
    body = body.trimmed();

    LineSettings s;
    const QStringList tokens =
        body.split(QRegularExpression(QStringLiteral("[ \\t]+")), Qt::SkipEmptyParts);
    if (!parseKeyValues(tokens, s))
        return false;
    out = s;
    return true;
}

QString describeSettings(const LineSettings& settings) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(settings.baud)
        .arg(parityLetter(settings.parity))
        .arg(settings.dataBits)
        .arg(settings.stopBits);
}

} // namespace nimbrel::platform
