#include "session/CommandTable.h"
#include "session/MenuDefinitions.h"

#include <gtest/gtest.h>

#include <set>

using namespace nimbrel;

namespace {

void collect(const std::vector<session::MenuNode>& nodes, std::vector<int>& ids) {
    for (const auto& n : nodes) {
        if (n.kind == session::MenuNode::Kind::Item)
            ids.push_back(n.id);
        collect(n.children, ids);
    }
}

TEST(CommandTable, EveryMenuItemHasExactlyOneRowWithItsText) {
    std::vector<int> ids;
    for (const auto& top : session::menuBarDefinition())
        collect(top.nodes, ids);
    EXPECT_EQ(ids.size(), 49u);
    EXPECT_EQ(std::set<int>(ids.begin(), ids.end()).size(), ids.size());
    for (int id : ids) {
        const auto* row = session::findCommand(id);
        ASSERT_NE(row, nullptr) << id;
        EXPECT_NE(row->menuText, nullptr) << id;
    }
}

TEST(CommandTable, GuardedCommandsAreThePrinterCommands) {
    std::set<int> guarded;
    for (const auto& row : session::commandTable())
        if (row.guarded)
            guarded.insert(session::idNumber(row.id));
    EXPECT_EQ(guarded, (std::set<int>{15, 17, 18, 19, 24, 25, 26, 28, 29, 50, 51, 52, 53, 54, 55,
                                      56, 60, 61, 104}));
}

TEST(CommandTable, UnknownIdentifiersHaveNoRow) {
    for (int id : {0, 1, 16, 33, 36, 99, 105, 117})
        EXPECT_EQ(session::findCommand(id), nullptr) << id;
}

} // namespace
