#include "common/command_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace tavrel {
namespace {

struct Recorder {
    std::vector<std::string> calls;
    void Single(const CommandEvent& event) {
        calls.push_back("single " + std::to_string(event.id) +
                        (event.source == CommandSource::kButton ? " button" : " menu"));
    }
    void Range(const CommandEvent& event) { calls.push_back("range " + std::to_string(event.id)); }
};

constexpr CommandRow<Recorder> kRows[] = {
    {7, 7, &Recorder::Single},
    {1001, 0xFFFF, &Recorder::Range},
};

TEST(CommandTable, EachIdRunsItsRowWithItsSource) {
    Recorder recorder;
    CommandTable table;
    table.AddRows(recorder, kRows);
    EXPECT_TRUE(table.Run({7, CommandSource::kButton}));
    EXPECT_TRUE(table.Run({7, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({1001, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({0xFFFF, CommandSource::kMenu}));
    EXPECT_FALSE(table.Run({1000, CommandSource::kMenu})) << "just below the range";
    EXPECT_FALSE(table.Run({8, CommandSource::kMenu}));
    EXPECT_EQ(recorder.calls, (std::vector<std::string>{"single 7 button", "single 7 menu",
                                                        "range 1001", "range 65535"}));
}

TEST(CommandTable, TwoRowsNeverClaimOneId) {
    Recorder recorder;
    CommandTable table;
    table.AddRows(recorder, kRows);
    EXPECT_THROW(table.Add(7, 7, [](const CommandEvent&) {}), std::logic_error);
    EXPECT_THROW(table.Add(2000, 2000, [](const CommandEvent&) {}), std::logic_error)
        << "inside a range";
    EXPECT_THROW(table.Add(5, 1001, [](const CommandEvent&) {}), std::logic_error)
        << "overlapping both";
    EXPECT_THROW(table.Add(9, 8, [](const CommandEvent&) {}), std::logic_error) << "backwards";
    EXPECT_NO_THROW(table.Add(8, 1000, [](const CommandEvent&) {}));
}

}  // namespace
}  // namespace tavrel
