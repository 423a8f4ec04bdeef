#pragma once

#include "link/Exchange.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace nimbrel::cli {

// The protocol trace in the simulator's form: "HH:MM:SS.mmm > 11 69 0E" for bytes sent,
// "... < 06 54 ..." for bytes received, "... # note". Kept in memory and written once, whole,
// when the command ends.
class TraceLog {
public:
    void add(const QTime& at, link::TraceDirection direction, const QByteArray& bytes);
    void note(const QTime& at, const QString& text);
    const QStringList& lines() const { return m_lines; }
    QByteArray text() const;

private:
    QStringList m_lines;
};

struct TraceEntry {
    QTime at;
    char kind = '#'; // '>' sent, '<' received, '#' note
    QByteArray bytes;
    QString note;
};

// One line of a trace read back; nothing for a line not in the form.
std::optional<TraceEntry> parseTraceLine(const QString& line);

} // namespace nimbrel::cli
