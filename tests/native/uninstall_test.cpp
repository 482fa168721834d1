// Removing the program: the autorun value under every root, its links in
// the four shortcut folders and its settings, and an honest word about
// whatever could not go.
#include "tweaks/uninstall.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/autorun.h"
#include "core/settings_registry.h"
#include "support/fake_registry.h"

namespace tavrel {

void PrintTo(const Remains& thing, std::ostream* out) {
    *out << ::testing::PrintToString(thing.text) << (thing.machineWide ? " (machine)" : "");
}

namespace {

using testing::FakeRegistry;
constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kShellView = RegistryRoot::kLocalMachineShellView;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::wstring kProgram = L"C:\\Tools\\Tavrel\\tavrel.exe";
const std::wstring kSettings = kSettingsKeyPath;

class Folders final : public ShortcutPlatform {
  public:
    std::unique_ptr<ShellLink> CreateShellLink() override {
        ADD_FAILURE() << "a removal makes no link";
        return nullptr;
    }
    PlatformVersion Version() override { return {kPlatformWin32Nt, 0}; }
    bool DirectoryExists(const std::wstring& path) override { return links.count(path) != 0; }

    // Each folder's links and their targets.
    std::map<std::wstring, std::map<std::wstring, std::wstring>> links;
};

class FakeLinkFiles final : public LinkFiles {
  public:
    explicit FakeLinkFiles(Folders& folders) : folders_(folders) {}
    std::vector<std::wstring> LinksIn(const std::wstring& folder) override {
        std::vector<std::wstring> paths;
        for (const auto& [name, target] : folders_.links[folder]) {
            paths.push_back(folder + L"\\" + name);
        }
        return paths;
    }
    bool PointsAt(const std::wstring& link, const std::wstring& target) override {
        const auto [folder, name] = Split(link);
        const auto found = folders_.links[folder].find(name);
        return found != folders_.links[folder].end() && found->second == target;
    }
    bool Delete(const std::wstring& link) override {
        deleted.push_back(link);
        const auto [folder, name] = Split(link);
        return undeletable.count(link) == 0 && folders_.links[folder].erase(name) != 0;
    }
    std::set<std::wstring> undeletable;
    std::vector<std::wstring> deleted;

  private:
    static std::pair<std::wstring, std::wstring> Split(const std::wstring& link) {
        const std::size_t slash = link.rfind(L'\\');
        return {link.substr(0, slash), link.substr(slash + 1)};
    }
    Folders& folders_;
};

class UninstallTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const auto& [name, folder] : {std::pair{L"Start Menu", L"C:\\Menu"},
                                           {L"Programs", L"C:\\Menu\\Programs"},
                                           {L"Desktop", L"C:\\Desktop"}}) {
            registry.PutString(kUser, kShellFoldersKeyPath, name, folder);
            folders.links[folder];
        }
        registry.PutString(kUser, kMapGroupsKeyPath, L"Quick Launch", L"C:\\Quick Launch");
        folders.links[L"C:\\Quick Launch"];
    }
    // Everything the program writes, under the root of that run.
    void EverythingUnder(RegistryRoot root) {
        registry.PutString(root, kRunKeyPath, kProductName, L"\"" + kProgram + L"\"");
        registry.PutInteger(root, kSettings, L"Arrage", 31);
        registry.PutString(root, kSettings + L"\\CustomCharacter", L"CustomCharacter1", L"中国");
        registry.PutInteger(root, kSettings + L"\\CustomPosition\\CustomPosition1\\0", L"IconPos.X",
                            5);
    }
    std::vector<Remains> Remove() {
        UninstallParts parts{registry, folders, links, kProgram};
        return RemoveProgramTraces(parts);
    }

    FakeRegistry registry;
    Folders folders;
    FakeLinkFiles links{folders};
};

TEST(Autorun, RemovedFromEveryRootWhateverItHolds) {
    FakeRegistry registry;
    registry.PutString(kUser, kRunKeyPath, kProductName, L"\"C:\\old place\\tavrel.exe\"");
    registry.PutInteger(kMachine, kRunKeyPath, kProductName, 7);
    registry.PutString(kUser, kRunKeyPath, L"Other", L"other.exe");
    const AutorunRemoval removal = RemoveAutorunEverywhere(registry);
    EXPECT_EQ(removal.removed, (std::vector<RegistryRoot>{kUser, kMachine}));
    EXPECT_TRUE(removal.remaining.empty());
    EXPECT_FALSE(registry.ValueExists(kUser, kRunKeyPath, kProductName));
    EXPECT_FALSE(registry.ValueExists(kMachine, kRunKeyPath, kProductName));
    EXPECT_EQ(registry.ReadString(kUser, kRunKeyPath, L"Other"), L"other.exe")
        << "others' values stay";

    const AutorunRemoval again = RemoveAutorunEverywhere(registry);
    EXPECT_TRUE(again.removed.empty() && again.remaining.empty())
        << "nothing there, nothing to say";
}

TEST(Autorun, AMachineValueAStandardUserCannotRemoveRemains) {
    FakeRegistry registry;
    registry.PutString(kUser, kRunKeyPath, kProductName, L"a");
    registry.PutString(kMachine, kRunKeyPath, kProductName, L"b");
    registry.readOnlyRoots.insert(kMachine);
    const AutorunRemoval removal = RemoveAutorunEverywhere(registry);
    EXPECT_EQ(removal.removed, std::vector<RegistryRoot>{kUser});
    // Both views of the machine are one key here.
    EXPECT_EQ(removal.remaining, (std::vector<RegistryRoot>{kMachine, kShellView}));
}

TEST_F(UninstallTest, EverythingTheProgramWroteGoesAndNothingElse) {
    EverythingUnder(kMachine);
    EverythingUnder(kUser);
    registry.PutInteger(kMachine, L"Software\\Quorral\\Other", L"Kept", 1);
    folders.links[L"C:\\Menu"] = {{L"Tavrel.lnk", kProgram}, {L"Other.lnk", L"C:\\other.exe"}};
    folders.links[L"C:\\Menu\\Programs"] = {{L"Tavrel.lnk", kProgram}};
    folders.links[L"C:\\Desktop"] = {{L"Tavr\u3000\u3000\u2192el.lnk", kProgram},
                                     {L"Renamed.lnk", kProgram}};
    folders.links[L"C:\\Quick Launch"] = {{L"Tavrel.lnk", kProgram}};

    EXPECT_TRUE(Remove().empty());
    for (RegistryRoot root : {kMachine, kUser}) {
        EXPECT_FALSE(registry.ValueExists(root, kRunKeyPath, kProductName));
        EXPECT_FALSE(registry.KeyExists(root, kSettings));
    }
    EXPECT_FALSE(registry.KeyExists(kUser, L"Software\\Quorral"))
        << "the parents it made, once empty";
    EXPECT_TRUE(registry.KeyExists(kMachine, L"Software\\Quorral\\Other"))
        << "another product's key";
    EXPECT_FALSE(registry.KeyExists(kMachine, L"Software\\Quorral\\Tavrel"));
    EXPECT_TRUE(registry.KeyExists(kMachine, kRunKeyPath)) << "the Run key itself stays";
    using Links = std::map<std::wstring, std::wstring>;
    EXPECT_EQ(folders.links[L"C:\\Menu"], (Links{{L"Other.lnk", L"C:\\other.exe"}}));
    EXPECT_EQ(folders.links[L"C:\\Menu\\Programs"], Links{});
    EXPECT_EQ(folders.links[L"C:\\Desktop"], Links{}) << "a link the user renamed too";
    EXPECT_EQ(folders.links[L"C:\\Quick Launch"], Links{});
}

TEST_F(UninstallTest, WhatCannotGoIsNamedAndTheMachinesNeedsAnAdministrator) {
    EverythingUnder(kMachine);
    EverythingUnder(kUser);
    registry.readOnlyRoots.insert(kMachine);
    // Two folder values naming one folder look at its links once.
    registry.PutString(kUser, kShellFoldersKeyPath, L"Programs", L"C:\\Menu");
    folders.links[L"C:\\Menu"] = {{L"Tavrel.lnk", kProgram}, {L"In use.lnk", kProgram}};
    links.undeletable.insert(L"C:\\Menu\\In use.lnk");

    const std::vector<Remains> remains = Remove();
    const std::vector<Remains> expected = {
        {L"自动运行项：HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run "
         L"中的“Tavrel”",
         true},
        {L"快捷方式：C:\\Menu\\In use.lnk", false},
        {L"设置：HKEY_LOCAL_MACHINE\\Software\\Quorral\\Tavrel\\2.00", true},
    };
    EXPECT_EQ(remains, expected);
    EXPECT_EQ(links.deleted,
              (std::vector<std::wstring>{L"C:\\Menu\\In use.lnk", L"C:\\Menu\\Tavrel.lnk"}));
    EXPECT_FALSE(registry.KeyExists(kUser, kSettings)) << "the user's own go all the same";
    EXPECT_TRUE(registry.KeyExists(kMachine, kSettings));

    const std::wstring report = UninstallReport(remains);
    EXPECT_EQ(report.rfind(kUninstallRemainsNotice, 0), 0u);
    for (const Remains& thing : remains) {
        EXPECT_NE(report.find(L"\r\n　　" + thing.text), std::wstring::npos);
    }
    EXPECT_NE(report.find(kUninstallNeedsAdministrator), std::wstring::npos);
    EXPECT_EQ(UninstallReport({{L"快捷方式：x", false}}).find(kUninstallNeedsAdministrator),
              std::wstring::npos);
    EXPECT_EQ(UninstallReport({}), kUninstalledNotice);
}

TEST_F(UninstallTest, AFolderValueThatIsNoTextIsNamedAndTheRestGoes) {
    EverythingUnder(kUser);
    registry.PutInteger(kUser, kShellFoldersKeyPath, L"Desktop", 3);
    folders.links[L"C:\\Menu"] = {{L"Tavrel.lnk", kProgram}};
    const std::vector<Remains> remains = Remove();
    ASSERT_EQ(remains.size(), 1u);
    EXPECT_EQ(remains[0].text, L"快捷方式：“Desktop”文件夹（Invalid data type for 'Desktop'）");
    EXPECT_TRUE(folders.links[L"C:\\Menu"].empty());
    EXPECT_FALSE(registry.KeyExists(kUser, kSettings));
}

// The program around the removal, step by step.
class RecordingSteps final : public UninstallSteps {
  public:
    explicit RecordingSteps(bool yes) : yes_(yes) {}
    bool Confirm(const std::wstring& question) override {
        log.push_back(question == kUninstallQuestion ? L"ask" : L"ask something else");
        return yes_;
    }
    void StopProgram() override { log.push_back(L"stop"); }
    void Notify(const std::wstring& text) override { log.push_back(L"notice " + text); }
    void EndProgram() override { log.push_back(L"end"); }
    std::vector<std::wstring> log;

  private:
    bool yes_;
};

TEST_F(UninstallTest, AskedFirstStoppedBeforeRemovingToldThenEnded) {
    EverythingUnder(kUser);
    UninstallParts parts{registry, folders, links, kProgram};
    RecordingSteps no(false);
    EXPECT_FALSE(Uninstall(parts, no));
    EXPECT_EQ(no.log, std::vector<std::wstring>{L"ask"});
    EXPECT_TRUE(registry.KeyExists(kUser, kSettings)) << "No removes nothing";

    RecordingSteps yes(true);
    EXPECT_TRUE(Uninstall(parts, yes));
    EXPECT_EQ(yes.log,
              (std::vector<std::wstring>{L"ask", L"stop",
                                         L"notice " + std::wstring(kUninstalledNotice), L"end"}));
    EXPECT_FALSE(registry.KeyExists(kUser, kSettings));

    registry.readOnlyRoots.insert(kUser);
    EverythingUnder(kUser);
    RecordingSteps partly(true);
    EXPECT_FALSE(Uninstall(parts, partly)) << "something remains";
    EXPECT_EQ(partly.log.back(), L"end");
}

}  // namespace
}  // namespace tavrel
