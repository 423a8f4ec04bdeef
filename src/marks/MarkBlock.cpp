#include "marks/MarkBlock.h"
#include "platform/ByteReader.h"

#include "platform/Cp1251.h"

#include <algorithm>

namespace nimbrel::marks {

namespace {

constexpr char kMarkLead = 0x0F;
constexpr char kReadLetter = 0x72;
constexpr char kWriteLetter = 0x74;
constexpr char kEnd = 0x0E;
constexpr unsigned char kEanCode = 0x10;
constexpr int kTextOffset = 3;

QByteArray markCommand(char letter, int mark) {
    QByteArray out;
    out += kMarkLead;
    out += letter;
    out += markDigits(mark).toLatin1();
    out += kEnd;
    return out;
}

QString padded(int value, int width) {
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

} // namespace

QString markDigits(int mark) {
    return padded(mark, 2);
}

QByteArray readMarkCommand(int mark) {
    return markCommand(kReadLetter, mark);
}

QByteArray writeMarkCommand(int mark) {
    return markCommand(kWriteLetter, mark);
}

EncodedMark encodeMarkBlock(const MarkTable& table) {
    EncodedMark out;
    out.block = QByteArray(kMarkBlockSize, '\0');
    for (int record = 0; record < kRows; ++record) {
        const int row = rowOfRecord(record);
        const QByteArray bytes = encodeRecord(typeCode(table.cell(row, MarkTable::kType)),
                                              fontNumber(table.cell(row, MarkTable::kFont)),
                                              table.cell(row, MarkTable::kText));
        if (bytes.isEmpty()) {
            out.tooLongRows.push_back(row);
            continue;
        }
        out.block.replace(qsizetype(record) * kRecordSize, kRecordSize, bytes);
    }
    if (!out.ok()) {
        out.block.clear();
        std::sort(out.tooLongRows.begin(), out.tooLongRows.end());
    }
    return out;
}

QByteArray encodeRecord(unsigned char code, int font, const QString& text) {
    QByteArray bytes = platform::encodeCp1251(text);
    if (code == kEanCode)
        bytes = bytes.left(kEanDigits).leftJustified(kEanDigits, '0');
    if (bytes.size() > kMaxFragmentText)
        return {};
    QByteArray record(kRecordSize, '\0');
    record[0] = static_cast<char>(code);
    record[1] = static_cast<char>(font);
    record[2] = static_cast<char>(bytes.size());
    record.replace(kTextOffset, bytes.size(), bytes);
    return record;
}

QByteArray recordOf(const QByteArray& block, int line, int fragment) {
    const qsizetype at = qsizetype(recordOfRow(rowOf(line, fragment))) * kRecordSize;
    QByteArray record = block.mid(at, kRecordSize);
    return record.leftJustified(kRecordSize, '\0');
}

QByteArray withRecord(const QByteArray& block, int line, int fragment, const QByteArray& record) {
    QByteArray out = block.left(kMarkBlockSize).leftJustified(kMarkBlockSize, '\0');
    const qsizetype at = qsizetype(recordOfRow(rowOf(line, fragment))) * kRecordSize;
    out.replace(at, kRecordSize, record.left(kRecordSize).leftJustified(kRecordSize, '\0'));
    return out;
}

std::array<FragmentCells, kRows> decodeMarkBlock(const QByteArray& reply, ReadForm form) {
    std::array<FragmentCells, kRows> rows;
    for (int record = 0; record < kRows; ++record) {
        const qsizetype at = qsizetype(record) * kRecordSize;
        const unsigned char code = platform::u8At(reply, at);
        const unsigned char font = platform::u8At(reply, at + 1);
        const unsigned char length = platform::u8At(reply, at + 2);

        FragmentCells& cells = rows[rowOfRecord(record)];
        cells.type = typeName(code);
        if (cells.type.isEmpty())
            cells.type = form == ReadForm::Numbered ? QStringLiteral("?")
                                                    : QStringLiteral(" ") + padded(code, 3);
        const bool wideFont = form == ReadForm::Current && font >= 16;
        cells.font = QStringLiteral(" ") + padded(font, wideFont ? 3 : 2);

        // The numbered read takes the length byte as signed.
        const bool noText = length == 0 || (form == ReadForm::Numbered && length >= 128);
        const int taken = noText ? 0 : std::min<int>(length, kMaxFragmentText);
        cells.text = platform::textUpToZero(reply.mid(at + kTextOffset, taken));
        cells.free = freeCountText(cells.text.size());
    }
    return rows;
}

namespace {

struct Record {
    unsigned char type;
    unsigned char font;
    unsigned char length;
    QByteArray text;
    bool operator==(const Record&) const = default;
};

Record recordAt(const QByteArray& block, int record) {
    const qsizetype at = qsizetype(record) * kRecordSize;
    const auto byte = [&](qsizetype i) {
        return static_cast<unsigned char>(platform::u8At(block, i));
    };
    Record r{byte(at), byte(at + 1), byte(at + 2), {}};
    // A length beyond the record cannot be the sent one; it still differs by its length byte.
    const int taken = std::min<int>(r.length, kRecordSize - kTextOffset);
    for (int i = 0; i < taken; ++i)
        r.text += static_cast<char>(byte(at + kTextOffset + i));
    return r;
}

} // namespace

int firstDifferingRow(const QByteArray& sent, const QByteArray& readBack) {
    // Rows in table order, so the label named is the first one the user sees.
    for (int row = 0; row < kRows; ++row) {
        const int record = recordOfRow(row);
        if (!(recordAt(sent, record) == recordAt(readBack, record)))
            return row;
    }
    return -1;
}

bool isEmptyMark(const QByteArray& reply) {
    return platform::u8At(reply, 0) == 0;
}

} // namespace nimbrel::marks
