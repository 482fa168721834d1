#include "tweaks/skins.h"

namespace tavrel {
namespace {

constexpr std::uint32_t kOn = 1;
constexpr std::uint32_t kOff = 0;
constexpr ColorRef kHighlight = kClHighlight;
constexpr ColorRef kFace = kClBtnFace;
constexpr ColorRef kMenuText = kClMenuText;

// Skin 0 follows the system; the others each have their own picture column
// and highlight colours.
constexpr std::array<SkinRow, 16> kSkinTable = {{
    // Columns: skins 0 to 4.
    {SkinProperty::kCheckedColor, {kHighlight, kHighlight, kHighlight, kHighlight, kHighlight}},
    {SkinProperty::kColor, {kFace, kFace, kFace, kFace, kFace}},
    {SkinProperty::kDisabledColor,
     {kClInactiveCaption, kClInactiveCaption, kClInactiveCaption, kClInactiveCaption,
      kClInactiveCaption}},
    {SkinProperty::kDrawSelect, {kOn, kOn, kOn, kOn, kOn}},
    {SkinProperty::kFlatMenu, {kOff, kOn, kOn, kOn, kOn}},
    {SkinProperty::kFontColor, {kMenuText, kMenuText, kMenuText, kMenuText, kMenuText}},
    {SkinProperty::kGradient, {kOff, kOn, kOn, kOn, kOn}},
    {SkinProperty::kIconBackColor, {kFace, 0x006600, kClBackground, 0x0000FF, 0x0082FF}},
    {SkinProperty::kIconWidth, {33, 0, 0, 0, 0}},
    {SkinProperty::kMenuBarColor, {kFace, kFace, kFace, kFace, kFace}},
    {SkinProperty::kOverrideOwnerDraw, {kOff, kOff, kOff, kOff, kOff}},
    {SkinProperty::kSelectColor, {kHighlight, 0x008000, 0xF0CAA6, 0x9797FF, 0x78DCF0}},
    {SkinProperty::kSelectBorderColor,
     {kHighlight, kHighlight, kHighlight, kHighlight, kHighlight}},
    {SkinProperty::kSelectFontColor, {kMenuText, kMenuText, kMenuText, kMenuText, kMenuText}},
    {SkinProperty::kSeparatorColor, {kFace, kFace, kFace, kFace, kFace}},
    {SkinProperty::kUseSystemColors, {kOn, kOff, kOff, kOff, kOff}},
}};

}  // namespace

const std::array<SkinRow, 16>& SkinTable() {
    return kSkinTable;
}

void AssignSkinProperty(MenuPainterProperties& p, SkinProperty property, std::uint32_t value) {
    const bool flag = value != 0;
    switch (property) {
        case SkinProperty::kCheckedColor:
            p.checkedColor = value;
            break;
        case SkinProperty::kColor:
            p.color = value;
            break;
        case SkinProperty::kDisabledColor:
            p.disabledColor = value;
            break;
        case SkinProperty::kDrawSelect:
            p.drawSelect = flag;
            break;
        case SkinProperty::kFlatMenu:
            p.flatMenu = flag;
            break;
        case SkinProperty::kFontColor:
            p.font.color = value;
            break;
        case SkinProperty::kGradient:
            p.gradient = flag;
            break;
        case SkinProperty::kIconBackColor:
            p.iconBackColor = value;
            break;
        case SkinProperty::kIconWidth:
            p.iconWidth = static_cast<int>(value);
            break;
        case SkinProperty::kMenuBarColor:
            p.menuBarColor = value;
            break;
        case SkinProperty::kOverrideOwnerDraw:
            p.overrideOwnerDraw = flag;
            break;
        case SkinProperty::kSelectColor:
            p.selectColor = value;
            break;
        case SkinProperty::kSelectBorderColor:
            p.selectBorderColor = value;
            break;
        case SkinProperty::kSelectFontColor:
            p.selectFontColor = value;
            break;
        case SkinProperty::kSeparatorColor:
            p.separatorColor = value;
            break;
        case SkinProperty::kUseSystemColors:
            p.useSystemColors = flag;
            break;
    }
}

std::optional<ColorRef> ApplySkin(std::int32_t skin, MenuPainterProperties& properties) {
    if (skin < 0 || skin >= kSkinCount) {
        return std::nullopt;
    }
    for (const SkinRow& row : kSkinTable) {
        AssignSkinProperty(properties, row.property, row.values[static_cast<std::size_t>(skin)]);
    }
    return properties.iconBackColor;
}

MenuPainterProperties DesignedMenuPainter() {
    MenuPainterProperties p;
    for (const SkinRow& row : kSkinTable) {
        AssignSkinProperty(p, row.property, row.values[0]);
    }
    p.dimLevel = 30;
    p.grayLevel = 10;
    p.font = PainterFont{false, L"宋体", kGb2312Charset, -13, kClMenuText};
    p.autoDetect = false;
    p.active = true;
    return p;
}

}  // namespace tavrel
