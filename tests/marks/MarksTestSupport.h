#pragma once

#include "FakeClock.h"
#include "FakeSerialPort.h"
#include "QtPrinters.h"
#include "ScriptedDialogs.h"
#include "TestBytes.h"
#include "marks/MarkState.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace nimbrel::testing {

// The four text cells of a row, for comparing whole rows at once.
struct Row {
    QString type;
    QString font;
    QString text;
    QString free;
    bool operator==(const Row&) const = default;
};

inline void PrintTo(const Row& r, std::ostream* os) {
    *os << "{";
    ::PrintTo(r.type, os);
    *os << ", ";
    ::PrintTo(r.font, os);
    *os << ", ";
    ::PrintTo(r.text, os);
    *os << ", ";
    ::PrintTo(r.free, os);
    *os << "}";
}

inline Row rowOf(const marks::MarkTable& table, int row) {
    return {table.cell(row, 1), table.cell(row, 2), table.cell(row, 3), table.cell(row, 4)};
}

} // namespace nimbrel::testing
