// The whole program made in this process, on a recorded desktop and an
// in-memory registry: what a start does, seen without a shell or a second
// process.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "app/command_receiver_win.h"
#include "app/program_win.h"
#include "common/error.h"
#include "core/commands.h"
#include "core/menus.h"
#include "core/refresh_timer_win.h"
#include "core/settings_registry.h"
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

// Settings as a later start finds them under the machine's key.
void Store(FakeRegistry& registry, const Settings& settings) {
    RegistrySettings store(registry, RegistryRoot::kLocalMachine, L"");
    SaveSettings(settings, store);
}

// A stored refresh time of 0 leaves the control window without a refresh
// timer; the stored 60 seconds give it one.
TEST(ProgramInProcess, ARefreshTimeOf0StopsTheRefresh) {
    for (const std::int32_t flashScreen : {0, 60}) {
        FakeRegistry registry;
        Settings stored;
        stored.arrage = 0;
        stored.flashScreen = flashScreen;
        Store(registry, stored);
        RecordingDesktop desktop(5, 1024, 738);
        Program program({&desktop, &registry, L"C:\\Tavrel\\tavrel.exe"});
        ASSERT_TRUE(program.Create(::GetModuleHandleW(nullptr)));
        EXPECT_EQ(::KillTimer(program.ControlHwnd(), kRefreshTimerId) != FALSE, flashScreen != 0)
            << flashScreen << " seconds";
    }
}

std::wstring MenuCaption(HMENU menu, std::uint16_t command) {
    wchar_t caption[64] = {};
    ::GetMenuStringW(menu, command, caption, 64, MF_BYCOMMAND);
    return caption;
}

// The show/hide command looks at what the desktop shows; the setting and
// the caption follow the desktop, and a desktop that cannot be reached
// changes nothing.
TEST(ProgramInProcess, ShowHideKeepsCaptionSettingAndDesktopInStep) {
    FakeRegistry registry;
    Settings stored;
    stored.arrage = 0;
    stored.showHideIcon = 0;  // stored while hidden; the desktop shows its icons again
    Store(registry, stored);
    RecordingDesktop desktop(5, 1024, 738);
    Program program({&desktop, &registry, L"C:\\Tavrel\\tavrel.exe"});
    ASSERT_TRUE(program.Create(::GetModuleHandleW(nullptr)));
    program.EndStartup(std::nullopt);
    const auto inStep = [&](std::int32_t showHideIcon) {
        EXPECT_EQ(program.settings().showHideIcon, showHideIcon);
        EXPECT_EQ(MenuCaption(program.TrayMenu(), kCmdShowHideAllIcon),
                  ShowHideCaption(showHideIcon));
    };
    const auto toggle = [&] {
        ::SendMessageW(program.ControlHwnd(), WM_COMMAND, MAKEWPARAM(kCmdShowHideAllIcon, 0), 0);
    };
    inStep(1);

    toggle();
    EXPECT_EQ(desktop.DesktopWindowShown(), std::optional<bool>(false));
    inStep(0);

    desktop.RemoveShell();
    toggle();
    inStep(0);

    desktop.ReturnShell();
    toggle();
    EXPECT_EQ(desktop.DesktopWindowShown(), std::optional<bool>(false)) << "hidden, not shown";
    inStep(0);
    std::vector<std::string> shownOrHidden;
    std::copy_if(desktop.events.begin(), desktop.events.end(), std::back_inserter(shownOrHidden),
                 [](const std::string& event) { return event == "show" || event == "hide"; });
    EXPECT_EQ(shownOrHidden, (std::vector<std::string>{"hide", "hide"}));
}

// The answer to a second copy comes at once, even when deciding it meets a
// damaged value: the sender hears of a failure, and carrying the command
// out (from the message loop) shows the error.
TEST(CommandReceiverInProcess, ACheckThatFailsWithAnErrorAnswersFailedAndKeepsTheCommand) {
    std::vector<std::wstring> performed;
    CommandReceiver receiver(
        [](const ProgramCommand&) -> bool { throw Error(L"damaged"); },
        [&](const ProgramCommand& command) { performed.push_back(command.name); });
    receiver.Open();
    std::vector<std::uint8_t> text = EncodeHandedText(L"/restore 工作");
    COPYDATASTRUCT data{kHandedCommandTag, static_cast<DWORD>(text.size()), text.data()};
    LRESULT answer = 0;
    EXPECT_NO_THROW(receiver.Handle(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), answer));
    EXPECT_EQ(answer, kHandedFailed);
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        receiver.Handle(message.message, message.wParam, message.lParam, answer);
    }
    EXPECT_EQ(performed, std::vector<std::wstring>{L"工作"});
}

}  // namespace
}  // namespace tavrel
