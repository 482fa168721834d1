// Shortcuts to the program in the start menu, the programs menu, on the
// desktop and in the quick launch bar.
//
// The folders are found through the shell's folder values in the current
// user's registry, not through a shell folder query, so that a folder the
// user has moved is found where the shell itself keeps it. The shell link
// object and the few facts asked of the system are behind ShortcutPlatform;
// the rules here are checked natively, the link files under Wine.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "common/registry.h"

namespace tavrel {

// The folder value of each folder number.
inline constexpr std::array<const wchar_t*, 4> ShortcutFolderValueNames = {
    L"Start Menu", L"Programs", L"Desktop", L"Quick Launch"};

inline constexpr int kStartMenuFolder = 0;
inline constexpr int kProgramsFolder = 1;
inline constexpr int kDesktopFolder = 2;
inline constexpr int kQuickLaunchFolder = 3;

// Under HKEY_CURRENT_USER: the keys, created when missing, and the subkeys
// the folder values are read from, which are not.
inline constexpr wchar_t kExplorerKeyPath[] =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";
inline constexpr wchar_t kShellFoldersKeyPath[] =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
inline constexpr wchar_t kGrpConvKeyPath[] =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv";
inline constexpr wchar_t kMapGroupsKeyPath[] =
    L"Software\\MicroSoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";
inline constexpr wchar_t kAppDataValueName[] = L"AppData";
inline constexpr wchar_t kQuickLaunchBelowAppData[] =
    L"\\Microsoft\\Internet Explorer\\Quick Launch";

// What the system says it is.
struct PlatformVersion {
    std::uint32_t platformId = 0;
    std::uint32_t minorVersion = 0;
};
inline constexpr std::uint32_t kPlatformWin32Nt = 2;

// One shell link object; destroying it releases the object.
class ShellLink {
  public:
    virtual ~ShellLink() = default;
    virtual void SetArguments(const std::wstring& arguments) = 0;
    virtual void SetPath(const std::wstring& target) = 0;
    virtual void SetWorkingDirectory(const std::wstring& directory) = 0;
    // Writes the link file; a failure is not reported.
    virtual void Save(const std::wstring& linkPath) = 0;
};

class ShortcutPlatform {
  public:
    virtual ~ShortcutPlatform() = default;
    // Fails with an Error when the object, or one of the interfaces it must
    // offer, cannot be had.
    virtual std::unique_ptr<ShellLink> CreateShellLink() = 0;
    virtual PlatformVersion Version() = 0;
    virtual bool DirectoryExists(const std::wstring& path) = 0;
};

// Everything up to and including the last "\" (or ":"); empty when there is
// neither.
std::wstring DirectoryPart(const std::wstring& path);

// The folder a link of this folder number goes into; empty when the shell's
// value for it is missing or empty.
std::wstring ShortcutFolder(RegistryAccess& registry, ShortcutPlatform& platform, int folder);

// Writes "<folder>\<linkName>.lnk" pointing at targetPath, started in the
// target's directory with the given arguments. When the folder is unknown
// or does not exist nothing is written anywhere: a link named after the
// program at the root of some drive helps nobody.
void CreateShortcut(RegistryAccess& registry, ShortcutPlatform& platform, int folder,
                    const std::wstring& targetPath, const std::wstring& arguments,
                    const std::wstring& linkName);

// The four commands of the shortcut menu, and the first start's two links:
// every link points at the running program, without arguments.
class ShortcutCommands {
  public:
    ShortcutCommands(RegistryAccess& registry, ShortcutPlatform& platform, std::wstring programPath)
        : registry_(registry), platform_(platform), programPath_(std::move(programPath)) {}

    void StartMenuClick();
    void ProgramsClick();
    void DesktopClick();
    void QuickLaunchClick();

    // One link to the program in the folder of this number.
    void Place(int folder, const std::wstring& linkName);

  private:
    RegistryAccess& registry_;
    ShortcutPlatform& platform_;
    std::wstring programPath_;
};

}  // namespace tavrel
