#pragma once

#include <QByteArray>

#include <cstdint>

namespace nimbrel::platform {

// Fields of a reply or a file by offset. A byte that is not there reads as 0, as in a
// zero-filled buffer, so a short block can never be read past its end.
inline int u8At(const QByteArray& bytes, qsizetype offset) {
    if (offset < 0 || offset >= bytes.size())
        return 0;
    return static_cast<unsigned char>(bytes[offset]);
}

inline int s8At(const QByteArray& bytes, qsizetype offset) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(u8At(bytes, offset)));
}

// Little-endian, two's complement.
inline int s16At(const QByteArray& bytes, qsizetype offset) {
    const auto word =
        static_cast<std::uint16_t>(u8At(bytes, offset) | (u8At(bytes, offset + 1) << 8));
    return static_cast<std::int16_t>(word);
}

} // namespace nimbrel::platform
