#include "CommandFramer.h"

#include <cstddef>
#include <cstdint>

// The simulator's framer on any byte stream in any pieces: every byte comes back exactly once,
// as part of a command or as discarded, and in order.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using nimbrel::sim::CommandFramer;
    using nimbrel::sim::Millis;
    CommandFramer framer;
    nimbrel::sim::Bytes out;
    std::size_t at = 0;
    long long now = 0;
    auto collect = [&out](const std::vector<CommandFramer::Item>& items) {
        for (const auto& item : items) {
            if (item.bytes.empty())
                __builtin_trap();
            out.insert(out.end(), item.bytes.begin(), item.bytes.end());
        }
    };
    // Each piece: a control byte (length in its low 5 bits, a pause in the top 3), then bytes.
    while (at < size) {
        const uint8_t control = data[at++];
        const std::size_t length = std::min<std::size_t>(control & 0x1F, size - at);
        now += (control >> 5) * 60;
        collect(framer.expire(Millis(now)));
        collect(framer.feed(std::span(data + at, length), Millis(now)));
        at += length;
    }
    collect(framer.expire(Millis(now + 1000)));
    if (framer.deadline())
        __builtin_trap();
    nimbrel::sim::Bytes in;
    at = 0;
    while (at < size) {
        const std::size_t length = std::min<std::size_t>(data[at++] & 0x1F, size - at);
        in.insert(in.end(), data + at, data + at + length);
        at += length;
    }
    if (in != out)
        __builtin_trap();
    return 0;
}
