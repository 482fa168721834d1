// The real popup menus as the program builds them, walked item by item.
#include "app/menus_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "core/commands.h"
#include "core/registry_win.h"
#include "app/tray_icon_win.h"

namespace tavrel {
namespace {

struct Walked {
    std::wstring caption;  // "-" for a separator
    int depth;
    UINT id;
    bool newColumn;
    int image;
};

void Walk(HMENU menu, int depth, std::vector<Walked>& out) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t caption[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA | MIIM_STRING;
        info.dwTypeData = caption;
        info.cch = 128;
        ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        const bool separator = (info.fType & MFT_SEPARATOR) != 0;
        out.push_back({separator ? L"-" : caption, depth, info.wID,
                       (info.fType & MFT_MENUBARBREAK) != 0, MenuItemImage(info.dwItemData)});
        if (info.hSubMenu != nullptr) {
            Walk(info.hSubMenu, depth + 1, out);
        }
    }
}

std::vector<Walked> WalkMenu(const std::vector<MenuEntry>& entries) {
    unique_hmenu menu = BuildPopupMenu(entries);
    std::vector<Walked> walked;
    Walk(menu.get(), 0, walked);
    return walked;
}

TEST(RealMenus, ArrangementMenu) {
    const std::vector<Walked> menu = WalkMenu(MainMenuEntries());
    std::vector<std::wstring> top;
    for (const Walked& item : menu) {
        if (item.depth == 0) {
            top.push_back(item.caption);
        }
    }
    const std::vector<std::wstring> expectedTop = {
        L"方向排列 =→",       L"几何图形 =→", L"-",         L"23.十字形",
        L"24.太极图",         L"25.螺旋线",   L"26.心形图", L"27.心心相印",
        L"28.心心相印(交叉)", L"29.数字时钟", L"-",         L"自定字符排列",
        L"自定义排列",        L"-",           L"隐藏图标",  L"所有效果演示"};
    EXPECT_EQ(top, expectedTop);

    // The orientation submenu: arrangements 1 to 8, exact captions.
    ASSERT_EQ(menu[1].caption, L" 1.上边(左→右) ");
    EXPECT_EQ(menu[1].depth, 1);
    EXPECT_EQ(menu[1].id, ArrangementCommand(1));
    EXPECT_EQ(menu[2].caption, L" 2.上边(右→左)");
    EXPECT_EQ(menu[8].caption, L" 8.右边(下→上)");
    EXPECT_EQ(menu[8].id, ArrangementCommand(8));
    EXPECT_EQ(menu[8].image, 8);

    // The geometry submenu in two columns, each closed by a separator.
    std::vector<std::wstring> geometry;
    std::size_t i = 10;
    for (; i < menu.size() && menu[i].depth == 1; ++i) {
        geometry.push_back(menu[i].caption);
        EXPECT_EQ(menu[i].newColumn, menu[i].caption == L"16.正方形") << menu[i].caption;
    }
    const std::vector<std::wstring> expectedGeometry = {
        L"09.横线",           L"10.竖线",           L"11.斜线（左上）",  L"12.斜线（左下）",
        L"13.平行线（左右）", L"14.平行线（上下）", L"15.三角形",        L"-",
        L"16.正方形",         L"17.矩形（上→下）",  L"18.矩形（左→右）", L"19.上半圆",
        L"20.下半圆",         L"21.圆形",           L"22.椭圆形",        L"-"};
    EXPECT_EQ(geometry, expectedGeometry);
    EXPECT_EQ(menu[10 + 13].id, ArrangementCommand(21)) << "21.圆形";

    // The custom submenus' fixed items.
    const auto custom = std::find_if(menu.begin(), menu.end(),
                                     [](const Walked& w) { return w.caption == L"自定字符排列"; });
    ASSERT_NE(custom, menu.end());
    EXPECT_EQ((custom + 1)->caption, L"我要自定义字符");
    EXPECT_EQ((custom + 2)->caption, L"删除自定义字符");
    EXPECT_EQ(custom->image, 35);
}

TEST(RealMenus, ProgramMenu) {
    const std::vector<Walked> menu = WalkMenu(SystemMenuEntries());
    std::vector<std::wstring> all;
    for (const Walked& item : menu) {
        all.push_back(std::wstring(static_cast<std::size_t>(item.depth) * 2, L' ') + item.caption);
    }
    const std::vector<std::wstring> expected = {L"图标相关设置",
                                                L"  重建桌面图标缓存",
                                                L"  清除快捷方式箭头",
                                                L"  桌面图标文字透明",
                                                L"  -",
                                                L"  设置屏幕刷新时间",
                                                L"  设置桌面图标文字颜色",
                                                L"建立快捷方式  ",
                                                L"  开始菜单",
                                                L"  程序菜单",
                                                L"  桌面",
                                                L"  快速启动",
                                                L"皮肤效果",
                                                L"  系统默认",
                                                L"  -",
                                                L"  青青草地",
                                                L"  蓝色天空",
                                                L"  火红年华",
                                                L"  黄金时代",
                                                L"系统设置",
                                                L"  显示控制窗口\u3000\u3000  \u2026",
                                                L"  系统启动时自动运行",
                                                L"-",
                                                L"技术支持",
                                                L"  软件主页",
                                                L"  报告问题",
                                                L"  推荐给好友",
                                                L"初次使用 \u2026",
                                                L"新版改进 \u2026",
                                                L"帮助手册 \u2026",
                                                L"-",
                                                L"关于软件 \u2026",
                                                L"-",
                                                L"退出系统",
                                                L"-"};
    EXPECT_EQ(all, expected);
}

TEST(RealMenus, CaptionsChangeInPlace) {
    unique_hmenu menu = BuildPopupMenu(SystemMenuEntries());
    SetMenuCaption(menu.get(), kCmdAutoRun, L"取消自动运行功能");
    wchar_t caption[64] = {};
    ::GetMenuStringW(menu.get(), kCmdAutoRun, caption, 64, MF_BYCOMMAND);
    EXPECT_STREQ(caption, L"取消自动运行功能");
}

std::optional<std::wstring> MachineAutoRunCaption() {
    Win32Registry registry;
    return ReadAutoRunCaption(registry, RegistryRoot::kLocalMachine);
}

class AutoRunValue : public ::testing::Test {
  protected:
    void TearDown() override {
        if (const std::optional<RegistryKey> run =
                RegistryKey::Open(HKEY_LOCAL_MACHINE, kRunKeyPath)) {
            ::RegDeleteValueW(run->get(), kProductName);
        }
    }
};

TEST_F(AutoRunValue, CaptionFollowsTheValue) {
    TearDown();
    EXPECT_EQ(MachineAutoRunCaption(), std::optional<std::wstring>(L"系统启动时自动运行"));
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath)
        .WriteString(kProductName, L"C:\\tavrel.exe");
    EXPECT_EQ(MachineAutoRunCaption(), std::optional<std::wstring>(L"取消自动运行功能"));
}

TEST_F(AutoRunValue, AValueOfTheWrongTypeIsAnError) {
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath).WriteInteger(kProductName, 1);
    try {
        MachineAutoRunCaption();
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Invalid data type for 'Tavrel'");
    }
}

TEST(TrayIconRequests, AddModifyDelete) {
    unique_hwnd window(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                         nullptr, nullptr));
    ASSERT_TRUE(window);
    HWND owner = window.get();
    TrayIcon icon(owner);
    HICON picture = ::LoadIconW(nullptr, IDI_APPLICATION);
    EXPECT_FALSE(icon.Modify(picture)) << "not there yet";
    EXPECT_TRUE(icon.Add(picture));
    EXPECT_TRUE(icon.Modify(picture));
    EXPECT_TRUE(icon.Delete());
    EXPECT_FALSE(icon.Modify(picture)) << "gone after the delete";
}

}  // namespace
}  // namespace tavrel
