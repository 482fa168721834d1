#include "tweaks/desktop_tweaks.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/settings_registry.h"
#include "core/settings_store.h"
#include "common/error.h"
#include "support/fake_registry.h"
#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::FakeRegistry;
using testing::RecordingDesktop;
constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

const std::wstring kShellIcons =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
const std::wstring kMetrics = L"Control Panel\\Desktop\\WindowMetrics";
const std::wstring kRun = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::wstring kProgram = L"C:\\Program Files\\Tavrel\\tavrel.exe";

std::string Narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Everything the tweaks do goes into the desktop's event list, so the order
// across registry, shell, pause and refresh can be checked in one place.
class FakePlatform : public TweakPlatform {
  public:
    FakePlatform(std::vector<std::string>& events, FakeRegistry& registry)
        : events_(events), registry_(registry) {}
    std::wstring SystemDirectory() override { return systemDirectory; }
    // What the shell reads when it is told.
    void BroadcastMetricsChange() override {
        const FakeRegistry::Value* size = registry_.Find(kUser, kMetrics, L"Shell Icon Size");
        events_.push_back("broadcast " + (size != nullptr ? Narrow(size->text) : "(none)"));
    }
    std::optional<ColorRef> PickColor(ColorRef initial, CustomColors& customColors) override {
        events_.push_back("choose " + std::to_string(initial));
        seenCustomColors.push_back(customColors);
        customColors[0] = 0x123456;  // the user defines a colour of their own
        return chosen;
    }
    void ShowRegistryFailure() override { events_.push_back("registry failure box"); }

    std::wstring systemDirectory = L"C:\\WINDOWS\\system32";
    std::optional<ColorRef> chosen;
    std::vector<CustomColors> seenCustomColors;

  private:
    std::vector<std::string>& events_;
    FakeRegistry& registry_;
};

class FakeHost : public TweakHost {
  public:
    explicit FakeHost(std::vector<std::string>& events) : events_(events) {}
    void SaveSettings() override { events_.push_back("save"); }
    // The interval the refresh timer takes for the period.
    void SetRefreshPeriod(std::int32_t flashScreen) override {
        events_.push_back("interval " + std::to_string(RefreshIntervalMs(flashScreen)));
    }
    void Timer2Timer() override { events_.push_back("refresh tick"); }

  private:
    std::vector<std::string>& events_;
};

class FakePrompts : public Prompts {
  public:
    explicit FakePrompts(std::vector<std::string>& events) : events_(events) {}
    std::optional<std::wstring> AskText(const std::wstring& prompt,
                                        const std::wstring& initial) override {
        askedPrompt = prompt;
        events_.push_back("ask " + Narrow(initial));
        return answer;
    }
    void Notify(const std::wstring&) override { events_.push_back("notice"); }

    std::wstring askedPrompt;
    std::optional<std::wstring> answer;

  private:
    std::vector<std::string>& events_;
};

class DesktopTweaksTest : public ::testing::Test {
  protected:
    std::vector<std::string> Run(void (DesktopTweaks::*command)()) {
        events.clear();
        (tweaks.*command)();
        return events;
    }
    std::wstring RunAndReport(void (DesktopTweaks::*command)()) {
        events.clear();
        try {
            (tweaks.*command)();
        } catch (const Error& error) {
            return error.message();
        }
        return L"";
    }
    std::wstring Stored(RegistryRoot root, const std::wstring& path, const std::wstring& name) {
        const FakeRegistry::Value* value = registry.Find(root, path, name);
        return value != nullptr ? value->text : L"(none)";
    }

    RecordingDesktop desktop{3, 1024, 738};
    std::vector<std::string>& events = desktop.events;
    FakeRegistry registry;
    FakePlatform platform{events, registry};
    FakeHost host{events};
    FakePrompts prompts{events};
    Settings settings;
    DesktopTweaks tweaks{
        settings,
        {registry, kMachine, desktop, prompts, platform, host,
         [this](std::uint32_t steps) { events.push_back("pause " + std::to_string(steps)); },
         kProgram}};
};

// The colour chooser.

TEST_F(DesktopTweaksTest, ChosenColourIsAppliedTransparentlyKeptAndSaved) {
    platform.chosen = Rgb(0, 255, 0);
    const std::vector<std::string> expected = {"choose 255", "text 65280", "back 4294967295",
                                               "redraw 0 2", "save"};
    EXPECT_EQ(Run(&DesktopTweaks::SetDesktopIconTextColorClick), expected);
    EXPECT_EQ(settings.textColor, 0xFF00);
}

TEST_F(DesktopTweaksTest, CancelInTheColourChooserChangesNothing) {
    settings.textColor = 0x804020;
    EXPECT_EQ(Run(&DesktopTweaks::SetDesktopIconTextColorClick),
              std::vector<std::string>{"choose 8405024"});
    EXPECT_EQ(settings.textColor, 0x804020);
}

TEST_F(DesktopTweaksTest, CustomColoursStartAsFFFFFFFFAndAreKeptBetweenUses) {
    CustomColors preset;
    preset.fill(0xFFFFFFFF);
    tweaks.SetDesktopIconTextColorClick();
    tweaks.SetDesktopIconTextColorClick();
    ASSERT_EQ(platform.seenCustomColors.size(), 2u);
    EXPECT_EQ(platform.seenCustomColors[0], preset);
    EXPECT_EQ(platform.seenCustomColors[1][0], 0x123456u);
    EXPECT_EQ(platform.seenCustomColors[1][15], 0xFFFFFFFFu);
}

TEST_F(DesktopTweaksTest, TransparentTextPutsTheStoredColourBackOnNoBackground) {
    settings.textColor = 0x00FFFF;
    const std::vector<std::string> expected = {"text 65535", "back 4294967295", "redraw 0 2"};
    EXPECT_EQ(Run(&DesktopTweaks::IconTextTransparenceClick), expected);
}

// The refresh time.

TEST_F(DesktopTweaksTest, RefreshTimeAsksWithTheCurrentValueAndSetsTheInterval) {
    prompts.answer = L"30";
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick),
              (std::vector<std::string>{"ask 60", "interval 30000"}));
    EXPECT_EQ(prompts.askedPrompt, L"请输入屏幕刷新时间，单位为秒：\u3000\u3000\u3000\u3000");
    EXPECT_EQ(settings.flashScreen, 30);
}

TEST_F(DesktopTweaksTest, CancelInTheRefreshBoxKeepsTimeAndTimer) {
    settings.flashScreen = 45;
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick), std::vector<std::string>{"ask 45"});
    EXPECT_EQ(settings.flashScreen, 45);
}

TEST_F(DesktopTweaksTest, RefreshTimeThatIsNoWholeNumberFailsAndKeepsEverything) {
    prompts.answer = L"abc";
    EXPECT_EQ(RunAndReport(&DesktopTweaks::FlashScreenClick),
              L"'abc' is not a valid integer value");
    EXPECT_EQ(events, std::vector<std::string>{"ask 60"});
    EXPECT_EQ(settings.flashScreen, 60);
    prompts.answer = L"1.5";
    EXPECT_EQ(RunAndReport(&DesktopTweaks::FlashScreenClick),
              L"'1.5' is not a valid integer value");
    EXPECT_EQ(settings.flashScreen, 60);
}

TEST_F(DesktopTweaksTest, RefreshTimeOfZeroOrBelowStopsTheTimer) {
    prompts.answer = L"0";
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick),
              (std::vector<std::string>{"ask 60", "interval 0"}));
    EXPECT_EQ(settings.flashScreen, 0);
    prompts.answer = L"-5";
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick),
              (std::vector<std::string>{"ask 0", "interval 0"}));
    EXPECT_EQ(settings.flashScreen, -5);
    // The next time the box shows what is stored.
    prompts.answer.reset();
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick), std::vector<std::string>{"ask -5"});
}

TEST_F(DesktopTweaksTest, RefreshTimeTooLongForTheTimerRunsAtTheLongestInterval) {
    prompts.answer = L"2147483";
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick),
              (std::vector<std::string>{"ask 60", "interval 2147483000"}));
    prompts.answer = L"2147484";
    EXPECT_EQ(Run(&DesktopTweaks::FlashScreenClick),
              (std::vector<std::string>{"ask 2147483", "interval 2147483647"}));
    EXPECT_EQ(settings.flashScreen, 2147484);
}

// The shortcut arrow and the icon cache.

TEST_F(DesktopTweaksTest, ArrowRemovalWritesTheIconThenRebuildsPausesAndRefreshes) {
    const std::vector<std::string> expected = {"broadcast 31", "broadcast 32", "pause 300000001",
                                               "refresh tick"};
    EXPECT_EQ(Run(&DesktopTweaks::DelelteShortCutClick), expected);
    EXPECT_EQ(Stored(kMachine, kShellIcons, L"29"), L"C:\\WINDOWS\\system32\\docprop.dll,1");
    EXPECT_EQ(registry.Find(kMachine, kShellIcons, L"29")->type, FakeRegistry::kString);
    ASSERT_FALSE(registry.stringWriteRoots.empty());
    EXPECT_EQ(registry.stringWriteRoots.front(), RegistryRoot::kLocalMachineShellView)
        << "where the system's own shell reads it, also from a 32-bit program on 64-bit Windows";
}

TEST_F(DesktopTweaksTest, ALongSystemDirectoryIsWrittenWhole) {
    platform.systemDirectory = L"D:\\" + std::wstring(300, L'x') + L"\\system32";
    tweaks.RemoveShortcutArrow();
    EXPECT_EQ(Stored(kMachine, kShellIcons, L"29"), platform.systemDirectory + L"\\docprop.dll,1");
}

TEST_F(DesktopTweaksTest, NoSystemDirectoryWritesNoIconButTheRestRuns) {
    platform.systemDirectory.clear();
    EXPECT_EQ(Run(&DesktopTweaks::DelelteShortCutClick).back(), "refresh tick");
    EXPECT_EQ(Stored(kMachine, kShellIcons, L"29"), L"(none)");
}

TEST_F(DesktopTweaksTest, ShellIconsKeyThatCannotBeHadIsPassedOverSilently) {
    registry.readOnlyRoots.insert(kMachine);
    const std::vector<std::string> expected = {"broadcast 31", "broadcast 32", "pause 300000001",
                                               "refresh tick"};
    EXPECT_EQ(Run(&DesktopTweaks::DelelteShortCutClick), expected);
    EXPECT_FALSE(registry.HasKey(kMachine, kShellIcons));
}

TEST_F(DesktopTweaksTest, IconCacheRebuildWithoutASizeStoresThirtyTwo) {
    const std::vector<std::string> expected = {"broadcast 31", "broadcast 32", "pause 300000001",
                                               "refresh tick"};
    EXPECT_EQ(Run(&DesktopTweaks::IconCacheRebuildClick), expected);
    EXPECT_EQ(Stored(kUser, kMetrics, L"Shell Icon Size"), L"32");
    EXPECT_FALSE(registry.HasKey(kMachine, kShellIcons));
}

TEST_F(DesktopTweaksTest, IconSizeFortyEightIsToldAsFortySevenThenFortyEight) {
    registry.PutString(kUser, kMetrics, L"Shell Icon Size", L"48");
    EXPECT_TRUE(tweaks.RebuildIconCache());
    EXPECT_EQ(events, (std::vector<std::string>{"broadcast 47", "broadcast 48"}));
    EXPECT_EQ(Stored(kUser, kMetrics, L"Shell Icon Size"), L"48");
}

TEST_F(DesktopTweaksTest, TheSmallestIconSizeWrapsAroundAsItAlwaysHas) {
    registry.PutString(kUser, kMetrics, L"Shell Icon Size", L"-2147483648");
    EXPECT_TRUE(tweaks.RebuildIconCache());
    EXPECT_EQ(events, (std::vector<std::string>{"broadcast 2147483647", "broadcast -2147483648"}));
}

TEST_F(DesktopTweaksTest, IconSizeThatIsNoWholeNumberEndsTheCommandUntouched) {
    registry.PutString(kUser, kMetrics, L"Shell Icon Size", L"abc");
    EXPECT_EQ(RunAndReport(&DesktopTweaks::IconCacheRebuildClick),
              L"'abc' is not a valid integer value");
    EXPECT_EQ(events, std::vector<std::string>{});
    EXPECT_EQ(Stored(kUser, kMetrics, L"Shell Icon Size"), L"abc");
    // The arrow is already written when the rebuild fails.
    EXPECT_EQ(RunAndReport(&DesktopTweaks::DelelteShortCutClick),
              L"'abc' is not a valid integer value");
    EXPECT_EQ(events, std::vector<std::string>{});
    EXPECT_EQ(Stored(kMachine, kShellIcons, L"29"), L"C:\\WINDOWS\\system32\\docprop.dll,1");
}

TEST_F(DesktopTweaksTest, IconSizeOfAnotherTypeEndsTheCommandUntouched) {
    registry.PutInteger(kUser, kMetrics, L"Shell Icon Size", 32);
    EXPECT_EQ(RunAndReport(&DesktopTweaks::IconCacheRebuildClick),
              L"Invalid data type for 'Shell Icon Size'");
    EXPECT_EQ(events, std::vector<std::string>{});
    EXPECT_EQ(registry.Find(kUser, kMetrics, L"Shell Icon Size")->type, FakeRegistry::kDword);
}

TEST_F(DesktopTweaksTest, AnEmptyIconSizeStopsTheRebuildButNotThePauseAndRefresh) {
    registry.PutString(kUser, kMetrics, L"Shell Icon Size", L"");
    EXPECT_FALSE(tweaks.RebuildIconCache());
    EXPECT_EQ(events, std::vector<std::string>{});
    EXPECT_EQ(Run(&DesktopTweaks::IconCacheRebuildClick),
              (std::vector<std::string>{"pause 300000001", "refresh tick"}));
    EXPECT_EQ(Stored(kUser, kMetrics, L"Shell Icon Size"), L"");
}

TEST_F(DesktopTweaksTest, WindowMetricsKeyThatCannotBeHadStopsTheRebuildSilently) {
    registry.readOnlyRoots.insert(kUser);
    EXPECT_FALSE(tweaks.RebuildIconCache());
    EXPECT_EQ(Run(&DesktopTweaks::IconCacheRebuildClick),
              (std::vector<std::string>{"pause 300000001", "refresh tick"}));
    EXPECT_FALSE(registry.HasKey(kUser, kMetrics));
}

TEST_F(DesktopTweaksTest, BroadcastGoesToThePlatformOnce) {
    tweaks.BroadcastMetricsChange();
    EXPECT_EQ(events, std::vector<std::string>{"broadcast (none)"});
}

// Autorun.

TEST_F(DesktopTweaksTest, AutorunOnWritesTheQuotedProgramPath) {
    EXPECT_EQ(Run(&DesktopTweaks::AutoRunClick), std::vector<std::string>{});
    EXPECT_EQ(Stored(kMachine, kRun, L"Tavrel"), L"\"C:\\Program Files\\Tavrel\\tavrel.exe\"");
    EXPECT_EQ(registry.Find(kMachine, kRun, L"Tavrel")->type, FakeRegistry::kString);
}

TEST_F(DesktopTweaksTest, AutorunOffDeletesTheValueQuotedOrNot) {
    registry.PutString(kMachine, kRun, L"Tavrel", kProgram);  // as older versions wrote it
    tweaks.AutoRunClick();
    EXPECT_EQ(registry.Find(kMachine, kRun, L"Tavrel"), nullptr);
    tweaks.AutoRunClick();
    EXPECT_EQ(Stored(kMachine, kRun, L"Tavrel"), L"\"C:\\Program Files\\Tavrel\\tavrel.exe\"");
    tweaks.AutoRunClick();
    EXPECT_EQ(registry.Find(kMachine, kRun, L"Tavrel"), nullptr);
    EXPECT_TRUE(registry.HasKey(kMachine, kRun));
}

TEST_F(DesktopTweaksTest, AnEmptyAutorunValueCountsAsOff) {
    registry.PutString(kMachine, kRun, L"Tavrel", L"");
    EXPECT_EQ(ReadAutoRunCaption(registry, kMachine), L"系统启动时自动运行");
    tweaks.AutoRunClick();
    EXPECT_EQ(ReadAutoRunCaption(registry, kMachine), L"取消自动运行功能");
    EXPECT_EQ(Stored(kMachine, kRun, L"Tavrel"), L"\"C:\\Program Files\\Tavrel\\tavrel.exe\"");
}

TEST_F(DesktopTweaksTest, RunKeyThatCannotBeHadShowsTheBoxAndChangesNothing) {
    registry.readOnlyRoots.insert(kMachine);
    EXPECT_EQ(Run(&DesktopTweaks::AutoRunClick), std::vector<std::string>{"registry failure box"});
    EXPECT_FALSE(registry.HasKey(kMachine, kRun));
}

TEST_F(DesktopTweaksTest, AutorunValueOfAnotherTypeEndsTheCommand) {
    registry.PutInteger(kMachine, kRun, L"Tavrel", 1);
    EXPECT_EQ(RunAndReport(&DesktopTweaks::AutoRunClick), L"Invalid data type for 'Tavrel'");
    EXPECT_EQ(registry.Find(kMachine, kRun, L"Tavrel")->type, FakeRegistry::kDword);
}

TEST(Autorun, UnderTheCurrentUsersRunKeyWhenThatIsTheSettingsRoot) {
    RecordingDesktop desktop{0, 1024, 738};
    FakeRegistry registry;
    FakePlatform platform{desktop.events, registry};
    FakeHost host{desktop.events};
    FakePrompts prompts{desktop.events};
    Settings settings;
    DesktopTweaks tweaks{settings,
                         {registry, kUser, desktop, prompts, platform, host, [](std::uint32_t) {},
                          L"C:\\Tavrel\\tavrel.exe"}};
    registry.readOnlyRoots.insert(kMachine);
    tweaks.AutoRunClick();
    EXPECT_EQ(desktop.events, std::vector<std::string>{});
    EXPECT_EQ(registry.Find(kUser, kRun, L"Tavrel")->text, L"\"C:\\Tavrel\\tavrel.exe\"");
    EXPECT_FALSE(registry.HasKey(kMachine, kRun));
    tweaks.AutoRunClick();
    EXPECT_EQ(registry.Find(kUser, kRun, L"Tavrel"), nullptr);

    // A value an administrator's run left under the machine's key counts
    // as on; off removes what can go and says what an administrator must.
    registry.PutString(kMachine, kRun, L"Tavrel", L"C:\\Tavrel\\tavrel.exe");
    registry.PutString(kUser, kRun, L"Tavrel", L"");
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser), L"取消自动运行功能");
    tweaks.AutoRunClick();
    EXPECT_EQ(desktop.events, std::vector<std::string>{"notice"});
    EXPECT_EQ(registry.Find(kUser, kRun, L"Tavrel"), nullptr);
    EXPECT_NE(registry.Find(kMachine, kRun, L"Tavrel"), nullptr);
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser), L"取消自动运行功能") << "still on";

    registry.readOnlyRoots.clear();
    desktop.events.clear();
    tweaks.AutoRunClick();
    EXPECT_EQ(desktop.events, std::vector<std::string>{}) << "nothing left to tell of";
    EXPECT_EQ(registry.Find(kMachine, kRun, L"Tavrel"), nullptr);
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser), L"系统启动时自动运行");
}

}  // namespace
}  // namespace tavrel
