#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nimbrel::app {

// The program takes no options of its own; it answers only "--version" and "--help" (the first
// of them wins), printing the text returned here and starting nothing. Any other argument is
// left to Qt, as before. args without the program name. The text is in the language in use.
std::optional<std::string> informationOptionText(const std::vector<std::string>& args);

} // namespace nimbrel::app
