// The whole program made in this process, on a recorded desktop and an
// in-memory registry: what a start does, seen without a shell or a second
// process.
#include <gtest/gtest.h>

#include "app/program_win.h"
#include "core/settings_store.h"
#include "support/fake_registry.h"
#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::FakeRegistry;
using testing::Move;
using testing::RecordingDesktop;

TEST(ProgramInProcess, StartsOnTheDesktopAndRegistryItIsGiven) {
    FakeRegistry registry;
    const RegistryRoot root = RegistryRoot::kLocalMachine;
    const std::pair<const wchar_t*, std::int32_t> stored[] = {{L"Arrage", 1},
                                                              {L"Skin", 2},
                                                              {L"TextColor", 0xFF00},
                                                              {L"ShowHideIcon", 1},
                                                              {L"FlashScreen", 60},
                                                              {L"CustomCount", 0},
                                                              {L"CustomCharacterCount", 0}};
    for (const auto& [name, value] : stored) {
        registry.PutInteger(root, kSettingsKeyPath, name, value);
    }
    RecordingDesktop desktop(14, 1024, 738);

    {
        Program program({&desktop, &registry, L"C:\\Tavrel\\tavrel.exe"});
        ASSERT_TRUE(program.Create(::GetModuleHandleW(nullptr)));
    }

    // The stored top edge, left to right, in the stored caption colour.
    ASSERT_EQ(desktop.moves.size(), 14u);
    EXPECT_EQ(desktop.moves[0], (Move{0, 22, 2}));
    EXPECT_EQ(desktop.moves[12], (Move{12, 946, 2}));
    EXPECT_EQ(desktop.moves[13], (Move{13, 22, 77}));
    EXPECT_NE(std::find(desktop.events.begin(), desktop.events.end(), "text 65280"),
              desktop.events.end());
    // A later start: nothing of a first start was written.
    EXPECT_EQ(registry.Find(RegistryRoot::kLocalMachine, kRunKeyPath, L"Tavrel"), nullptr);
}

}  // namespace
}  // namespace tavrel
