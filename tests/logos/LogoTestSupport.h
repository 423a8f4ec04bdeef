#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TestBytes.h"
#include "logos/LogoEditor.h"
#include "logos/LogoState.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace nimbrel::testing {

// One scripted answer: a text for a prompt or a button for a message box.
inline QVariant typed(const char* text) {
    return QVariant(QString::fromUtf8(text));
}
inline QVariant button(int answer) {
    return QVariant(answer);
}

// The logo's dots row by row, '#' dark and '.' light, for readable comparisons.
inline std::vector<std::string> dotRows(const logos::LogoState& logo) {
    std::vector<std::string> rows;
    for (int y = 0; y < logo.height; ++y) {
        std::string row;
        for (int x = 0; x < logo.width; ++x)
            row += logos::isDark(logo.logo.pixel(x, y)) ? '#' : '.';
        rows.push_back(row);
    }
    return rows;
}

// A blank w x h logo with the '#' of `rows` (top row first) painted dark.
inline void drawRows(logos::LogoState& logo, int w, int h, const std::vector<std::string>& rows) {
    logos::makeBlankLogo(logo, w, h);
    for (int y = 0; y < static_cast<int>(rows.size()); ++y)
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x)
            if (rows[y][x] == '#')
                logos::paintDot(logo, x, y, true);
}

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool writeBytes(const QString& path, const QByteArray& data) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

} // namespace nimbrel::testing
