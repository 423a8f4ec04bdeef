#pragma once

#include <QByteArray>
#include <QString>

#include <ostream>

// Readable failures: texts with their tabs and line ends made visible. Every suite but the
// simulator's gets this header before its own code (tests/CMakeLists.txt).
inline void PrintTo(const QString& text, std::ostream* os) {
    QString shown = text;
    shown.replace(QLatin1Char('\t'), QStringLiteral("\\t"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    *os << '"' << shown.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
    *os << '[' << bytes.toHex(' ').toStdString() << ']';
}
