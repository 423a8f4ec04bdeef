#pragma once

#include "cli/Console.h"
#include "platform/Clock.h"
#include "platform/DeviceList.h"
#include "platform/SerialPort.h"

#include <QStringList>

#include <functional>
#include <memory>

namespace nimbrel::cli {

// What the tool runs on: the real ones in main(), others in tests.
struct Environment {
    platform::DeviceLister& lister;
    platform::SerialPort& port;
    platform::Clock& clock;
    Console& console;
    // A port of its own for each printer when a command runs on several; none: one only.
    std::function<std::unique_ptr<platform::SerialPort>()> makePort = {};
};

// Runs one command line (without the program name) and returns the exit code.
int runCli(const QStringList& arguments, Environment& env);

} // namespace nimbrel::cli
