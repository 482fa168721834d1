// Colours as the platform passes them, shared by the desktop's captions,
// the menus, the skins and the windows.
#pragma once

#include <cstdint>

namespace tavrel {

// 0x00BBGGRR, red in the low byte.
using ColorRef = std::uint32_t;
// As a caption background: transparent.
inline constexpr ColorRef kClrNone = 0xFFFFFFFF;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return static_cast<ColorRef>(red) | static_cast<ColorRef>(green) << 8 |
           static_cast<ColorRef>(blue) << 16;
}

}  // namespace tavrel
