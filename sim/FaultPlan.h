#pragma once

#include "CommandFramer.h"

#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace nimbrel::sim {

enum class FaultKind { NoReply, Cut, Delay, Garbage, Split, Hangup, Pad };

struct Fault {
    FaultKind kind = FaultKind::NoReply;
    int value = 0;
    std::optional<std::uint8_t> letter; // only commands with this letter after the lead byte
    bool operator==(const Fault&) const = default;
};

// "KIND[=N][@L]"; on failure returns nothing and says why in error.
std::optional<Fault> parseFault(std::string_view text, std::string& error);

// How one reply goes out: wait `delay`, send `first`, wait `pause`, send `second`; then hang
// up the line when `hangup` is set.
struct ReplyPlan {
    Bytes first;
    Millis pause{0};
    Bytes second;
    Millis delay{0};
    bool hangup = false;
    std::vector<std::string> applied; // fault names, for the trace
};

// The faults asked for on the command line, applied command by command.
class FaultPlan {
public:
    FaultPlan() = default;
    explicit FaultPlan(std::vector<Fault> faults) : m_faults(std::move(faults)) {}

    // reply may be empty (a set-command): only a hang-up applies then.
    ReplyPlan plan(const Bytes& command, Bytes reply, std::mt19937& random);

    const std::vector<Fault>& faults() const { return m_faults; }

private:
    std::vector<Fault> m_faults;
    std::vector<int> m_counts; // commands seen per hang-up fault
};

} // namespace nimbrel::sim
