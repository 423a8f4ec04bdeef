#include "StateFolder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// One folder for the whole run, removed at its end.
struct ScratchFolder {
    std::string path;
    ScratchFolder() {
        char pattern[] = "/tmp/nimbrel-fuzz-state-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            std::abort();
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

} // namespace

// A state folder holding one file of any bytes: a mark (first byte even) or a logo (odd).
// Whatever loads is a sound block and saves back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace nimbrel::sim;
    static const ScratchFolder scratch;
    const std::string& folder = scratch.path;
    if (size < 1)
        return 0;
    const bool mark = (data[0] & 1) == 0;
    const StoreChange change{mark ? StoreChange::Store::Marks : StoreChange::Store::Logos,
                             mark ? data[0] % 86 : data[0]};
    const std::string path = folder + "/" + StateFolder::fileName(change);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data + 1), static_cast<std::streamsize>(size - 1));
    }
    const StateFolder state(folder);
    PrinterState printer;
    const auto warnings = state.load(printer);
    const auto& store = mark ? printer.marks : printer.logos;
    const bool loaded = store.contains(change.slot);
    if (loaded == !warnings.empty() || store.size() > 1)
        __builtin_trap();
    if (loaded) {
        std::string error;
        if (!state.save(printer, change, error))
            __builtin_trap();
        PrinterState again;
        if (!state.load(again).empty() ||
            (mark ? again.marks : again.logos).at(change.slot) != store.at(change.slot))
            __builtin_trap();
    }
    std::filesystem::remove(path);
    return 0;
}
