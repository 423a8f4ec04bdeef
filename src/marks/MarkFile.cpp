#include "marks/MarkFile.h"

#include "platform/Cp1251.h"
#include "platform/NumberText.h"

#include <QCoreApplication>

namespace nimbrel::marks {

namespace {

constexpr int kHighestFileFont = 13;
constexpr int kStatusPathLimit = 60;

QByteArray lineEnd() {
    return QByteArrayLiteral("\r\n");
}

// A text read from the printer may hold bytes that end a file line; they cannot be kept.
QByteArray fileSafe(QByteArray text) {
    for (char& c : text)
        if (c == '\0' || c == '\r' || c == '\n')
            c = '?';
    return text;
}

bool isLineEnd(char c) {
    return c == '\r' || c == '\n' || c == '\0';
}

// The next line from `pos`; false at the end of the bytes.
bool nextLine(const QByteArray& bytes, qsizetype& pos, QByteArray& line) {
    if (pos >= bytes.size())
        return false;
    qsizetype end = pos;
    while (end < bytes.size() && !isLineEnd(bytes[end]))
        ++end;
    line = bytes.mid(pos, end - pos);
    pos = end;
    if (pos < bytes.size()) {
        const bool crlf = bytes[pos] == '\r' && pos + 1 < bytes.size() && bytes[pos + 1] == '\n';
        pos += crlf ? 2 : 1;
    }
    return true;
}

// Fonts 0 to 13 as they stand (14 and 15 are not taken from files); anything else shows as
// the replacement " #02". A negative number is no font at all.
QString fontCell(const QByteArray& field) {
    const QString chars = platform::decodeCp1251(field);
    const long long font = platform::parseWholeNumber(chars);
    if (font >= 0 && font <= kHighestFileFont)
        return QStringLiteral(" ") + chars;
    return QStringLiteral(" #02");
}

} // namespace

QByteArray writeMarkFile(const MarkTable& table) {
    QByteArray out;
    for (int row = 0; row < kRows; ++row) {
        out += platform::encodeCp1251(table.cell(row, MarkTable::kLabel));
        out += static_cast<char>(typeCode(table.cell(row, MarkTable::kType)));
        // Always two characters, so that the text starts where the loader looks for it.
        out += platform::encodeCp1251(
            table.cell(row, MarkTable::kFont).right(2).rightJustified(2, QLatin1Char('0')));
        out += fileSafe(platform::encodeCp1251(table.cell(row, MarkTable::kText)));
        out += lineEnd();
    }
    return out;
}

QByteArray newMarkTemplate() {
    QByteArray out;
    for (int row = 0; row < kRows; ++row) {
        out += platform::encodeCp1251(positionLabel(row));
        out += '\x19';
        out += "02";
        out += lineEnd();
    }
    return out;
}

ParsedMarkFile parseMarkFile(const QByteArray& bytes) {
    ParsedMarkFile parsed;
    qsizetype pos = 0;
    QByteArray line;
    for (int row = 0; row < kRows; ++row) {
        if (!nextLine(bytes, pos, line) || line.isEmpty())
            break;
        if (line.size() < 2 || line[0] < '1' || line[0] > '4' || line[1] < '1' || line[1] > '8') {
            parsed.badLine = true;
            break;
        }
        const unsigned char code = line.size() > 2 ? static_cast<unsigned char>(line[2]) : 0;
        QString type = typeName(code);
        if (type.isEmpty())
            type = typeNames().first();
        const QString text = platform::decodeCp1251(line.mid(5));
        parsed.rows.push_back({QString::fromLatin1(line.left(2)),
                               {type, fontCell(line.mid(3, 2)), text, freeCountText(text.size())}});
    }
    return parsed;
}

void applyParsedRows(const ParsedMarkFile& parsed, MarkTable& table) {
    int row = 0;
    for (const auto& [label, cells] : parsed.rows) {
        table.setCell(row, MarkTable::kLabel, label);
        table.setCells(row, cells);
        ++row;
    }
}

QString loadedMarkStatus(const QString& path) {
    const QString shown = path.size() > kStatusPathLimit
                              ? QStringLiteral(" ... ") + path.right(kStatusPathLimit)
                              : path;
    return QCoreApplication::translate("MarkFile", "Марка: %1").arg(shown);
}

QString savedMarkStatus(const QString& path) {
    return QCoreApplication::translate("MarkFile", "Марка: %1").arg(path);
}

QString withMarkExtension(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    // "name." has nothing after its dot: no extension either.
    if (dot > slash && dot < path.size() - 1)
        return path;
    if (dot > slash && dot == path.size() - 1)
        return path + QStringLiteral("mrt");
    return path + QStringLiteral(".mrt");
}

} // namespace nimbrel::marks
