#include "windows/resources_win.h"

#include <string_view>

#include "resources/resource_ids.h"
#include "windows/about_me.h"
#include "windows/help.h"

namespace tavrel {

std::span<const std::uint8_t> ResourceBytes(HMODULE module, int id) {
    HRSRC found =
        ::FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = ::LoadResource(module, found);  // not to be freed: it lives in the module
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return {};
    }
    return {static_cast<const std::uint8_t*>(data), ::SizeofResource(module, found)};
}

std::optional<Image> LoadAboutPicture(HMODULE module) {
    auto image = DecodeJpeg(ResourceBytes(module, IDR_ABOUT_PICTURE), kAboutWidth, kAboutHeight);
    if (image) {
        SettleKeyBlack(*image);
    }
    return image;
}

std::wstring LoadHelpPage(HMODULE module, int id) {
    const auto bytes = ResourceBytes(module, id);
    const auto text =
        HelpPageText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return text.value_or(std::wstring());
}

unique_hbitmap CreatePictureBitmap(const Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return bitmap;
    }
    auto* out = static_cast<std::uint8_t*>(bits);
    const std::size_t count =
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    for (std::size_t i = 0; i < count && i * 3 + 2 < image.pixels.size(); ++i) {
        out[i * 4] = image.pixels[i * 3 + 2];  // blue, green, red, unused
        out[i * 4 + 1] = image.pixels[i * 3 + 1];
        out[i * 4 + 2] = image.pixels[i * 3];
        out[i * 4 + 3] = 0;
    }
    return bitmap;
}

}  // namespace tavrel
