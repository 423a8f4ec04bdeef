#include "printer/AreaReports.h"

#include <gtest/gtest.h>

namespace nimbrel::testing {
namespace {

struct OccupancyCase {
    const char* name;
    std::vector<std::pair<int, char>> bytes; // offset, value; the rest 'N'
    int size;
    std::vector<int> marks;
    std::vector<int> logos;
};

class AreaOccupancyTest : public ::testing::TestWithParam<OccupancyCase> {};

TEST_P(AreaOccupancyTest, SlotsOfTheMaps) {
    const OccupancyCase& c = GetParam();
    QByteArray reply(c.size, 'N');
    for (const auto& [at, value] : c.bytes)
        reply[at] = value;
    EXPECT_EQ(printer::occupiedMarks(reply), c.marks);
    EXPECT_EQ(printer::occupiedLogos(reply), c.logos);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, AreaOccupancyTest,
    ::testing::Values(OccupancyCase{"FirstByteIsMarkOneAndLogoZero", {{0, 'Y'}}, 128, {1}, {0}},
                      OccupancyCase{"OnlyUpperCaseY", {{3, 'y'}, {4, 0x59}}, 128, {5}, {4}},
                      OccupancyCase{
                          "LastMarkAndPastIt", {{84, 'Y'}, {85, 'Y'}}, 128, {85}, {84, 85}},
                      OccupancyCase{"LastLogoAndPastIt", {{127, 'Y'}, {128, 'Y'}}, 200, {}, {127}},
                      OccupancyCase{"ShortReplyIsFree", {{1, 'Y'}}, 2, {2}, {1}},
                      OccupancyCase{"EmptyReply", {}, 0, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nimbrel::testing
