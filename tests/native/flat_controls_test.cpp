#include "styling/flat_controls.h"

#include <gtest/gtest.h>

#include "support/draw_ops.h"
#include "support/fake_color_device.h"
#include "tweaks/skins.h"

namespace tavrel {
namespace {

using testing::FakeColorDevice;
using testing::FakeTextMeasurer;
using testing::OpsOf;

TEST(FlatControlState, PointerFocusAndCheckQueriesMoveHot) {
    FlatControlState state;
    EXPECT_TRUE(state.Handle(FlatEvent::kMouseEnter, true));
    EXPECT_TRUE(state.hot());
    EXPECT_TRUE(state.Handle(FlatEvent::kMouseLeave, true));
    EXPECT_FALSE(state.hot());
    // Entering and leaving count only while the control is enabled.
    state.Handle(FlatEvent::kMouseEnter, false);
    EXPECT_FALSE(state.hot());
    state.Handle(FlatEvent::kMouseEnter, true);
    state.Handle(FlatEvent::kMouseLeave, false);
    EXPECT_TRUE(state.hot()) << "a disabled control does not leave";
    state.Handle(FlatEvent::kGetCheck, true);
    EXPECT_FALSE(state.hot()) << "BM_GETCHECK clears hot";
    state.Handle(FlatEvent::kFocusGained, false);
    EXPECT_TRUE(state.hot()) << "gaining the focus sets it";
    state.Handle(FlatEvent::kSetCheck, true);
    EXPECT_FALSE(state.hot()) << "BM_SETCHECK clears hot";
    state.Handle(FlatEvent::kFocusGained, true);
    state.Handle(FlatEvent::kFocusLost, true);
    EXPECT_FALSE(state.hot());
}

TEST(FlatControlState, MouseAndSpacePresses) {
    FlatControlState state;
    state.Handle(FlatEvent::kMouseEnter, true);
    state.Handle(FlatEvent::kLeftDown, true);
    EXPECT_TRUE(state.pressedByMouse());
    EXPECT_TRUE(state.ShowsPressed());
    state.Handle(FlatEvent::kMouseLeave, true);
    EXPECT_FALSE(state.ShowsPressed()) << "dragged off: pressed, but not while away";
    state.Handle(FlatEvent::kMouseEnter, true);
    state.Handle(FlatEvent::kLeftUp, true);
    EXPECT_FALSE(state.ShowsPressed());
    // A double click is one more press.
    state.Handle(FlatEvent::kLeftDoubleClick, true);
    EXPECT_TRUE(state.pressedByMouse());
    state.Handle(FlatEvent::kLeftUp, true);

    FlatControlState key;
    EXPECT_TRUE(key.Handle(FlatEvent::kSpaceDown, true));
    EXPECT_TRUE(key.pressedByKey());
    EXPECT_TRUE(key.ShowsPressed()) << "without the pointer over it";
    EXPECT_FALSE(key.Handle(FlatEvent::kSpaceDown, true)) << "the key's repeat redraws nothing";
    EXPECT_TRUE(key.Handle(FlatEvent::kSpaceUp, true));
    EXPECT_FALSE(key.ShowsPressed());
    EXPECT_TRUE(key.Handle(FlatEvent::kPaint, true));
    EXPECT_TRUE(key.Handle(FlatEvent::kSetState, true));
    EXPECT_TRUE(key.Handle(FlatEvent::kChanged, true));
}

// A control window button: 55 × 55, a 32 × 32 picture above a caption.
BitmapButtonLook ControlButton(const wchar_t* caption = L"全部效果") {
    BitmapButtonLook button;
    button.width = 55;
    button.height = 55;
    button.caption = caption;
    button.hasGlyph = true;
    button.glyphWidth = 32;
    button.glyphHeight = 32;
    button.layout = GlyphLayout::kTop;
    button.parentBackground = 0x006600;
    return button;
}

TEST(BitmapButtonLayout, TheFourPicturePositions) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;  // "abcd": 24 × 13
    const MenuPainterProperties p = DesignedMenuPainter();
    const FlatControlState idle;
    BitmapButtonLook button = ControlButton(L"abcd");
    button.width = 100;
    button.height = 60;

    button.layout = GlyphLayout::kLeft;
    ButtonPlan plan = PlanBitmapButton(p, device, measurer, button, idle, false);
    // (100 - 32 - 4 - 24) div 2 = 20, (60 - 32) div 2 = 14.
    EXPECT_EQ(plan.glyphAt, (Point{20, 14}));
    EXPECT_EQ(plan.textRect.left, 56);
    EXPECT_EQ(plan.textRect.right, 80);

    button.layout = GlyphLayout::kRight;
    plan = PlanBitmapButton(p, device, measurer, button, idle, false);
    // Right edge at (32 + 4 + 24 + 100) div 2 = 80.
    EXPECT_EQ(plan.glyphAt, (Point{48, 14}));
    EXPECT_EQ(plan.textRect.right, 44);
    EXPECT_EQ(plan.textRect.left, 20);

    button.layout = GlyphLayout::kTop;
    plan = PlanBitmapButton(p, device, measurer, button, idle, false);
    // (100 - 32) div 2 = 34, (60 - 13 - 36) div 2 = 5.
    EXPECT_EQ(plan.glyphAt, (Point{34, 5}));
    EXPECT_EQ(plan.textRect, (Rect{38, 41, 62, 54}));

    button.layout = GlyphLayout::kBottom;
    plan = PlanBitmapButton(p, device, measurer, button, idle, false);
    // Bottom at (13 + 32 + 4 + 60) div 2 = 54.
    EXPECT_EQ(plan.glyphAt, (Point{34, 22}));
    EXPECT_EQ(plan.textRect, (Rect{38, 5, 62, 18}));

    // Divisions truncate toward zero: (55 - 32 - 4 - 24) div 2 = -5 div 2 = -2.
    button.width = 55;
    button.layout = GlyphLayout::kLeft;
    EXPECT_EQ(PlanBitmapButton(p, device, measurer, button, idle, false).glyphAt.x, -2);
}

TEST(BitmapButtonLayout, ControlWindowButtonsAndBlankCaptions) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    const MenuPainterProperties p = DesignedMenuPainter();
    const FlatControlState idle;
    // "全部效果": 24 × 13 here. x = (55 - 32) div 2 = 11, y = (55 - 13 - 36) div 2 = 3.
    ButtonPlan plan = PlanBitmapButton(p, device, measurer, ControlButton(), idle, false);
    EXPECT_EQ(plan.glyphAt, (Point{11, 3}));
    EXPECT_EQ(plan.textRect, (Rect{15, 39, 39, 52}));
    const std::vector<PictureOp> pictures = OpsOf<PictureOp>(plan.ops);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].at, (Point{11, 4})) << "drawn from one pixel lower";
    EXPECT_EQ(pictures[0].look, PictureLook::kDimmed);
    EXPECT_EQ(pictures[0].level, 30);
    const std::vector<TextOp> texts = OpsOf<TextOp>(plan.ops);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect, plan.textRect) << "as high as the W";
    EXPECT_EQ(texts[0].text, L"全部效果");
    EXPECT_EQ(texts[0].color, 0x000000u) << "the button font's colour";

    // A blank caption: the picture in the middle, no spacing.
    for (GlyphLayout layout :
         {GlyphLayout::kLeft, GlyphLayout::kRight, GlyphLayout::kTop, GlyphLayout::kBottom}) {
        BitmapButtonLook blank = ControlButton(L"");
        blank.layout = layout;
        EXPECT_EQ(PlanBitmapButton(p, device, measurer, blank, idle, false).glyphAt,
                  (Point{11, 11}));
    }
    // Several images in one glyph: only the first is drawn.
    BitmapButtonLook two = ControlButton(L"");
    two.glyphWidth = 64;
    two.numGlyphs = 2;
    EXPECT_EQ(PlanBitmapButton(p, device, measurer, two, idle, false).glyphAt, (Point{11, 11}));
}

TEST(BitmapButtonDrawing, IdleButtonsShowTheirFrameAndADarkBottomRightEdge) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = DesignedMenuPainter();
    ApplySkin(1, p);
    const ButtonPlan plan =
        PlanBitmapButton(p, device, measurer, ControlButton(), FlatControlState{}, false);
    EXPECT_EQ(plan.fill, 0x006600u) << "the picture column colour";
    EXPECT_EQ(plan.edgeBase, 0x808080u) << "COLOR_BTNSHADOW";
    const std::vector<FillOp> fills = OpsOf<FillOp>(plan.ops);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 55, 55}));
    EXPECT_EQ(fills[0].color, 0x006600u) << "the parent's colour in the corners";
    const std::vector<RoundRectOp> rounds = OpsOf<RoundRectOp>(plan.ops);
    ASSERT_EQ(rounds.size(), 1u);
    EXPECT_EQ(rounds[0].rect, (Rect{0, 0, 55, 55}));
    EXPECT_EQ(rounds[0].cornerWidth, 4);
    EXPECT_EQ(rounds[0].cornerHeight, 4);
    // L(RGB(128, 128, 128), 30): 127 * .3 = 38.1 -> 38.
    EXPECT_EQ(rounds[0].pen, Rgb(166, 166, 166));
    EXPECT_EQ(rounds[0].fill, 0x006600u);
    const std::vector<PolylineOp> edges = OpsOf<PolylineOp>(plan.ops);
    ASSERT_EQ(edges.size(), 1u);
    EXPECT_EQ(edges[0].points, (std::vector<Point>{{54, 1}, {54, 53}, {53, 54}, {0, 54}}));
    // D(RGB(128, 128, 128), 50) = 78, 80, 78.
    EXPECT_EQ(edges[0].color, Rgb(78, 80, 78));
}

TEST(BitmapButtonDrawing, HotButtonsLightUpAndRaiseTheirPicture) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = DesignedMenuPainter();
    ApplySkin(2, p);
    FlatControlState hot;
    hot.Handle(FlatEvent::kMouseEnter, true);
    const ButtonPlan plan = PlanBitmapButton(p, device, measurer, ControlButton(), hot, false);
    // L(RGB(212, 208, 200), 60): 212 + Round(25.8) = 238, 208 + Round(28.2) = 236, 200 + 33 = 233.
    EXPECT_EQ(plan.fill, Rgb(238, 236, 233));
    // L(COLOR_HIGHLIGHT, 60): 10 + 147 = 157, 36 + Round(131.4) = 167, 106 + Round(89.4) = 195.
    EXPECT_EQ(plan.edgeBase, Rgb(157, 167, 195));
    const RoundRectOp round = OpsOf<RoundRectOp>(plan.ops).at(0);
    // L(a, 30): 157 + Round(29.4) = 186, 167 + Round(26.4) = 193, 195 + 18 = 213.
    EXPECT_EQ(round.pen, Rgb(186, 193, 213));
    EXPECT_EQ(round.fill, Rgb(238, 236, 233));
    const PolylineOp edge = OpsOf<PolylineOp>(plan.ops).at(0);
    EXPECT_EQ(edge.points.front(), (Point{54, 1})) << "still up";
    EXPECT_EQ(edge.color, Rgb(107, 119, 145)) << "D(a, 50)";
    const PictureOp picture = OpsOf<PictureOp>(plan.ops).at(0);
    EXPECT_EQ(picture.at, (Point{10, 3})) << "one up and left of (11, 4)";
    EXPECT_EQ(picture.look, PictureLook::kPlain);
    const ShadowOp shadow = OpsOf<ShadowOp>(plan.ops).at(0);
    EXPECT_EQ(shadow.at, (Point{12, 5}));
    // D(L(RGB(166, 202, 240), 68) = RGB(227, 238, 250), 50).
    EXPECT_EQ(shadow.color, Rgb(177, 190, 200));

    // Focused and hot: the picture stays, the shadow comes.
    const ButtonPlan focused = PlanBitmapButton(p, device, measurer, ControlButton(), hot, true);
    EXPECT_EQ(OpsOf<PictureOp>(focused.ops).at(0).at, (Point{11, 4}));
    EXPECT_EQ(OpsOf<ShadowOp>(focused.ops).at(0).at, (Point{13, 6}));
    // Focused only: the coloured edge on the idle fill.
    const ButtonPlan focusOnly =
        PlanBitmapButton(p, device, measurer, ControlButton(), FlatControlState{}, true);
    EXPECT_EQ(focusOnly.fill, testing::kDesktopRgb);
    EXPECT_EQ(focusOnly.edgeBase, Rgb(157, 167, 195));
    EXPECT_EQ(OpsOf<PictureOp>(focusOnly.ops).at(0).look, PictureLook::kDimmed);
}

TEST(BitmapButtonDrawing, PressedButtonsMoveTheDarkEdgeToTheTopLeft) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    const MenuPainterProperties p = DesignedMenuPainter();
    const std::vector<Point> topLeft{{0, 53}, {0, 1}, {1, 0}, {54, 0}};
    FlatControlState mouse;
    mouse.Handle(FlatEvent::kMouseEnter, true);
    mouse.Handle(FlatEvent::kLeftDown, true);
    EXPECT_EQ(
        OpsOf<PolylineOp>(PlanBitmapButton(p, device, measurer, ControlButton(), mouse, false).ops)
            .at(0)
            .points,
        topLeft);
    mouse.Handle(FlatEvent::kLeftUp, true);
    EXPECT_EQ(
        OpsOf<PolylineOp>(PlanBitmapButton(p, device, measurer, ControlButton(), mouse, false).ops)
            .at(0)
            .points.front(),
        (Point{54, 1}));
    FlatControlState key;
    key.Handle(FlatEvent::kSpaceDown, true);
    const ButtonPlan keyed = PlanBitmapButton(p, device, measurer, ControlButton(), key, true);
    EXPECT_EQ(OpsOf<PolylineOp>(keyed.ops).at(0).points, topLeft);
    EXPECT_EQ(keyed.fill, Rgb(238, 236, 233)) << "the key lights the button like the pointer";
}

TEST(BitmapButtonDrawing, DisabledButtonsAreGreyWithoutAnEdge) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    MenuPainterProperties p = DesignedMenuPainter();
    ApplySkin(3, p);
    BitmapButtonLook button = ControlButton();
    button.enabled = false;
    FlatControlState hot;
    hot.Handle(FlatEvent::kFocusGained, true);
    const ButtonPlan plan = PlanBitmapButton(p, device, measurer, button, hot, false);
    EXPECT_TRUE(OpsOf<PolylineOp>(plan.ops).empty());
    EXPECT_TRUE(OpsOf<ShadowOp>(plan.ops).empty());
    const PictureOp picture = OpsOf<PictureOp>(plan.ops).at(0);
    EXPECT_EQ(picture.look, PictureLook::kGrey);
    EXPECT_EQ(picture.level, 10);
    EXPECT_EQ(picture.at, (Point{11, 4}));
    EXPECT_EQ(OpsOf<TextOp>(plan.ops).at(0).color, 0x808080u) << "DisabledColor";
    // On a low-colour device idle pictures are not dimmed.
    FakeColorDevice low(8);
    EXPECT_EQ(
        OpsOf<PictureOp>(
            PlanBitmapButton(p, low, measurer, ControlButton(), FlatControlState{}, false).ops)
            .at(0)
            .look,
        PictureLook::kPlain);
}

TEST(BitmapButtonDrawing, DefaultButtonsGetTheRelief) {
    FakeColorDevice device;
    FakeTextMeasurer measurer;
    BitmapButtonLook button = ControlButton();
    button.isDefault = true;
    const ButtonPlan plan = PlanBitmapButton(DesignedMenuPainter(), device, measurer, button,
                                             FlatControlState{}, false);
    const std::vector<TextOp> texts = OpsOf<TextOp>(plan.ops);
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[3].darkenBackgroundBy, 60);
    EXPECT_FALSE(texts[4].darkenBackgroundBy.has_value());
}

TEST(TextAreas, FrameColourFollowsHotFocusAndBorder) {
    FakeColorDevice device;
    const MenuPainterProperties p = DesignedMenuPainter();
    TextAreaLook area{200, 100, true, 0xC8D0D4};
    // L(COLOR_HIGHLIGHT, 60).
    EXPECT_EQ(PlanTextArea(p, device, area, true, false).color, Rgb(157, 167, 195));
    EXPECT_EQ(PlanTextArea(p, device, area, false, true).color, Rgb(157, 167, 195));
    // D(RGB(212, 208, 200), 60).
    EXPECT_EQ(PlanTextArea(p, device, area, false, false).color, Rgb(152, 150, 140));
    EXPECT_EQ(PlanTextArea(p, device, area, false, false).rect, (Rect{0, 0, 200, 100}));
    area.singleBorder = false;
    // L(COLOR_HIGHLIGHT, 80).
    EXPECT_EQ(PlanTextArea(p, device, area, false, true).color, Rgb(206, 211, 225));
    EXPECT_EQ(PlanTextArea(p, device, area, false, false).color, 0xC8D0D4u);
}

}  // namespace
}  // namespace tavrel
