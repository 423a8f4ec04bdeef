#include "platform/Cp1251.h"

#include <QList>

#include <array>

namespace nimbrel::platform {

namespace {

// 0x80..0xBF; 0xC0..0xFF are А..я in order.
constexpr std::array<char16_t, 64> kHighTable = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, //
};

constexpr char16_t kFirstCyrillic = 0x0410; // А at 0xC0

char16_t decodeByte(unsigned char b) {
    if (b < 0x80)
        return b;
    if (b < 0xC0)
        return kHighTable[b - 0x80];
    return static_cast<char16_t>(kFirstCyrillic + (b - 0xC0));
}

char encodeCodePoint(char32_t c) {
    if (c < 0x80)
        return static_cast<char>(c);
    if (c >= kFirstCyrillic && c < kFirstCyrillic + 64u)
        return static_cast<char>(0xC0 + (c - kFirstCyrillic));
    for (std::size_t i = 0; i < kHighTable.size(); ++i)
        if (kHighTable[i] == c && c != 0xFFFD)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString decodeCp1251(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes)
        out.append(QChar(decodeByte(static_cast<unsigned char>(b))));
    return out;
}

QByteArray encodeCp1251(const QString& text) {
    QByteArray out;
    // Code points, so that a character outside the BMP is one "?", not two.
    for (char32_t c : text.toUcs4())
        out.append(encodeCodePoint(c));
    return out;
}

QString textUpToZero(const QByteArray& bytes) {
    const qsizetype end = bytes.indexOf('\0');
    return decodeCp1251(end < 0 ? bytes : bytes.left(end));
}

} // namespace nimbrel::platform
