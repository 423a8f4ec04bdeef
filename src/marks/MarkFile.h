#pragma once

#include "marks/MarkTable.h"

#include <QByteArray>
#include <vector>

namespace nimbrel::marks {

// The text-mark file (.mrt): one line per table row, each "LF" + type byte + two font
// characters + text + CR LF, in Windows-1251.

// The 32 lines of the table.
QByteArray writeMarkFile(const MarkTable& table);

// The file "Создать Новую Марку" loads: every fragment a running number in font 02.
QByteArray newMarkTemplate();

struct ParsedMarkFile {
    // The rows read, from row 0 on; a short file or an empty line ends them early.
    std::vector<std::pair<QString, FragmentCells>> rows; // label and cells
    // A line whose first two characters are no position: the rows before it stand.
    bool badLine = false;
};

// Reads at most 32 lines. Lines end at CR LF, a lone CR or LF, a 0 byte or the end.
ParsedMarkFile parseMarkFile(const QByteArray& bytes);

// Puts the parsed rows into the table, from row 0 on.
void applyParsedRows(const ParsedMarkFile& parsed, MarkTable& table);

// "Марка: " + path, long paths shortened to their last 60 characters.
QString loadedMarkStatus(const QString& path);
// "Марка: " + path in full.
QString savedMarkStatus(const QString& path);

// Save as appends ".mrt" when the file name has no extension.
QString withMarkExtension(const QString& path);

} // namespace nimbrel::marks
