// The program's data resources (RCDATA), read in place.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "common/unique_handle_win.h"
#include "windows/jpeg_image.h"

namespace tavrel {

// The bytes of data resource `id` of `module`, valid while the module is
// loaded; empty when there is none.
std::span<const std::uint8_t> ResourceBytes(HMODULE module, int id);

// The about picture, decoded and with its outside settled to exact black
// for the colour key. Nothing when the resource is missing or damaged.
std::optional<Image> LoadAboutPicture(HMODULE module);

// A help page's text as its memo shows it; empty when missing.
std::wstring LoadHelpPage(HMODULE module, int id);

// A 32-bit top-down bitmap of the picture, for drawing it.
unique_hbitmap CreatePictureBitmap(const Image& image);

}  // namespace tavrel
