#pragma once

#include <QByteArray>
#include <QString>

#include <initializer_list>

namespace nimbrel::testing {

// Bytes spelled out as numbers: bytes({0x11, 0x5C, 0x0E}).
inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(static_cast<char>(v));
    return out;
}

// Russian texts in tests: u(u"Текст").
inline QString u(const char16_t* text) {
    return QString::fromUtf16(text);
}

} // namespace nimbrel::testing
