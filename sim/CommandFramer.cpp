#include "CommandFramer.h"

#include <algorithm>
#include <array>

namespace nimbrel::sim {

namespace {

constexpr std::uint8_t kEnd = 0x0E;
constexpr std::uint8_t kLeadMemory = 0x0F;

// Control bytes that open a command: the lead bytes and the fragment type codes that open a
// fragment write.
constexpr std::array<std::uint8_t, 9> kLeads{0x0C, 0x0F, 0x11, 0x1A, 0x1D, 0x10, 0x18, 0x19, 0x1C};

bool isLead(std::uint8_t b) {
    return std::find(kLeads.begin(), kLeads.end(), b) != kLeads.end();
}

constexpr std::size_t kMarkBlockSize = 1536;
constexpr std::size_t kLogoBlockSize = 256;
constexpr std::size_t kLogoHeaderSize = 6; // its last byte is the binary block length

} // namespace

std::vector<CommandFramer::Item> CommandFramer::feed(std::span<const std::uint8_t> data,
                                                     Millis now) {
    std::vector<Item> out;
    for (std::uint8_t b : data) {
        take(b, out);
    }
    if (!data.empty()) {
        m_lastByte = now;
    }
    flushDiscarded(out);
    return out;
}

std::vector<CommandFramer::Item> CommandFramer::expire(Millis now) {
    std::vector<Item> out;
    if (m_phase != Phase::Idle && now - m_lastByte >= kSilence) {
        discardPartial();
        flushDiscarded(out);
    }
    return out;
}

std::optional<Millis> CommandFramer::deadline() const {
    if (m_phase == Phase::Idle) {
        return std::nullopt;
    }
    return m_lastByte + kSilence;
}

void CommandFramer::take(std::uint8_t b, std::vector<Item>& out) {
    switch (m_phase) {
    case Phase::Idle:
        if (isLead(b)) {
            flushDiscarded(out);
            start(b);
        } else {
            m_discarded.push_back(b);
        }
        return;
    case Phase::Letter:
    case Phase::Terminated:
    case Phase::FixedHeader:
        // A lead byte where only a letter or ASCII parameter can stand means the command
        // before it was broken off; the binary length byte of a logo header is exempt.
        if (isLead(b) && !(m_phase == Phase::FixedHeader && m_partial.size() + 1 == m_headerSize)) {
            discardPartial();
            flushDiscarded(out);
            start(b);
            return;
        }
        m_partial.push_back(b);
        if (m_phase == Phase::Letter) {
            chooseForm(b);
        }
        if (m_phase == Phase::Terminated && b == kEnd) {
            m_phase = m_payloadSize > 0 ? Phase::Payload : Phase::Idle;
        } else if (m_phase == Phase::FixedHeader && m_partial.size() == m_headerSize) {
            m_phase = Phase::Payload;
        } else if (m_partial.size() > kMaxTerminated) {
            discardPartial();
            return;
        }
        if (m_phase == Phase::Payload && m_payloadSize == 0) {
            m_phase = Phase::Idle;
        }
        if (m_phase == Phase::Idle) {
            finish(out);
        }
        return;
    case Phase::Payload:
        m_partial.push_back(b);
        if (--m_payloadSize == 0) {
            m_phase = Phase::Idle;
            finish(out);
        }
        return;
    }
}

void CommandFramer::start(std::uint8_t lead) {
    m_partial.assign(1, lead);
    m_phase = Phase::Letter;
    m_headerSize = 0;
    m_payloadSize = 0;
}

void CommandFramer::chooseForm(std::uint8_t letter) {
    m_phase = Phase::Terminated;
    if (m_partial[0] != kLeadMemory) {
        return;
    }
    if (letter == 't') {
        m_payloadSize = kMarkBlockSize;
    } else if (letter == 'l') {
        m_phase = Phase::FixedHeader;
        m_headerSize = kLogoHeaderSize;
        m_payloadSize = kLogoBlockSize;
    }
}

void CommandFramer::finish(std::vector<Item>& out) {
    flushDiscarded(out);
    out.push_back(Item{Item::Kind::Command, std::move(m_partial)});
    m_partial.clear();
}

void CommandFramer::discardPartial() {
    m_discarded.insert(m_discarded.end(), m_partial.begin(), m_partial.end());
    m_partial.clear();
    m_phase = Phase::Idle;
}

void CommandFramer::flushDiscarded(std::vector<Item>& out) {
    if (!m_discarded.empty()) {
        out.push_back(Item{Item::Kind::Discarded, std::move(m_discarded)});
        m_discarded.clear();
    }
}

} // namespace nimbrel::sim
