#include "SettingsBlock.h"

namespace nimbrel::sim {

namespace {

class BlockWriter {
public:
    explicit BlockWriter(std::size_t size) : m_bytes(size, 0) { m_bytes[0] = kStatusOk; }

    void u8(std::size_t offset, std::uint8_t value) { m_bytes.at(offset) = value; }
    void s8(std::size_t offset, std::int8_t value) { u8(offset, static_cast<std::uint8_t>(value)); }
    void ch(std::size_t offset, char value) { u8(offset, static_cast<std::uint8_t>(value)); }
    void s16(std::size_t offset, std::int16_t value) {
        const auto raw = static_cast<std::uint16_t>(value);
        u8(offset, static_cast<std::uint8_t>(raw & 0xFF));
        u8(offset + 1, static_cast<std::uint8_t>(raw >> 8));
    }
    template <std::size_t N>
    void list(std::size_t offset, const std::array<std::uint8_t, N>& values) {
        for (std::size_t i = 0; i < N; ++i) {
            u8(offset + i, values[i]);
        }
    }
    void text(std::size_t offset, const std::array<char, 4>& chars) {
        for (std::size_t i = 0; i < chars.size(); ++i) {
            ch(offset + i, chars[i]);
        }
    }
    Bytes take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

constexpr std::size_t kT2xSize = 47;
constexpr std::size_t kT7x9xSize = 73;

Bytes encodeT2x(const PrinterState& state) {
    const PrintSystemSettings& s = state.settings;
    BlockWriter w(kT2xSize);
    w.s16(1, s.autoPrintInterval);
    w.u8(4, s.chargeCorrection);
    w.s16(5, s.startDelayMs);
    w.s16(7, s.startDelayPulses);
    w.s8(9, s.dropFrequency);
    w.u8(11, s.verticalSize[0]);
    w.u8(14, s.coarseSlowdown);
    w.s16(15, s.autoPrintTacho);
    w.u8(17, s.direction);
    w.u8(18, s.emptyDropChargeCorrection);
    w.u8(19, s.testDropCharge);
    w.u8(20, s.guardDrops);
    w.u8(textLinesOffset(Layout::T2x), static_cast<std::uint8_t>(state.textLines));
    w.u8(23, s.phaseThreshold);
    w.u8(24, s.dropGeneratorVoltage[0]);
    w.s16(25, s.fineSlowdown);
    w.u8(28, s.yStepReduction);
    w.u8(29, s.visibilityThreshold[0]);
    w.u8(31, s.converterFrequency);
    w.list(35, s.lineSpacing);
    w.text(dateOffsetOffset(Layout::T2x), state.dateOffset);
    w.u8(43, s.printMarkNumber);
    w.ch(44, s.speedMode);
    w.s16(45, s.autoPrintPulses);
    return w.take();
}

Bytes encodeT7x9x(const PrinterState& state) {
    const PrintSystemSettings& s = state.settings;
    BlockWriter w(kT7x9xSize);
    w.s16(1, s.autoPrintInterval);
    w.u8(4, s.chargeCorrection);
    w.s16(5, s.startDelayMs);
    w.s16(7, s.startDelayPulses);
    w.s8(9, s.dropFrequency);
    w.ch(11, s.groupPrintMode);
    w.u8(12, s.groupMarkCount);
    w.u8(13, s.groupStartDelay);
    w.u8(14, s.groupInterval);
    w.list(15, s.verticalSize);
    w.u8(23, s.coarseSlowdown);
    w.u8(28, s.direction);
    w.u8(30, s.testDropCharge);
    w.u8(31, s.guardDrops);
    w.u8(textLinesOffset(Layout::T7x9x), static_cast<std::uint8_t>(state.textLines));
    w.u8(35, s.phaseThreshold);
    w.list(41, s.dropGeneratorVoltage);
    w.s16(47, s.fineSlowdown);
    w.u8(49, s.yStepReduction);
    w.list(51, s.visibilityThreshold);
    w.u8(57, s.converterFrequency);
    w.list(61, s.lineSpacing);
    w.text(dateOffsetOffset(Layout::T7x9x), state.dateOffset);
    w.u8(69, s.printMarkNumber);
    w.ch(70, s.speedMode);
    w.s16(71, s.autoPrintPulses);
    return w.take();
}

} // namespace

std::size_t textLinesOffset(Layout layout) {
    return layout == Layout::T2x ? 22 : 33;
}

std::size_t dateOffsetOffset(Layout layout) {
    return layout == Layout::T2x ? 39 : 65;
}

Bytes encodeSettingsBlock(const PrinterState& state) {
    return state.model->layout == Layout::T2x ? encodeT2x(state) : encodeT7x9x(state);
}

} // namespace nimbrel::sim
