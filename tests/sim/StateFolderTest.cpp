#include "StateFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace nimbrel::sim {
namespace {

namespace fs = std::filesystem;

using Store = StoreChange::Store;

class StateFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/nimbrel-statetest-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_root = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    std::string folder() const { return m_root + "/state"; }

    Bytes fileBytes(const std::string& name) const {
        std::ifstream in(folder() + "/" + name, std::ios::binary);
        return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    void writeFile(const std::string& name, const Bytes& bytes) const {
        std::ofstream out(folder() + "/" + name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::string> fileNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder())) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_root;
};

Bytes markBlock(std::uint8_t firstByte) {
    Bytes block(1536, 0);
    block[0] = firstByte;
    block[1] = 2;
    block[2] = 1;
    block[3] = 'Z';
    return block;
}

TEST(StateFolderNames, MarksHaveTwoDigitsAndLogosThree) {
    EXPECT_EQ(StateFolder::fileName({Store::Marks, 0}), "mark-00.blk");
    EXPECT_EQ(StateFolder::fileName({Store::Marks, 85}), "mark-85.blk");
    EXPECT_EQ(StateFolder::fileName({Store::Logos, 5}), "logo-005.blk");
    EXPECT_EQ(StateFolder::fileName({Store::Logos, 127}), "logo-127.blk");
}

TEST_F(StateFolderTest, PrepareCreatesTheFolderWithItsParents) {
    StateFolder state(folder() + "/deeper");
    std::string error;
    EXPECT_TRUE(state.prepare(error)) << error;
    EXPECT_TRUE(fs::is_directory(folder() + "/deeper"));
}

TEST_F(StateFolderTest, PrepareRefusesAFile) {
    std::ofstream(m_root + "/plain") << "x";
    StateFolder state(m_root + "/plain");
    std::string error;
    EXPECT_FALSE(state.prepare(error));
    EXPECT_NE(error.find("/plain"), std::string::npos) << error;
}

TEST_F(StateFolderTest, SavedSlotsLoadIntoAFreshState) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    PrinterState before;
    before.marks[12] = markBlock(0x18);
    before.logos[5] = {2, 1, 0x81, 0x7E};
    ASSERT_TRUE(state.save(before, {Store::Marks, 12}, error)) << error;
    ASSERT_TRUE(state.save(before, {Store::Logos, 5}, error)) << error;
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"logo-005.blk", "mark-12.blk"}));
    EXPECT_EQ(fileBytes("mark-12.blk"), before.marks[12]);
    EXPECT_EQ(fileBytes("logo-005.blk"), (Bytes{2, 1, 0x81, 0x7E}));

    PrinterState after;
    after.marks[0] = markBlock(0x19);
    EXPECT_TRUE(state.load(after).empty());
    EXPECT_EQ(after.marks.size(), 2u);
    EXPECT_EQ(after.marks[12], before.marks[12]);
    EXPECT_EQ(after.marks[0], markBlock(0x19)) << "a slot without a file is left alone";
    EXPECT_EQ(after.logos, before.logos);
}

TEST_F(StateFolderTest, SavingAnEmptySlotRemovesItsFile) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    PrinterState printer;
    printer.logos[5] = {1, 1, 0xFF};
    ASSERT_TRUE(state.save(printer, {Store::Logos, 5}, error));
    printer.logos.erase(5);
    ASSERT_TRUE(state.save(printer, {Store::Logos, 5}, error)) << error;
    EXPECT_TRUE(fileNames().empty());
    // Removing what is not there is no error either.
    EXPECT_TRUE(state.save(printer, {Store::Marks, 3}, error)) << error;
}

TEST_F(StateFolderTest, ReplacingAFileLeavesNoTemporaryBehind) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    PrinterState printer;
    printer.marks[1] = markBlock(0x18);
    ASSERT_TRUE(state.save(printer, {Store::Marks, 1}, error));
    printer.marks[1] = markBlock(0x1C);
    ASSERT_TRUE(state.save(printer, {Store::Marks, 1}, error));
    EXPECT_EQ(fileNames(), (std::vector<std::string>{"mark-01.blk"}));
    EXPECT_EQ(fileBytes("mark-01.blk")[0], 0x1C);
}

TEST_F(StateFolderTest, ALinkPlantedAtTheOldTemporaryNameIsNotFollowed) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    const std::string victim = m_root + "/victim";
    std::ofstream(victim) << "keep";
    fs::create_symlink(victim, folder() + "/mark-02.blk.tmp");
    PrinterState printer;
    printer.marks[2] = markBlock(0x18);
    ASSERT_TRUE(state.save(printer, {Store::Marks, 2}, error)) << error;
    std::ifstream in(victim);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "keep");
    EXPECT_EQ(fileBytes("mark-02.blk")[0], 0x18);
    EXPECT_TRUE(fs::is_symlink(folder() + "/mark-02.blk.tmp"));
}

TEST_F(StateFolderTest, SaveIntoAMissingFolderSaysWhy) {
    StateFolder state(folder() + "/gone");
    PrinterState printer;
    printer.marks[1] = markBlock(0x18);
    std::string error;
    EXPECT_FALSE(state.save(printer, {Store::Marks, 1}, error));
    EXPECT_NE(error.find("mark-01.blk"), std::string::npos) << error;
}

TEST_F(StateFolderTest, UnsoundFilesAreSkippedWithAWarningAndOthersIgnored) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    writeFile("mark-03.blk", Bytes(1535, 0x18));      // one byte short
    writeFile("mark-04.blk", Bytes(1536, 0));         // the empty mark
    writeFile("logo-006.blk", {3, 1, 1, 2});          // one column byte short
    writeFile("logo-007.blk", {1, 5, 1, 2, 3, 4, 5}); // five bytes per column
    writeFile("mark-86.blk", markBlock(0x18));        // no such slot
    writeFile("logo-1234.blk", {1, 1, 1});
    writeFile("notes.txt", {'h', 'i'});
    writeFile("mark-05.blk", markBlock(0x18));

    PrinterState printer;
    const auto warnings = state.load(printer);
    EXPECT_EQ(warnings.size(), 4u);
    for (const char* name : {"mark-03.blk", "mark-04.blk", "logo-006.blk", "logo-007.blk"}) {
        EXPECT_TRUE(std::any_of(warnings.begin(), warnings.end(), [&](const std::string& w) {
            return w.find(name) == 0;
        })) << name;
    }
    EXPECT_EQ(printer.marks.size(), 1u);
    EXPECT_TRUE(printer.marks.contains(5));
    EXPECT_TRUE(printer.logos.empty());
}

TEST_F(StateFolderTest, LoadedMarkIsInThePrintersOwnForm) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    Bytes block = markBlock(0x18);
    block[40] = 'J'; // past the one-character text of record 0
    writeFile("mark-02.blk", block);
    PrinterState printer;
    EXPECT_TRUE(state.load(printer).empty());
    EXPECT_EQ(printer.marks[2], markBlock(0x18));
}

TEST_F(StateFolderTest, OversizedAndSpecialFilesAreRefusedBeforeReading) {
    StateFolder state(folder());
    std::string error;
    ASSERT_TRUE(state.prepare(error));
    // A sparse gigabyte and a pipe: reading either whole would take the memory or never end.
    writeFile("mark-01.blk", {});
    fs::resize_file(folder() + "/mark-01.blk", 1ull << 30);
    writeFile("mark-02.blk", Bytes(1537, 0x18));
    writeFile("logo-003.blk", Bytes(1019, 1));
    ASSERT_EQ(mkfifo((folder() + "/logo-004.blk").c_str(), 0600), 0);
    Bytes widest(2 + 254 * 4, 0x55);
    widest[0] = 254;
    widest[1] = 4;
    writeFile("logo-005.blk", widest);

    PrinterState printer;
    const auto warnings = state.load(printer);
    std::vector<std::string> sorted = warnings;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted,
              (std::vector<std::string>{"logo-003.blk is not a logo block; slot left as it was",
                                        "logo-004.blk is not a logo block; slot left as it was",
                                        "mark-01.blk is not a mark block; slot left as it was",
                                        "mark-02.blk is not a mark block; slot left as it was"}));
    EXPECT_TRUE(printer.marks.empty());
    ASSERT_EQ(printer.logos.size(), 1u);
    EXPECT_EQ(printer.logos[5], widest);
}

} // namespace
} // namespace nimbrel::sim
