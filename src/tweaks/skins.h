// The five colour schemes of the control window and its menus. A skin sets
// sixteen properties of the control window's menu painter, in a fixed
// order, and the window takes the picture column colour as its background.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "styling/menu_painter.h"

namespace tavrel {

inline constexpr int kSkinCount = 5;

// The properties a skin sets, in the order it sets them.
enum class SkinProperty {
    kCheckedColor,
    kColor,
    kDisabledColor,
    kDrawSelect,
    kFlatMenu,
    kFontColor,
    kGradient,
    kIconBackColor,
    kIconWidth,
    kMenuBarColor,
    kOverrideOwnerDraw,
    kSelectColor,
    kSelectBorderColor,
    kSelectFontColor,
    kSeparatorColor,
    kUseSystemColors,
};

// One property with its value in each skin: colours as colour values or
// system colour references, flags as 0 or 1, widths in pixels.
struct SkinRow {
    SkinProperty property;
    std::array<std::uint32_t, kSkinCount> values;
};

const std::array<SkinRow, 16>& SkinTable();

// Sets one property of the painter.
void AssignSkinProperty(MenuPainterProperties& properties, SkinProperty property,
                        std::uint32_t value);

// Applies skin `skin` (0 … 4) and returns the control window's new colour:
// the painter's IconBackColor, kept as it is, so a system colour reference
// stays a reference. Any other number changes nothing.
std::optional<ColorRef> ApplySkin(std::int32_t skin, MenuPainterProperties& properties);

// The look before any skin: what stays when the stored number is no skin.
MenuPainterProperties DesignedMenuPainter();
inline constexpr ColorRef kDesignedControlColor = 0xC08000;  // RGB(0, 128, 192)

// The skin menu items, in the menu's order.
inline constexpr const wchar_t* kSkinCaptions[kSkinCount] = {L"系统默认", L"青青草地", L"蓝色天空",
                                                             L"火红年华", L"黄金时代"};

}  // namespace tavrel
