#include "tweaks/uninstall.h"

#include <algorithm>
#include <set>

#include "core/autorun.h"
#include "common/error.h"
#include "core/settings_registry.h"

namespace tavrel {
namespace {

// Every root the settings may have been kept under: the user's, and the
// machine's in either view (the other word size's build keeps them in the
// other one).
constexpr std::array<RegistryRoot, 3> kSettingsRoots = kAutorunRoots;
// The parents of the settings key that the program made, innermost first.
constexpr std::array<const wchar_t*, 2> kSettingsParents = {L"Software\\Quorral\\Tavrel",
                                                            L"Software\\Quorral"};

std::wstring RootName(RegistryRoot root) {
    return IsMachineRoot(root) ? L"HKEY_LOCAL_MACHINE\\" : L"HKEY_CURRENT_USER\\";
}

// Both machine views name one key where the program's word size is the
// system's: a thing that remains there is told once.
void Add(std::vector<Remains>& remains, Remains thing) {
    if (std::find(remains.begin(), remains.end(), thing) == remains.end()) {
        remains.push_back(std::move(thing));
    }
}

void RemoveAutorun(RegistryAccess& registry, std::vector<Remains>& remains) {
    for (RegistryRoot root : RemoveAutorunEverywhere(registry).remaining) {
        Add(remains,
            {L"自动运行项：" + RootName(root) + kRunKeyPath + L" 中的“" + kProductName + L"”",
             IsMachineRoot(root)});
    }
}

void RemoveLinks(UninstallParts& parts, std::vector<Remains>& remains) {
    std::set<std::wstring> seen;
    for (int folder = kStartMenuFolder; folder <= kQuickLaunchFolder; ++folder) {
        std::wstring directory;
        try {
            directory = ShortcutFolder(parts.registry, parts.shortcuts, folder);
        } catch (const Error& error) {
            // A folder value that is no text: its links cannot be looked for.
            Add(remains,
                {L"快捷方式：“" +
                     std::wstring(ShortcutFolderValueNames[static_cast<std::size_t>(folder)]) +
                     L"”文件夹（" + error.message() + L"）",
                 false});
            continue;
        }
        if (directory.empty() || !parts.shortcuts.DirectoryExists(directory)) {
            continue;
        }
        for (const std::wstring& link : parts.links.LinksIn(directory)) {
            if (!seen.insert(link).second || !parts.links.PointsAt(link, parts.programPath)) {
                continue;
            }
            if (!parts.links.Delete(link)) {
                Add(remains, {L"快捷方式：" + link, false});
            }
        }
    }
}

void RemoveSettings(RegistryAccess& registry, std::vector<Remains>& remains) {
    for (RegistryRoot root : kSettingsRoots) {
        if (!registry.KeyExists(root, kSettingsKeyPath)) {
            continue;
        }
        registry.DeleteTree(root, kSettingsKeyPath);
        if (registry.KeyExists(root, kSettingsKeyPath)) {
            Add(remains, {L"设置：" + RootName(root) + kSettingsKeyPath, IsMachineRoot(root)});
            continue;
        }
        for (const wchar_t* parent : kSettingsParents) {
            if (!registry.DeleteEmptyKey(root, parent)) {
                break;  // it holds something else, which stays
            }
        }
    }
}

}  // namespace

std::vector<Remains> RemoveProgramTraces(UninstallParts& parts) {
    std::vector<Remains> remains;
    RemoveAutorun(parts.registry, remains);
    RemoveLinks(parts, remains);
    RemoveSettings(parts.registry, remains);
    return remains;
}

std::wstring UninstallReport(const std::vector<Remains>& remains) {
    if (remains.empty()) {
        return kUninstalledNotice;
    }
    std::wstring text = kUninstallRemainsNotice;
    bool machineWide = false;
    for (const Remains& thing : remains) {
        text += L"\r\n　　" + thing.text;
        machineWide = machineWide || thing.machineWide;
    }
    if (machineWide) {
        text += L"\r\n\r\n";
        text += kUninstallNeedsAdministrator;
    }
    return text;
}

bool Uninstall(UninstallParts& parts, UninstallSteps& steps) {
    if (!steps.Confirm(kUninstallQuestion)) {
        return false;
    }
    steps.StopProgram();
    std::vector<Remains> remains;
    try {
        remains = RemoveProgramTraces(parts);
    } catch (const Error& error) {
        // The program has stopped: it is told and ends all the same.
        remains.push_back({error.message(), false});
    }
    steps.Notify(UninstallReport(remains));
    steps.EndProgram();
    return remains.empty();
}

}  // namespace tavrel
