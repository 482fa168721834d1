// Removing the program from a machine: what it wrote there goes, and the
// user is told what could not go.
//
// Removed: the autorun value under every root (core/autorun.h), the links
// in the four shortcut folders whose target is the program's file, and the
// settings key with the custom characters and saved layouts under every
// root, with the parent keys it leaves empty. Left: the program file itself,
// and the system-wide values of the shell tweaks (the shortcut-arrow
// icon), which belong to the user's choice of how the shell looks.
#pragma once

#include <string>
#include <vector>

#include "common/registry.h"
#include "tweaks/shortcuts.h"

namespace tavrel {

inline constexpr wchar_t kUninstallQuestion[] =
    L"确定要从这台电脑上清除 Tavrel 吗？\r\n\r\n"
    L"将删除系统启动时自动运行的设置，开始菜单、程序菜单、桌面和快速启动中指向本程序的快捷方式，"
    L"以及注册表中 Tavrel 的全部设置、自定义字符和自定排列方案。清除后 Tavrel 退出；"
    L"程序文件本身不会删除，不再需要时直接删除即可。";
inline constexpr wchar_t kUninstalledNotice[] =
    L"Tavrel 的自动运行项、快捷方式和全部设置都已清除，Tavrel 现在退出。\r\n"
    L"程序文件本身没有删除，不再需要时直接删除即可。";
inline constexpr wchar_t kUninstallRemainsNotice[] = L"Tavrel 现在退出，但以下内容未能清除：";
inline constexpr wchar_t kUninstallNeedsAdministrator[] =
    L"属于整台电脑的项目只有管理员才能清除：请以管理员身份打开命令提示符，再执行 tavrel.exe "
    L"/uninstall。";

// The shell link files of a folder, for finding the program's links.
class LinkFiles {
  public:
    virtual ~LinkFiles() = default;
    // The full paths of the links (".lnk") directly in the folder.
    virtual std::vector<std::wstring> LinksIn(const std::wstring& folder) = 0;
    // Whether the link's target is this file, compared as the file system
    // compares names.
    virtual bool PointsAt(const std::wstring& link, const std::wstring& target) = 0;
    // False when the file is still there.
    virtual bool Delete(const std::wstring& path) = 0;
};

struct UninstallParts {
    RegistryAccess& registry;
    ShortcutPlatform& shortcuts;
    LinkFiles& links;
    std::wstring programPath;
};

// What remains, one line per thing, machine-wide ones marked.
struct Remains {
    std::wstring text;
    bool machineWide = false;
    bool operator==(const Remains&) const = default;
};

// Removes everything the program wrote; what could not be removed.
std::vector<Remains> RemoveProgramTraces(UninstallParts& parts);

// What the user is told afterwards.
std::wstring UninstallReport(const std::vector<Remains>& remains);

// The program around a removal.
class UninstallSteps {
  public:
    virtual ~UninstallSteps() = default;
    // The question; true for Yes.
    virtual bool Confirm(const std::wstring& question) = 0;
    // Nothing of the program may write again: its timers, its icon and its
    // commands stop before anything is removed.
    virtual void StopProgram() = 0;
    virtual void Notify(const std::wstring& text) = 0;
    virtual void EndProgram() = 0;
};

// Asks; on Yes stops the program, removes, says what remains and ends the
// program; on No nothing happens. True when the user said Yes and nothing
// remains.
bool Uninstall(UninstallParts& parts, UninstallSteps& steps);

}  // namespace tavrel
