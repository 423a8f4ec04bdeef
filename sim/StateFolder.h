#pragma once

#include "Printer.h"

#include <string>
#include <vector>

namespace nimbrel::sim {

// The mark and logo stores kept on disk between runs, one file per occupied slot:
// "mark-NN.blk" holds the 1536-byte mark block, "logo-NNN.blk" the logo block. A slot without
// a file keeps what the printer starts with.
class StateFolder {
public:
    explicit StateFolder(std::string path) : m_path(std::move(path)) {}

    const std::string& path() const { return m_path; }

    // Creates the folder (and its parents) when it is missing.
    bool prepare(std::string& error) const;

    // Fills the stores from the files; one warning per file that is not a sound block.
    std::vector<std::string> load(PrinterState& state) const;

    // Replaces the slot's file in one step, or removes it when the slot is now empty.
    bool save(const PrinterState& state, const StoreChange& change, std::string& error) const;

    static std::string fileName(const StoreChange& change);

private:
    std::string m_path;
};

} // namespace nimbrel::sim
