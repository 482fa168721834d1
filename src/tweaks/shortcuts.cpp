#include "tweaks/shortcuts.h"

#include "core/settings_store.h"

namespace tavrel {
namespace {

// The value `name` of the subkey at `subkeyPath` below `keyPath`. A missing
// key is created, as the shell would have it; one that cannot be had at all
// gives no folder. A missing subkey or value is the empty string, and the
// subkey stays missing.
std::wstring FolderValue(RegistryAccess& registry, const std::wstring& keyPath,
                         const std::wstring& subkeyPath, const std::wstring& name) {
    if (!registry.CreateKey(RegistryRoot::kCurrentUser, keyPath)) {
        return L"";
    }
    return registry.ReadString(RegistryRoot::kCurrentUser, subkeyPath, name);
}

}  // namespace

std::wstring DirectoryPart(const std::wstring& path) {
    const std::size_t last = path.find_last_of(L"\\:");
    return last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
}

std::wstring ShortcutFolder(RegistryAccess& registry, ShortcutPlatform& platform, int folder) {
    if (folder < kStartMenuFolder || folder > kQuickLaunchFolder) {
        return L"";
    }
    if (folder != kQuickLaunchFolder) {
        return FolderValue(registry, kExplorerKeyPath, kShellFoldersKeyPath,
                           ShortcutFolderValueNames[static_cast<std::size_t>(folder)]);
    }
    // Where the quick launch bar keeps its links has moved between systems;
    // the one test the program has always made is this one.
    const PlatformVersion version = platform.Version();
    if (version.platformId == kPlatformWin32Nt && version.minorVersion == 1) {
        const std::wstring appData =
            FolderValue(registry, kExplorerKeyPath, kShellFoldersKeyPath, kAppDataValueName);
        return appData.empty() ? appData : appData + kQuickLaunchBelowAppData;
    }
    return FolderValue(registry, kGrpConvKeyPath, kMapGroupsKeyPath,
                       ShortcutFolderValueNames[static_cast<std::size_t>(kQuickLaunchFolder)]);
}

void CreateShortcut(RegistryAccess& registry, ShortcutPlatform& platform, int folder,
                    const std::wstring& targetPath, const std::wstring& arguments,
                    const std::wstring& linkName) {
    const std::unique_ptr<ShellLink> link = platform.CreateShellLink();
    link->SetArguments(arguments);
    link->SetPath(targetPath);
    link->SetWorkingDirectory(DirectoryPart(targetPath));
    const std::wstring directory = ShortcutFolder(registry, platform, folder);
    if (directory.empty() || !platform.DirectoryExists(directory)) {
        return;
    }
    // An existing link is simply written over.
    link->Save(directory + L"\\" + linkName + L".lnk");
}

void ShortcutCommands::StartMenuClick() {
    Place(kStartMenuFolder, kProductName);
}

void ShortcutCommands::ProgramsClick() {
    Place(kProgramsFolder, kProductName);
}

void ShortcutCommands::DesktopClick() {
    Place(kDesktopFolder, DesktopShortcutName());
}

void ShortcutCommands::QuickLaunchClick() {
    Place(kQuickLaunchFolder, kProductName);
}

void ShortcutCommands::Place(int folder, const std::wstring& linkName) {
    CreateShortcut(registry_, platform_, folder, programPath_, L"", linkName);
}

}  // namespace tavrel
