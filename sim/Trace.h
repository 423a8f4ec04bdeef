#pragma once

#include "PrinterState.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace nimbrel::sim {

// Lines "HH:MM:SS.mmm < 11 69 0E" (received), "... > 06 54 ..." (sent) and "... # note",
// flushed one by one so a test or a second terminal can follow them.
class Trace {
public:
    Trace() = default;
    Trace(const Trace&) = delete;
    Trace& operator=(const Trace&) = delete;
    ~Trace();

    bool open(const std::string& path, std::string& error);

    void received(const Bytes& bytes) { line('<', hex(bytes)); }
    void sent(const Bytes& bytes) { line('>', hex(bytes)); }
    void note(std::string_view text) { line('#', text); }

    static std::string hex(const Bytes& bytes);

private:
    void line(char kind, std::string_view text);

    std::FILE* m_file = nullptr;
};

} // namespace nimbrel::sim
