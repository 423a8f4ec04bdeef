#include "Trace.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>

namespace nimbrel::sim {

Trace::~Trace() {
    if (m_file != nullptr) {
        std::fclose(m_file);
    }
}

bool Trace::open(const std::string& path, std::string& error) {
    m_file = std::fopen(path.c_str(), "w");
    if (m_file == nullptr) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string Trace::hex(const Bytes& bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        if (!out.empty()) {
            out += ' ';
        }
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

void Trace::line(char kind, std::string_view text) {
    if (m_file == nullptr) {
        return;
    }
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    std::fprintf(m_file, "%02d:%02d:%02d.%03d %c %.*s\n", local.tm_hour, local.tm_min, local.tm_sec,
                 static_cast<int>(millis), kind, static_cast<int>(text.size()), text.data());
    std::fflush(m_file);
}

} // namespace nimbrel::sim
