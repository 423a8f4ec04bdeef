#include "SimProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace nimbrel::sim::testing {
namespace {

using namespace nimbrel::testing;
using Line = SimLine;
using Clock = SteadyClock;

using std::chrono::milliseconds;

// A mark block as the printer keeps it: record 0 "ABC" in font 2, record 13 (line 2, fragment 4)
// the Cyrillic "ДАТА" as a date fragment, the rest empty texts in font 2.
std::string sampleMark() {
    std::string block(1536, '\0');
    for (std::size_t record = 0; record < 32; ++record) {
        block[record * 48] = '\x18';
        block[record * 48 + 1] = '\x02';
    }
    block.replace(0, 6,
                  "\x18\x02\x03"
                  "ABC");
    block.replace(13 * 48, 7, "\x1A\x01\x04\xC4\xC0\xD2\xC0");
    return block;
}

std::string logoBlock5() {
    std::string block(256, '\0');
    block.replace(0, 6, "\x02\x02\x81\x18\x7E\xE7");
    return block;
}

class StoreProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string program = SimProcess::programPath();
        ASSERT_FALSE(program.empty()) << "NIMBREL_SIM is not set";
        ASSERT_EQ(access(program.c_str(), X_OK), 0) << program << " is not there";
    }

    // Starts the simulator and returns the path of its line.
    std::string launch(SimProcess& sim, const std::vector<std::string>& args) {
        EXPECT_TRUE(sim.start(args));
        const auto line = sim.readLine();
        const auto announced = parseAnnouncement(line);
        if (!announced) {
            ADD_FAILURE() << "first line: " << line.value_or("<none>")
                          << "\nstderr: " << sim.stderrText();
            return {};
        }
        return announced->path;
    }

    // The program's write: the command, then six 256-byte pieces 30 ms apart.
    static void writeMark(const Line& line, const std::string& digits, const std::string& block) {
        ASSERT_TRUE(line.send("\x0F\x74" + digits + "\x0E"));
        for (std::size_t piece = 0; piece < 6; ++piece) {
            std::this_thread::sleep_for(milliseconds(2));
            ASSERT_TRUE(line.send(block.substr(piece * 256, 256)));
            std::this_thread::sleep_for(milliseconds(30));
        }
    }

    SimProcess sim;
};

TEST_F(StoreProcessTest, MarkWrittenInPacedPiecesReadsBackByNumberAndAsTheCurrentMark) {
    Line line(launch(sim, {"--model", "T936"}));
    ASSERT_TRUE(line.isOpen());
    writeMark(line, "12", sampleMark());
    EXPECT_EQ(line.ask("\x0F\x72\x31\x32\x0E"), sampleMark());
    const std::string map = line.ask("\x0F\x78\x0E");
    ASSERT_EQ(map.size(), 85u);
    EXPECT_EQ(map.find('Y'), 11u);
    EXPECT_EQ(map.rfind('Y'), 11u);

    writeMark(line, "00", sampleMark());
    EXPECT_EQ(line.ask("\x0F\x72\x30\x30\x0E"), sampleMark());
    EXPECT_EQ(line.ask("\x11\x32\x34\x0E"), "\x1A\x01\x04\xC4\xC0\xD2\xC0");
}

TEST_F(StoreProcessTest, FragmentWriteThenReadOverTheLine) {
    Line line(launch(sim, {"--model", "T260"}));
    ASSERT_TRUE(line.send("\x10\x32\x34\x3C"
                          "123\x0E"));
    EXPECT_EQ(line.ask("\x11\x32\x34\x0E"), "\x10\x0C\x03"
                                            "123");
}

TEST_F(StoreProcessTest, LogoWriteReadDeleteOverTheLine) {
    Line line(launch(sim, {"--model", "T260"}));
    EXPECT_EQ(line.ask(std::string("\x0F\x6C\x30\x30\x35\x06", 6) + logoBlock5()), "\x06");
    EXPECT_EQ(line.ask("\x0F\x69\x30\x30\x35\x0E"), "\x06\x02\x02\x81\x18\x7E\xE7");
    EXPECT_EQ(line.ask("\x0F\x61\x0E").substr(0, 8), "NNNNNYNN");
    EXPECT_EQ(line.ask(std::string("\x0F\x6C\x30\x30\x35\x0E", 6) + std::string(256, '\0')),
              "\x06");
    EXPECT_EQ(line.ask("\x0F\x69\x30\x30\x35\x0E"), "\x15");
    EXPECT_EQ(line.ask("\x0F\x61\x0E"), std::string(128, 'N'));
}

TEST_F(StoreProcessTest, StoresOutliveTheProcessWithTheStateOption) {
    const std::string folder = sim.runtimeFolder() + "/printer state";
    {
        Line line(launch(sim, {"--state", folder}));
        writeMark(line, "12", sampleMark());
        EXPECT_EQ(line.ask(std::string("\x0F\x6C\x30\x30\x35\x06", 6) + logoBlock5()), "\x06");
        ASSERT_TRUE(line.send("\x18\x31\x31\x32"
                              "KEPT\x0E"));
        // The answer to a query shows everything before it has been taken.
        EXPECT_EQ(line.ask("\x0F\x78\x0E").size(), 85u);
    }
    sim.signal(SIGTERM);
    ASSERT_EQ(sim.waitExit(), 0);
    EXPECT_TRUE(std::filesystem::exists(folder + "/mark-12.blk"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/mark-00.blk"));
    EXPECT_TRUE(std::filesystem::exists(folder + "/logo-005.blk"));

    SimProcess second;
    Line line(launch(second, {"--state", folder}));
    EXPECT_EQ(line.ask("\x0F\x72\x31\x32\x0E"), sampleMark());
    EXPECT_EQ(line.ask("\x0F\x69\x30\x30\x35\x0E"), "\x06\x02\x02\x81\x18\x7E\xE7");
    EXPECT_EQ(line.ask("\x11\x31\x31\x0E"), "\x18\x02\x04KEPT");
    const std::string map = line.ask("\x0F\x78\x0E");
    ASSERT_EQ(map.size(), 85u);
    EXPECT_EQ(map[11], 'Y');

    // A deleted logo stays deleted in the next run.
    EXPECT_EQ(line.ask(std::string("\x0F\x6C\x30\x30\x35\x0E", 6) + std::string(256, '\0')),
              "\x06");
    EXPECT_EQ(line.ask("\x0F\x61\x0E").size(), 128u);
    EXPECT_FALSE(std::filesystem::exists(folder + "/logo-005.blk"));
}

TEST_F(StoreProcessTest, StateFilePastTheFileSizeLimitIsAMessageNotAnExit) {
    const std::string folder = sim.runtimeFolder() + "/state";
    // The limit is inherited at the start: the 1536-byte mark file cannot be written, the short
    // messages and the owner file can.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::string path = launch(sim, {"--state", folder});
    setrlimit(RLIMIT_FSIZE, &saved);
    Line line(path);
    ASSERT_TRUE(line.isOpen());
    writeMark(line, "12", sampleMark());
    EXPECT_EQ(line.ask("\x0F\x72\x31\x32\x0E"), sampleMark());
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(), 0);
    EXPECT_NE(sim.stderrText().find("mark-12.blk"), std::string::npos) << sim.stderrText();
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

TEST_F(StoreProcessTest, UnusableStateFolderEndsWithExitCode2) {
    const std::string file = sim.runtimeFolder() + "/a file";
    std::ofstream(file) << "x";
    ASSERT_TRUE(sim.start({"--state", file}));
    EXPECT_EQ(sim.waitExit(), 2);
    EXPECT_NE(sim.stderrText().find("a file"), std::string::npos) << sim.stderrText();
}

TEST_F(StoreProcessTest, FaultsApplyToTheNewCommandsByTheirLetters) {
    Line line(launch(sim, {"--fault", "no-reply@b", "--fault", "cut=1@r", "--fault", "garbage@i"}));
    EXPECT_EQ(line.ask("\x0F\x62\x0E"), "");
    EXPECT_EQ(line.ask("\x0F\x72\x30\x30\x0E"), "\x18");
    EXPECT_EQ(line.ask("\x0F\x69\x30\x30\x35\x0E").size(), 1u);
    EXPECT_EQ(line.ask("\x0F\x78\x0E"), std::string(85, 'N'));
}

TEST_F(StoreProcessTest, BitmapOfTheCurrentMark) {
    Line line(launch(sim, {"--no-current-mark"}));
    EXPECT_EQ(line.ask("\x0F\x62\x0E"), std::string(2, '\0'));
    EXPECT_EQ(line.ask("\x0F\x72\x30\x30\x0E"), std::string(1, '\0'));
    ASSERT_TRUE(line.send("\x18\x31\x31\x30"
                          "I\x0E"));
    EXPECT_EQ(line.ask("\x0F\x62\x0E"), std::string("\x05\x00\x01\x00\x41\x7F\x41\x00", 8));
}

} // namespace
} // namespace nimbrel::sim::testing
