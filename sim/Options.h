#pragma once

#include "FaultPlan.h"
#include "Model.h"

#include <optional>
#include <string>
#include <vector>

namespace nimbrel::sim {

struct Options {
    const ModelInfo* model = &defaultModel();
    std::optional<int> com;  // 1..255
    std::string tracePath;   // empty: no trace
    std::string versionText; // empty: the model's own
    std::vector<Fault> faults;
    std::vector<int> occupiedMarks; // 1..85
    std::vector<int> occupiedLogos; // 0..255
    std::string statePath;          // empty: the stores live only as long as the process
    bool currentMark = true;        // off: mark 0 starts empty instead of the demonstration mark
    bool paced = true;        // off: each reply (or half of a split one) goes out in one write
    bool alterWrites = false; // store written marks and logos with one byte changed
    bool help = false;
    bool version = false;
};

struct ParsedOptions {
    std::optional<Options> options;
    std::string error;
};

// args without the program name. Accepts "--name value" and "--name=value".
ParsedOptions parseOptions(const std::vector<std::string>& args);

std::string usageText();

} // namespace nimbrel::sim
