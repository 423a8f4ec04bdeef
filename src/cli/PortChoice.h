#pragma once

#include "platform/DeviceList.h"

#include <QString>

#include <vector>

namespace nimbrel::cli {

// The device behind a -p argument and the COM name the messages use.
struct PortChoice {
    QString portName;        // "COM5"; for a path without a COM name, the path itself
    QString devicePath;      // empty when the argument names no device
    QString error;           // why not, one line
    bool usageError = false; // the argument itself is wrong (not a port that is missing)
    bool ok() const { return error.isEmpty(); }
};

// "COM5", "com5", "СОМ5" (Cyrillic) and "5" by the lister's COM names (the program's mapping,
// virtual ports included); a path or a network port ("rfc2217://HOST:PORT", "tcp://HOST:PORT") as
// it stands, named after the listed device (a ports file line) or its COM number.
PortChoice choosePort(const QString& argument, const std::vector<platform::SerialDevice>& devices);

// The one message for a port that names no device, however it was given: "ПОРТ COM7 НЕ
// ОБНАРУЖЕН: ...", with the device path in brackets when there is one of its own.
QString noSuchPortText(const QString& portName, const QString& devicePath);

// A multi-line program message as one line for standard error.
QString oneLine(const QString& text);

} // namespace nimbrel::cli
