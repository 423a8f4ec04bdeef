#include "PortRegistry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace nimbrel::sim {
namespace {

namespace fs = std::filesystem;

// A PID that no process has any more.
pid_t endedProcess() {
    const pid_t pid = fork();
    if (pid == 0) {
        _exit(0);
    }
    waitpid(pid, nullptr, 0);
    return pid;
}

class PortRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/nimbrel-registrytest-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
        // Targets that exist, as a live pseudo-terminal would.
        std::ofstream(m_root + "/pts3");
        std::ofstream(m_root + "/pts4");
        fs::create_directory(m_root + "/run");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    std::string folder() const { return m_root + "/run/ports"; }
    std::string target(const char* name) const { return m_root + "/" + name; }
    // A link left by another simulator, with its owner file when `owner` is not 0.
    void leftBehind(int com, const std::string& to, long owner) {
        fs::create_directories(folder());
        fs::create_symlink(to, folder() + "/COM" + std::to_string(com));
        if (owner != 0) {
            std::ofstream(folder() + "/.COM" + std::to_string(com) + ".owner") << owner << "\n";
        }
    }
    std::string ownerText(int com) const {
        std::ifstream in(folder() + "/.COM" + std::to_string(com) + ".owner");
        std::string text;
        std::getline(in, text);
        return text;
    }
    std::string linkOf(int com) const {
        return fs::read_symlink(folder() + "/COM" + std::to_string(com)).string();
    }

    std::string m_root;
};

TEST_F(PortRegistryTest, RecordsItsOwnerAndRemovesBothOnExit) {
    {
        PortRegistry registry(folder());
        std::string error;
        ASSERT_EQ(registry.add(7, target("pts3"), error), PortRegistry::Status::Ok) << error;
        EXPECT_EQ(linkOf(7), target("pts3"));
        EXPECT_EQ(ownerText(7), std::to_string(getpid()));
    }
    EXPECT_FALSE(fs::exists(fs::symlink_status(folder() + "/COM7")));
    EXPECT_FALSE(fs::exists(folder() + "/.COM7.owner"));
}

struct LeftLink {
    const char* name;
    const char* target; // "pts3" exists, "gone" does not
    int owner;          // 0: no owner file, 1: a live process (this one), 2: an ended one
    PortRegistry::Status expected;
};

class LeftLinks : public PortRegistryTest, public ::testing::WithParamInterface<LeftLink> {};

TEST_P(LeftLinks, TakenOverOnlyWhenStale) {
    const LeftLink& c = GetParam();
    const long owner = c.owner == 0 ? 0 : c.owner == 1 ? getpid() : endedProcess();
    leftBehind(9, target(c.target), owner);
    PortRegistry registry(folder());
    std::string error;
    EXPECT_EQ(registry.add(9, target("pts3"), error), c.expected) << error;
    if (c.expected == PortRegistry::Status::Ok) {
        EXPECT_EQ(linkOf(9), target("pts3"));
        EXPECT_EQ(ownerText(9), std::to_string(getpid()));
    } else {
        EXPECT_EQ(linkOf(9), target(c.target));
        EXPECT_EQ(ownerText(9), owner == 0 ? std::string() : std::to_string(owner));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeftLinks,
    ::testing::Values(LeftLink{"LiveTargetNoOwnerFile", "pts3", 0, PortRegistry::Status::InUse},
                      LeftLink{"LiveTargetLiveOwner", "pts3", 1, PortRegistry::Status::InUse},
                      LeftLink{"LiveTargetEndedOwner", "pts3", 2, PortRegistry::Status::Ok},
                      LeftLink{"GoneTargetNoOwnerFile", "gone", 0, PortRegistry::Status::Ok},
                      LeftLink{"GoneTargetLiveOwner", "gone", 1, PortRegistry::Status::Ok}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PortRegistryTest, AutomaticNumberSkipsLiveOwnersAndTakesEndedOnes) {
    leftBehind(200, target("pts4"), getpid());
    leftBehind(199, target("pts4"), endedProcess());
    PortRegistry registry(folder());
    std::string error;
    ASSERT_EQ(registry.add(std::nullopt, target("pts3"), error), PortRegistry::Status::Ok);
    EXPECT_EQ(registry.number(), 199);
    EXPECT_EQ(linkOf(200), target("pts4"));
}

TEST_F(PortRegistryTest, UnreadableOwnerFileCountsAsNoOwner) {
    leftBehind(5, target("pts3"), 0);
    std::ofstream(folder() + "/.COM5.owner") << "12x\n";
    PortRegistry registry(folder());
    std::string error;
    EXPECT_EQ(registry.add(5, target("pts4"), error), PortRegistry::Status::InUse);
}

} // namespace
} // namespace nimbrel::sim
