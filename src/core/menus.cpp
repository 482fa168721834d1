#include "core/menus.h"

#include "core/arrangement_table.h"
#include "core/commands.h"

namespace tavrel {
namespace {

MenuEntry Item(const wchar_t* name, const wchar_t* caption, int image, std::uint16_t command) {
    return {MenuEntryKind::kItem, name, caption, image, command};
}
MenuEntry Submenu(const wchar_t* name, const wchar_t* caption, int image) {
    return {MenuEntryKind::kSubmenu, name, caption, image};
}
MenuEntry Separator() {
    return {MenuEntryKind::kSeparator};
}
MenuEntry End() {
    return {MenuEntryKind::kEnd};
}

// Arrangement n's item: its Tag and its picture are its number.
MenuEntry Arrangement(std::int32_t number, bool startsColumn = false) {
    const ArrangementEntry& entry = kArrangements[static_cast<std::size_t>(number - 1)];
    return {MenuEntryKind::kItem,       entry.menuName, entry.menuCaption, number,
            ArrangementCommand(number), number,         startsColumn};
}

std::vector<MenuEntry> MakeMainMenu() {
    std::vector<MenuEntry> menu;
    menu.push_back(Submenu(L"Orientation", L"方向排列 =→", 32));
    for (std::int32_t n = 1; n <= 8; ++n) {
        menu.push_back(Arrangement(n));
    }
    menu.push_back(End());
    // Two columns: 9 to 15, then 16 to 22, each closed by a separator.
    menu.push_back(Submenu(L"Geometry", L"几何图形 =→", 33));
    for (std::int32_t n = 9; n <= 15; ++n) {
        menu.push_back(Arrangement(n));
    }
    menu.push_back(Separator());
    for (std::int32_t n = 16; n <= 22; ++n) {
        menu.push_back(Arrangement(n, n == 16));
    }
    menu.push_back(Separator());
    menu.push_back(End());
    menu.push_back(Separator());
    for (std::int32_t n = 23; n <= 29; ++n) {
        menu.push_back(Arrangement(n));
    }
    menu.push_back(Separator());
    // The custom submenus are rebuilt when opened: these fixed items, a
    // separator, then one item per stored text or layout.
    menu.push_back(Submenu(L"CustomCharacter", L"自定字符排列", 35));
    menu.push_back(Item(L"CustomCharacterSave", L"我要自定义字符", 36, kCmdCustomCharacterSave));
    menu.push_back(
        Item(L"CustomCharacterDelete", L"删除自定义字符", 37, kCmdCustomCharacterDelete));
    menu.push_back(Separator());
    menu.push_back(End());
    menu.push_back(Submenu(L"CustomPosition", L"自定义排列", 38));
    menu.push_back(Item(L"CustomPositionSave", L"我要保存自定排列", 39, kCmdCustomPositionSave));
    menu.push_back(
        Item(L"CustomPositionDelete", L"删除自定排列方案", 40, kCmdCustomPositionDelete));
    menu.push_back(Separator());
    menu.push_back(End());
    menu.push_back(Separator());
    menu.push_back(Item(L"ShowHideAllIcon", kHideIconsCaption, 34, kCmdShowHideAllIcon));
    menu.push_back(Item(L"SeeAllArragn", L"所有效果演示", 41, kCmdSeeAllArragn));
    return menu;
}

std::vector<MenuEntry> MakeSystemMenu() {
    std::vector<MenuEntry> menu;
    menu.push_back(Submenu(L"IconSetup", L"图标相关设置", 42));
    menu.push_back(Item(L"IconCacheRebuild", L"重建桌面图标缓存", kNoImage, kCmdIconCacheRebuild));
    menu.push_back(
        Item(L"DelelteShortCut", L"清除快捷方式箭头", kNoImage, kCmdDeleteShortcutArrow));
    menu.push_back(
        Item(L"IconTextTransparence", L"桌面图标文字透明", kNoImage, kCmdIconTextTransparence));
    menu.push_back(Separator());
    menu.push_back(Item(L"FlashScreen", L"设置屏幕刷新时间", kNoImage, kCmdFlashScreen));
    menu.push_back(Item(L"SetDesktopIconTextColor", L"设置桌面图标文字颜色", kNoImage,
                        kCmdSetDesktopIconTextColor));
    menu.push_back(End());
    menu.push_back(Submenu(L"CreateShort", L"建立快捷方式  ", 43));
    menu.push_back(Item(L"StartMenu", L"开始菜单", kNoImage, kCmdStartMenu));
    menu.push_back(Item(L"Programs", L"程序菜单", kNoImage, kCmdPrograms));
    menu.push_back(Item(L"Desktop", L"桌面", kNoImage, kCmdDesktop));
    menu.push_back(Item(L"QuickLaunch", L"快速启动", kNoImage, kCmdQuickLaunch));
    menu.push_back(End());
    menu.push_back(Submenu(L"Skin", L"皮肤效果", 44));
    menu.push_back(Item(L"Skin0", L"系统默认", kNoImage, kCmdSkin0));
    menu.push_back(Separator());
    menu.push_back(Item(L"Skin1", L"青青草地", kNoImage, kCmdSkin1));
    menu.push_back(Item(L"Skin2", L"蓝色天空", kNoImage, kCmdSkin2));
    menu.push_back(Item(L"Skin3", L"火红年华", kNoImage, kCmdSkin3));
    menu.push_back(Item(L"Skin4", L"黄金时代", kNoImage, kCmdSkin4));
    menu.push_back(End());
    menu.push_back(Submenu(L"Setup", L"系统设置", 45));
    menu.push_back(Item(L"ShowMain", L"显示控制窗口\u3000\u3000  \u2026", kNoImage, kCmdShowMain));
    menu.push_back(Item(L"AutoRun", kAutoRunOnCaption, kNoImage, kCmdAutoRun));
    menu.push_back(End());
    menu.push_back(Separator());
    menu.push_back(Submenu(L"Support", L"技术支持", 46));
    menu.push_back(Item(L"WWWUrl", L"软件主页", 48, kCmdWWWUrl));
    menu.push_back(Item(L"MailTo", L"报告问题", 47, kCmdMailTo));
    menu.push_back(Item(L"TalkToFriend", L"推荐给好友", 47, kCmdTalkToFriend));
    menu.push_back(End());
    menu.push_back(Item(L"UseNo1", L"初次使用 \u2026", 49, kCmdUseNo1));
    menu.push_back(Item(L"WhatIsNew", L"新版改进 \u2026", 50, kCmdWhatIsNew));
    menu.push_back(Item(L"Help", L"帮助手册 \u2026", 51, kCmdHelp));
    menu.push_back(Separator());
    menu.push_back(Item(L"About", L"关于软件 \u2026", 53, kCmdAbout));
    menu.push_back(Separator());
    menu.push_back(Item(L"Exit", L"退出系统", 54, kCmdExit));
    menu.push_back(Separator());
    return menu;
}

}  // namespace

const std::vector<MenuEntry>& MainMenuEntries() {
    static const std::vector<MenuEntry> menu = MakeMainMenu();
    return menu;
}

const std::vector<MenuEntry>& SystemMenuEntries() {
    static const std::vector<MenuEntry> menu = MakeSystemMenu();
    return menu;
}

}  // namespace tavrel
