#include "tweaks/shortcuts_win.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <cwchar>

#include "common/error.h"
#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

class Win32ShellLink final : public ShellLink {
  public:
    Win32ShellLink(com_ptr<IShellLinkW> link, com_ptr<IPersistFile> file)
        : link_(std::move(link)), file_(std::move(file)) {}

    // The object's results are not examined: a link that lacks a part is
    // still a link, and a failed save is not reported.
    void SetArguments(const std::wstring& arguments) override {
        link_->SetArguments(arguments.c_str());
    }
    void SetPath(const std::wstring& target) override { link_->SetPath(target.c_str()); }
    void SetWorkingDirectory(const std::wstring& directory) override {
        link_->SetWorkingDirectory(directory.c_str());
    }
    void Save(const std::wstring& linkPath) override { file_->Save(linkPath.c_str(), FALSE); }

  private:
    com_ptr<IShellLinkW> link_;
    com_ptr<IPersistFile> file_;
};

}  // namespace

std::wstring ComErrorText(HRESULT result) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(result), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message(text != nullptr ? text : L"", length);
    if (text != nullptr) {
        ::LocalFree(text);
    }
    while (!message.empty() &&
           (message.back() <= L' ' || message.back() == L'.' || message.back() == L'\u3002')) {
        message.pop_back();
    }
    if (message.empty()) {
        wchar_t code[32] = {};
        std::swprintf(code, 32, L"OLE error %08lX", static_cast<unsigned long>(result));
        message = code;
    }
    return message;
}

std::unique_ptr<ShellLink> Win32ShortcutPlatform::CreateShellLink() {
    com_ptr<IShellLinkW> link;
    const HRESULT created =
        ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                           IID_IShellLinkW, link.put_void());
    if (FAILED(created) || !link) {
        throw Error(ComErrorText(FAILED(created) ? created : E_NOINTERFACE));
    }
    com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    if (!file) {
        throw Error(ComErrorText(E_NOINTERFACE));
    }
    return std::make_unique<Win32ShellLink>(std::move(link), std::move(file));
}

PlatformVersion Win32ShortcutPlatform::Version() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (!::GetVersionExW(&info)) {
        return {};
    }
    return {info.dwPlatformId, info.dwMinorVersion};
}

bool Win32ShortcutPlatform::DirectoryExists(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace tavrel
