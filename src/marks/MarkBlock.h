#pragma once

#include "marks/MarkTable.h"

#include <QByteArray>
#include <array>
#include <vector>

namespace nimbrel::marks {

// The mark block: 32 fragment records of 48 bytes, ordered by fragment position first and
// line second (record 0..3: fragment 1 of lines 1..4). A record is type code, font number,
// text length, text, zero bytes.
inline constexpr int kRecordSize = 48;
inline constexpr int kMarkBlockSize = kRows * kRecordSize;
inline constexpr int kEanDigits = 13;

// Record index of a table row, and back.
constexpr int recordOfRow(int row) {
    return (fragmentOfRow(row) - 1) * kLines + (lineOfRow(row) - 1);
}
constexpr int rowOfRecord(int record) {
    return rowOf(record % kLines + 1, record / kLines + 1);
}

// "0F 72 d1 d2 0E" and "0F 74 d1 d2 0E" for mark 0..85.
QByteArray readMarkCommand(int mark);
QByteArray writeMarkCommand(int mark);
// "05"
QString markDigits(int mark);

struct EncodedMark {
    QByteArray block;             // kMarkBlockSize bytes when ok
    std::vector<int> tooLongRows; // rows whose text does not fit a record, ascending
    bool ok() const { return tooLongRows.empty(); }
};

// Barcode texts are made exactly 13 characters long; a text longer than 44 characters is
// refused rather than cut, so the write never sends a fragment the user did not see.
EncodedMark encodeMarkBlock(const MarkTable& table);

// One record as a whole mark holds it: type code, font, text length, the Windows-1251 text
// (barcode texts made 13 characters), zero bytes. Empty when the text does not fit a record.
QByteArray encodeRecord(unsigned char typeCode, int font, const QString& text);
// The record of line 1..4, fragment 1..8 as the block holds it (missing bytes read as 0).
QByteArray recordOf(const QByteArray& block, int line, int fragment);
// The block with that one record replaced; every other byte stays as it was (a short block is
// filled with zero bytes to a whole mark, a longer one cut to it).
QByteArray withRecord(const QByteArray& block, int line, int fragment, const QByteArray& record);

// The two reads show unknown codes and large fonts differently.
enum class ReadForm {
    Numbered, // read mark nn: "?", " %02d", a length of 128 and above is no text
    Current   // read the current mark: " %03d" code, " %03d" font from 16 on
};

// The cells of all 32 rows from a reply (missing bytes read as 0), by table row.
std::array<FragmentCells, kRows> decodeMarkBlock(const QByteArray& reply, ReadForm form);

// The first table row whose record differs between the block sent and the one read back
// (type, font, length or text; missing bytes read as 0), or -1 when every record agrees.
int firstDifferingRow(const QByteArray& sent, const QByteArray& readBack);

// A reply whose first byte is 0 is the printer's empty mark.
bool isEmptyMark(const QByteArray& reply);

} // namespace nimbrel::marks
