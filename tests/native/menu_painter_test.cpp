#include "styling/menu_painter.h"

#include <gtest/gtest.h>

#include <map>

#include "support/draw_ops.h"
#include "support/fake_color_device.h"
#include "tweaks/skins.h"

namespace tavrel {
namespace {

using testing::FakeColorDevice;
using testing::FakeTextMeasurer;
using testing::OpsOf;

template <class Op>
Op OnlyOp(const std::vector<DrawOp>& ops) {
    const std::vector<Op> found = OpsOf<Op>(ops);
    EXPECT_EQ(found.size(), 1u);
    return found.empty() ? Op{} : found.front();
}

MenuPainterProperties Skinned(int skin) {
    MenuPainterProperties p = DesignedMenuPainter();
    ApplySkin(skin, p);
    return p;
}

MenuItemLook Item(const wchar_t* caption, bool picture = true) {
    MenuItemLook item;
    item.caption = caption;
    item.hasPicture = picture;
    item.pictureWidth = picture ? 32 : 0;
    item.pictureHeight = picture ? 32 : 0;
    return item;
}

TEST(MenuPainterDefaults, EveryPropertyHasItsPublishedDefault) {
    const MenuPainterProperties p;
    EXPECT_EQ(p.dimLevel, 30);
    EXPECT_EQ(p.grayLevel, 10);
    EXPECT_TRUE(p.font.systemMenuFont);
    EXPECT_EQ(p.font.color, 0x80000007u);
    EXPECT_EQ(p.color, 0x8000000Fu);
    EXPECT_EQ(p.iconBackColor, 0x8000000Fu);
    EXPECT_EQ(p.menuBarColor, 0x8000000Fu);
    EXPECT_EQ(p.selectColor, 0x8000000Du);
    EXPECT_EQ(p.selectBorderColor, 0x8000000Du);
    EXPECT_EQ(p.selectFontColor, p.font.color);
    EXPECT_EQ(p.disabledColor, 0x80000003u);
    EXPECT_EQ(p.separatorColor, 0x8000000Fu);
    EXPECT_EQ(p.checkedColor, 0x8000000Du);
    EXPECT_EQ(p.iconWidth, 24);
    EXPECT_TRUE(p.drawSelect);
    EXPECT_TRUE(p.useSystemColors);
    EXPECT_FALSE(p.overrideOwnerDraw);
    EXPECT_FALSE(p.gradient);
    EXPECT_FALSE(p.flatMenu);
    EXPECT_FALSE(p.autoDetect);
    EXPECT_EQ(p.styledContainers, kStyleAll);
    EXPECT_EQ(p.styledControls, kStyleAll);
    EXPECT_FALSE(p.active);
}

// Skin 1 stands for "UseSystemColors false": COLOR_BTNFACE items, a
// RGB(0, 102, 0) picture column, RGB(0, 128, 0) highlights.
TEST(DerivedColours, OwnColoursOnAHighColourDevice) {
    FakeColorDevice device(32);
    const DerivedColors c = DeriveColors(Skinned(1), device);
    EXPECT_TRUE(c.highColor);
    EXPECT_EQ(c.itemBack, 0xC8D0D4u) << "Color, COLOR_BTNFACE resolved";
    EXPECT_EQ(c.pictureColumn, 0x006600u);
    // L(RGB(0, 128, 0), 68): 255 * .68 = 173.4 -> 173; 128 + Round(127 * .68 = 86.36) = 214.
    EXPECT_EQ(c.highlightFill, Rgb(173, 214, 173));
    EXPECT_EQ(c.highlightFrame, 0x6A240Au);
    EXPECT_EQ(c.highlightText, 0x000000u);
    EXPECT_EQ(c.menuBar, 0xC8D0D4u);
    EXPECT_EQ(c.disabledText, 0x808080u) << "DisabledColor, COLOR_INACTIVECAPTION";
    EXPECT_EQ(c.separator, 0xC8D0D4u);
    EXPECT_EQ(c.checkFrame, 0x6A240Au);
    // L(., 80): 204; 128 + Round(101.6) = 230. L(., 50): 127.5 -> 128; 128 + Round(63.5) = 192.
    EXPECT_EQ(c.checkArea, Rgb(204, 230, 204));
    EXPECT_EQ(c.checkAreaHighlighted, Rgb(128, 192, 128));
    // D(RGB(212, 208, 200), 90) and 76.
    EXPECT_EQ(c.menuFrame, Rgb(122, 120, 110));
    EXPECT_EQ(c.menuShadow, Rgb(136, 134, 124));
}

TEST(DerivedColours, OwnColoursOnALowColourDevice) {
    FakeColorDevice device(8);
    const DerivedColors c = DeriveColors(Skinned(1), device);
    EXPECT_FALSE(c.highColor);
    EXPECT_EQ(c.itemBack, 0xC8D0D4u);
    EXPECT_EQ(c.pictureColumn, 0x006600u);
    EXPECT_EQ(c.highlightFill, 0x008000u) << "SelectColor as it is";
    EXPECT_EQ(c.highlightFrame, 0x6A240Au);
    EXPECT_EQ(c.disabledText, 0x808080u);
    EXPECT_EQ(c.separator, 0xC8D0D4u);
    EXPECT_EQ(c.checkArea, kWhite);
    EXPECT_EQ(c.checkAreaHighlighted, kSilver);
    EXPECT_EQ(c.menuFrame, 0x808080u) << "COLOR_BTNSHADOW";
    EXPECT_EQ(c.menuShadow, 0x808080u);
}

TEST(DerivedColours, SystemColoursOnAHighColourDevice) {
    FakeColorDevice device(24);
    MenuPainterProperties p = Skinned(1);
    p.useSystemColors = true;  // the painter's own colours no longer count
    const DerivedColors c = DeriveColors(p, device);
    EXPECT_EQ(c.itemBack, Rgb(249, 248, 247)) << "L(COLOR_BTNFACE, 86)";
    EXPECT_EQ(c.pictureColumn, Rgb(219, 216, 209)) << "L(COLOR_BTNFACE, 16)";
    EXPECT_EQ(c.highlightFill, Rgb(177, 185, 207)) << "L(COLOR_HIGHLIGHT, 68)";
    EXPECT_EQ(c.highlightFrame, 0x6A240Au);
    EXPECT_EQ(c.highlightText, 0x000000u);
    EXPECT_EQ(c.menuBar, 0xC8D0D4u);
    // L(RGB(128, 128, 128), 10): 127 * .1 = 12.7 -> 13; 25 %: 31.75 -> 32.
    EXPECT_EQ(c.disabledText, Rgb(141, 141, 141));
    EXPECT_EQ(c.separator, Rgb(160, 160, 160));
    EXPECT_EQ(c.checkFrame, 0x6A240Au);
    // L(COLOR_HIGHLIGHT, 80): 10 + 196 = 206, 36 + Round(175.2) = 211, 106 + Round(119.2) = 225.
    EXPECT_EQ(c.checkArea, Rgb(206, 211, 225));
    EXPECT_EQ(c.checkAreaHighlighted, Rgb(132, 146, 180));
    EXPECT_EQ(c.menuFrame, Rgb(122, 120, 110));
    EXPECT_EQ(c.menuShadow, Rgb(136, 134, 124));
}

TEST(DerivedColours, SystemColoursOnALowColourDevice) {
    FakeColorDevice device(4);
    const DerivedColors c = DeriveColors(Skinned(0), device);
    EXPECT_EQ(c.itemBack, kWhite);
    EXPECT_EQ(c.pictureColumn, 0xC8D0D4u);
    EXPECT_EQ(c.highlightFill, kWhite);
    EXPECT_EQ(c.highlightFrame, 0x6A240Au);
    EXPECT_EQ(c.disabledText, 0x808080u);
    EXPECT_EQ(c.separator, 0x808080u);
    EXPECT_EQ(c.checkFrame, 0x6A240Au);
    EXPECT_EQ(c.checkArea, kWhite);
    EXPECT_EQ(c.checkAreaHighlighted, kWhite);
    EXPECT_EQ(c.menuFrame, 0x808080u);
    EXPECT_EQ(c.menuShadow, 0x808080u);
}

TEST(DerivedColours, FollowTheSystemColoursAsTheyAreNow) {
    FakeColorDevice device;
    MenuPainterProperties p = Skinned(2);
    EXPECT_EQ(DeriveColors(p, device).pictureColumn, testing::kDesktopRgb);
    device.SetSystemColor(1, 0x112233);
    EXPECT_EQ(DeriveColors(p, device).pictureColumn, 0x112233u) << "the desktop colour changed";
}

TEST(DerivedColours, SystemColoursResetTheFontAtEveryDrawing) {
    MenuPainterProperties p = DesignedMenuPainter();
    ASSERT_TRUE(p.useSystemColors);
    ASSERT_FALSE(p.font.systemMenuFont);
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    PlanMenuItem(p, device, measurer, Item(L"x"), {0, 0, 100, 38}, false, false);
    EXPECT_TRUE(p.font.systemMenuFont);
    EXPECT_EQ(p.font.color, kClMenuText);

    MenuPainterProperties own = Skinned(3);
    own.font.color = 0x0000FF;
    PlanMenuItem(own, device, measurer, Item(L"x"), {0, 0, 100, 38}, false, false);
    EXPECT_EQ(own.font.name, L"宋体") << "kept with UseSystemColors off";
    EXPECT_EQ(own.font.color, 0x0000FFu);
}

TEST(MenuItemMeasure, SeparatorsAreFourHigh) {
    FakeTextMeasurer measurer;
    const ItemSize size = MeasureMenuItem(Skinned(1), measurer, Item(L"-", false), {0, 0});
    EXPECT_EQ(size.height, 4);
    EXPECT_EQ(size.width, 5) << "no text, IconWidth 0";
    EXPECT_EQ(MeasureMenuItem(Skinned(0), measurer, Item(L"-", false), {0, 0}).width, 5 + 33);
}

TEST(MenuItemMeasure, PicturesRaiseTheHeightAndTheWidthGrowsByThePictureOrTheColumn) {
    FakeTextMeasurer measurer;  // 6 pixels a character, 13 high
    // "21.圆形": 5 characters, 30 wide; 30 + 5 + 32. Height 13 + Round(9.75) = 23, raised to 32
    // + 6.
    EXPECT_EQ(MeasureMenuItem(Skinned(1), measurer, Item(L"21.圆形"), {0, 0}), (ItemSize{67, 38}));
    // Skin 0: the picture is raised to the column's 33.
    EXPECT_EQ(MeasureMenuItem(Skinned(0), measurer, Item(L"21.圆形"), {0, 0}), (ItemSize{68, 38}));
    // No picture: the column alone, and the text's own height.
    MenuPainterProperties p;
    EXPECT_EQ(MeasureMenuItem(p, measurer, Item(L"abcd", false), {0, 0}),
              (ItemSize{24 + 5 + 24, 23}));
    // A 16 × 16 picture in a 24-pixel column: 22 does not beat 23.
    MenuItemLook small = Item(L"abcd");
    small.pictureWidth = 16;
    small.pictureHeight = 16;
    EXPECT_EQ(MeasureMenuItem(p, measurer, small, {0, 0}), (ItemSize{53, 23}));
}

TEST(MenuItemMeasure, TextHeightTimesThreeQuartersRoundsHalvesToEven) {
    MenuPainterProperties p;
    FakeTextMeasurer fourteen(14);  // 14 + Round(10.5) = 14 + 10
    EXPECT_EQ(MeasureMenuItem(p, fourteen, Item(L"a", false), {0, 0}).height, 24);
    FakeTextMeasurer eighteen(18);  // 18 + Round(13.5) = 18 + 14
    EXPECT_EQ(MeasureMenuItem(p, eighteen, Item(L"a", false), {0, 0}).height, 32);
}

TEST(MenuItemMeasure, AmpersandShortcutsMenuBarAndProposedSize) {
    MenuPainterProperties p;
    p.iconWidth = 0;
    FakeTextMeasurer measurer;
    // "&Open": 4 + 24 = 28, + 5, less the "&" (4).
    EXPECT_EQ(MeasureMenuItem(p, measurer, Item(L"&Open", false), {0, 0}).width, 29);
    MenuItemLook withShortcut = Item(L"Open", false);
    withShortcut.shortcut = L"Ctrl+O";
    // "OpenCtrl+OWWW": 10 characters of 6 and three W of 10.
    EXPECT_EQ(MeasureMenuItem(p, measurer, withShortcut, {0, 0}).width, 60 + 30 + 5);
    EXPECT_EQ(MeasureMenuItem(p, measurer, Item(L"Open", false), {0, 0}, true).width, 24 + 5 + 8);
    // Never lowered.
    EXPECT_EQ(MeasureMenuItem(p, measurer, Item(L"Open", false), {200, 50}), (ItemSize{200, 50}));
    EXPECT_EQ(MeasureMenuItem(p, measurer, Item(L"-", false), {0, 9}).height, 9);
}

TEST(MenuItemDrawing, ColumnlessSkinsPutThePictureTwoPixelsInAndTheTextBehindIt) {
    MenuPainterProperties p = Skinned(1);
    p.gradient = false;
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    const ItemPlan plan =
        PlanMenuItem(p, device, measurer, Item(L"21.圆形"), {0, 10, 150, 48}, false, true);
    EXPECT_EQ(plan.rect, (Rect{0, 10, 150, 49})) << "one pixel taller";
    EXPECT_EQ(plan.caption, L" 21.圆形");
    EXPECT_TRUE(plan.pictureColumn.Empty());
    EXPECT_EQ(plan.textRect.left, 36) << "picture width + 4";
    const PictureOp picture = OnlyOp<PictureOp>(plan.ops);
    EXPECT_EQ(picture.at, (Point{2, 13})) << "2 from the left, 3 below the top";
    EXPECT_EQ(picture.look, PictureLook::kDimmed);
    EXPECT_EQ(picture.level, 30);
    const TextOp text = OnlyOp<TextOp>(plan.ops);
    EXPECT_EQ(text.rect.left, 39) << "36 + 3";
    // (39 - 13) div 2 below the top.
    EXPECT_EQ(text.rect.top, 10 + 13);
    EXPECT_EQ(text.text, L" 21.圆形");
    EXPECT_EQ(text.color, 0x000000u);
    EXPECT_FALSE(text.alignRight);
    const std::vector<FillOp> fills = OpsOf<FillOp>(plan.ops);
    ASSERT_EQ(fills.size(), 1u) << "no column to fill";
    EXPECT_EQ(fills[0].rect, plan.rect);
    EXPECT_EQ(fills[0].color, 0xC8D0D4u);
    EXPECT_TRUE(plan.flatFrame);
}

TEST(MenuItemDrawing, ThirtyThreePixelColumnStartsTheirPictureOnePixelBeforeIt) {
    MenuPainterProperties p = Skinned(0);
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    const ItemPlan plan =
        PlanMenuItem(p, device, measurer, Item(L"a"), {20, 0, 150, 38}, false, true);
    EXPECT_EQ(plan.pictureColumn, (Rect{20, 0, 53, 39}));
    // (33 - 32) div 2 - 1 = -1.
    EXPECT_EQ(OnlyOp<PictureOp>(plan.ops).at, (Point{19, 3}));
    EXPECT_EQ(plan.textRect.left, 53) << "the picture fits in the column";
    EXPECT_EQ(OnlyOp<TextOp>(plan.ops).rect.left, 56);
    const std::vector<FillOp> fills = OpsOf<FillOp>(plan.ops);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].color, Rgb(249, 248, 247)) << "item background";
    EXPECT_EQ(fills[1].rect, plan.pictureColumn);
    EXPECT_EQ(fills[1].color, Rgb(219, 216, 209)) << "picture column";
    EXPECT_FALSE(plan.flatFrame) << "skin 0 has no flat menu";
    // The check area with a picture: 1, 2, 3 and 2 pixels inside the column.
    EXPECT_EQ(plan.checkArea, (Rect{21, 2, 50, 37}));
}

TEST(MenuItemDrawing, NarrowPicturesAreCentredInTheColumn) {
    MenuPainterProperties p;  // 24-pixel column
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuItemLook item = Item(L"a");
    item.pictureWidth = 16;
    item.pictureHeight = 16;
    const ItemPlan plan = PlanMenuItem(p, device, measurer, item, {0, 0, 100, 23}, false, false);
    EXPECT_EQ(OnlyOp<PictureOp>(plan.ops).at, (Point{3, 3})) << "(24 - 16) div 2 - 1";
    // A picture wider than the column widens the check area.
    item.pictureWidth = 40;
    const ItemPlan wide = PlanMenuItem(p, device, measurer, item, {0, 0, 100, 23}, false, false);
    EXPECT_EQ(wide.checkArea, (Rect{1, 2, 37, 22}));
    EXPECT_EQ(wide.textRect.left, 44);
    EXPECT_EQ(OnlyOp<PictureOp>(wide.ops).at, (Point{2, 3}));
    // Without a picture, a 10 × 10 square in the middle of the column.
    const ItemPlan none =
        PlanMenuItem(p, device, measurer, Item(L"a", false), {0, 0, 100, 23}, false, false);
    EXPECT_EQ(none.checkArea, (Rect{7, 7, 17, 17}));
    EXPECT_EQ(none.textRect.left, 24);
}

TEST(MenuItemDrawing, SelectionRaisesThePictureAndShadowsItAndFramesTheItem) {
    MenuPainterProperties p = Skinned(2);
    p.gradient = false;
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    const ItemPlan plan =
        PlanMenuItem(p, device, measurer, Item(L"a"), {0, 0, 150, 38}, true, true);
    // L(RGB(166, 202, 240), 68): 166 + Round(60.52) = 227, 202 + Round(36.04) = 238, 240 +
    // Round(10.2) = 250.
    EXPECT_EQ(plan.colors.highlightFill, Rgb(227, 238, 250));
    const std::vector<FillOp> fills = OpsOf<FillOp>(plan.ops);
    ASSERT_EQ(fills.size(), 2u);
    // 1 off the top and the bottom, and 1 off the right with a flat menu.
    EXPECT_EQ(fills[1].rect, (Rect{0, 1, 149, 38}));
    EXPECT_EQ(fills[1].color, Rgb(227, 238, 250));
    const FrameOp frame = OnlyOp<FrameOp>(plan.ops);
    EXPECT_EQ(frame.rect, fills[1].rect);
    EXPECT_EQ(frame.color, 0x6A240Au);
    const PictureOp picture = OnlyOp<PictureOp>(plan.ops);
    EXPECT_EQ(picture.at, (Point{1, 2})) << "one up and to the left of (2, 3)";
    EXPECT_EQ(picture.look, PictureLook::kPlain);
    const ShadowOp shadow = OnlyOp<ShadowOp>(plan.ops);
    EXPECT_EQ(shadow.at, (Point{3, 4})) << "two below and to the right";
    // D(RGB(227, 238, 250), 50).
    EXPECT_EQ(shadow.color, Rgb(177, 190, 200));
    // The shadow goes first, the picture over it; the highlight before both.
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < plan.ops.size(); ++i) {
        if (std::holds_alternative<FrameOp>(plan.ops[i]) ||
            std::holds_alternative<ShadowOp>(plan.ops[i]) ||
            std::holds_alternative<PictureOp>(plan.ops[i])) {
            order.push_back(plan.ops[i].index());
        }
    }
    EXPECT_EQ(order,
              (std::vector<std::size_t>{DrawOp(FrameOp{}).index(), DrawOp(ShadowOp{}).index(),
                                        DrawOp(PictureOp{}).index()}));
    EXPECT_EQ(OnlyOp<TextOp>(plan.ops).color, 0x000000u) << "SelectFontColor";

    // Without a flat menu the highlight keeps the full width.
    p.flatMenu = false;
    const ItemPlan full =
        PlanMenuItem(p, device, measurer, Item(L"a"), {0, 0, 150, 38}, true, true);
    EXPECT_EQ(OnlyOp<FrameOp>(full.ops).rect, (Rect{0, 1, 150, 38}));
    EXPECT_FALSE(full.flatFrame);
    // Nor is there a highlight without DrawSelect.
    p.drawSelect = false;
    EXPECT_TRUE(OpsOf<FrameOp>(
                    PlanMenuItem(p, device, measurer, Item(L"a"), {0, 0, 150, 38}, true, true).ops)
                    .empty());
}

TEST(MenuItemDrawing, PicturesOfDisabledCheckedAndLowColourItems) {
    MenuPainterProperties p = Skinned(3);
    p.gradient = false;
    FakeTextMeasurer measurer;
    FakeColorDevice device;
    MenuItemLook disabled = Item(L"a");
    disabled.enabled = false;
    const ItemPlan grey = PlanMenuItem(p, device, measurer, disabled, {0, 0, 150, 38}, true, false);
    EXPECT_EQ(OnlyOp<PictureOp>(grey.ops).look, PictureLook::kGrey);
    EXPECT_EQ(OnlyOp<PictureOp>(grey.ops).level, 10);
    EXPECT_EQ(OnlyOp<PictureOp>(grey.ops).at, (Point{2, 3})) << "a disabled picture does not rise";
    EXPECT_TRUE(OpsOf<ShadowOp>(grey.ops).empty());
    EXPECT_TRUE(OpsOf<FrameOp>(grey.ops).empty()) << "no highlight on a disabled item";
    EXPECT_EQ(OnlyOp<TextOp>(grey.ops).color, 0x000000u) << "selected comes first";
    const ItemPlan greyIdle =
        PlanMenuItem(p, device, measurer, disabled, {0, 0, 150, 38}, false, false);
    EXPECT_EQ(OnlyOp<TextOp>(greyIdle.ops).color, 0x808080u) << "the disabled colour";

    MenuItemLook checked = Item(L"a");
    checked.checked = true;
    const ItemPlan plain = PlanMenuItem(p, device, measurer, checked, {0, 0, 150, 38}, true, false);
    EXPECT_EQ(OnlyOp<PictureOp>(plain.ops).look, PictureLook::kPlain);
    EXPECT_EQ(OnlyOp<PictureOp>(plain.ops).at, (Point{2, 3}));
    const RectangleOp box = OnlyOp<RectangleOp>(plain.ops);
    EXPECT_EQ(box.rect, plain.checkArea);
    EXPECT_EQ(box.pen, 0x6A240Au);
    EXPECT_EQ(box.fill, plain.colors.checkAreaHighlighted);

    FakeColorDevice low(8);
    const ItemPlan undimmed =
        PlanMenuItem(p, low, measurer, Item(L"a"), {0, 0, 150, 38}, false, false);
    EXPECT_EQ(OnlyOp<PictureOp>(undimmed.ops).look, PictureLook::kPlain);
}

TEST(MenuItemDrawing, CheckMarksWithoutPictures) {
    MenuPainterProperties p;
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuItemLook radio = Item(L"a", false);
    radio.checked = true;
    radio.radio = true;
    const ItemPlan circle = PlanMenuItem(p, device, measurer, radio, {0, 0, 100, 22}, false, false);
    EXPECT_EQ(OnlyOp<EllipseOp>(circle.ops).rect, (Rect{7, 6, 17, 16}));
    MenuItemLook tick = Item(L"a", false);
    tick.checked = true;
    tick.enabled = false;
    const ItemPlan ticked = PlanMenuItem(p, device, measurer, tick, {0, 0, 100, 22}, false, false);
    EXPECT_EQ(OnlyOp<RectangleOp>(ticked.ops).pen, ticked.colors.disabledText);
    const std::vector<LineOp> lines = OpsOf<LineOp>(ticked.ops);
    ASSERT_EQ(lines.size(), 5u) << "a tick of five short lines";
    for (const LineOp& line : lines) {
        EXPECT_EQ(line.color, ticked.colors.disabledText);
    }
    MenuItemLook radioPicture = Item(L"a");
    radioPicture.checked = true;
    radioPicture.radio = true;
    const RoundRectOp rounded = OnlyOp<RoundRectOp>(
        PlanMenuItem(p, device, measurer, radioPicture, {0, 0, 100, 38}, false, false).ops);
    EXPECT_EQ(rounded.cornerWidth, 6);
    EXPECT_EQ(rounded.cornerHeight, 6);
}

TEST(MenuItemDrawing, SeparatorsAreOneLineSevenPixelsIntoTheTextArea) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = Skinned(1);
    const ItemPlan plan =
        PlanMenuItem(p, device, measurer, Item(L"-", false), {0, 40, 150, 44}, false, false);
    const LineOp line = OnlyOp<LineOp>(plan.ops);
    // Height 5 after the extra pixel: Round(2.5) = 2.
    EXPECT_EQ(line.from, (Point{7, 42}));
    EXPECT_EQ(line.to, (Point{150, 42}));
    EXPECT_EQ(line.color, 0xC8D0D4u);
    EXPECT_TRUE(OpsOf<TextOp>(plan.ops).empty());
    EXPECT_TRUE(OpsOf<PictureOp>(plan.ops).empty());

    const ItemPlan columned = PlanMenuItem(p = Skinned(0), device, measurer, Item(L"-", false),
                                           {0, 0, 150, 4}, false, false);
    EXPECT_EQ(OnlyOp<LineOp>(columned.ops).from, (Point{33 + 7, 2}));
    EXPECT_EQ(OnlyOp<LineOp>(columned.ops).color, Rgb(160, 160, 160)) << "L(COLOR_BTNSHADOW, 25)";

    MenuItemLook mirrored = Item(L"-", false);
    mirrored.rightToLeft = true;
    const ItemPlan rtl =
        PlanMenuItem(p = Skinned(0), device, measurer, mirrored, {0, 0, 150, 4}, false, false);
    EXPECT_EQ(OnlyOp<LineOp>(rtl.ops).from, (Point{0, 2}));
    EXPECT_EQ(OnlyOp<LineOp>(rtl.ops).to, (Point{150 - 33 - 7, 2}));
}

TEST(MenuItemDrawing, GradientRunsFromThePictureColumnColourToNearlyWhite) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = Skinned(1);  // RGB(0, 102, 0), no column
    const ItemPlan plan =
        PlanMenuItem(p, device, measurer, Item(L"a"), {10, 0, 160, 38}, false, true);
    std::vector<FillOp> fills = OpsOf<FillOp>(plan.ops);
    ASSERT_EQ(fills.size(), 152u) << "one per pixel column, two past the right edge";
    EXPECT_EQ(fills.front().rect, (Rect{10, 0, 11, 39}));
    EXPECT_EQ(fills.back().rect, (Rect{161, 0, 162, 39}));
    EXPECT_EQ(fills[0].color, Rgb(3, 104, 3)) << "k = 1";
    // k = 4: 255 * .04 = 10.2 -> 10; 102 + Round(153 * .04 = 6.12) = 108.
    EXPECT_EQ(fills[1].color, Rgb(10, 108, 10));
    // k = 13 at the fifth column, then one a column: 96 at the 88th.
    EXPECT_EQ(fills[4].color, Lighten(device, Rgb(0, 102, 0), 13));
    EXPECT_EQ(fills[5].color, Lighten(device, Rgb(0, 102, 0), 14));
    EXPECT_NE(fills[86].color, fills[87].color);
    // k = 96: 255 * .96 = 244.8 -> 245; 102 + Round(146.88) = 249.
    EXPECT_EQ(fills[87].color, Rgb(245, 249, 245));
    EXPECT_EQ(fills.back().color, Rgb(245, 249, 245));

    // In a 24-pixel column k climbs by 3 up to the 28th column.
    const std::vector<ColorRef> ramp = GradientColumns(device, Rgb(0, 102, 0), 24, 60);
    EXPECT_EQ(ramp[28], Lighten(device, Rgb(0, 102, 0), 85));
    EXPECT_EQ(ramp[29], Lighten(device, Rgb(0, 102, 0), 86));
    EXPECT_EQ(ramp[39], Lighten(device, Rgb(0, 102, 0), 96));
    EXPECT_EQ(ramp[59], Lighten(device, Rgb(0, 102, 0), 96));

    // No gradient on a low-colour device.
    FakeColorDevice low(8);
    EXPECT_EQ(
        OpsOf<FillOp>(PlanMenuItem(p, low, measurer, Item(L"a"), {10, 0, 160, 38}, false, true).ops)
            .size(),
        1u);
}

TEST(MenuItemDrawing, RightToLeftItemsMirror) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = Skinned(0);
    MenuItemLook item = Item(L"a");
    item.rightToLeft = true;
    const ItemPlan plan = PlanMenuItem(p, device, measurer, item, {0, 0, 150, 38}, false, false);
    EXPECT_EQ(plan.pictureColumn, (Rect{117, 0, 150, 39}));
    EXPECT_EQ(OnlyOp<PictureOp>(plan.ops).at, (Point{150 - 32 - 2, 3}));
    EXPECT_EQ(plan.textRect, (Rect{0, 0, 117, 39}));
    const TextOp text = OnlyOp<TextOp>(plan.ops);
    EXPECT_EQ(text.rect.right, 114);
    EXPECT_TRUE(text.alignRight);
    EXPECT_TRUE(text.rtlReading);
    // Without a column, the text ends picture width + 8 before the edge.
    p = Skinned(4);
    p.gradient = false;
    EXPECT_EQ(PlanMenuItem(p, device, measurer, item, {0, 0, 150, 38}, false, false).textRect.right,
              150 - 40);
    // The gradient starts at the right.
    p.gradient = true;
    const std::vector<FillOp> fills =
        OpsOf<FillOp>(PlanMenuItem(p, device, measurer, item, {0, 0, 150, 38}, false, false).ops);
    EXPECT_EQ(fills.front().rect.left, 149);
    EXPECT_EQ(fills.back().rect.left, -2);
}

TEST(MenuItemDrawing, DefaultItemsGetAReliefAndShortcutsStandRightAligned) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = Skinned(2);
    MenuItemLook item = Item(L"a");
    item.isDefault = true;
    item.shortcut = L"F1";
    const ItemPlan plan = PlanMenuItem(p, device, measurer, item, {0, 0, 150, 38}, false, false);
    const std::vector<TextOp> texts = OpsOf<TextOp>(plan.ops);
    ASSERT_EQ(texts.size(), 6u) << "four relief passes, the caption, the shortcut";
    std::vector<int> darkening;
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(texts[static_cast<std::size_t>(i)].darkenBackgroundBy.has_value());
        darkening.push_back(*texts[static_cast<std::size_t>(i)].darkenBackgroundBy);
        EXPECT_EQ(std::abs(texts[static_cast<std::size_t>(i)].rect.left - texts[4].rect.left), 1);
        EXPECT_EQ(std::abs(texts[static_cast<std::size_t>(i)].rect.top - texts[4].rect.top), 1);
    }
    EXPECT_EQ(darkening, (std::vector<int>{30, 30, 40, 60}));
    EXPECT_FALSE(texts[4].darkenBackgroundBy.has_value());
    EXPECT_EQ(texts[5].text, L"F1 ");
    EXPECT_TRUE(texts[5].alignRight);
    EXPECT_EQ(texts[5].rect.right, 140) << "10 pixels before the right edge";
    EXPECT_EQ(texts[5].color, Rgb(40, 42, 40)) << "D(black, -40)";
    FakeColorDevice low(8);
    EXPECT_EQ(
        OpsOf<TextOp>(PlanMenuItem(p, low, measurer, item, {0, 0, 150, 38}, false, false).ops)[5]
            .color,
        0x000000u);
    item.enabled = false;
    EXPECT_EQ(
        OpsOf<TextOp>(PlanMenuItem(p, device, measurer, item, {0, 0, 150, 38}, false, false).ops)
            .size(),
        2u)
        << "no relief on a disabled default item";
}

std::map<std::pair<int, int>, ColorRef> PaintedBy(const std::vector<DrawOp>& ops) {
    std::map<std::pair<int, int>, ColorRef> painted;
    for (const FillOp& fill : OpsOf<FillOp>(ops)) {
        for (int y = fill.rect.top; y < fill.rect.bottom; ++y) {
            for (int x = fill.rect.left; x < fill.rect.right; ++x) {
                painted[{x, y}] = fill.color;
            }
        }
    }
    return painted;
}

TEST(FlatFrame, OneFrameTwoPixelsOfShadowAndFaceColouredCorners) {
    FakeColorDevice device;
    MenuPainterProperties p = Skinned(1);
    p.gradient = false;
    const DerivedColors colors = DeriveColors(p, device);
    const Rect window{100, 200, 300, 400};
    // The items leave a ring of two pixels inside the frame on the left and
    // the top, three below and on the right.
    const Rect items{103, 203, 294, 394};
    const std::vector<DrawOp> ops = PlanFlatFrame(p, colors, device, window, items, false);
    const FrameOp frame = OnlyOp<FrameOp>(ops);
    EXPECT_EQ(frame.rect, (Rect{100, 200, 298, 398}));
    EXPECT_EQ(frame.color, Rgb(122, 120, 110));
    const auto painted = PaintedBy(ops);
    const ColorRef shadow = Rgb(136, 134, 124);
    EXPECT_EQ(painted.at({298, 202}), shadow);
    EXPECT_EQ(painted.at({299, 399}), shadow);
    EXPECT_EQ(painted.at({102, 398}), shadow);
    EXPECT_EQ(painted.at({200, 399}), shadow);
    EXPECT_EQ(painted.at({298, 200}), 0xC8D0D4u) << "outer corner";
    EXPECT_EQ(painted.at({299, 201}), 0xC8D0D4u);
    EXPECT_EQ(painted.at({100, 398}), 0xC8D0D4u);
    EXPECT_EQ(painted.at({101, 399}), 0xC8D0D4u);
    // The inner edge: the picture column colour beside the items, the item
    // background above, below and right of them.
    EXPECT_EQ(painted.at({101, 300}), 0x006600u);
    EXPECT_EQ(painted.at({102, 201}), 0x006600u);
    EXPECT_EQ(painted.at({150, 201}), 0xC8D0D4u);
    EXPECT_EQ(painted.at({150, 202}), 0xC8D0D4u);
    EXPECT_EQ(painted.at({150, 396}), 0xC8D0D4u);
    EXPECT_EQ(painted.at({296, 300}), 0xC8D0D4u);
    EXPECT_EQ(painted.count({150, 203}), 0u) << "the items themselves are left alone";
    EXPECT_EQ(painted.count({293, 393}), 0u);
    EXPECT_EQ(painted.count({100, 300}), 0u) << "the frame is a frame";
    EXPECT_EQ(painted.count({297, 300}), 0u);

    // With a gradient the ring continues the items' columns.
    p.gradient = true;
    const auto graded = PaintedBy(PlanFlatFrame(p, colors, device, window, items, false));
    EXPECT_EQ(graded.at({103, 201}), Rgb(3, 104, 3)) << "the gradient's first column";
    EXPECT_EQ(graded.at({104, 396}), Rgb(10, 108, 10));
    EXPECT_EQ(graded.at({101, 300}), 0x006600u);
    EXPECT_EQ(graded.at({296, 300}), Rgb(245, 249, 245));

    // Mirrored, the picture column lies on the right.
    p.gradient = false;
    p.iconWidth = 10;
    const auto mirrored = PaintedBy(PlanFlatFrame(p, colors, device, window, items, true));
    EXPECT_EQ(mirrored.at({296, 300}), 0x006600u);
    EXPECT_EQ(mirrored.at({290, 201}), 0x006600u);
    EXPECT_EQ(mirrored.at({101, 300}), 0xC8D0D4u);
}

TEST(MenuPictures, DimGreyTransparencyAndShadow) {
    FakeColorDevice device;
    // Black dimmed by 30: 76.5 -> 76.
    PixelImage picture(2, 2, kBlack);
    picture.Set(1, 0, Rgb(30, 60, 90));
    const PixelImage dimmed = TransformPicture(device, picture, PictureLook::kDimmed, 30);
    EXPECT_EQ(dimmed.At(0, 0), Rgb(76, 76, 76));
    // RGB(30, 60, 90) grey: mean 60 + 10 = 70, lightened by 40: 70 + 74 = 144.
    const PixelImage grey = TransformPicture(device, picture, PictureLook::kGrey, 10);
    EXPECT_EQ(grey.At(1, 0), Rgb(144, 144, 144));
    // Grey stops at 240 before lightening: 240 + Round(6) = 246.
    EXPECT_EQ(GreyPixel(device, Rgb(250, 250, 250), 10), Rgb(246, 246, 246));
    // The mean truncates: (1 + 1 + 2) div 3 = 1; + 0; 1 + Round(101.6) = 103.
    EXPECT_EQ(GreyPixel(device, Rgb(1, 1, 2), 0), Rgb(103, 103, 103));
    EXPECT_EQ(TransformPicture(device, picture, PictureLook::kPlain, 30).pixels, picture.pixels);

    // A picture whose bottom-left pixel (magenta) is its transparent colour.
    const ColorRef key = Rgb(255, 0, 255);
    PixelImage glyph(3, 2, key);
    glyph.Set(1, 0, Rgb(1, 2, 3));
    glyph.Set(2, 1, Rgb(4, 5, 6));
    PixelImage canvas(5, 4, kWhite);
    PaintShadow(canvas, glyph, {2, 2}, Rgb(9, 9, 9));
    PaintPicture(canvas, glyph, {0, 0});
    EXPECT_EQ(canvas.At(0, 0), kWhite) << "transparent";
    EXPECT_EQ(canvas.At(1, 0), Rgb(1, 2, 3));
    EXPECT_EQ(canvas.At(2, 1), Rgb(4, 5, 6));
    EXPECT_EQ(canvas.At(3, 2), Rgb(9, 9, 9)) << "shadow of (1, 0)";
    EXPECT_EQ(canvas.At(4, 3), Rgb(9, 9, 9)) << "shadow of (2, 1)";
    EXPECT_EQ(canvas.At(2, 2), kWhite);
    // Clipped to the canvas.
    PaintPicture(canvas, glyph, {-1, 3});
    EXPECT_EQ(canvas.At(0, 3), Rgb(1, 2, 3));
}

// Menus as nested vectors.
class FakeMenuTree : public MenuTree {
  public:
    struct Entry {
        std::int32_t tag = 0;
        ItemHandlers handlers = ItemHandlers::kNone;
        MenuId sub = 0;
    };
    MenuId Add(std::vector<Entry> entries) {
        menus_.push_back(std::move(entries));
        return menus_.size();
    }
    std::vector<Entry>& Menu(MenuId id) { return menus_[id - 1]; }
    int ItemCount(MenuId menu) override { return static_cast<int>(Menu(menu).size()); }
    MenuId SubMenu(MenuId menu, int index) override {
        return Menu(menu)[static_cast<std::size_t>(index)].sub;
    }
    std::int32_t Tag(MenuId menu, int index) override {
        return Menu(menu)[static_cast<std::size_t>(index)].tag;
    }
    ItemHandlers Handlers(MenuId menu, int index) override {
        return Menu(menu)[static_cast<std::size_t>(index)].handlers;
    }
    void SetHandlers(MenuId menu, int index, ItemHandlers handlers) override {
        Menu(menu)[static_cast<std::size_t>(index)].handlers = handlers;
    }

  private:
    std::vector<std::vector<Entry>> menus_;
};

TEST(MenuTakeOver, EveryDepthExceptTag999AndOthersHandlers) {
    FakeMenuTree tree;
    const auto deep = tree.Add({{1}, {2}});
    const auto sub = tree.Add({{3, ItemHandlers::kNone, deep}, {4, ItemHandlers::kOther}});
    const auto root = tree.Add({{0, ItemHandlers::kNone, 0}, {999, ItemHandlers::kNone, sub}, {5}});
    TakeOverMenu(tree, root, false);
    EXPECT_EQ(tree.Menu(root)[0].handlers, ItemHandlers::kPainter);
    EXPECT_EQ(tree.Menu(root)[1].handlers, ItemHandlers::kNone)
        << "Tag 999 keeps the platform's look";
    EXPECT_EQ(tree.Menu(sub)[0].handlers, ItemHandlers::kPainter)
        << "its sub-items are still visited";
    EXPECT_EQ(tree.Menu(sub)[1].handlers, ItemHandlers::kOther);
    EXPECT_EQ(tree.Menu(deep)[1].handlers, ItemHandlers::kPainter);

    TakeOverMenu(tree, root, true);
    EXPECT_EQ(tree.Menu(sub)[1].handlers, ItemHandlers::kPainter) << "OverrideOwnerDraw";
    EXPECT_EQ(tree.Menu(root)[1].handlers, ItemHandlers::kNone);

    tree.Menu(deep)[0].handlers = ItemHandlers::kOther;
    GiveUpMenu(tree, root);
    for (auto id : {root, sub}) {
        for (const auto& entry : tree.Menu(id)) {
            EXPECT_EQ(entry.handlers, ItemHandlers::kNone);
        }
    }
    EXPECT_EQ(tree.Menu(deep)[0].handlers, ItemHandlers::kOther) << "not the painter's own";
}

}  // namespace
}  // namespace tavrel
