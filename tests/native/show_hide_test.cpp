#include "core/show_hide.h"

#include <gtest/gtest.h>

#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::RecordingDesktop;

TEST(ShowHideAllIcons, DecidesFromWhatTheDesktopShowsAndTheSettingFollows) {
    RecordingDesktop desktop(3, 1024, 738);
    Settings settings;
    settings.showHideIcon = 0;  // stored while hidden, and the desktop shows its icons again
    EXPECT_TRUE(FollowDesktopShown(desktop, settings));
    EXPECT_EQ(settings.showHideIcon, 1);

    settings.showHideIcon = 0;
    EXPECT_TRUE(ShowHideAllIcons(desktop, settings));
    EXPECT_EQ(desktop.events, (std::vector<std::string>{"hide"}));
    EXPECT_EQ(settings.showHideIcon, 0);
    EXPECT_TRUE(ShowHideAllIcons(desktop, settings));
    EXPECT_EQ(desktop.events, (std::vector<std::string>{"hide", "show"}));
    EXPECT_EQ(settings.showHideIcon, 1);
}

TEST(ShowHideAllIcons, ADesktopOutOfReachIsLeftAloneAndSoIsTheSetting) {
    RecordingDesktop desktop(3, 1024, 738);
    desktop.RemoveShell();
    Settings settings;
    settings.showHideIcon = 0;
    EXPECT_FALSE(FollowDesktopShown(desktop, settings));
    EXPECT_FALSE(ShowHideAllIcons(desktop, settings));
    EXPECT_TRUE(desktop.events.empty());
    EXPECT_EQ(settings.showHideIcon, 0);
}

}  // namespace
}  // namespace tavrel
