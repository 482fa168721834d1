// The two popup menus of the notification-area icon, as data: every item
// in order with its caption, picture, command and Tag. Building the real
// menus from these tables, and drawing them, happen elsewhere.
#pragma once

#include <cstdint>
#include <vector>

namespace tavrel {

enum class MenuEntryKind {
    kItem,
    kSeparator,
    kSubmenu,  // the entries up to the matching kEnd are its items
    kEnd,
};

inline constexpr int kNoImage = -1;

struct MenuEntry {
    MenuEntryKind kind;
    const wchar_t* name = L"";
    const wchar_t* caption = L"";
    int image = kNoImage;  // index into the menu pictures
    std::uint16_t command = 0;
    std::int32_t tag = 0;       // the arrangement number of arrangement items
    bool startsColumn = false;  // the item opens a new column of its menu
};

// ppmMain: the arrangements.
const std::vector<MenuEntry>& MainMenuEntries();
// ppmSystem: settings and program commands.
const std::vector<MenuEntry>& SystemMenuEntries();

inline constexpr wchar_t kShowIconsCaption[] = L"显示图标";
inline constexpr wchar_t kHideIconsCaption[] = L"隐藏图标";
inline constexpr wchar_t kAutoRunOnCaption[] = L"系统启动时自动运行";
inline constexpr wchar_t kAutoRunOffCaption[] = L"取消自动运行功能";

// The balloon of a desktop that arranges its icons itself (auto-arrange or
// align-to-grid on): no figure can show until the user clears both options
// in the desktop's context menu, under "查看" on today's systems.
inline constexpr wchar_t kSelfArrangingNoticeTitle[] = L"Tavrel - 温馨提示";
inline constexpr wchar_t kSelfArrangingNoticeText[] =
    L"桌面正在自动排列图标或将图标与网格对齐，排列效果因此看不出来。"
    L"请在桌面空白处单击鼠标右键，在“查看”下清除“自动排列图标”和“将图标与网格对齐”两项的对勾。";

// The question when the user chooses an arrangement on such a desktop.
inline constexpr wchar_t kSelfArrangingQuestionText[] =
    L"桌面正在自动排列图标或将图标与网格对齐，排列效果因此看不出来。\n\n"
    L"要关闭“自动排列图标”和“将图标与网格对齐”，让排列效果显示出来吗？";

// The show/hide item names what a click will do.
constexpr const wchar_t* ShowHideCaption(std::int32_t showHideIcon) {
    return showHideIcon == 0 ? kShowIconsCaption : kHideIconsCaption;
}
// So does the autorun item: with an autorun value, a click removes it.
constexpr const wchar_t* AutoRunCaption(bool autorunSet) {
    return autorunSet ? kAutoRunOffCaption : kAutoRunOnCaption;
}

}  // namespace tavrel
