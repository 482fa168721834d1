// The control window's layout: its size and place, the caption strip and
// the grid of picture buttons.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/commands.h"

namespace tavrel {

inline constexpr int kControlLeft = 239;
inline constexpr int kControlTop = 90;
inline constexpr int kControlWidth = 373;
inline constexpr int kControlHeight = 345;
inline constexpr int kButtonSize = 55;
inline constexpr int kGlyphSize = 32;

struct ButtonSpec {
    const wchar_t* name;
    const wchar_t* caption;
    const wchar_t* hint;
    std::int32_t tag;  // the arrangement number, 0 for command buttons
    std::uint16_t command;
    int glyph;  // index into the button pictures
    int x;
    int y;
};

// 29 arrangement buttons in reading order, then the four command buttons,
// in a grid of six columns and six rows 58 pixels apart.
const std::array<ButtonSpec, 33>& ControlButtons();

// The close button over the caption strip.
struct QuitButtonSpec {
    int x = 2;
    int y = 317;
    int size = 23;
    const wchar_t* hint = L"关闭这个控制面板！";
};

inline constexpr wchar_t kCaptionStripHint[] = L"Tavrel！";
inline constexpr wchar_t kControlWindowHint[] = L"点一下，图标就排好队！";

struct ScreenRect {
    int left;
    int top;
    int right;
    int bottom;
};
// Whether the pointer at (x, y) drags the window by its caption strip:
// strictly inside on all four sides, so the strip's leftmost column and
// topmost row do not drag.
constexpr bool DragsByCaptionStrip(const ScreenRect& strip, int x, int y) {
    return strip.left < x && x < strip.right && strip.top < y && y < strip.bottom;
}

// The product name written vertically: a line feed and a carriage return
// after every character but the last.
std::wstring VerticalText(const std::wstring& text);

}  // namespace tavrel
