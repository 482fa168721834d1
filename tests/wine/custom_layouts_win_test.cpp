// Saved layouts and custom characters on the real thing: the program's
// input box and notices, the prefix's registry, the stand-in desktop's list
// view in another process, and the submenus as real menus.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/app_host_win.h"
#include "core/commands.h"
#include "core/dispatcher.h"
#include "core/menus.h"
#include "app/menus_win.h"
#include "core/settings_registry.h"
#include "common/error.h"
#include "common/error_report_win.h"
#include "common/prompts_win.h"
#include "common/registry_win.h"
#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"
#include "styling/menu_painter_win.h"
#include "textlayouts/custom_commands_win.h"
#include "common/scope_exit.h"
#include "support/owner_window_win.h"
#include "support/program_win.h"
#include "support/screen_modes_win.h"
#include "textlayouts/custom_positions.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;
using standin::StandinState;

constexpr RegistryRoot kRoot = RegistryRoot::kCurrentUser;

// What the user saw in one box.
struct Seen {
    bool input = false;
    std::wstring caption;
    std::wstring text;  // the prompt, or the notice
    std::wstring initial;
    DWORD selection = 0;  // start in the low word, end in the high word
    LRESULT limit = 0;
    RECT rect{};
    HWND owner = nullptr;
    bool ownerEnabled = true;
};

// One answer: the text typed into an input box and Enter, or Escape
// (nothing); a notice is answered with OK.
struct Step {
    bool input = true;
    std::optional<std::wstring> type;
};
Step Type(std::wstring text) {
    return {true, std::move(text)};
}
Step Escape() {
    return {true, std::nullopt};
}
Step Ok() {
    return {false, std::nullopt};
}

std::wstring TextOf(HWND window) {
    std::vector<wchar_t> text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1);
    ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return text.data();
}

HWND VisibleBox(bool input) {
    HWND box =
        input ? ::FindWindowW(kInputBoxClass, nullptr) : ::FindWindowW(L"#32770", kNoticeCaption);
    return box != nullptr && ::IsWindowVisible(box) ? box : nullptr;
}

bool WaitFor(const std::function<bool()>& condition) {
    return testing::WaitUntil(condition, std::chrono::seconds(20));
}

// Answers the boxes a command shows, from another thread, as a user would;
// a box the script does not expect is cancelled and counted.
class BoxScript {
  public:
    explicit BoxScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        thread_ = std::thread([this] { Run(); });
    }
    ~BoxScript() { Finish(); }

    // Waits for the script's end; what was seen, in order.
    const std::vector<Seen>& Finish() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        return seen_;
    }
    int unexpected() const { return unexpected_; }
    int missed() const { return missed_; }

  private:
    void Run() {
        for (const Step& step : steps_) {
            HWND box = nullptr;
            if (!WaitFor([&] { return (box = VisibleBox(step.input)) != nullptr || stop_; }) ||
                !box) {
                ++missed_;
                continue;
            }
            Record(box, step.input);
            Answer(box, step);
            WaitFor([&] { return !::IsWindow(box); });
        }
        // Whatever else comes up is closed, so that the command ends.
        while (!stop_) {
            for (bool input : {true, false}) {
                if (HWND box = VisibleBox(input)) {
                    ++unexpected_;
                    Record(box, input);
                    Answer(box, input ? Escape() : Ok());
                    WaitFor([&] { return !::IsWindow(box); });
                }
            }
            ::Sleep(10);
        }
    }
    void Record(HWND box, bool input) {
        Seen seen;
        seen.input = input;
        seen.caption = TextOf(box);
        ::GetWindowRect(box, &seen.rect);
        seen.owner = ::GetWindow(box, GW_OWNER);
        seen.ownerEnabled = seen.owner == nullptr || ::IsWindowEnabled(seen.owner) != FALSE;
        if (input) {
            seen.text = TextOf(::FindWindowExW(box, nullptr, L"STATIC", nullptr));
            HWND edit = ::GetDlgItem(box, kInputBoxEditId);
            seen.initial = TextOf(edit);
            seen.selection = static_cast<DWORD>(::SendMessageW(edit, EM_GETSEL, 0, 0));
            seen.limit = ::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
        } else {
            wchar_t text[1024] = {};
            ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
            seen.text = text;
        }
        seen_.push_back(seen);
    }
    static void Answer(HWND box, const Step& step) {
        if (!step.input) {
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
            return;
        }
        HWND edit = ::GetDlgItem(box, kInputBoxEditId);
        if (step.type) {
            ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(step.type->c_str()));
        }
        // Keys typed into the edit box, as the box's own loop gets them.
        const WPARAM key = step.type ? VK_RETURN : VK_ESCAPE;
        ::PostMessageW(edit, WM_KEYDOWN, key, 1);
        ::PostMessageW(edit, WM_KEYUP, key,
                       static_cast<LPARAM>(static_cast<std::int32_t>(0xC0000001u)));
    }

    std::vector<Step> steps_;
    std::vector<Seen> seen_;
    std::atomic<bool> stop_{false};
    std::atomic<int> unexpected_{0};
    std::atomic<int> missed_{0};
    std::thread thread_;
};

const std::wstring kLong259(259, L'长');
const std::wstring kLong300(300, L'x');

std::vector<std::wstring> Captions() {
    return {L"My Computer", L"回收站", L"Readme.txt", L"回收站", kLong259, kLong300, L"网上邻居"};
}

// The program's pieces for these commands, on the real registry under the
// current user and the stand-in desktop.
class CustomLayoutsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorral");
        ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Quorral");
        menu_ = BuildPopupMenu(MainMenuEntries());
        commands_.AttachMenu(menu_.get());
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quorral"); }

    std::vector<Seen> RunCommand(void (CustomCommands::*command)(const CommandEvent&),
                                 std::vector<Step> steps) {
        BoxScript script(std::move(steps));
        (commands_.*command)(CommandEvent{});
        std::vector<Seen> seen = script.Finish();
        EXPECT_EQ(script.unexpected(), 0);
        EXPECT_EQ(script.missed(), 0);
        return seen;
    }
    void MoveAll(int row) {
        const ListViewHandle list = desktop_.FindDesktopListView();
        for (int i = 0; i < static_cast<int>(Captions().size()); ++i) {
            desktop_.MoveDesktopIcon(list, i, 20 + 90 * i, 30 + 100 * row);
        }
    }
    std::vector<std::pair<int, int>> Positions() const {
        std::vector<std::pair<int, int>> positions;
        for (const standin::StandinItem& item : standin_.ReadState().items) {
            positions.emplace_back(item.x, item.y);
        }
        return positions;
    }
    // The captions of a submenu as it shows on opening.
    std::vector<std::wstring> Opened(HMENU submenu) {
        LRESULT result = 0;
        commands_.Handle(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(submenu), 0, result);
        std::vector<std::wstring> captions;
        for (int i = 0; i < ::GetMenuItemCount(submenu); ++i) {
            wchar_t caption[512] = {};
            ::GetMenuStringW(submenu, static_cast<UINT>(i), caption, 512, MF_BYPOSITION);
            captions.push_back(caption);
        }
        return captions;
    }
    std::wstring StoredName(RegistryRoot root, int layout, int item) {
        return registry_.ReadString(root, LayoutKeyPath(layout) + L"\\" + std::to_wstring(item),
                                    L"IconName");
    }

    StandinDesktop standin_{Captions()};
    Win32Desktop desktop_;
    Win32Registry registry_;
    Settings settings_;
    testing::HiddenOwnerWindow owner_;
    Win32Prompts prompts_{owner_};
    RegistrySettings store_{registry_, kRoot, L"tavrel.exe"};
    AppHost host_{desktop_, settings_, store_, registry_, kRoot};
    Dispatcher dispatcher_{desktop_, settings_, host_};
    CustomCommands commands_{desktop_, registry_, kRoot, settings_, prompts_};
    unique_hmenu menu_;
};

TEST_F(CustomLayoutsTest, SaveMoveRestorePutsTheIconsBack) {
    ASSERT_TRUE(standin_.Started());
    MoveAll(0);
    const std::vector<std::pair<int, int>> saved = Positions();
    const std::vector<Seen> seen =
        RunCommand(&CustomCommands::CustomPositionSaveClick, {Type(L"工作")});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Tavrel - 温馨提示");
    EXPECT_EQ(seen[0].text, L"\u3000\u3000请输入用于保存排列方案的名称:\u3000\u3000\u3000\u3000");
    EXPECT_EQ(seen[0].initial, L"");
    EXPECT_EQ(seen[0].limit, 255);
    EXPECT_EQ(seen[0].owner, owner_.hwnd());
    EXPECT_FALSE(seen[0].ownerEnabled);
    EXPECT_EQ(settings_.customCount, 1);
    EXPECT_EQ(settings_.arrage, 30);
    EXPECT_EQ(registry_.ReadString(kRoot, LayoutKeyPath(1), L"CustomMenuName"), L"工作");
    EXPECT_EQ(StoredName(kRoot, 1, 1), L"回收站");
    EXPECT_EQ(StoredName(kRoot, 1, 4), kLong259);
    EXPECT_EQ(StoredName(kRoot, 1, 5), std::wstring(259, L'x')) << "the list view hands out 259";
    EXPECT_EQ(registry_.ReadInteger(kRoot, LayoutKeyPath(1) + L"\\2", L"IconPos.X"), 200);
    EXPECT_FALSE(registry_.KeyExists(RegistryRoot::kLocalMachine, LayoutKeyPath(1)));

    MoveAll(4);
    standin_.ClearJournal();
    dispatcher_.ChooseArrangement(30);
    std::vector<std::pair<int, int>> expected = saved;
    expected[3] = saved[1];  // the second 回收站 goes where the first was
    EXPECT_EQ(Positions(), expected);
    const StandinState state = standin_.ReadState();
    int moves = 0;
    for (const standin::StandinJournalEntry& entry : state.journal) {
        moves += entry.message == LVM_SETITEMPOSITION ? 1 : 0;
    }
    EXPECT_EQ(moves, 7);
}

TEST_F(CustomLayoutsTest, DeletingLayoutTwoOfFourMovesThreeAndFourDown) {
    ASSERT_TRUE(standin_.Started());
    const wchar_t* names[] = {L"一", L"二", L"三", L"四"};
    for (int n = 0; n < 4; ++n) {
        MoveAll(n);
        RunCommand(&CustomCommands::CustomPositionSaveClick, {Type(names[n])});
    }
    EXPECT_EQ(Opened(commands_.PositionMenu()),
              (std::vector<std::wstring>{L"我要保存自定排列", L"删除自定排列方案", L"", L"30.一",
                                         L"31.二", L"32.三", L"33.四"}));
    settings_.arrage = 33;
    const std::vector<Seen> seen = RunCommand(&CustomCommands::CustomPositionDeleteClick,
                                              {Type(L"3a"), Ok(), Type(L"31"), Ok()});
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0].text, L"\u3000\u3000请输入你要删除自定义字母排列方案的数字编号：");
    EXPECT_EQ(seen[0].initial, L"0");
    EXPECT_EQ(seen[0].selection, static_cast<DWORD>(MAKELONG(0, 1))) << "the initial text selected";
    EXPECT_EQ(seen[1].caption, L"Tavrel - 温馨提示");
    EXPECT_EQ(seen[1].text, L"你现在只能输入 0 ~ 9 之间的数字！");
    EXPECT_EQ(seen[2].initial, L"3a") << "the rejected text stays in the box";
    EXPECT_EQ(seen[3].text, L"删除排列方案成功！");
    EXPECT_EQ(settings_.customCount, 3);
    EXPECT_EQ(settings_.arrage, 32);
    EXPECT_EQ(registry_.ReadString(kRoot, LayoutKeyPath(2), L"CustomMenuName"), L"三");
    EXPECT_EQ(registry_.ReadString(kRoot, LayoutKeyPath(3), L"CustomMenuName"), L"四");
    EXPECT_FALSE(registry_.KeyExists(kRoot, LayoutKeyPath(4)));
    EXPECT_EQ(StoredName(kRoot, 2, 4), kLong259) << "moved with all its entries";
    EXPECT_EQ(Opened(commands_.PositionMenu()),
              (std::vector<std::wstring>{L"我要保存自定排列", L"删除自定排列方案", L"", L"30.一",
                                         L"31.三", L"32.四"}));

    // Layout 三 under its new number puts the icons in its row.
    MoveAll(5);
    dispatcher_.ChooseArrangement(31);
    EXPECT_EQ(Positions()[0], (std::pair<int, int>{20, 230}));

    // Cancel in the delete prompt: nothing deleted, nothing said.
    const std::vector<Seen> cancelled =
        RunCommand(&CustomCommands::CustomPositionDeleteClick, {Escape()});
    EXPECT_EQ(cancelled.size(), 1u);
    EXPECT_EQ(settings_.customCount, 3);
}

TEST_F(CustomLayoutsTest, ACustomCharacterSavedBeforeShiftsTheLayoutsAndTheyStillRestore) {
    ASSERT_TRUE(standin_.Started());
    MoveAll(1);
    RunCommand(&CustomCommands::CustomPositionSaveClick, {Type(L"家")});
    MoveAll(2);
    RunCommand(&CustomCommands::CustomPositionSaveClick, {Type(L"Office")});
    EXPECT_EQ(Opened(commands_.CharacterMenu()),
              (std::vector<std::wstring>{L"我要自定义字符", L"删除自定义字符", L""}));

    const std::vector<Seen> seen =
        RunCommand(&CustomCommands::CustomCharacterSaveClick, {Type(L"中A")});
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              L"\u3000\u3000请输入你要定义的字母或汉字，注意：不能太长否则不能显示出来！");
    EXPECT_EQ(settings_.customCharacterCount, 1);
    EXPECT_EQ(settings_.arrage, 30);
    EXPECT_EQ(Opened(commands_.CharacterMenu()),
              (std::vector<std::wstring>{L"我要自定义字符", L"删除自定义字符", L"", L"30.中A"}));
    const std::vector<std::wstring> positions = Opened(commands_.PositionMenu());
    EXPECT_EQ(positions, (std::vector<std::wstring>{L"我要保存自定排列", L"删除自定排列方案", L"",
                                                    L"31.家", L"32.Office"}));
    EXPECT_EQ(::GetMenuItemID(commands_.PositionMenu(), 4), ArrangementCommand(32));

    MoveAll(5);
    dispatcher_.ChooseArrangement(32);
    EXPECT_EQ(Positions()[6], (std::pair<int, int>{560, 230}));
    dispatcher_.ChooseArrangement(31);
    EXPECT_EQ(Positions()[6], (std::pair<int, int>{560, 130}));

    // A duplicate text is refused with a message and still drawn.
    const std::vector<Seen> twice =
        RunCommand(&CustomCommands::CustomCharacterSaveClick, {Type(L"中A"), Ok()});
    ASSERT_EQ(twice.size(), 2u);
    EXPECT_EQ(twice[1].text, L"您的电脑已经存在这种排列方案，改一改别的吧！");
    EXPECT_EQ(settings_.customCharacterCount, 1);
}

TEST_F(CustomLayoutsTest, DeletingTheCurrentArrangementMakesTheNumberBeforeItCurrent) {
    ASSERT_TRUE(standin_.Started());
    RunCommand(&CustomCommands::CustomCharacterSaveClick, {Type(L"AB")});
    RunCommand(&CustomCommands::CustomCharacterSaveClick, {Type(L"CD")});
    RunCommand(&CustomCommands::CustomPositionSaveClick, {Type(L"L")});
    EXPECT_EQ(settings_.arrage, 32);
    RunCommand(&CustomCommands::CustomPositionDeleteClick, {Type(L"32"), Ok()});
    EXPECT_EQ(settings_.arrage, 31) << "the last custom character";
    EXPECT_EQ(Opened(commands_.PositionMenu()),
              (std::vector<std::wstring>{L"我要保存自定排列", L"删除自定排列方案", L""}));

    RunCommand(&CustomCommands::CustomCharacterDeleteClick, {Type(L"31"), Ok()});
    EXPECT_EQ(settings_.arrage, 30);
    RunCommand(&CustomCommands::CustomCharacterDeleteClick, {Type(L"30"), Ok()});
    EXPECT_EQ(settings_.arrage, 29) << "the clock";
    EXPECT_EQ(Opened(commands_.CharacterMenu()),
              (std::vector<std::wstring>{L"我要自定义字符", L"删除自定义字符", L""}));
    const std::vector<Seen> none = RunCommand(&CustomCommands::CustomCharacterDeleteClick, {Ok()});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(none[0].text, L"无排列方案可删除！");
}

TEST_F(CustomLayoutsTest, SubmenuEntriesAreRealItemsWithPicturesCommandsAndColumns) {
    for (int n = 1; n <= 12; ++n) {
        registry_.CreateKey(kRoot, LayoutKeyPath(n));
        registry_.WriteString(kRoot, LayoutKeyPath(n), L"CustomMenuName",
                              L"L" + std::to_wstring(n));
    }
    settings_.customCount = 12;
    const std::vector<std::wstring> captions = Opened(commands_.PositionMenu());
    ASSERT_EQ(captions.size(), 15u);
    EXPECT_EQ(captions[14], L"41.L12");
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_DATA | MIIM_ID | MIIM_STATE;
    ::GetMenuItemInfoW(commands_.PositionMenu(), 8, TRUE, &info);  // dynamic entry 6
    EXPECT_TRUE(info.fType & MFT_MENUBARBREAK);
    EXPECT_EQ(MenuItemImage(info.dwItemData), 38);
    EXPECT_EQ(MenuItemTag(info.dwItemData), 35);
    EXPECT_EQ(info.wID, ArrangementCommand(35));
    EXPECT_FALSE(info.fState & MFS_GRAYED);
    ::GetMenuItemInfoW(commands_.PositionMenu(), 7, TRUE, &info);
    EXPECT_FALSE(info.fType & MFT_MENUBARBREAK);

    // The same count with another name: the entries are made anew.
    registry_.WriteString(kRoot, LayoutKeyPath(3), L"CustomMenuName", L"改");
    EXPECT_EQ(Opened(commands_.PositionMenu())[5], L"32.改");
}

TEST_F(CustomLayoutsTest, ThePainterLeavesTheEntryNumbered999ItsPlatformLook) {
    registry_.CreateKey(kRoot, kCustomPositionKey);
    settings_.customCount = 970;  // layouts 30 to 999, their keys missing
    MenuPainter painter(owner_.hwnd());
    painter.AddMenu(menu_.get());
    ASSERT_EQ(Opened(commands_.PositionMenu()).size(), 973u);
    MenuPainterProperties properties;
    properties.active = true;
    painter.SetProperties(properties);
    const auto ownerDrawn = [&](int position) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        ::GetMenuItemInfoW(commands_.PositionMenu(), static_cast<UINT>(position), TRUE, &info);
        return (info.fType & MFT_OWNERDRAW) != 0;
    };
    EXPECT_TRUE(ownerDrawn(3 + 968)) << "998";
    EXPECT_FALSE(ownerDrawn(3 + 969)) << "999";
    painter.SetActive(false);
}

TEST_F(CustomLayoutsTest, ADamagedTextEndsTheRefreshWithTheEntriesBeforeIt) {
    registry_.CreateKey(kRoot, kCustomCharacterKey);
    registry_.WriteString(kRoot, kCustomCharacterKey, L"CustomCharacter1", L"A");
    registry_.WriteInteger(kRoot, kCustomCharacterKey, L"CustomCharacter2", 5);
    registry_.WriteString(kRoot, kCustomCharacterKey, L"CustomCharacter3", L"C");
    settings_.customCharacterCount = 3;
    std::wstring error;
    try {
        Opened(commands_.CharacterMenu());
    } catch (const Error& failure) {
        error = failure.message();
    }
    EXPECT_EQ(error, L"Invalid data type for 'CustomCharacter2'");
    std::vector<std::wstring> captions;
    for (int i = 0; i < ::GetMenuItemCount(commands_.CharacterMenu()); ++i) {
        wchar_t caption[64] = {};
        ::GetMenuStringW(commands_.CharacterMenu(), static_cast<UINT>(i), caption, 64,
                         MF_BYPOSITION);
        captions.push_back(caption);
    }
    EXPECT_EQ(captions,
              (std::vector<std::wstring>{L"我要自定义字符", L"删除自定义字符", L"", L"30.A"}));
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

TEST(SavedLayoutOnAnotherScreen, IsPutBackScaledToTheScreenOfNow) {
    StandinDesktop standin(9);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    Win32Registry registry;
    const CustomStore store{registry, kRoot};
    const std::wstring path = LayoutKeyPath(1);
    scope_exit forget([&] { registry.DeleteTree(kRoot, kCustomSettingsPath); });
    // Positions that scale to whole numbers: x by 800 / 1024, y by 600 / 738.
    const ListViewHandle listView = desktop.FindDesktopListView();
    for (std::int32_t i = 0; i < 9; ++i) {
        desktop.MoveDesktopIcon(listView, i, 128 * (i % 3), 123 * (i / 3 + 1));
    }
    SaveIconLayout(desktop, store, path, L"宽屏");

    testing::ScreenModes modes;
    ASSERT_TRUE(testing::ScreenModes::Set(800, 600));
    ASSERT_TRUE(WaitFor([&] {
        const WorkAreaRect area = desktop.GetDesktopWorkArea();
        return area.right - area.left == 800 && area.bottom - area.top == 600;
    }));
    for (std::int32_t i = 0; i < 9; ++i) {
        desktop.MoveDesktopIcon(desktop.FindDesktopListView(), i, 700, 500);
    }
    RestoreIconLayout(desktop, store, path);
    const StandinState state = standin.ReadState();
    ASSERT_EQ(state.items.size(), 9u);
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(state.items[i].x, 100 * static_cast<int>(i % 3)) << i;
        EXPECT_EQ(state.items[i].y, 100 * static_cast<int>(i / 3 + 1)) << i;
    }
}

}  // namespace
}  // namespace tavrel
