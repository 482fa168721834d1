// Colour operations of the menu painter and the flat controls.
//
// Colours are 0x00BBGGRR values; a value with the top bit set names a system
// colour by its low byte (0x8000000F is the button face), so that it follows
// the user's colour scheme. The few things that need the display (system
// colours, the nearest colour a device can show, its colour depth) come
// through ColorDevice, so the rules run natively against a fake.
#pragma once

#include <cstdint>

#include "common/color_ref.h"

namespace tavrel {

// System colour indices, as GetSysColor numbers them.
enum class SysColor : std::uint8_t {
    kScrollBar = 0,
    kBackground = 1,
    kActiveCaption = 2,
    kInactiveCaption = 3,
    kMenu = 4,
    kWindow = 5,
    kWindowFrame = 6,
    kMenuText = 7,
    kWindowText = 8,
    kHighlight = 13,
    kHighlightText = 14,
    kBtnFace = 15,
    kBtnShadow = 16,
    kGrayText = 17,
    kBtnText = 18,
    kGradientActiveCaption = 27,
};

inline constexpr ColorRef kSystemColorFlag = 0x80000000;

// The reference to a system colour: 0x800000nn.
constexpr ColorRef SystemColorRef(SysColor index) {
    return kSystemColorFlag | static_cast<ColorRef>(index);
}
constexpr bool IsSystemColorRef(ColorRef color) {
    return (color & kSystemColorFlag) != 0;
}

inline constexpr ColorRef kClBackground = SystemColorRef(SysColor::kBackground);
inline constexpr ColorRef kClInactiveCaption = SystemColorRef(SysColor::kInactiveCaption);
inline constexpr ColorRef kClMenuText = SystemColorRef(SysColor::kMenuText);
inline constexpr ColorRef kClWindowText = SystemColorRef(SysColor::kWindowText);
inline constexpr ColorRef kClHighlight = SystemColorRef(SysColor::kHighlight);
inline constexpr ColorRef kClBtnFace = SystemColorRef(SysColor::kBtnFace);
inline constexpr ColorRef kClBtnShadow = SystemColorRef(SysColor::kBtnShadow);
inline constexpr ColorRef kClGradientActiveCaption =
    SystemColorRef(SysColor::kGradientActiveCaption);

inline constexpr ColorRef kWhite = 0xFFFFFF;
inline constexpr ColorRef kSilver = 0xC0C0C0;
inline constexpr ColorRef kBlack = 0x000000;

constexpr int RedOf(ColorRef color) {
    return static_cast<int>(color & 0xFFu);
}
constexpr int GreenOf(ColorRef color) {
    return static_cast<int>((color >> 8) & 0xFFu);
}
constexpr int BlueOf(ColorRef color) {
    return static_cast<int>((color >> 16) & 0xFFu);
}

// Channels clamped to 0 … 255 first.
ColorRef RgbClamped(int red, int green, int blue);

// What the painter asks of the device it draws on.
class ColorDevice {
  public:
    virtual ~ColorDevice() = default;
    // The colour value of system colour `index` (GetSysColor).
    virtual ColorRef SystemColor(int index) = 0;
    // The nearest colour the device can show (GetNearestColor).
    virtual ColorRef NearestColor(ColorRef rgb) = 0;
    // Colour depth of the device (GetDeviceCaps BITSPIXEL).
    virtual int BitsPerPixel() = 0;
};

// A system colour reference becomes the colour it stands for now; any
// other value is taken as it is.
ColorRef ResolveColor(ColorDevice& device, ColorRef color);

// More than 15 bits per pixel.
bool IsHighColor(ColorDevice& device);

// L(c, p): each channel v moves toward white by Round((255 - v) * p / 100),
// p capped at 100, then the device's nearest colour. (A negative p darkens;
// channels stay within 0 … 255.)
ColorRef Lighten(ColorDevice& device, ColorRef color, int percent);

// D(c, p): red - p, green - p + 2, blue - p, each clamped to 0 … 255; a
// negative p brightens. No mapping to the device's colours.
ColorRef Darken(ColorDevice& device, ColorRef color, int amount);

}  // namespace tavrel
