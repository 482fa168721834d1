#include "windows/about_me.h"

namespace tavrel {
namespace {

std::wstring Hex4(std::uint16_t value) {
    static constexpr wchar_t kDigits[] = L"0123456789ABCDEF";
    std::wstring text(4, L'0');
    for (int i = 3; i >= 0; --i) {
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
        value = static_cast<std::uint16_t>(value >> 4);
    }
    return text;
}

}  // namespace

std::wstring StringFileInfoPrefix(std::uint16_t language, std::uint16_t codePage) {
    return L"\\StringFileInfo\\" + Hex4(language) + Hex4(codePage) + L"\\";
}

std::wstring VersionCaption(const std::optional<TFileInfo>& info) {
    if (!info) {
        return kDesignedVersionCaption;
    }
    const std::size_t dot = info->fileVersion.rfind(L'.');
    if (dot == std::wstring::npos) {
        return kDesignedVersionCaption;
    }
    return L"v" + info->productVersion + L"  Build " + info->fileVersion.substr(dot + 1);
}

void SettleKeyBlack(Image& image) {
    for (std::size_t i = 0; i + 2 < image.pixels.size(); i += 3) {
        std::uint8_t* pixel = image.pixels.data() + i;
        if (pixel[0] < kKeyBlackLimit && pixel[1] < kKeyBlackLimit && pixel[2] < kKeyBlackLimit) {
            pixel[0] = pixel[1] = pixel[2] = 0;
        }
    }
}

void AboutLinks::MouseOverLink(Link link) {
    (link == Link::kUrl ? url_ : email_) = true;
}

void AboutLinks::MouseOverPicture() {
    url_ = false;
    email_ = false;
}

}  // namespace tavrel
