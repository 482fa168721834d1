// A display for the colour rules: a fixed colour scheme (the classic
// Windows 2000 one), a chosen colour depth, and either every colour shown
// as it is or a 27-colour device that shows each channel as 0, 128 or 255.
#pragma once

#include <map>

#include "styling/colors.h"
#include "styling/menu_painter.h"

namespace tavrel::testing {

inline constexpr ColorRef kFaceRgb = 0xC8D0D4;       // RGB(212, 208, 200)
inline constexpr ColorRef kHighlightRgb = 0x6A240A;  // RGB(10, 36, 106)
inline constexpr ColorRef kShadowRgb = 0x808080;     // RGB(128, 128, 128)
inline constexpr ColorRef kInactiveRgb = 0x808080;
inline constexpr ColorRef kMenuTextRgb = 0x000000;
inline constexpr ColorRef kDesktopRgb = 0xA56E3A;  // RGB(58, 110, 165)

class FakeColorDevice : public ColorDevice {
  public:
    explicit FakeColorDevice(int bitsPerPixel = 32, bool coarse = false)
        : bits_(bitsPerPixel), coarse_(coarse) {
        colours_ = {{1, kDesktopRgb},    {3, kInactiveRgb}, {7, kMenuTextRgb}, {8, 0x000000},
                    {13, kHighlightRgb}, {15, kFaceRgb},    {16, kShadowRgb}};
    }

    ColorRef SystemColor(int index) override {
        ++systemLookups;
        const auto found = colours_.find(index);
        return found == colours_.end() ? 0x123456 : found->second;
    }
    ColorRef NearestColor(ColorRef rgb) override {
        ++nearestCalls;
        if (!coarse_) {
            return rgb;
        }
        auto snap = [](int v) { return v < 64 ? 0 : v < 192 ? 128 : 255; };
        return RgbClamped(snap(RedOf(rgb)), snap(GreenOf(rgb)), snap(BlueOf(rgb)));
    }
    int BitsPerPixel() override { return bits_; }

    void SetSystemColor(int index, ColorRef colour) { colours_[index] = colour; }

    int systemLookups = 0;
    int nearestCalls = 0;

  private:
    int bits_;
    bool coarse_;
    std::map<int, ColorRef> colours_;
};

// Every character 6 pixels wide except "&" (4) and "W" (10); lines 13 high.
class FakeTextMeasurer : public TextMeasurer {
  public:
    explicit FakeTextMeasurer(int height = 13) : height_(height) {}
    TextSize Measure(std::wstring_view text) override {
        int width = 0;
        for (wchar_t ch : text) {
            width += ch == L'&' ? 4 : ch == L'W' ? 10 : 6;
        }
        return {width, text.empty() ? 0 : height_};
    }

  private:
    int height_;
};

}  // namespace tavrel::testing
