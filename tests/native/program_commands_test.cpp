// What each command of the command line does in the running program, and
// the answer a second copy gets at once: the same numbers and names decide
// both.
#include "app/program_commands.h"

#include <gtest/gtest.h>

#include "support/fake_registry.h"
#include "support/icon_desktop.h"
#include "support/scripted_prompts.h"

namespace tavrel {
namespace {

using testing::FakeRegistry;
using testing::IconDesktop;
using testing::ScriptedPrompts;

constexpr RegistryRoot kRoot = RegistryRoot::kCurrentUser;
const std::wstring kLayouts = L"Software\\Quorral\\Tavrel\\2.00\\CustomPosition\\CustomPosition";

class RecordingTarget final : public CommandTarget {
  public:
    void ChooseArrangement(std::int32_t number) override {
        log.push_back(L"arrange " + std::to_wstring(number));
    }
    bool ShowAllIcons(bool shown) override {
        log.push_back(shown ? L"show" : L"hide");
        return desktopReached;
    }
    void Exit() override { log.push_back(L"exit"); }
    bool Uninstall() override {
        log.push_back(L"uninstall");
        return uninstalled;
    }
    bool uninstalled = true;
    bool desktopReached = true;
    std::vector<std::wstring> log;
};

class ProgramCommandsTest : public ::testing::Test {
  protected:
    ProgramCommandsTest() {
        settings.customCharacterCount = 2;
        settings.customCount = 3;
        for (const auto& [n, name] : {std::pair{1, L"工作"}, {2, L"Home"}, {3, L"工作"}}) {
            registry.PutString(kRoot, kLayouts + std::to_wstring(n), L"CustomMenuName", name);
        }
    }
    // The answer at once, then what carrying it out does.
    std::pair<bool, bool> Run(const ProgramCommand& command) {
        const bool answer = CommandWouldSucceed(command, store, settings);
        CommandParts parts{{desktop, store, settings, prompts}, target};
        return {answer, PerformCommand(command, parts)};
    }

    FakeRegistry registry;
    CustomStore store{registry, kRoot};
    Settings settings;
    IconDesktop desktop{{{L"我的电脑", 10, 20}, {L"回收站", 30, 40}}};
    ScriptedPrompts prompts;
    RecordingTarget target;
};

TEST_F(ProgramCommandsTest, ArrangeTakesTheNumbersTheMenusShow) {
    EXPECT_EQ(Run({CommandKind::kArrange, 1, L""}), std::pair(true, true));
    EXPECT_EQ(Run({CommandKind::kArrange, 31, L""}), std::pair(true, true)) << "a custom character";
    EXPECT_EQ(Run({CommandKind::kArrange, 34, L""}), std::pair(true, true))
        << "the last saved layout";
    EXPECT_EQ(Run({CommandKind::kArrange, 35, L""}), std::pair(false, false))
        << "beyond the last one";
    EXPECT_EQ(Run({CommandKind::kArrange, 2147483647, L""}), std::pair(false, false));
    EXPECT_EQ(target.log, (std::vector<std::wstring>{L"arrange 1", L"arrange 31", L"arrange 34"}));
}

TEST_F(ProgramCommandsTest, RestoreChoosesTheFirstLayoutOfExactlyThatName) {
    EXPECT_EQ(Run({CommandKind::kRestore, 0, L"工作"}), std::pair(true, true));
    EXPECT_EQ(Run({CommandKind::kRestore, 0, L"Home"}), std::pair(true, true));
    EXPECT_EQ(Run({CommandKind::kRestore, 0, L"home"}), std::pair(false, false))
        << "names keep their case";
    EXPECT_EQ(Run({CommandKind::kRestore, 0, L"工作 "}), std::pair(false, false));
    EXPECT_EQ(target.log, (std::vector<std::wstring>{L"arrange 32", L"arrange 33"}));
    settings.customCount = 1;
    EXPECT_EQ(Run({CommandKind::kRestore, 0, L"Home"}), std::pair(false, false))
        << "only the counted layouts";
}

TEST_F(ProgramCommandsTest, SaveChecksAndTellsAsTheSaveCommandDoes) {
    EXPECT_EQ(Run({CommandKind::kSave, 0, L"工作"}), std::pair(false, false));
    EXPECT_EQ(prompts.notices,
              std::vector<std::wstring>(2, L"您的电脑已经存在这种排列方案，改一改别的吧！"))
        << "once per layout of that name";
    EXPECT_EQ(settings.customCount, 3);

    EXPECT_EQ(Run({CommandKind::kSave, 0, L"我的 排列"}), std::pair(true, true));
    EXPECT_EQ(settings.customCount, 4);
    EXPECT_EQ(settings.arrage, 35) << "the new layout is current";
    EXPECT_EQ(registry.ReadString(kRoot, kLayouts + L"4", L"CustomMenuName"), L"我的 排列");
    EXPECT_EQ(registry.ReadString(kRoot, kLayouts + L"4\\1", L"IconName"), L"回收站");
    EXPECT_EQ(prompts.notices.size(), 2u) << "a save says nothing";
    EXPECT_TRUE(prompts.asked.empty()) << "and asks nothing";

    // Keys that cannot be had: a root closed to the user, without layouts.
    const ProgramCommand save{CommandKind::kSave, 0, L"新"};
    registry.readOnlyRoots.insert(RegistryRoot::kLocalMachine);
    CustomStore closed{registry, RegistryRoot::kLocalMachine};
    CommandParts parts{{desktop, closed, settings, prompts}, target};
    EXPECT_FALSE(CommandWouldSucceed(save, closed, settings));
    EXPECT_FALSE(PerformCommand(save, parts));
    settings.customCount = 2147483647 - 29 - 2;
    EXPECT_EQ(Run(save), std::pair(false, false)) << "no number left";
}

TEST_F(ProgramCommandsTest, TheOtherCommandsGoToTheProgram) {
    EXPECT_EQ(Run({CommandKind::kHide, 0, L""}), std::pair(true, true));
    EXPECT_EQ(Run({CommandKind::kShow, 0, L""}), std::pair(true, true));
    target.desktopReached = false;
    EXPECT_EQ(Run({CommandKind::kHide, 0, L""}), std::pair(true, false))
        << "taken at once, failed once the desktop could not be reached";
    EXPECT_EQ(Run({CommandKind::kExit, 0, L""}), std::pair(true, true));
    EXPECT_EQ(Run({CommandKind::kUninstall, 0, L""}), std::pair(true, true));
    target.uninstalled = false;
    EXPECT_EQ(Run({CommandKind::kUninstall, 0, L""}), std::pair(true, false))
        << "declined or incomplete";
    EXPECT_EQ(Run({CommandKind::kHelp, 0, L""}), std::pair(false, false))
        << "the notice is no handed command";
    EXPECT_EQ(target.log, (std::vector<std::wstring>{L"hide", L"show", L"hide", L"exit",
                                                     L"uninstall", L"uninstall"}));
}

}  // namespace
}  // namespace tavrel
