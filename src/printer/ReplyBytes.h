#pragma once

#include <QByteArray>

#include <cstdint>

namespace nimbrel::printer {

// Reply fields by offset. A byte the printer did not send reads as 0, as in a zero-filled
// reply buffer, so a short reply can never be read past its end.
inline int u8At(const QByteArray& reply, int offset) {
    if (offset < 0 || offset >= reply.size())
        return 0;
    return static_cast<unsigned char>(reply[offset]);
}

inline int s8At(const QByteArray& reply, int offset) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(u8At(reply, offset)));
}

// Little-endian, two's complement.
inline int s16At(const QByteArray& reply, int offset) {
    const auto word =
        static_cast<std::uint16_t>(u8At(reply, offset) | (u8At(reply, offset + 1) << 8));
    return static_cast<std::int16_t>(word);
}

} // namespace nimbrel::printer
