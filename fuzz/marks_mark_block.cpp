#include "marks/MarkBlock.h"

#include <cstddef>
#include <cstdint>

// Both reads' decoders on any reply: every text fits a fragment, every free count matches
// its text, and the numbered read's cells encode again without loss of length.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbrel::marks;
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    isEmptyMark(reply);
    for (ReadForm form : {ReadForm::Numbered, ReadForm::Current}) {
        const auto rows = decodeMarkBlock(reply, form);
        MarkTable table;
        for (int row = 0; row < kRows; ++row) {
            const FragmentCells& c = rows[row];
            if (c.text.size() > kMaxFragmentText || c.free != freeCountText(c.text.size()) ||
                c.type.isEmpty() || c.font.size() < 3)
                __builtin_trap();
            table.setCells(row, c);
        }
        const EncodedMark encoded = encodeMarkBlock(table);
        if (!encoded.ok() || encoded.block.size() != kMarkBlockSize)
            __builtin_trap();
    }
    return 0;
}
