#pragma once

#include "marks/MarkBlock.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace nimbrel::marks {

// Between a mark in the printer and its .mrt file, for whatever moves marks without the mark
// table on screen (nimbrel-cli, a backup and its restore).

using MarkCells = std::array<FragmentCells, kRows>;

// The form in which a mark is read: the one being printed shows unknown codes and wide fonts
// as numbers.
ReadForm readFormOf(int mark);

// The .mrt file of the cells, exactly as the program saves it.
QByteArray markFileOf(const MarkCells& cells);

// A .mrt file as the block the program would send; `error` says why the file is refused.
struct EncodedMarkFile {
    QByteArray block;
    QString error;
};
EncodedMarkFile encodeMarkFile(const QByteArray& file);

} // namespace nimbrel::marks
