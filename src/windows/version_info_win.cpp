#include "windows/version_info_win.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace tavrel {
namespace {

// The string under `path`, empty when the resource has none.
std::wstring QueryString(const std::vector<std::uint8_t>& block, const std::wstring& path) {
    void* value = nullptr;
    UINT length = 0;
    if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || value == nullptr) {
        return {};
    }
    // The length counts characters and may include the terminating zero.
    std::wstring text(static_cast<const wchar_t*>(value), length);
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) {
        text.resize(end);
    }
    return text;
}

}  // namespace

bool ReadVersionInfo(const std::wstring& fileName, TFileInfo& info, const std::wstring& extraKey) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
    if (size == 0) {
        return false;
    }
    std::vector<std::uint8_t> block(size);
    if (!::GetFileVersionInfoW(fileName.c_str(), 0, size, block.data())) {
        return false;
    }
    // The first translation names the string table: language in the low
    // word, code page in the high word.
    void* translation = nullptr;
    UINT translationLength = 0;
    std::uint16_t language = 0;
    std::uint16_t codePage = 0;
    if (::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", &translation,
                         &translationLength) &&
        translation != nullptr && translationLength >= 4) {
        std::uint16_t words[2];
        std::memcpy(words, translation, sizeof(words));
        language = words[0];
        codePage = words[1];
    }
    const std::wstring prefix = StringFileInfoPrefix(language, codePage);
    TFileInfo read;
    std::wstring* const fields[] = {
        &read.companyName,    &read.fileDescription, &read.fileVersion,      &read.internalName,
        &read.legalCopyright, &read.legalTrademarks, &read.originalFileName, &read.productName,
        &read.productVersion, &read.comments};
    static_assert(std::size(fields) == kFileInfoKeys.size());
    for (std::size_t i = 0; i < kFileInfoKeys.size(); ++i) {
        *fields[i] = QueryString(block, prefix + kFileInfoKeys[i]);
    }
    void* fixed = nullptr;
    UINT fixedLength = 0;
    static_assert(sizeof(VS_FIXEDFILEINFO) == std::tuple_size_v<decltype(read.fixedInfo)>);
    if (::VerQueryValueW(block.data(), L"\\", &fixed, &fixedLength) && fixed != nullptr &&
        fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
        std::memcpy(read.fixedInfo.data(), fixed, sizeof(VS_FIXEDFILEINFO));
    }
    if (!extraKey.empty()) {
        read.extra = QueryString(block, prefix + extraKey);
    }
    info = std::move(read);
    return true;
}

std::wstring OwnVersionCaption() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return VersionCaption(std::nullopt);
        }
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    TFileInfo info;
    if (!ReadVersionInfo(path, info, kAboutExtraVersionKey)) {
        return VersionCaption(std::nullopt);
    }
    return VersionCaption(info);
}

}  // namespace tavrel
