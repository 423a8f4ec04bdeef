#include "Printer.h"

#include "SettingsBlock.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>
#include <string>

namespace nimbrel::sim {

namespace {

constexpr std::uint8_t kEnd = 0x0E;
constexpr std::uint8_t kLeadQuery = 0x11;
constexpr std::uint8_t kLeadMemory = 0x0F;
constexpr std::uint8_t kLeadLines = 0x0C;
constexpr std::uint8_t kLeadClock = 0x1A;
constexpr std::uint8_t kLeadDateOffset = 0x1D;

constexpr int kMarkMapSize = 85;
constexpr int kLogoMapSize = 128;
constexpr std::uint8_t kOccupied = 'Y';
constexpr std::uint8_t kFree = 'N';
constexpr std::int64_t kSecondsPerDay = 86400;

bool isDigit(std::uint8_t b) {
    return b >= '0' && b <= '9';
}

int digitValue(std::uint8_t b, int base) {
    int value = -1;
    if (isDigit(b)) {
        value = b - '0';
    } else if (b >= 'a' && b <= 'f') {
        value = b - 'a' + 10;
    } else if (b >= 'A' && b <= 'F') {
        value = b - 'A' + 10;
    }
    return value < base ? value : -1;
}

// Two ASCII digits at pos, or nothing.
std::optional<int> twoDigits(const Bytes& digits, std::size_t pos) {
    if (!isDigit(digits[pos]) || !isDigit(digits[pos + 1])) {
        return std::nullopt;
    }
    return (digits[pos] - '0') * 10 + (digits[pos + 1] - '0');
}

std::int64_t daysOf(std::int64_t seconds) {
    return seconds >= 0 ? seconds / kSecondsPerDay
                        : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
}

Response reply(Bytes bytes) {
    return Response{true, std::move(bytes), {}};
}
Response accepted() {
    return Response{true, {}, {}};
}
Response ignored(std::string why) {
    return Response{true, {}, std::move(why)};
}
Response notUnderstood() {
    return Response{false, {}, {}};
}

} // namespace

long parseLinesNumber(const Bytes& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    constexpr long kLimit = std::numeric_limits<long>::max() / 16 - 16;
    long value = 0;
    for (; i < text.size() && digitValue(text[i], base) >= 0; ++i) {
        value = std::min(kLimit, value * base + digitValue(text[i], base));
    }
    return negative ? -value : value;
}

Bytes base100Digits(std::uint64_t value, int count) {
    Bytes digits(static_cast<std::size_t>(count), 0);
    for (int i = count - 1; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value % 100);
        value /= 100;
    }
    return digits;
}

Printer::Printer(PrinterState state) : m_state(std::move(state)) {}

std::int64_t Printer::clockSeconds(std::int64_t pcLocalSeconds) const {
    return pcLocalSeconds + m_state.clockOffsetSeconds;
}

Response Printer::handle(const Bytes& command, std::int64_t pcLocalSeconds) {
    if (command.size() < 3 || command.back() != kEnd) {
        return notUnderstood();
    }
    const std::uint8_t lead = command[0];
    const std::uint8_t letter = command[1];
    const Bytes params(command.begin() + 2, command.end() - 1);
    switch (lead) {
    case kLeadQuery:
        return params.empty() ? query(letter) : notUnderstood();
    case kLeadMemory:
        return params.empty() ? memoryQuery(letter) : notUnderstood();
    case kLeadLines:
        return letter == 'S' ? setTextLines(params) : notUnderstood();
    case kLeadClock:
        return setClock(letter, params, pcLocalSeconds);
    case kLeadDateOffset:
        return letter == 'D' ? setDateOffset(params) : notUnderstood();
    default:
        // Fragment reads and writes come here later.
        return notUnderstood();
    }
}

Response Printer::query(std::uint8_t letter) const {
    Bytes out{kStatusOk};
    auto append = [&out](const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); };
    switch (letter) {
    case 'i':
        out.insert(out.end(), m_state.model->name.begin(), m_state.model->name.end());
        out.insert(out.end(), m_state.model->version.begin(), m_state.model->version.end());
        out.push_back(0);
        return reply(out);
    case 'w':
        append(base100Digits(m_state.workingHoursTenths, 4));
        return reply(out);
    case 'm':
        append(base100Digits(m_state.printedCount, 6));
        return reply(out);
    case '\\':
        return reply(encodeSettingsBlock(m_state));
    case 'M':
        out.push_back(m_state.printModeFlags);
        return reply(out);
    case 'S':
        out.push_back(static_cast<std::uint8_t>(m_state.textLines));
        return reply(out);
    default:
        return notUnderstood();
    }
}

Response Printer::memoryQuery(std::uint8_t letter) const {
    if (letter == 'x') {
        Bytes map(kMarkMapSize, kFree);
        for (const auto& [slot, block] : m_state.marks) {
            if (slot >= 1 && slot <= kMarkMapSize) {
                map[static_cast<std::size_t>(slot - 1)] = kOccupied;
            }
        }
        return reply(map);
    }
    if (letter == 'a') {
        Bytes map(kLogoMapSize, kFree);
        for (const auto& [slot, block] : m_state.logos) {
            if (slot >= 0 && slot < kLogoMapSize) {
                map[static_cast<std::size_t>(slot)] = kOccupied;
            }
        }
        return reply(map);
    }
    // The current-mark bitmap, mark and logo transfers come here later.
    return notUnderstood();
}

Response Printer::setTextLines(const Bytes& text) {
    const long lines = parseLinesNumber(text);
    if (lines < 1 || lines > m_state.model->maxTextLines) {
        // The printer keeps its setting and, like every set-command, stays silent.
        return ignored("number of lines out of range");
    }
    m_state.textLines = static_cast<int>(lines);
    return accepted();
}

Response Printer::setClock(std::uint8_t letter, const Bytes& digits, std::int64_t pcLocalSeconds) {
    if ((letter != 'D' && letter != 'T') || digits.size() != 6) {
        return notUnderstood();
    }
    const auto a = twoDigits(digits, 0);
    const auto b = twoDigits(digits, 2);
    const auto c = twoDigits(digits, 4);
    if (!a || !b || !c) {
        return ignored("not six digits");
    }
    const std::int64_t now = clockSeconds(pcLocalSeconds);
    const std::int64_t today = daysOf(now);
    const std::int64_t timeOfDay = now - today * kSecondsPerDay;
    std::int64_t wanted = now;
    if (letter == 'D') {
        using namespace std::chrono;
        const year_month_day date{year{2000 + *c}, month{static_cast<unsigned>(*b)},
                                  day{static_cast<unsigned>(*a)}};
        if (!date.ok()) {
            return ignored("no such date");
        }
        wanted = sys_days{date}.time_since_epoch().count() * kSecondsPerDay + timeOfDay;
    } else {
        if (*a > 23 || *b > 59 || *c > 59) {
            return ignored("no such time");
        }
        wanted = today * kSecondsPerDay + *a * 3600 + *b * 60 + *c;
    }
    m_state.clockOffsetSeconds = wanted - pcLocalSeconds;
    return accepted();
}

Response Printer::setDateOffset(const Bytes& digits) {
    bool valid = digits.size() == m_state.dateOffset.size();
    for (std::uint8_t d : digits) {
        valid = valid && isDigit(d);
    }
    if (!valid) {
        return ignored("date offset is not four digits");
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        m_state.dateOffset[i] = static_cast<char>(digits[i]);
    }
    return accepted();
}

PrinterState makeInitialState(const ModelInfo& model) {
    PrinterState state;
    state.model = &model;
    if (model.layout == Layout::T2x) {
        state.settings.dropFrequency = 45;       // 64.0 kHz
        state.settings.converterFrequency = 120; // 60.9 kHz
        state.settings.verticalSize[0] = 16;
    }
    return state;
}

Bytes placeholderMark(int slot) {
    constexpr std::size_t kMarkBlockSize = 1536;
    Bytes block(kMarkBlockSize, 0);
    const std::string text = "MARK " + std::to_string(slot / 10) + std::to_string(slot % 10);
    block[0] = 0x18; // text fragment, font 0
    block[2] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), block.begin() + 3);
    for (std::size_t record = 1; record < kMarkBlockSize / 48; ++record) {
        block[record * 48] = 0x18;
    }
    return block;
}

Bytes placeholderLogo() {
    return {8, 1, 0xFF, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0xFF};
}

} // namespace nimbrel::sim
