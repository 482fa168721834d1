#include "tweaks/shortcuts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "common/error.h"
#include "support/fake_registry.h"

namespace tavrel {
namespace {

using testing::FakeRegistry;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;

const std::wstring kProgram = L"C:\\Program Files\\Tavrel\\tavrel.exe";
const std::wstring kShellFolders =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const std::wstring kMapGroups = L"Software\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";

// Writes every call on the link object, its release included, into one
// list shared with the platform.
class RecordingLink : public ShellLink {
  public:
    explicit RecordingLink(std::vector<std::wstring>& log) : log_(log) {}
    ~RecordingLink() override { log_.push_back(L"release"); }
    void SetArguments(const std::wstring& arguments) override {
        log_.push_back(L"arguments [" + arguments + L"]");
    }
    void SetPath(const std::wstring& target) override { log_.push_back(L"path " + target); }
    void SetWorkingDirectory(const std::wstring& directory) override {
        log_.push_back(L"directory " + directory);
    }
    void Save(const std::wstring& linkPath) override { log_.push_back(L"save " + linkPath); }

  private:
    std::vector<std::wstring>& log_;
};

class FakePlatform : public ShortcutPlatform {
  public:
    explicit FakePlatform(std::vector<std::wstring>& log) : log_(log) {}
    std::unique_ptr<ShellLink> CreateShellLink() override {
        if (!linkAvailable) {
            throw Error(L"Class not registered");
        }
        log_.push_back(L"create");
        return std::make_unique<RecordingLink>(log_);
    }
    PlatformVersion Version() override {
        ++versionQueries;
        return version;
    }
    bool DirectoryExists(const std::wstring& path) override { return directories.count(path) != 0; }

    PlatformVersion version{kPlatformWin32Nt, 0};
    std::set<std::wstring> directories;
    bool linkAvailable = true;
    int versionQueries = 0;

  private:
    std::vector<std::wstring>& log_;
};

class ShortcutTest : public ::testing::Test {
  protected:
    // A folder value, and the folder itself.
    void Folder(const std::wstring& keyPath, const std::wstring& name, const std::wstring& path) {
        registry.PutString(kUser, keyPath, name, path);
        platform.directories.insert(path);
    }
    std::vector<std::wstring> SavedOnly() const {
        std::vector<std::wstring> saves;
        for (const std::wstring& entry : log) {
            if (entry.rfind(L"save ", 0) == 0) {
                saves.push_back(entry.substr(5));
            }
        }
        return saves;
    }

    std::vector<std::wstring> log;
    FakeRegistry registry;
    FakePlatform platform{log};
    ShortcutCommands commands{registry, platform, kProgram};
};

TEST_F(ShortcutTest, StartMenuLinkIsFilledInOrderSavedAndReleased) {
    Folder(kShellFolders, L"Start Menu", L"C:\\Documents and Settings\\li\\「开始」菜单");
    commands.StartMenuClick();
    const std::vector<std::wstring> expected = {
        L"create",
        L"arguments []",
        L"path C:\\Program Files\\Tavrel\\tavrel.exe",
        L"directory C:\\Program Files\\Tavrel\\",
        L"save C:\\Documents and Settings\\li\\「开始」菜单\\Tavrel.lnk",
        L"release"};
    EXPECT_EQ(log, expected);
}

TEST_F(ShortcutTest, EachCommandUsesItsOwnFolderValueAndName) {
    Folder(kShellFolders, L"Start Menu", L"C:\\Menu");
    Folder(kShellFolders, L"Programs", L"C:\\Menu\\Programs");
    Folder(kShellFolders, L"Desktop", L"C:\\Desktop");
    Folder(kMapGroups, L"Quick Launch", L"C:\\Quick Launch");
    commands.StartMenuClick();
    commands.ProgramsClick();
    commands.DesktopClick();
    commands.QuickLaunchClick();
    const std::vector<std::wstring> expected = {
        L"C:\\Menu\\Tavrel.lnk", L"C:\\Menu\\Programs\\Tavrel.lnk",
        L"C:\\Desktop\\Tavr\u3000\u3000\u2192el.lnk", L"C:\\Quick Launch\\Tavrel.lnk"};
    EXPECT_EQ(SavedOnly(), expected);
}

TEST_F(ShortcutTest, FirstStartPlacesTheTwoLinksItIsAskedFor) {
    Folder(kShellFolders, L"Desktop", L"C:\\Desktop");
    Folder(kMapGroups, L"Quick Launch", L"C:\\QL");
    commands.Place(2, L"Tavr\u3000\u3000\u2192el");
    commands.Place(3, L"Tavrel");
    const std::vector<std::wstring> expected = {L"C:\\Desktop\\Tavr\u3000\u3000\u2192el.lnk",
                                                L"C:\\QL\\Tavrel.lnk"};
    EXPECT_EQ(SavedOnly(), expected);
}

TEST_F(ShortcutTest, RunningTwiceSavesToTheSamePathAgain) {
    Folder(kShellFolders, L"Desktop", L"C:\\Desktop");
    commands.DesktopClick();
    commands.DesktopClick();
    const std::wstring path = L"C:\\Desktop\\Tavr\u3000\u3000\u2192el.lnk";
    EXPECT_EQ(SavedOnly(), (std::vector<std::wstring>{path, path}));
}

TEST_F(ShortcutTest, QuickLaunchBelowAppDataOnlyOnPlatformTwoMinorOne) {
    Folder(kShellFolders, L"AppData", L"C:\\Users\\li\\AppData");
    platform.directories.insert(
        L"C:\\Users\\li\\AppData\\Microsoft\\Internet Explorer\\Quick Launch");
    Folder(kMapGroups, L"Quick Launch", L"C:\\Windows\\Quick Launch");
    for (const std::uint32_t minor : {0u, 1u, 2u}) {
        platform.version = {kPlatformWin32Nt, minor};
        commands.QuickLaunchClick();
    }
    // Windows 98 reports platform 1 and minor version 10, ME 90; with minor
    // version 1 on platform 1 the bar is still found through MapGroups.
    platform.version = {1, 1};
    commands.QuickLaunchClick();
    const std::vector<std::wstring> expected = {
        L"C:\\Windows\\Quick Launch\\Tavrel.lnk",
        L"C:\\Users\\li\\AppData\\Microsoft\\Internet Explorer\\Quick Launch\\Tavrel.lnk",
        L"C:\\Windows\\Quick Launch\\Tavrel.lnk", L"C:\\Windows\\Quick Launch\\Tavrel.lnk"};
    EXPECT_EQ(SavedOnly(), expected);
}

TEST_F(ShortcutTest, OnlyTheQuickLaunchBarAsksForTheSystemVersion) {
    Folder(kShellFolders, L"Desktop", L"C:\\Desktop");
    commands.StartMenuClick();
    commands.ProgramsClick();
    commands.DesktopClick();
    EXPECT_EQ(platform.versionQueries, 0);
    commands.QuickLaunchClick();
    EXPECT_EQ(platform.versionQueries, 1);
}

TEST_F(ShortcutTest, MissingKeysAreCreatedButNotTheirSubkeysAndNoLinkIsWrittenAnywhere) {
    commands.StartMenuClick();
    commands.QuickLaunchClick();
    platform.version = {kPlatformWin32Nt, 1};
    commands.QuickLaunchClick();
    EXPECT_TRUE(registry.HasKey(kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer"));
    EXPECT_TRUE(registry.HasKey(kUser, L"Software\\Microsoft\\Windows\\CurrentVersion\\GrpConv"));
    EXPECT_FALSE(registry.HasKey(kUser, kShellFolders));
    EXPECT_FALSE(registry.HasKey(kUser, kMapGroups));
    EXPECT_EQ(SavedOnly(), std::vector<std::wstring>{});
    // The object was made and filled in each time, then let go.
    EXPECT_EQ(std::count(log.begin(), log.end(), L"release"), 3);
}

TEST_F(ShortcutTest, AnEmptyValueOrAMissingFolderWritesNoLink) {
    registry.PutString(kUser, kShellFolders, L"Desktop", L"");
    registry.PutString(kUser, kShellFolders, L"Programs", L"C:\\Gone\\Programs");
    commands.DesktopClick();
    commands.ProgramsClick();
    EXPECT_EQ(SavedOnly(), std::vector<std::wstring>{});
}

TEST_F(ShortcutTest, AnEmptyAppDataValueGivesNoQuickLaunchFolder) {
    // Else the link would go to "\Microsoft\Internet Explorer\Quick Launch"
    // on whatever drive is current.
    registry.PutString(kUser, kShellFolders, L"AppData", L"");
    platform.directories.insert(L"\\Microsoft\\Internet Explorer\\Quick Launch");
    platform.version = {kPlatformWin32Nt, 1};
    commands.QuickLaunchClick();
    EXPECT_EQ(SavedOnly(), std::vector<std::wstring>{});
}

TEST_F(ShortcutTest, ARegistryThatCannotBeWrittenGivesNoFolderAndNoError) {
    registry.readOnlyRoots.insert(kUser);
    EXPECT_NO_THROW(commands.DesktopClick());
    EXPECT_FALSE(registry.HasKey(kUser, kShellFolders));
    EXPECT_EQ(SavedOnly(), std::vector<std::wstring>{});
}

TEST_F(ShortcutTest, NoLinkObjectEndsTheCommandWithItsErrorBeforeAnythingElse) {
    Folder(kShellFolders, L"Desktop", L"C:\\Desktop");
    const std::size_t keys = registry.KeyCount();
    platform.linkAvailable = false;
    try {
        commands.DesktopClick();
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Class not registered");
    }
    EXPECT_EQ(log, std::vector<std::wstring>{});
    EXPECT_EQ(registry.KeyCount(), keys);
}

TEST_F(ShortcutTest, AFolderValueOfAnotherTypeFailsAndTheLinkIsStillReleased) {
    registry.PutBinary(kUser, kShellFolders, L"Desktop", 8);
    try {
        commands.DesktopClick();
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Invalid data type for 'Desktop'");
    }
    EXPECT_EQ(SavedOnly(), std::vector<std::wstring>{});
    EXPECT_EQ(log.back(), L"release");
}

TEST(DirectoryPart, UpToAndIncludingTheLastBackslashOrColon) {
    EXPECT_EQ(DirectoryPart(L"C:\\Program Files\\Tavrel\\tavrel.exe"),
              L"C:\\Program Files\\Tavrel\\");
    EXPECT_EQ(DirectoryPart(L"C:\\tavrel.exe"), L"C:\\");
    EXPECT_EQ(DirectoryPart(L"D:tavrel.exe"), L"D:");
    EXPECT_EQ(DirectoryPart(L"\\\\server\\share\\tavrel.exe"), L"\\\\server\\share\\");
    EXPECT_EQ(DirectoryPart(L"tavrel.exe"), L"");
}

TEST(ShortcutFolderValueNames, AreTheShellsOwnValueNames) {
    EXPECT_STREQ(ShortcutFolderValueNames[0], L"Start Menu");
    EXPECT_STREQ(ShortcutFolderValueNames[1], L"Programs");
    EXPECT_STREQ(ShortcutFolderValueNames[2], L"Desktop");
    EXPECT_STREQ(ShortcutFolderValueNames[3], L"Quick Launch");
}

}  // namespace
}  // namespace tavrel
