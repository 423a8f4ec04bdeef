#pragma once

#include "Model.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace nimbrel::sim {

using Bytes = std::vector<std::uint8_t>;

// Byte 0 of the query replies; the program does not interpret it.
inline constexpr std::uint8_t kStatusOk = 0x06;

// The print-system settings, by meaning; the two layouts place them differently.
// Where the T2x family has one value, it uses element 0 of a list.
struct PrintSystemSettings {
    std::int16_t autoPrintInterval = 50; // x10 ms
    std::uint8_t chargeCorrection = 12;
    std::int16_t startDelayMs = 100;
    std::int16_t startDelayPulses = 250;
    std::int8_t dropFrequency = 3; // 8000 / (v + 125) kHz, or / (v + 80) on T2x
    char groupPrintMode = 'P';     // 'P' off, 'A' on
    std::uint8_t groupMarkCount = 1;
    std::uint8_t groupStartDelay = 5; // x10 ms
    std::uint8_t groupInterval = 20;  // x10 ms
    std::array<std::uint8_t, 6> verticalSize{7, 16, 24, 32, 32, 32};
    std::uint8_t coarseSlowdown = 0;
    std::int16_t autoPrintTacho = 20;           // T2x only, x15 pulses
    std::uint8_t direction = '+';               // '-' (0x2D) counts down
    std::uint8_t emptyDropChargeCorrection = 5; // T2x only
    std::uint8_t testDropCharge = 80;
    std::uint8_t guardDrops = 3;
    std::uint8_t phaseThreshold = 40;
    std::array<std::uint8_t, 6> dropGeneratorVoltage{120, 118, 122, 119, 121, 120};
    std::int16_t fineSlowdown = 0;
    std::uint8_t yStepReduction = 0;
    std::array<std::uint8_t, 6> visibilityThreshold{30, 30, 28, 28, 26, 26};
    std::uint8_t converterFrequency = 100; // 3669 / v kHz, or 7373 / (v + 1) on T2x
    std::array<std::uint8_t, 3> lineSpacing{2, 2, 2};
    std::uint8_t printMarkNumber = 1;
    char speedMode = '0'; // '5', '6', '7' fast; anything else normal
    std::int16_t autoPrintPulses = 1000;
};

// Everything one printer remembers while the simulator runs.
struct PrinterState {
    const ModelInfo* model = nullptr;
    // Answered to the version request in place of the model's own text when set.
    std::string versionText;
    std::uint32_t workingHoursTenths = 12345; // 1234.5 hours
    std::uint64_t printedCount = 105;
    std::uint8_t printModeFlags = 0x18;
    int textLines = 1;
    std::array<char, 4> dateOffset{'0', '0', '0', '0'};
    // The printer clock runs with the PC clock, shifted by what the last set-date/time said.
    std::int64_t clockOffsetSeconds = 0;
    PrintSystemSettings settings;
    // Slot number -> stored block: marks 0..85 (0 is the mark being printed) as 1536-byte mark
    // blocks in the printer's own form (MarkBlock.h), logos 0..255 as logo blocks (LogoBlock.h).
    // A slot that is not in the map is empty.
    std::map<int, Bytes> marks;
    std::map<int, Bytes> logos;
    // A faulty memory: every mark and logo written is stored with one byte changed (the font
    // of the mark's first record, the first column byte of the logo).
    bool alterWrites = false;
};

// A fresh printer: plausible settings, empty stores but for a demonstration mark 0.
PrinterState makeInitialState(const ModelInfo& model);

} // namespace nimbrel::sim
