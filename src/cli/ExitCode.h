#pragma once

namespace nimbrel::cli {

// What a script sees of the outcome.
enum ExitCode : int {
    kExitOk = 0,
    kExitUsage = 2,  // the command line is wrong
    kExitPort = 3,   // the port cannot be opened: not found, busy, no permission
    kExitLink = 4,   // no reply, a refused write, a reply that makes no sense
    kExitVerify = 5, // what was read back differs from what was written
    kExitFile = 6,   // a file unreadable, refused or not written; an empty slot
};

} // namespace nimbrel::cli
