#include "Printer.h"
#include "TestNames.h"

#include <gtest/gtest.h>

#include <ostream>

#include <functional>
#include <set>

namespace nimbrel::sim {
namespace {

struct Field {
    const char* name;
    std::size_t offset;
    Bytes expected;
};

Bytes settingsReply(Printer& printer) {
    const Response r = printer.handle(Bytes{0x11, 0x5C, 0x0E}, 0);
    EXPECT_TRUE(r.understood);
    return r.reply;
}

// Every field gets a value of its own, so a field written at the wrong place shows up either
// at its own offset or as a stray byte elsewhere.
void setDistinctValues(PrinterState& state) {
    PrintSystemSettings& s = state.settings;
    s.autoPrintInterval = -2;
    s.chargeCorrection = 0xC4;
    s.startDelayMs = 0x1234;
    s.startDelayPulses = 0x0201;
    s.dropFrequency = -125;
    s.groupPrintMode = 'A';
    s.groupMarkCount = 0x09;
    s.groupStartDelay = 0x21;
    s.groupInterval = 0x22;
    s.verticalSize = {0x41, 0x42, 0x43, 0x44, 0x45, 0x46};
    s.coarseSlowdown = 0x23;
    s.autoPrintTacho = 0x0A0B;
    s.direction = 0x2D;
    s.emptyDropChargeCorrection = 0x2E;
    s.testDropCharge = 0x24;
    s.guardDrops = 0x25;
    s.phaseThreshold = 0x26;
    s.dropGeneratorVoltage = {0x51, 0x52, 0x53, 0x54, 0x55, 0x56};
    s.fineSlowdown = 0x0304;
    s.yStepReduction = 0x27;
    s.visibilityThreshold = {0x61, 0x62, 0x63, 0x64, 0x65, 0x66};
    s.converterFrequency = 0x32;
    s.lineSpacing = {0x71, 0x72, 0x73};
    s.printMarkNumber = 0x55;
    s.speedMode = '7';
    s.autoPrintPulses = 0x7FFE;
    state.textLines = 2;
    state.dateOffset = {'1', '2', '3', '4'};
}

void expectLayout(const char* model, std::size_t size, const std::vector<Field>& fields) {
    PrinterState state = makeInitialState(*findModel(model));
    setDistinctValues(state);
    Printer printer(state);
    const Bytes reply = settingsReply(printer);
    ASSERT_EQ(reply.size(), size);
    EXPECT_EQ(reply[0], 0x06);
    std::set<std::size_t> covered{0};
    for (const Field& f : fields) {
        SCOPED_TRACE(f.name);
        ASSERT_LE(f.offset + f.expected.size(), reply.size());
        EXPECT_EQ(Bytes(reply.begin() + static_cast<std::ptrdiff_t>(f.offset),
                        reply.begin() + static_cast<std::ptrdiff_t>(f.offset + f.expected.size())),
                  f.expected);
        for (std::size_t i = 0; i < f.expected.size(); ++i) {
            covered.insert(f.offset + i);
        }
    }
    for (std::size_t i = 0; i < reply.size(); ++i) {
        if (!covered.contains(i)) {
            EXPECT_EQ(reply[i], 0) << "stray byte at offset " << i;
        }
    }
}

TEST(SettingsBlock, T7xT9xLayoutPlacesEveryFieldAtItsOffset) {
    expectLayout("T93Z", 73,
                 {
                     {"auto-print interval", 1, {0xFE, 0xFF}},
                     {"charge correction", 4, {0xC4}},
                     {"start delay ms", 5, {0x34, 0x12}},
                     {"start delay pulses", 7, {0x01, 0x02}},
                     {"drop frequency", 9, {0x83}},
                     {"group print mode", 11, {'A'}},
                     {"group mark count", 12, {0x09}},
                     {"group start delay", 13, {0x21}},
                     {"group interval", 14, {0x22}},
                     {"vertical size list", 15, {0x41, 0x42, 0x43, 0x44, 0x45, 0x46}},
                     {"coarse slowdown", 23, {0x23}},
                     {"direction", 28, {0x2D}},
                     {"test drop charge", 30, {0x24}},
                     {"guard drops", 31, {0x25}},
                     {"print lines", 33, {0x02}},
                     {"phase threshold", 35, {0x26}},
                     {"drop generator voltage", 41, {0x51, 0x52, 0x53, 0x54, 0x55, 0x56}},
                     {"fine slowdown", 47, {0x04, 0x03}},
                     {"y-step reduction", 49, {0x27}},
                     {"visibility threshold", 51, {0x61, 0x62, 0x63, 0x64, 0x65, 0x66}},
                     {"converter frequency", 57, {0x32}},
                     {"line spacing", 61, {0x71, 0x72, 0x73}},
                     {"date offset", 65, {'1', '2', '3', '4'}},
                     {"print mark number", 69, {0x55}},
                     {"speed mode", 70, {'7'}},
                     {"auto-print pulses", 71, {0xFE, 0x7F}},
                 });
}

TEST(SettingsBlock, T2xLayoutPlacesEveryFieldAtItsOffset) {
    expectLayout("T260", 47,
                 {
                     {"auto-print interval", 1, {0xFE, 0xFF}},
                     {"charge correction", 4, {0xC4}},
                     {"start delay ms", 5, {0x34, 0x12}},
                     {"start delay pulses", 7, {0x01, 0x02}},
                     {"drop frequency", 9, {0x83}},
                     {"vertical size", 11, {0x41}},
                     {"coarse slowdown", 14, {0x23}},
                     {"auto-print tacho", 15, {0x0B, 0x0A}},
                     {"direction", 17, {0x2D}},
                     {"empty drop charge", 18, {0x2E}},
                     {"test drop charge", 19, {0x24}},
                     {"guard drops", 20, {0x25}},
                     {"print lines", 22, {0x02}},
                     {"phase threshold", 23, {0x26}},
                     {"drop generator voltage", 24, {0x51}},
                     {"fine slowdown", 25, {0x04, 0x03}},
                     {"y-step reduction", 28, {0x27}},
                     {"visibility threshold", 29, {0x61}},
                     {"converter frequency", 31, {0x32}},
                     {"line spacing", 35, {0x71, 0x72, 0x73}},
                     {"date offset", 39, {'1', '2', '3', '4'}},
                     {"print mark number", 43, {0x55}},
                     {"speed mode", 44, {'7'}},
                     {"auto-print pulses", 45, {0xFE, 0x7F}},
                 });
}

struct LayoutCase {
    const char* model;
    std::size_t size;
    std::size_t linesAt;
    std::size_t dateOffsetAt;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.model;
}

class SettingsPerModel : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SettingsPerModel, SetCommandsShowInTheNextRead) {
    const LayoutCase& c = GetParam();
    Printer printer(makeInitialState(*findModel(c.model)));
    Bytes before = settingsReply(printer);
    ASSERT_EQ(before.size(), c.size);
    EXPECT_EQ(Bytes(before.begin() + static_cast<std::ptrdiff_t>(c.dateOffsetAt),
                    before.begin() + static_cast<std::ptrdiff_t>(c.dateOffsetAt) + 4),
              (Bytes{'0', '0', '0', '0'}));
    EXPECT_EQ(before[c.linesAt], 1);

    printer.handle(Bytes{0x1D, 0x44, 0x30, 0x30, 0x33, 0x30, 0x0E}, 0);
    printer.handle(Bytes{0x0C, 0x53, 0x32, 0x0E}, 0);
    const Bytes after = settingsReply(printer);
    EXPECT_EQ(Bytes(after.begin() + static_cast<std::ptrdiff_t>(c.dateOffsetAt),
                    after.begin() + static_cast<std::ptrdiff_t>(c.dateOffsetAt) + 4),
              (Bytes{'0', '0', '3', '0'}));
    EXPECT_EQ(after[c.linesAt], 2);
    for (std::size_t i = 0; i < c.size; ++i) {
        if (i != c.linesAt && (i < c.dateOffsetAt || i >= c.dateOffsetAt + 4)) {
            EXPECT_EQ(after[i], before[i]) << "offset " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllModels, SettingsPerModel,
    ::testing::Values(LayoutCase{"T236", 47, 22, 39}, LayoutCase{"T260", 47, 22, 39},
                      LayoutCase{"T736", 73, 33, 65}, LayoutCase{"T760", 73, 33, 65},
                      LayoutCase{"T75Z", 73, 33, 65}, LayoutCase{"T936", 73, 33, 65},
                      LayoutCase{"T960", 73, 33, 65}, LayoutCase{"T93Z", 73, 33, 65},
                      LayoutCase{"T95Z", 73, 33, 65}),
    [](const auto& info) { return testName(info.param.model); });

class BadDateOffset : public ::testing::TestWithParam<Bytes> {};

TEST_P(BadDateOffset, KeepsThePreviousOffset) {
    Printer printer(makeInitialState(*findModel("T936")));
    printer.handle(Bytes{0x1D, 0x44, 0x39, 0x39, 0x39, 0x39, 0x0E}, 0);
    printer.handle(GetParam(), 0);
    const Bytes reply = settingsReply(printer);
    EXPECT_EQ(Bytes(reply.begin() + 65, reply.begin() + 69), (Bytes{'9', '9', '9', '9'}));
}

INSTANTIATE_TEST_SUITE_P(NotFourDigits, BadDateOffset,
                         ::testing::Values(Bytes{0x1D, 0x44, 0x30, 0x33, 0x30, 0x0E},
                                           Bytes{0x1D, 0x44, 0x30, 0x30, 0x33, 0x30, 0x30, 0x0E},
                                           Bytes{0x1D, 0x44, 0x30, 0x30, 0x61, 0x31, 0x0E},
                                           Bytes{0x1D, 0x44, 0x2D, 0x30, 0x30, 0x31, 0x0E},
                                           Bytes{0x1D, 0x44, 0x0E}),
                         [](const auto& info) { return bytesName(info.param); });

// The defaults must decode to sensible report values, not to "???" or a division by zero.
TEST(SettingsBlock, DefaultsAreInTheRangesTheReportUnderstands) {
    for (const char* name : {"T236", "T260", "T736", "T75Z", "T936", "T95Z"}) {
        SCOPED_TRACE(name);
        Printer printer(makeInitialState(*findModel(name)));
        const Bytes b = settingsReply(printer);
        const bool t2x = b.size() == 47;
        const int drop = static_cast<std::int8_t>(b[9]);
        const double dropKHz = 8000.0 / (drop + (t2x ? 80 : 125));
        EXPECT_GT(dropKHz, 50.0);
        EXPECT_LT(dropKHz, 120.0);
        const int converter = b[t2x ? 31 : 57];
        EXPECT_GE(converter, t2x ? 113 : 50);
        EXPECT_NE(b[t2x ? 17 : 28], 0x2D);
        if (!t2x) {
            EXPECT_TRUE(b[11] == 'P' || b[11] == 'A');
            for (std::size_t i = 15; i <= 20; ++i) {
                EXPECT_GE(b[i], 5);
                EXPECT_LE(b[i], 32);
            }
        }
    }
}

} // namespace
} // namespace nimbrel::sim
