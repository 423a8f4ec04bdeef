#pragma once

#include "PrinterState.h"

namespace nimbrel::sim {

// Reply to the print-system settings query, in the layout of the state's model. Byte 0 is the
// status byte; the T2x block ends with offset 46, the T7x/T9x block with offset 72.
Bytes encodeSettingsBlock(const PrinterState& state);

// Where each layout keeps the values that set-commands change.
std::size_t textLinesOffset(Layout layout);
std::size_t dateOffsetOffset(Layout layout);

} // namespace nimbrel::sim
