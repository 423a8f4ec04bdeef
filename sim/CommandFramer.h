#pragma once

#include "PrinterState.h"

#include <chrono>
#include <cstddef>
#include <optional>
#include <span>

namespace nimbrel::sim {

using Millis = std::chrono::milliseconds;

// Cuts the byte stream from the program into whole commands. Bytes may arrive in any pieces;
// bytes outside a command, a command broken off by a new lead byte, one that grows past any
// real length, and one left unfinished for kSilence are handed back as discarded.
class CommandFramer {
public:
    static constexpr Millis kSilence{200};
    static constexpr std::size_t kMaxTerminated = 300;

    struct Item {
        enum class Kind { Command, Discarded };
        Kind kind;
        Bytes bytes;
        bool operator==(const Item&) const = default;
    };

    std::vector<Item> feed(std::span<const std::uint8_t> data, Millis now);
    // Drops a partial command that has seen no byte for kSilence. Only the caller knows whether
    // the line was really quiet (and not just unread while a reply went out), so feed() never
    // drops on its own.
    std::vector<Item> expire(Millis now);
    // When expire() has something to do, if ever.
    std::optional<Millis> deadline() const;

private:
    enum class Phase { Idle, Letter, Terminated, FixedHeader, Payload };

    void take(std::uint8_t b, std::vector<Item>& out);
    void start(std::uint8_t lead);
    void chooseForm(std::uint8_t letter);
    void finish(std::vector<Item>& out);
    void discardPartial();
    void flushDiscarded(std::vector<Item>& out);

    Phase m_phase = Phase::Idle;
    Bytes m_partial;
    Bytes m_discarded;
    std::size_t m_headerSize = 0;
    std::size_t m_payloadSize = 0;
    Millis m_lastByte{0};
};

} // namespace nimbrel::sim
