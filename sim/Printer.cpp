#include "Printer.h"

#include "MarkBlock.h"
#include "Replies.h"
#include "SettingsBlock.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <optional>
#include <string>

namespace nimbrel::sim {

using namespace replies;

namespace {

constexpr std::uint8_t kLeadQuery = 0x11;
constexpr std::uint8_t kLeadMemory = 0x0F;
constexpr std::uint8_t kLeadLines = 0x0C;
constexpr std::uint8_t kLeadClock = 0x1A;
constexpr std::uint8_t kLeadDateOffset = 0x1D;

constexpr std::int64_t kSecondsPerDay = 86400;

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
    return digitsValue(std::span(digits).subspan(pos, 2));
}

std::int64_t daysOf(std::int64_t seconds) {
    return seconds >= 0 ? seconds / kSecondsPerDay
                        : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
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
    if (command.size() < 3) {
        return notUnderstood();
    }
    const std::uint8_t lead = command[0];
    const std::uint8_t letter = command[1];
    // The two block writes end in binary data, not in the end byte.
    if (lead == kLeadMemory && letter == 't') {
        return writeMark(command);
    }
    if (lead == kLeadMemory && letter == 'l') {
        return writeLogo(command);
    }
    if (command.back() != kEnd) {
        return notUnderstood();
    }
    // A fragment write opens with its type code, two of which are also lead bytes; a digit
    // (the line) where those commands have their letter tells them apart.
    if (isFragmentType(lead) && isDigit(letter)) {
        return writeFragment(command);
    }
    const Bytes params(command.begin() + 2, command.end() - 1);
    switch (lead) {
    case kLeadQuery:
        if (isDigit(letter) && params.size() == 1) {
            return readFragment(letter, params[0]);
        }
        return params.empty() ? query(letter) : notUnderstood();
    case kLeadMemory:
        return memoryQuery(letter, params);
    case kLeadLines:
        return letter == 'S' ? setTextLines(params) : notUnderstood();
    case kLeadClock:
        return setClock(letter, params, pcLocalSeconds);
    case kLeadDateOffset:
        return letter == 'D' ? setDateOffset(params) : notUnderstood();
    default:
        return notUnderstood();
    }
}

Response Printer::query(std::uint8_t letter) const {
    Bytes out{kStatusOk};
    auto append = [&out](const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); };
    switch (letter) {
    case 'i':
        if (m_state.versionText.empty()) {
            out.insert(out.end(), m_state.model->name.begin(), m_state.model->name.end());
            out.insert(out.end(), m_state.model->version.begin(), m_state.model->version.end());
        } else {
            out.insert(out.end(), m_state.versionText.begin(), m_state.versionText.end());
        }
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

Response Printer::memoryQuery(std::uint8_t letter, const Bytes& params) const {
    switch (letter) {
    case 'x':
    case 'a':
        return params.empty() ? areaMap(letter) : notUnderstood();
    case 'b':
        return params.empty() ? currentMarkBitmap() : notUnderstood();
    case 'r':
        return readMark(params);
    case 'i':
        return readLogo(params);
    default:
        return notUnderstood();
    }
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
    state.marks[0] = demoMark();
    if (model.layout == Layout::T2x) {
        state.settings.dropFrequency = 45;       // 64.0 kHz
        state.settings.converterFrequency = 120; // 60.9 kHz
        state.settings.verticalSize[0] = 16;
    }
    return state;
}

} // namespace nimbrel::sim
