#pragma once

#include <QString>

#include <functional>

namespace nimbrel::cli {

// Where the tool speaks: data on standard output, messages for people on standard error.
// Texts are passed as they are; the caller ends its lines.
struct Console {
    std::function<void(const QString&)> out;
    std::function<void(const QString&)> err;
    // Standard error is a terminal: backup and restore show a progress line there.
    bool progress = false;
};

} // namespace nimbrel::cli
