// The current user's shell folders pointed at folders of a test's own,
// for the tests of the program's links; everything is put back afterwards.
#pragma once

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/registry_win.h"
#include "support/program_win.h"
#include "tweaks/shortcuts.h"

namespace tavrel::testing {

// Where the test folders are made.
inline const std::wstring kLinks = L"C:\\tavrel-links";

inline void MakeFolders(const std::wstring& path) {
    ::SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
}

inline void RemoveTree(const std::wstring& path) {
    const std::wstring from = path + L'\0';  // a list of paths ends in two zeros
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&operation);
}

// Whether the system tells the program it is platform 2, minor version 1,
// where the quick launch bar lives below "AppData".
inline bool QuickLaunchBelowAppData() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    ::GetVersionExW(&info);
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMinorVersion == 1;
}

// A registry value exactly as it was (type and bytes), or its absence.
struct SavedValue {
    HKEY root;
    std::wstring path;
    std::wstring name;
    bool existed = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

inline SavedValue Save(HKEY root, const std::wstring& path, const std::wstring& name) {
    SavedValue saved{root, path, name, false, 0, {}};
    std::optional<RegistryKey> key = RegistryKey::Open(root, path);
    DWORD size = 0;
    if (key && ::RegQueryValueExW(key->get(), name.c_str(), nullptr, &saved.type, nullptr, &size) ==
                   ERROR_SUCCESS) {
        saved.data.resize(size);
        saved.existed = ::RegQueryValueExW(key->get(), name.c_str(), nullptr, &saved.type,
                                           saved.data.data(), &size) == ERROR_SUCCESS;
    }
    return saved;
}

inline void Restore(const SavedValue& saved) {
    const RegistryKey key = RegistryKey::Create(saved.root, saved.path);
    if (saved.existed) {
        ::RegSetValueExW(key.get(), saved.name.c_str(), 0, saved.type, saved.data.data(),
                         static_cast<DWORD>(saved.data.size()));
    } else {
        ::RegDeleteValueW(key.get(), saved.name.c_str());
    }
}

// The current user's shell folder values, and the links folder, put back
// as they were after each test.
//
// Wine's shell writes a folder's "Shell Folders" value anew from its "User
// Shell Folders" value whenever someone asks it for that folder (its link
// object does, for the desktop and the start menu); the test folders go
// into both, so that they stay what the program finds.
class ShellFolderTest : public ::testing::Test {
  protected:
    static constexpr wchar_t kUserShellFoldersPath[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        for (const wchar_t* name : {L"Start Menu", L"Programs", L"Desktop", L"AppData"}) {
            saved_.push_back(Save(HKEY_CURRENT_USER, kShellFoldersKeyPath, name));
            saved_.push_back(Save(HKEY_CURRENT_USER, kUserShellFoldersPath, name));
        }
        saved_.push_back(Save(HKEY_CURRENT_USER, kMapGroupsKeyPath, L"Quick Launch"));
        RemoveTree(kLinks);
    }
    void TearDown() override {
        for (const SavedValue& saved : saved_) {
            Restore(saved);
        }
        RemoveTree(kLinks);
        ForgetProgramSettings();
        ::CoUninitialize();
    }

    void PointAt(const std::wstring& path, const std::wstring& name, const std::wstring& folder) {
        RegistryKey::Create(HKEY_CURRENT_USER, path).WriteString(name, folder);
        if (path == kShellFoldersKeyPath) {
            RegistryKey::Create(HKEY_CURRENT_USER, kUserShellFoldersPath).WriteString(name, folder);
        }
        if (!folder.empty()) {
            MakeFolders(folder);
        }
    }
    // Every folder value at a folder of its own below kLinks.
    void PointAllAtTestFolders() {
        PointAt(kShellFoldersKeyPath, L"Start Menu", kLinks + L"\\start");
        PointAt(kShellFoldersKeyPath, L"Programs", kLinks + L"\\programs");
        PointAt(kShellFoldersKeyPath, L"Desktop", kLinks + L"\\desktop");
        PointAt(kShellFoldersKeyPath, L"AppData", kLinks + L"\\appdata");
        MakeFolders(kLinks + L"\\appdata\\Microsoft\\Internet Explorer\\Quick Launch");
        PointAt(kMapGroupsKeyPath, L"Quick Launch", kLinks + L"\\mapgroups");
    }
    std::wstring QuickLaunchFolder() const {
        return QuickLaunchBelowAppData()
                   ? kLinks + L"\\appdata\\Microsoft\\Internet Explorer\\Quick Launch"
                   : kLinks + L"\\mapgroups";
    }

    std::vector<SavedValue> saved_;
};

}  // namespace tavrel::testing
