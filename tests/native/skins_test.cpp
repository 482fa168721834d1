#include "tweaks/skins.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

// The sixteen values one skin sets, written out as the skins are published.
struct Expected {
    ColorRef checked, color, disabled;
    bool drawSelect, flatMenu;
    ColorRef fontColor;
    bool gradient;
    ColorRef iconBack;
    int iconWidth;
    ColorRef menuBar;
    bool overrideOwnerDraw;
    ColorRef select, selectBorder, selectFont, separator;
    bool useSystemColors;
};

constexpr ColorRef kHi = 0x8000000D;
constexpr ColorRef kFace = 0x8000000F;
constexpr ColorRef kInactive = 0x80000003;
constexpr ColorRef kText = 0x80000007;

const Expected kExpected[5] = {
    {kHi, kFace, kInactive, true, false, kText, false, kFace, 33, kFace, false, kHi, kHi, kText,
     kFace, true},
    {kHi, kFace, kInactive, true, true, kText, true, 0x006600, 0, kFace, false, 0x008000, kHi,
     kText, kFace, false},
    {kHi, kFace, kInactive, true, true, kText, true, 0x80000001, 0, kFace, false, 0xF0CAA6, kHi,
     kText, kFace, false},
    {kHi, kFace, kInactive, true, true, kText, true, 0x0000FF, 0, kFace, false, 0x9797FF, kHi,
     kText, kFace, false},
    {kHi, kFace, kInactive, true, true, kText, true, 0x0082FF, 0, kFace, false, 0x78DCF0, kHi,
     kText, kFace, false},
};

void ExpectSkin(const MenuPainterProperties& p, const Expected& e, int skin) {
    SCOPED_TRACE(skin);
    EXPECT_EQ(p.checkedColor, e.checked);
    EXPECT_EQ(p.color, e.color);
    EXPECT_EQ(p.disabledColor, e.disabled);
    EXPECT_EQ(p.drawSelect, e.drawSelect);
    EXPECT_EQ(p.flatMenu, e.flatMenu);
    EXPECT_EQ(p.font.color, e.fontColor);
    EXPECT_EQ(p.gradient, e.gradient);
    EXPECT_EQ(p.iconBackColor, e.iconBack);
    EXPECT_EQ(p.iconWidth, e.iconWidth);
    EXPECT_EQ(p.menuBarColor, e.menuBar);
    EXPECT_EQ(p.overrideOwnerDraw, e.overrideOwnerDraw);
    EXPECT_EQ(p.selectColor, e.select);
    EXPECT_EQ(p.selectBorderColor, e.selectBorder);
    EXPECT_EQ(p.selectFontColor, e.selectFont);
    EXPECT_EQ(p.separatorColor, e.separator);
    EXPECT_EQ(p.useSystemColors, e.useSystemColors);
}

// Every property set to something no skin uses.
MenuPainterProperties Scrambled() {
    MenuPainterProperties p;
    p.checkedColor = p.color = p.disabledColor = p.iconBackColor = p.menuBarColor = 0x123456;
    p.selectColor = p.selectBorderColor = p.selectFontColor = p.separatorColor = p.font.color =
        0x123456;
    p.drawSelect = false;
    p.flatMenu = !p.flatMenu;
    p.gradient = !p.gradient;
    p.iconWidth = 77;
    p.overrideOwnerDraw = true;
    p.useSystemColors = !p.useSystemColors;
    return p;
}

TEST(Skins, EachSkinSetsItsSixteenValues) {
    for (int skin = 0; skin < 5; ++skin) {
        for (MenuPainterProperties start :
             {Scrambled(), DesignedMenuPainter(), MenuPainterProperties{}}) {
            ApplySkin(skin, start);
            ExpectSkin(start, kExpected[skin], skin);
        }
    }
}

TEST(Skins, TheControlWindowTakesIconBackColorAsAReference) {
    MenuPainterProperties p = DesignedMenuPainter();
    EXPECT_EQ(ApplySkin(0, p), std::optional<ColorRef>(0x8000000F));
    EXPECT_EQ(ApplySkin(1, p), std::optional<ColorRef>(0x006600));
    // The desktop colour reference itself, not the colour it stands for now.
    EXPECT_EQ(ApplySkin(2, p), std::optional<ColorRef>(0x80000001));
    EXPECT_EQ(ApplySkin(3, p), std::optional<ColorRef>(0x0000FF));
    EXPECT_EQ(ApplySkin(4, p), std::optional<ColorRef>(0x0082FF));
}

TEST(Skins, OnlyTheSixteenPropertiesChange) {
    MenuPainterProperties p = Scrambled();
    p.dimLevel = 5;
    p.grayLevel = 6;
    p.font.name = L"x";
    p.autoDetect = true;
    p.active = false;
    p.styledControls = 3;
    ApplySkin(4, p);
    EXPECT_EQ(p.dimLevel, 5);
    EXPECT_EQ(p.grayLevel, 6);
    EXPECT_EQ(p.font.name, L"x");
    EXPECT_TRUE(p.autoDetect);
    EXPECT_FALSE(p.active);
    EXPECT_EQ(p.styledControls, 3u);
    // Applying the skin in force again changes nothing.
    const MenuPainterProperties before = p;
    ApplySkin(4, p);
    EXPECT_EQ(p, before);
}

TEST(Skins, NumbersBeyondTheFiveKeepTheDesignedLook) {
    for (std::int32_t skin : {5, -1, 100, -2147483647 - 1, 2147483647}) {
        MenuPainterProperties p = DesignedMenuPainter();
        EXPECT_EQ(ApplySkin(skin, p), std::nullopt) << skin;
        EXPECT_EQ(p, DesignedMenuPainter()) << skin;
    }
}

TEST(Skins, TheTableAssignsInThePublishedOrder) {
    const std::vector<SkinProperty> expected = {
        SkinProperty::kCheckedColor,      SkinProperty::kColor,
        SkinProperty::kDisabledColor,     SkinProperty::kDrawSelect,
        SkinProperty::kFlatMenu,          SkinProperty::kFontColor,
        SkinProperty::kGradient,          SkinProperty::kIconBackColor,
        SkinProperty::kIconWidth,         SkinProperty::kMenuBarColor,
        SkinProperty::kOverrideOwnerDraw, SkinProperty::kSelectColor,
        SkinProperty::kSelectBorderColor, SkinProperty::kSelectFontColor,
        SkinProperty::kSeparatorColor,    SkinProperty::kUseSystemColors};
    std::vector<SkinProperty> order;
    for (const SkinRow& row : SkinTable()) {
        order.push_back(row.property);
    }
    EXPECT_EQ(order, expected);
}

TEST(Skins, TheDesignedLook) {
    const MenuPainterProperties p = DesignedMenuPainter();
    EXPECT_EQ(p.dimLevel, 30);
    EXPECT_EQ(p.grayLevel, 10);
    EXPECT_FALSE(p.font.systemMenuFont);
    EXPECT_EQ(p.font.name, L"宋体");
    EXPECT_EQ(p.font.charset, 134) << "GB2312";
    EXPECT_EQ(p.font.height, -13);
    ExpectSkin(p, kExpected[0], 0);
    EXPECT_FALSE(p.autoDetect);
    EXPECT_TRUE(p.active);
    EXPECT_EQ(kDesignedControlColor, 0xC08000u);
    EXPECT_STREQ(kSkinCaptions[0], L"系统默认");
    EXPECT_STREQ(kSkinCaptions[4], L"黄金时代");
}

}  // namespace
}  // namespace tavrel
