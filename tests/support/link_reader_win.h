// What a shell link file says, read back through a fresh shell link object.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <optional>
#include <string>

#include "common/unique_handle_win.h"

namespace tavrel::testing {

struct LinkContents {
    std::wstring target;
    std::wstring directory;
    std::wstring arguments;
};

inline std::optional<LinkContents> ReadLink(const std::wstring& path) {
    com_ptr<IShellLinkW> link;
    if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  link.put_void()))) {
        return std::nullopt;
    }
    com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    if (!file || FAILED(file->Load(path.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    LinkContents contents;
    wchar_t text[MAX_PATH * 2] = {};
    link->GetPath(text, MAX_PATH * 2, nullptr, 0);
    contents.target = text;
    text[0] = L'\0';
    link->GetWorkingDirectory(text, MAX_PATH * 2);
    contents.directory = text;
    text[0] = L'\0';
    link->GetArguments(text, MAX_PATH * 2);
    contents.arguments = text;
    return contents;
}

}  // namespace tavrel::testing
