#include "FaultPlan.h"

#include <array>
#include <charconv>

namespace nimbrel::sim {

namespace {

struct KindInfo {
    std::string_view name;
    FaultKind kind;
    bool takesValue;
    std::optional<int> defaultValue; // nothing: the value is required when it takes one
};

constexpr std::array<KindInfo, 7> kKinds{{
    {"no-reply", FaultKind::NoReply, false, 0},
    {"cut", FaultKind::Cut, true, std::nullopt},
    {"delay", FaultKind::Delay, true, std::nullopt},
    {"garbage", FaultKind::Garbage, false, 0},
    {"split", FaultKind::Split, true, 10},
    {"hangup", FaultKind::Hangup, true, 1},
    {"pad", FaultKind::Pad, true, std::nullopt},
}};

constexpr int kMaxValue = 600000;

const KindInfo* kindNamed(std::string_view name) {
    for (const KindInfo& info : kKinds) {
        if (info.name == name) {
            return &info;
        }
    }
    return nullptr;
}

std::string_view nameOf(FaultKind kind) {
    for (const KindInfo& info : kKinds) {
        if (info.kind == kind) {
            return info.name;
        }
    }
    return "?";
}

} // namespace

std::optional<Fault> parseFault(std::string_view text, std::string& error) {
    const std::string_view whole = text;
    Fault fault;
    if (const auto at = text.find('@'); at != std::string_view::npos) {
        const std::string_view letter = text.substr(at + 1);
        if (letter.size() != 1) {
            error = "fault '" + std::string(whole) + "': @ must be followed by one command letter";
            return std::nullopt;
        }
        fault.letter = static_cast<std::uint8_t>(letter[0]);
        text = text.substr(0, at);
    }
    std::string_view valueText;
    bool hasValue = false;
    if (const auto eq = text.find('='); eq != std::string_view::npos) {
        valueText = text.substr(eq + 1);
        hasValue = true;
        text = text.substr(0, eq);
    }
    const KindInfo* info = kindNamed(text);
    if (info == nullptr) {
        error = "unknown fault '" + std::string(text) +
                "' (no-reply, cut=N, delay=N, garbage, split[=N], hangup[=N], pad=N)";
        return std::nullopt;
    }
    fault.kind = info->kind;
    if (hasValue && !info->takesValue) {
        error = "fault '" + std::string(info->name) + "' takes no value";
        return std::nullopt;
    }
    if (!hasValue && !info->defaultValue) {
        error = "fault '" + std::string(info->name) +
                "' needs a value: " + std::string(info->name) + "=N";
        return std::nullopt;
    }
    fault.value = info->defaultValue.value_or(0);
    if (hasValue) {
        int value = 0;
        const auto [end, ec] =
            std::from_chars(valueText.data(), valueText.data() + valueText.size(), value);
        if (ec != std::errc{} || end != valueText.data() + valueText.size() || value < 0 ||
            value > kMaxValue || (fault.kind == FaultKind::Hangup && value == 0)) {
            error =
                "fault '" + std::string(whole) + "': bad number '" + std::string(valueText) + "'";
            return std::nullopt;
        }
        fault.value = value;
    }
    return fault;
}

ReplyPlan FaultPlan::plan(const Bytes& command, Bytes reply, std::mt19937& random) {
    m_counts.resize(m_faults.size(), 0);
    ReplyPlan out;
    const std::optional<std::uint8_t> letter =
        command.size() >= 2 ? std::optional<std::uint8_t>(command[1]) : std::nullopt;
    Millis splitPause{-1};
    for (std::size_t i = 0; i < m_faults.size(); ++i) {
        const Fault& f = m_faults[i];
        if (f.letter && f.letter != letter) {
            continue;
        }
        if (f.kind == FaultKind::Hangup) {
            // Counted for every command; once it fired the line is new and the fault is spent.
            if (m_counts[i] >= 0 && ++m_counts[i] == f.value) {
                out.hangup = true;
                m_counts[i] = -1;
                out.applied.push_back("hangup");
            }
            continue;
        }
        if (reply.empty()) {
            continue;
        }
        switch (f.kind) {
        case FaultKind::NoReply:
            reply.clear();
            break;
        case FaultKind::Cut:
            reply.resize(std::min(reply.size(), static_cast<std::size_t>(f.value)));
            break;
        case FaultKind::Garbage: {
            std::uniform_int_distribution<int> byte(0, 255);
            for (std::uint8_t& b : reply) {
                b = static_cast<std::uint8_t>(byte(random));
            }
            break;
        }
        case FaultKind::Delay:
            out.delay += Millis{f.value};
            break;
        case FaultKind::Split:
            splitPause = Millis{f.value};
            break;
        case FaultKind::Pad:
            reply.insert(reply.end(), static_cast<std::size_t>(f.value), 0);
            break;
        case FaultKind::Hangup:
            break;
        }
        out.applied.push_back(std::string(nameOf(f.kind)));
    }
    if (splitPause.count() >= 0 && reply.size() >= 2) {
        const auto half = static_cast<std::ptrdiff_t>((reply.size() + 1) / 2);
        out.second.assign(reply.begin() + half, reply.end());
        reply.resize(static_cast<std::size_t>(half));
        out.pause = splitPause;
    }
    out.first = std::move(reply);
    return out;
}

} // namespace nimbrel::sim
