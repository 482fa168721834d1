#include "tweaks/link_files_win.h"

#include <windows.h>
#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cwchar>
#include <string_view>

#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                  static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// The file's long name, so that a short (8.3) spelling names it too.
std::wstring LongName(const std::wstring& path) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetLongPathNameW(path.c_str(), name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) {
            return path;
        }
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(length);
    }
}

bool HasLinkExtension(const std::wstring& name) {
    constexpr std::wstring_view kExtension = L".lnk";
    return name.size() > kExtension.size() &&
           SameName(name.substr(name.size() - kExtension.size()), std::wstring(kExtension));
}

}  // namespace

std::vector<std::wstring> Win32LinkFiles::LinksIn(const std::wstring& folder) {
    std::vector<std::wstring> links;
    WIN32_FIND_DATAW found{};
    unique_hfind search(::FindFirstFileW((folder + L"\\*.lnk").c_str(), &found));
    if (!search) {
        return links;
    }
    do {
        // The pattern also matches longer extensions through their short names.
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            HasLinkExtension(found.cFileName)) {
            links.push_back(folder + L"\\" + found.cFileName);
        }
    } while (::FindNextFileW(search.get(), &found));
    return links;
}

bool Win32LinkFiles::PointsAt(const std::wstring& link, const std::wstring& target) {
    com_ptr<IShellLinkW> shellLink;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  shellLink.put_void()))) {
        return false;
    }
    com_ptr<IPersistFile> file = shellLink.query<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(link.c_str(), STGM_READ))) {
        return false;
    }
    std::wstring path(32768, L'\0');
    if (shellLink->GetPath(path.data(), static_cast<int>(path.size()), nullptr, SLGP_RAWPATH) !=
        S_OK) {
        return false;
    }
    path.resize(std::wcslen(path.c_str()));
    return !path.empty() && (SameName(path, target) || SameName(LongName(path), LongName(target)));
}

bool Win32LinkFiles::Delete(const std::wstring& path) {
    return ::DeleteFileW(path.c_str()) ||
           ::GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace tavrel
