#include "Model.h"

#include <array>

namespace nimbrel::sim {

namespace {

constexpr std::array<ModelInfo, 9> kModels{{
    {"T236", " v2.15 17.09.2015", Layout::T2x, 2},
    {"T260", " v2.15 17.09.2015", Layout::T2x, 4},
    {"T736", " v3.22 04.11.2017", Layout::T7x9x, 2},
    {"T760", " v3.22 04.11.2017", Layout::T7x9x, 2},
    {"T75Z", " v3.31 22.06.2018", Layout::T7x9x, 2},
    {"T936", " v4.07 12.03.2019", Layout::T7x9x, 2},
    {"T960", " v4.07 12.03.2019", Layout::T7x9x, 2},
    {"T93Z", " v4.12 30.09.2019", Layout::T7x9x, 2},
    {"T95Z", " v4.12 30.09.2019", Layout::T7x9x, 2},
}};

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace

const ModelInfo* findModel(std::string_view name) {
    for (const ModelInfo& model : kModels) {
        if (name.size() != model.name.size()) {
            continue;
        }
        bool same = true;
        for (std::size_t i = 0; i < name.size(); ++i) {
            same = same && upper(name[i]) == model.name[i];
        }
        if (same) {
            return &model;
        }
    }
    return nullptr;
}

const ModelInfo& defaultModel() {
    return kModels[1];
}

std::string_view modelNames() {
    return "T236, T260, T736, T760, T75Z, T936, T960, T93Z, T95Z";
}

} // namespace nimbrel::sim
