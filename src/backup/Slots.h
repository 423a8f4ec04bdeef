#pragma once

#include <QString>

namespace nimbrel::backup {

// Marks 0..85 (0 is the one being printed); logos 0..255, of which 128..255 only answer.
inline constexpr int kMarkSlots = 86;
inline constexpr int kLogoSlots = 256;
inline constexpr int kHighestWritableLogo = 127;

struct Slot {
    bool mark = true;
    int number = 0;
    bool operator==(const Slot&) const = default;
};

// "марка #05", "логотип #064"
QString slotName(const Slot& slot);

// How a backup or a restore tells its steps, one a slot, and where it may be stopped.
class Steps {
public:
    virtual ~Steps() = default;
    // Before step `index` (from 0) of `total`, the slot it reads or writes. False stops the
    // work here: this slot and those after it are left alone.
    virtual bool next(int index, int total, const Slot& slot) = 0;
};

} // namespace nimbrel::backup
