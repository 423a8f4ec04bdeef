#include "MarkBlock.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace nimbrel::sim {

namespace {

constexpr std::uint8_t kDefaultFont = 2;

Bytes markWithFirstText(std::string_view text) {
    Bytes block = blankMark();
    writeFragment(block, 0, Fragment{kTypeText, kDefaultFont, Bytes(text.begin(), text.end())});
    return block;
}

} // namespace

bool isFragmentType(std::uint8_t code) {
    return code == kTypeText || code == kTypeNumber || code == kTypeDateTime ||
           code == kTypeGraphics || code == kTypePostDate || code == kTypeEan;
}

std::size_t recordIndex(int line, int fragment) {
    return static_cast<std::size_t>((fragment - 1) * kLines + (line - 1));
}

Fragment readFragment(std::span<const std::uint8_t> block, std::size_t record) {
    const std::size_t start = record * kRecordSize;
    auto at = [&](std::size_t offset) -> std::uint8_t {
        return start + offset < block.size() ? block[start + offset] : 0;
    };
    Fragment fragment{at(0), at(1), {}};
    const std::size_t length = std::min<std::size_t>(at(2), kMaxFragmentText);
    for (std::size_t i = 0; i < length && at(3 + i) != 0; ++i) {
        fragment.text.push_back(at(3 + i));
    }
    return fragment;
}

void writeFragment(Bytes& block, std::size_t record, const Fragment& fragment) {
    const auto start = static_cast<std::ptrdiff_t>(record * kRecordSize);
    const std::size_t length = std::min(fragment.text.size(), kMaxFragmentText);
    std::fill(block.begin() + start, block.begin() + start + kRecordSize, 0);
    block[record * kRecordSize] = fragment.type;
    block[record * kRecordSize + 1] = fragment.font;
    block[record * kRecordSize + 2] = static_cast<std::uint8_t>(length);
    std::copy_n(fragment.text.begin(), length, block.begin() + start + 3);
}

Bytes normalizedMarkBlock(std::span<const std::uint8_t> block) {
    Bytes out(kMarkBlockSize, 0);
    for (std::size_t record = 0; record < kRecordCount; ++record) {
        writeFragment(out, record, readFragment(block, record));
    }
    return out;
}

Bytes blankMark() {
    Bytes block(kMarkBlockSize, 0);
    for (std::size_t record = 0; record < kRecordCount; ++record) {
        writeFragment(block, record, Fragment{kTypeText, kDefaultFont, {}});
    }
    return block;
}

Bytes placeholderMark(int slot) {
    Bytes block(kMarkBlockSize, 0);
    const std::string text = "MARK " + std::to_string(slot / 10) + std::to_string(slot % 10);
    for (std::size_t record = 0; record < kRecordCount; ++record) {
        writeFragment(block, record, Fragment{kTypeText, 0, {}});
    }
    writeFragment(block, 0, Fragment{kTypeText, 0, Bytes(text.begin(), text.end())});
    return block;
}

Bytes demoMark() {
    return markWithFirstText("NIMBREL");
}

} // namespace nimbrel::sim
