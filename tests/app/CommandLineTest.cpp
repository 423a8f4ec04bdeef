#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace nimbrel::app {
namespace {

using Args = std::vector<std::string>;

TEST(CommandLine, VersionAndHelpAnswerWhereverTheyStand) {
    EXPECT_EQ(informationOptionText({"--version"}), "nimbrel 5.0\n");
    EXPECT_EQ(informationOptionText({"-platform", "offscreen", "--version"}), "nimbrel 5.0\n");
    const auto help = informationOptionText({"--help"});
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->starts_with("Использование: nimbrel [--version | --help]\n"));
    EXPECT_TRUE(help->ends_with("  --help     показать эту справку и выйти\n"));
    EXPECT_EQ(informationOptionText({"--help", "--version"}), help);
    EXPECT_EQ(informationOptionText({"--version", "--help"}), "nimbrel 5.0\n");
}

TEST(CommandLine, AnythingElseStartsTheProgramAsBefore) {
    for (const Args& args : {Args{}, Args{"--versions"}, Args{"-version"}, Args{"--version=1"},
                             Args{"version"}, Args{"-h"}, Args{"-platform", "xcb"}, Args{""}}) {
        SCOPED_TRACE(args.empty() ? std::string("(none)") : args.front());
        EXPECT_FALSE(informationOptionText(args));
    }
}

} // namespace
} // namespace nimbrel::app
