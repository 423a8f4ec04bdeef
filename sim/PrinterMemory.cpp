#include "LogoBlock.h"
#include "MarkBlock.h"
#include "MarkRenderer.h"
#include "Printer.h"
#include "Replies.h"

#include <algorithm>
#include <span>
#include <string>

namespace nimbrel::sim {

using namespace replies;

namespace {

constexpr int kMarkSlots = 86;
constexpr int kMarkMapSize = 85;
constexpr int kLogoMapSize = 128;
constexpr std::uint8_t kOccupied = 'Y';
constexpr std::uint8_t kFree = 'N';
// The one-byte answers: an empty mark slot; an empty logo slot or a logo write refused.
constexpr std::uint8_t kEmptyMark = 0x00;
constexpr std::uint8_t kRefused = 0x15;

constexpr std::size_t kMarkHeaderSize = 5; // 0x0F 't' d d 0x0E
constexpr std::size_t kLogoHeaderSize = 6; // 0x0F 'l' d d d L
constexpr std::size_t kFragmentHeader = 4; // type, line, fragment, font
constexpr std::uint8_t kFontBase = 0x30;

StoreChange markChanged(int slot) {
    return StoreChange{StoreChange::Store::Marks, slot};
}

StoreChange logoChanged(int slot) {
    return StoreChange{StoreChange::Store::Logos, slot};
}

Response changed(StoreChange change, Bytes answer = {}) {
    Response r = reply(std::move(answer));
    r.changed = change;
    return r;
}

} // namespace

Response Printer::areaMap(std::uint8_t letter) const {
    const bool marks = letter == 'x';
    Bytes map(marks ? kMarkMapSize : kLogoMapSize, kFree);
    // Mark k sits at byte k - 1 (mark 0 has none), logo k at byte k.
    const int first = marks ? 1 : 0;
    for (const auto& entry : marks ? m_state.marks : m_state.logos) {
        const int at = entry.first - first;
        if (at >= 0 && at < static_cast<int>(map.size())) {
            map[static_cast<std::size_t>(at)] = kOccupied;
        }
    }
    return reply(map);
}

Response Printer::readMark(const Bytes& digits) const {
    const auto slot = digits.size() == 2 ? digitsValue(digits) : std::nullopt;
    if (!slot || *slot >= kMarkSlots) {
        return notUnderstood();
    }
    const auto stored = m_state.marks.find(*slot);
    return reply(stored != m_state.marks.end() ? stored->second : Bytes{kEmptyMark});
}

Response Printer::writeMark(const Bytes& command) {
    if (command.size() != kMarkHeaderSize + kMarkBlockSize ||
        command[kMarkHeaderSize - 1] != kEnd) {
        return notUnderstood();
    }
    const auto slot = digitsValue(std::span(command).subspan(2, 2));
    if (!slot || *slot >= kMarkSlots) {
        return ignored("no mark slot " + std::string(command.begin() + 2, command.begin() + 4));
    }
    const auto block = std::span(command).subspan(kMarkHeaderSize);
    // A block that opens with type 0 is the empty mark: the slot is cleared.
    if (block[0] == 0) {
        m_state.marks.erase(*slot);
    } else {
        m_state.marks[*slot] = normalizedMarkBlock(block);
        if (m_state.alterWrites) {
            m_state.marks[*slot][1] ^= 0x01;
        }
    }
    return changed(markChanged(*slot));
}

Response Printer::readLogo(const Bytes& digits) const {
    const auto slot = digits.size() == 3 ? digitsValue(digits) : std::nullopt;
    if (!slot || *slot >= kLogoSlots) {
        return notUnderstood();
    }
    const auto stored = m_state.logos.find(*slot);
    if (stored == m_state.logos.end()) {
        return reply({kRefused});
    }
    Bytes out{kStatusOk};
    out.insert(out.end(), stored->second.begin(), stored->second.end());
    return reply(out);
}

Response Printer::writeLogo(const Bytes& command) {
    if (command.size() != kLogoHeaderSize + kLogoTransferSize) {
        return notUnderstood();
    }
    const auto slot = digitsValue(std::span(command).subspan(2, 3));
    const std::uint8_t announced = command[kLogoHeaderSize - 1];
    const auto block = std::span(command).subspan(kLogoHeaderSize);
    if (!slot || *slot >= kWritableLogoSlots) {
        Response r = reply({kRefused});
        r.note = "logo slot " + std::string(command.begin() + 2, command.begin() + 5) +
                 " cannot be written";
        return r;
    }
    // The delete request is a write announcing the end byte for its length, with an empty
    // block; a genuine 14-byte logo announces the same byte but has a width.
    if (announced == kEnd && block[0] == 0) {
        m_state.logos.erase(*slot);
        return changed(logoChanged(*slot), {kStatusOk});
    }
    auto logo = acceptLogoBlock(announced, block);
    if (!logo) {
        Response r = reply({kRefused});
        r.note = "logo block of width " + std::to_string(block[0]) + ", " +
                 std::to_string(block[1]) + " bytes per column does not match length " +
                 std::to_string(announced);
        return r;
    }
    if (m_state.alterWrites && logo->size() > 2) {
        (*logo)[2] ^= 0x01;
    }
    m_state.logos[*slot] = std::move(*logo);
    return changed(logoChanged(*slot), {kStatusOk});
}

Response Printer::readFragment(std::uint8_t lineDigit, std::uint8_t fragmentDigit) const {
    const int line = lineDigit - '0';
    const int fragment = fragmentDigit - '0';
    if (line < 1 || line > kLines || fragment < 1 || fragment > kFragmentsPerLine) {
        return notUnderstood();
    }
    const auto stored = m_state.marks.find(0);
    const Bytes empty;
    const Fragment f = sim::readFragment(stored != m_state.marks.end() ? stored->second : empty,
                                         recordIndex(line, fragment));
    Bytes out{f.type, f.font, static_cast<std::uint8_t>(f.text.size())};
    out.insert(out.end(), f.text.begin(), f.text.end());
    return reply(out);
}

Response Printer::writeFragment(const Bytes& command) {
    // type, line digit, fragment digit, 0x30 + font, text, end byte.
    if (command.size() < kFragmentHeader + 1) {
        return notUnderstood();
    }
    const int line = command[1] - '0';
    const int fragment = isDigit(command[2]) ? command[2] - '0' : 0;
    if (line < 1 || line > kLines || fragment < 1 || fragment > kFragmentsPerLine) {
        return ignored("no fragment " + std::string(command.begin() + 1, command.begin() + 3));
    }
    if (command[3] < kFontBase) {
        return ignored("no font in fragment write");
    }
    Bytes text(command.begin() + kFragmentHeader, command.end() - 1);
    if (text.size() > kMaxFragmentText) {
        return ignored("fragment text longer than 44 characters");
    }
    // A zero byte would end the text in the record; the printer keeps what comes before it.
    if (const auto zero = std::find(text.begin(), text.end(), 0); zero != text.end()) {
        text.erase(zero, text.end());
    }
    Bytes& current = m_state.marks.try_emplace(0, blankMark()).first->second;
    sim::writeFragment(
        current, recordIndex(line, fragment),
        Fragment{command[0], static_cast<std::uint8_t>(command[3] - kFontBase), std::move(text)});
    return changed(markChanged(0));
}

Response Printer::currentMarkBitmap() const {
    const auto stored = m_state.marks.find(0);
    if (stored == m_state.marks.end()) {
        return reply(bitmapAnswer({}));
    }
    return reply(bitmapAnswer(renderMark(stored->second, m_state)));
}

} // namespace nimbrel::sim
