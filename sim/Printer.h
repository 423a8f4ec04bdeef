#pragma once

#include "PrinterState.h"

#include <cstdint>
#include <optional>
#include <string>

namespace nimbrel::sim {

// A slot whose content a command changed (filled, replaced or emptied).
struct StoreChange {
    enum class Store { Marks, Logos };
    Store store;
    int slot;
    bool operator==(const StoreChange&) const = default;
};

// What the printer made of one framed command.
struct Response {
    bool understood = false;
    Bytes reply;      // empty when the command has no reply
    std::string note; // why a set-command changed nothing, for the trace
    std::optional<StoreChange> changed;
};

// One printer's protocol: framed command in, reply out. No I/O and no clock of its own; the
// caller passes the PC's local civil time as seconds since 1970-01-01 00:00 (zone-free).
class Printer {
public:
    explicit Printer(PrinterState state);

    Response handle(const Bytes& command, std::int64_t pcLocalSeconds);

    // The printer clock, in the same zone-free seconds.
    std::int64_t clockSeconds(std::int64_t pcLocalSeconds) const;

    const PrinterState& state() const { return m_state; }
    PrinterState& state() { return m_state; }

private:
    Response query(std::uint8_t letter) const;
    Response memoryQuery(std::uint8_t letter, const Bytes& params) const;
    Response setTextLines(const Bytes& text);
    Response setClock(std::uint8_t letter, const Bytes& digits, std::int64_t pcLocalSeconds);
    Response setDateOffset(const Bytes& digits);

    // The mark and logo stores (PrinterMemory.cpp).
    Response areaMap(std::uint8_t letter) const;
    Response readMark(const Bytes& digits) const;
    Response writeMark(const Bytes& command);
    Response readLogo(const Bytes& digits) const;
    Response writeLogo(const Bytes& command);
    Response readFragment(std::uint8_t lineDigit, std::uint8_t fragmentDigit) const;
    Response writeFragment(const Bytes& command);
    Response currentMarkBitmap() const;

    PrinterState m_state;
};

// The printer's reading of a number-of-lines text: leading blanks and tabs, one sign, then
// decimal digits, or hexadecimal after "$", binary after "%"; no digits read as 0.
long parseLinesNumber(const Bytes& text);

// Big-endian base-100 digits, one per byte; the value wraps at 100^count.
Bytes base100Digits(std::uint64_t value, int count);

} // namespace nimbrel::sim
