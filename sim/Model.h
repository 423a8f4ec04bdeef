#pragma once

#include <string_view>

namespace nimbrel::sim {

// Which settings-block layout a model answers with.
enum class Layout { T2x, T7x9x };

struct ModelInfo {
    std::string_view name;    // the four-character model code of the version reply
    std::string_view version; // version text after the model code
    Layout layout;
    int maxTextLines;
};

// Null for a name that is not one of the nine models; the comparison ignores case.
const ModelInfo* findModel(std::string_view name);
const ModelInfo& defaultModel();

// "T236, T260, ..." for messages.
std::string_view modelNames();

} // namespace nimbrel::sim
