#include "SimProcess.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>
#include <unistd.h>

namespace nimbrel::sim::testing {
namespace {

using namespace nimbrel::testing;
using Line = SimLine;
using Clock = SteadyClock;

const std::string kVersionT936("\x06T936 v4.07 12.03.2019\0", 23);

class SimProcessTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string program = SimProcess::programPath();
        ASSERT_FALSE(program.empty()) << "NIMBREL_SIM is not set";
        ASSERT_EQ(access(program.c_str(), X_OK), 0) << program << " is not there";
    }

    // Starts the simulator and reads its port line.
    Announced launch(const std::vector<std::string>& args) {
        EXPECT_TRUE(sim.start(args));
        const auto line = sim.readLine();
        const auto announced = parseAnnouncement(line);
        EXPECT_TRUE(announced) << "first line: " << line.value_or("<none>")
                               << "\nstderr: " << sim.stderrText();
        return announced.value_or(Announced{});
    }

    SimProcess sim;
};

TEST_F(SimProcessTest, AnswersTheVersionOnItsRegisteredPortAndUnregistersOnSigterm) {
    const Announced a = launch({"--model", "T936"});
    EXPECT_EQ(a.port, "COM200");
    const std::string link = sim.portsFolder() + "/COM200";
    EXPECT_EQ(linkTarget(link), a.path);

    Line line(a.path);
    ASSERT_TRUE(line.isOpen());
    EXPECT_EQ(line.ask("\x11\x69\x0E"), kVersionT936);
    EXPECT_EQ(line.ask("\x11\x5C\x0E").size(), 73u);

    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(), 0);
    EXPECT_FALSE(linkTarget(link));
}

TEST_F(SimProcessTest, SigintAlsoRemovesTheLink) {
    const Announced a = launch({"--com", "12"});
    EXPECT_EQ(a.port, "COM12");
    EXPECT_TRUE(linkTarget(sim.portsFolder() + "/COM12"));
    sim.signal(SIGINT);
    EXPECT_EQ(sim.waitExit(), 0);
    EXPECT_FALSE(linkTarget(sim.portsFolder() + "/COM12"));
}

TEST_F(SimProcessTest, CommandSentInPiecesIsAssembled) {
    const Announced a = launch({"--model", "T936"});
    Line line(a.path);
    ASSERT_TRUE(line.send("\x11"));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(line.send("\x69"));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(line.ask("\x0E"), kVersionT936);
}

TEST_F(SimProcessTest, UnfinishedCommandIsForgottenAfterSilence) {
    const Announced a = launch({"--model", "T936"});
    Line line(a.path);
    ASSERT_TRUE(line.send("\x11"));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // Still held, "\x69\x0E" would finish a version query; forgotten, only the hours answer.
    EXPECT_EQ(line.ask("\x69\x0E\x11\x77\x0E"), std::string("\x06\x00\x01\x17\x2D", 5));
}

TEST_F(SimProcessTest, KeepsServingWhenThePortIsClosedAndOpenedAgain) {
    const Announced a = launch({"--model", "T260"});
    {
        Line first(a.path);
        EXPECT_EQ(first.ask("\x11\x53\x0E"), std::string("\x06\x01", 2));
        ASSERT_TRUE(first.send(std::string("\x0C\x53\x34\x0E")));
        first.receive(50);
    }
    Line second(a.path);
    EXPECT_EQ(second.ask("\x11\x53\x0E"), std::string("\x06\x04", 2));
}

TEST_F(SimProcessTest, ComOptionTakesOverAStaleLink) {
    std::filesystem::create_directories(sim.portsFolder());
    std::filesystem::create_symlink("/dev/pts/987654", sim.portsFolder() + "/COM7");
    const Announced a = launch({"--com", "7"});
    EXPECT_EQ(a.port, "COM7");
    EXPECT_EQ(linkTarget(sim.portsFolder() + "/COM7"), a.path);
}

TEST_F(SimProcessTest, ComOptionRefusesALiveLink) {
    std::filesystem::create_directories(sim.portsFolder());
    std::filesystem::create_symlink("/dev/null", sim.portsFolder() + "/COM7");
    ASSERT_TRUE(sim.start({"--com", "7"}));
    EXPECT_EQ(sim.waitExit(), 2);
    EXPECT_FALSE(sim.readLine(50));
    EXPECT_NE(sim.stderrText().find("COM7"), std::string::npos) << sim.stderrText();
    EXPECT_EQ(linkTarget(sim.portsFolder() + "/COM7"), "/dev/null");
}

TEST_F(SimProcessTest, WithoutComOptionTakesTheHighestFreeNumber) {
    std::filesystem::create_directories(sim.portsFolder());
    std::filesystem::create_symlink("/dev/null", sim.portsFolder() + "/COM200");
    const Announced a = launch({});
    EXPECT_EQ(a.port, "COM199");
}

TEST_F(SimProcessTest, NoReplyFaultSilencesOnlyItsLetter) {
    const Announced a = launch({"--model", "T936", "--fault", "no-reply@i"});
    Line line(a.path);
    EXPECT_EQ(line.ask("\x11\x69\x0E"), "");
    EXPECT_EQ(line.ask("\x11\x77\x0E"), std::string("\x06\x00\x01\x17\x2D", 5));
}

TEST_F(SimProcessTest, CutFaultShortensTheReply) {
    const Announced a = launch({"--model", "T936", "--fault", "cut=2"});
    Line line(a.path);
    EXPECT_EQ(line.ask("\x11\x69\x0E"), "\x06T");
    EXPECT_EQ(line.ask("\x11\x6D\x0E"), std::string("\x06\x00", 2));
}

TEST_F(SimProcessTest, SplitFaultStillDeliversTheWholeReply) {
    const Announced a = launch({"--model", "T936", "--fault", "split=30"});
    Line line(a.path);
    ASSERT_TRUE(line.send("\x11\x69\x0E"));
    EXPECT_EQ(line.receive(200), kVersionT936);
}

TEST_F(SimProcessTest, HangupFaultDropsTheLineAndComesBackOnANewOne) {
    const Announced a = launch({"--model", "T936", "--fault", "hangup=1"});
    Line old(a.path);
    EXPECT_EQ(old.ask("\x11\x69\x0E"), kVersionT936);
    EXPECT_TRUE(old.hungUp());

    const auto again = parseAnnouncement(sim.readLine());
    ASSERT_TRUE(again);
    EXPECT_EQ(again->port, a.port);
    EXPECT_EQ(linkTarget(sim.portsFolder() + "/" + a.port), again->path);

    Line fresh(again->path);
    EXPECT_EQ(fresh.ask("\x11\x69\x0E"), kVersionT936);
    EXPECT_EQ(fresh.ask("\x11\x69\x0E"), kVersionT936);
    EXPECT_FALSE(sim.readLine(50));
}

TEST_F(SimProcessTest, StopSignalEndsALongDelayAtOnce) {
    const Announced a = launch({"--fault", "delay=20000"});
    Line line(a.path);
    ASSERT_TRUE(line.send("\x11\x69\x0E"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(1000), 0);
    EXPECT_FALSE(linkTarget(sim.portsFolder() + "/" + a.port));
}

// The program takes a reply once two counts of waiting bytes 1 ms apart agree.
int countWhenStable(const Line& line) {
    int last = -1;
    for (int pass = 0; pass < 250; ++pass) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        const int count = line.waiting();
        if (count > 0 && count == last) {
            return count;
        }
        last = count;
    }
    return 0;
}

TEST_F(SimProcessTest, UnpacedReplyIsWaitingWholeWhenItsCountStopsGrowing) {
    const Announced a = launch({"--model", "T936", "--no-pacing", "--occupy-logos", "3"});
    Line line(a.path);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(line.send("\x0F\x61\x0E"));
        EXPECT_EQ(countWhenStable(line), 128);
        const std::string map = line.receive(20);
        ASSERT_EQ(map.size(), 128u);
        EXPECT_EQ(map.substr(0, 5), "NNNYN");
    }
}

TEST_F(SimProcessTest, PacedReplyArrivesInPieces) {
    const Announced a = launch({"--model", "T936"});
    Line line(a.path);
    // A stalled test process could miss the growth once; a paced line shows it in one of three.
    bool grew = false;
    for (int attempt = 0; attempt < 3 && !grew; ++attempt) {
        ASSERT_TRUE(line.send("\x11\x5C\x0E"));
        std::set<int> counts;
        const auto until = Clock::now() + std::chrono::milliseconds(500);
        while (Clock::now() < until && line.waiting() < 73) {
            if (line.waiting() > 0) {
                counts.insert(line.waiting());
            }
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
        grew = counts.size() >= 2;
        EXPECT_EQ(line.receive(20).size(), 73u);
    }
    EXPECT_TRUE(grew);
}

TEST_F(SimProcessTest, TraceListsCommandsAndReplies) {
    const std::string tracePath = sim.runtimeFolder() + "/trace.txt";
    const Announced a = launch({"--model", "T936", "--trace", tracePath});
    Line line(a.path);
    EXPECT_EQ(line.ask("\x11\x69\x0E"), kVersionT936);
    sim.signal(SIGTERM);
    EXPECT_EQ(sim.waitExit(), 0);

    std::ifstream in(tracePath);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) {
        if (l.size() > 13 && l[13] != '#') {
            lines.push_back(l);
        }
    }
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(isTimeOfDay(lines[0].substr(0, 12))) << lines[0];
    EXPECT_EQ(lines[0].substr(12), " < 11 69 0E");
    EXPECT_TRUE(isTimeOfDay(lines[1].substr(0, 12))) << lines[1];
    EXPECT_EQ(lines[1].substr(12), " > 06 54 39 33 36 20 76 34 2E 30 37 20 31 32 "
                                   "2E 30 33 2E 32 30 31 39 00");
}

TEST_F(SimProcessTest, BadOptionsEndWithExitCode2) {
    ASSERT_TRUE(sim.start({"--model", "T999"}));
    EXPECT_EQ(sim.waitExit(), 2);
    EXPECT_NE(sim.stderrText().find("T999"), std::string::npos);
}

} // namespace
} // namespace nimbrel::sim::testing
