#include "cli/TraceLog.h"

namespace nimbrel::cli {

namespace {

QString stamp(const QTime& at) {
    return at.toString(QStringLiteral("HH:mm:ss.zzz"));
}

} // namespace

void TraceLog::add(const QTime& at, link::TraceDirection direction, const QByteArray& bytes) {
    const char kind = direction == link::TraceDirection::Sent ? '>' : '<';
    m_lines << stamp(at) + QLatin1Char(' ') + QLatin1Char(kind) + QLatin1Char(' ') +
                   QString::fromLatin1(bytes.toHex(' ').toUpper());
}

void TraceLog::note(const QTime& at, const QString& text) {
    m_lines << stamp(at) + QStringLiteral(" # ") + text;
}

QByteArray TraceLog::text() const {
    QByteArray out;
    for (const QString& line : m_lines)
        out += line.toUtf8() + '\n';
    return out;
}

std::optional<TraceEntry> parseTraceLine(const QString& line) {
    if (line.size() < 14 || line[12] != QLatin1Char(' ') ||
        (line.size() > 14 && line[14] != QLatin1Char(' ')))
        return std::nullopt;
    TraceEntry entry;
    entry.at = QTime::fromString(line.left(12), QStringLiteral("HH:mm:ss.zzz"));
    if (!entry.at.isValid())
        return std::nullopt;
    entry.kind = line[13].toLatin1();
    const QString rest = line.mid(15);
    if (entry.kind == '#') {
        entry.note = rest;
        return entry;
    }
    if (entry.kind != '>' && entry.kind != '<')
        return std::nullopt;
    for (const QString& pair : rest.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int value = pair.toInt(&ok, 16);
        if (!ok || pair.size() != 2)
            return std::nullopt;
        entry.bytes.append(static_cast<char>(value));
    }
    return entry;
}

} // namespace nimbrel::cli
