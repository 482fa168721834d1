// The restore reads a layout's entries once and matches each icon in one
// step. What the shell sees must stay exactly what searching the entries
// icon by icon gives, so the restore is checked against that search, written
// out here as plainly as it reads, on many random layouts.
#include <gtest/gtest.h>

#include <random>

#include "common/error.h"
#include "support/fake_registry.h"
#include "support/icon_desktop.h"
#include "textlayouts/custom_positions.h"

namespace tavrel {
namespace {

using testing::FakeIcon;
using testing::FakeRegistry;
using testing::IconDesktop;

constexpr RegistryRoot kRoot = RegistryRoot::kLocalMachine;

// For every readable icon, in index order: search the entries 0 to the
// icon count read now, re-opening the layout for every entry; the first
// whose name is the caption gives the position. Any registry error ends it.
void RestoreBySearching(DesktopAccess& desktop, RegistryAccess& registry,
                        const std::wstring& path) {
    const std::unique_ptr<DesktopIconReader> reader = desktop.OpenIconReader();
    if (!reader) {
        return;
    }
    const ListViewHandle handle = desktop.FindDesktopListView();
    const std::int32_t count = reader->Count();
    try {
        for (std::int32_t i = 0; i < count; ++i) {
            const std::optional<DesktopIcon> icon = reader->ReadIcon(i);
            if (!icon) {
                continue;
            }
            const std::int32_t now = reader->Count();
            for (std::int32_t k = 0; k < now; ++k) {
                const std::wstring item = path + L"\\" + std::to_wstring(k);
                if (!registry.OpenKey(kRoot, path) || !registry.OpenKey(kRoot, item)) {
                    continue;
                }
                if (registry.ReadString(kRoot, item, L"IconName") == icon->caption) {
                    const std::int32_t y = registry.ReadInteger(kRoot, item, L"IconPos.Y");
                    const std::int32_t x = registry.ReadInteger(kRoot, item, L"IconPos.X");
                    desktop.MoveDesktopIcon(handle, i, x, y);
                    break;
                }
            }
        }
    } catch (const Error&) {
    }
}

const std::vector<std::wstring> kCaptions = {L"我的电脑", L"Recycle Bin", L"recycle bin", L"a",
                                             L"",         L"网上邻居",    L"a "};

struct Scenario {
    std::vector<FakeIcon> icons;
    std::vector<std::int32_t> counts;
    bool readerOpens = true;
};

Scenario MakeScenario(std::mt19937& random, FakeRegistry& registry, const std::wstring& path) {
    auto chance = [&random](int percent) {
        return std::uniform_int_distribution<int>(0, 99)(random) < percent;
    };
    auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    Scenario scenario;
    const int icons = pick(0, 12);
    for (int i = 0; i < icons; ++i) {
        FakeIcon icon;
        if (!chance(15)) {
            icon.caption = kCaptions[static_cast<std::size_t>(pick(0, 6))];
        }
        icon.x = pick(-100, 2000);
        icon.y = pick(-100, 2000);
        icon.positionReadable = !chance(10);
        scenario.icons.push_back(icon);
    }
    // The icon count changes while the layout goes back.
    if (chance(40)) {
        for (int c = pick(1, icons + 2); c > 0; --c) {
            scenario.counts.push_back(pick(-2, 16));
        }
    }
    scenario.readerOpens = !chance(3);
    if (chance(92)) {
        registry.PutString(kRoot, path, L"CustomMenuName", L"L");
        for (int k = 0; k < 16; ++k) {
            if (!chance(55)) {
                continue;
            }
            const std::wstring item = path + L"\\" + std::to_wstring(k);
            if (chance(6)) {
                registry.PutInteger(kRoot, item, L"IconName", 1);
            } else if (chance(6)) {
                registry.PutBinary(kRoot, item, L"IconName", 12);
            } else if (!chance(5)) {
                registry.PutString(kRoot, item, L"IconName",
                                   kCaptions[static_cast<std::size_t>(pick(0, 6))]);
            }
            if (!chance(5)) {
                registry.PutInteger(kRoot, item, L"IconPos.X",
                                    chance(10) ? -1 : pick(-70000, 70000));
            }
            if (chance(4)) {
                registry.PutString(kRoot, item, L"IconPos.Y", L"7");
            } else if (chance(3)) {
                registry.PutBinary(kRoot, item, L"IconPos.Y", 8);
            } else if (!chance(5)) {
                registry.PutInteger(kRoot, item, L"IconPos.Y",
                                    chance(10) ? -1 : pick(-70000, 70000));
            }
        }
    }
    return scenario;
}

IconDesktop DesktopFor(const Scenario& scenario) {
    IconDesktop desktop(scenario.icons);
    desktop.scriptedCounts = scenario.counts;
    desktop.readerOpens = scenario.readerOpens;
    return desktop;
}

TEST(LayoutRestore, SendsExactlyWhatSearchingEntryByEntrySends) {
    const std::wstring path = LayoutKeyPath(3);
    int withMoves = 0;
    int endedEarly = 0;
    for (unsigned seed = 1; seed <= 3000; ++seed) {
        std::mt19937 random(seed);
        FakeRegistry registry;
        const Scenario scenario = MakeScenario(random, registry, path);

        IconDesktop searched = DesktopFor(scenario);
        RestoreBySearching(searched, registry, path);
        IconDesktop restored = DesktopFor(scenario);
        RestoreIconLayout(restored, {registry, kRoot}, path);

        ASSERT_EQ(restored.events, searched.events) << "seed " << seed;
        ASSERT_EQ(restored.moves, searched.moves) << "seed " << seed;
        ASSERT_EQ(restored.openReaders, 0);
        withMoves += searched.moves.empty() ? 0 : 1;
        const std::size_t reads = static_cast<std::size_t>(
            std::count_if(searched.events.begin(), searched.events.end(),
                          [](const std::string& e) { return e.rfind("read", 0) == 0; }));
        endedEarly += !scenario.counts.empty() || reads == scenario.icons.size() ? 0 : 1;
    }
    // The random layouts exercise what they are meant to.
    EXPECT_GT(withMoves, 600);
    EXPECT_GT(endedEarly, 100);
}

// Counts what the restore asks of the registry.
class CountingRegistry : public FakeRegistry {
  public:
    long calls = 0;
    bool OpenKey(RegistryRoot root, const std::wstring& path) override {
        ++calls;
        return FakeRegistry::OpenKey(root, path);
    }
    std::wstring ReadString(RegistryRoot root, const std::wstring& path,
                            const std::wstring& name) override {
        ++calls;
        return FakeRegistry::ReadString(root, path, name);
    }
    std::int32_t ReadInteger(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) override {
        ++calls;
        return FakeRegistry::ReadInteger(root, path, name);
    }
};

TEST(LayoutRestore, ReadsEachEntryOnceHoweverManyIcons) {
    // 1,000 icons saved, then renamed so that no icon matches any entry: a
    // search icon by icon would read every entry for every icon.
    constexpr int kIcons = 1000;
    CountingRegistry registry;
    const std::wstring path = LayoutKeyPath(1);
    registry.PutString(kRoot, path, L"CustomMenuName", L"L");
    std::vector<FakeIcon> icons;
    for (int i = 0; i < kIcons; ++i) {
        const std::wstring item = path + L"\\" + std::to_wstring(i);
        registry.PutString(kRoot, item, L"IconName", L"icon " + std::to_wstring(i));
        registry.PutInteger(kRoot, item, L"IconPos.X", i);
        registry.PutInteger(kRoot, item, L"IconPos.Y", i);
        icons.push_back({L"renamed " + std::to_wstring(i), 0, 0});
    }
    IconDesktop desktop(icons);
    RestoreIconLayout(desktop, {registry, kRoot}, path);
    EXPECT_TRUE(desktop.moves.empty());
    // Four reads an entry, and a few for the layout itself.
    EXPECT_LE(registry.calls, 4 * kIcons + 4);

    for (FakeIcon& icon : desktop.icons) {
        icon.caption = L"icon " + icon.caption->substr(8);
    }
    registry.calls = 0;
    RestoreIconLayout(desktop, {registry, kRoot}, path);
    EXPECT_EQ(desktop.moves.size(), static_cast<std::size_t>(kIcons));
    EXPECT_EQ(desktop.moves.back(), (testing::Move{999, 999, 999}));
    EXPECT_LE(registry.calls, 4 * kIcons + 4);
}

}  // namespace
}  // namespace tavrel
