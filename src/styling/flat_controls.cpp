#include "styling/flat_controls.h"

#include <algorithm>

#include "common/numeric.h"

namespace tavrel {

bool FlatControlState::Handle(FlatEvent event, bool enabled) {
    switch (event) {
        case FlatEvent::kFocusGained:
            hot_ = true;
            return true;
        case FlatEvent::kFocusLost:
            hot_ = false;
            return true;
        case FlatEvent::kLeftDown:
        case FlatEvent::kLeftDoubleClick:
            pressedByMouse_ = true;
            return true;
        case FlatEvent::kLeftUp:
            pressedByMouse_ = false;
            return true;
        case FlatEvent::kSpaceDown:
            // Redrawn once per press, not at every repeat of the key.
            if (pressedByKey_) {
                return false;
            }
            pressedByKey_ = true;
            return true;
        case FlatEvent::kSpaceUp:
            pressedByKey_ = false;
            return true;
        case FlatEvent::kGetCheck:
        case FlatEvent::kSetCheck:
            hot_ = false;
            return true;
        case FlatEvent::kMouseEnter:
            if (enabled) {
                hot_ = true;
            }
            return true;
        case FlatEvent::kMouseLeave:
            if (enabled) {
                hot_ = false;
            }
            return true;
        case FlatEvent::kPaint:
        case FlatEvent::kSetState:
        case FlatEvent::kChanged:
            return true;
    }
    return false;
}

ButtonPlan PlanBitmapButton(const MenuPainterProperties& properties, ColorDevice& device,
                            TextMeasurer& measurer, const BitmapButtonLook& button,
                            const FlatControlState& state, bool focused) {
    ButtonPlan plan;
    plan.colors = DeriveColors(properties, device);
    const DerivedColors& c = plan.colors;
    const int w = button.width;
    const int h = button.height;
    const Rect r{0, 0, w, h};

    // 1. Colours.
    if (state.hot() || state.pressedByKey()) {
        plan.fill = Lighten(device, kClBtnFace, 60);
        plan.edgeBase = Lighten(device, c.highlightFrame, 60);
    } else {
        plan.fill = c.pictureColumn;
        plan.edgeBase =
            focused ? Lighten(device, c.highlightFrame, 60) : ResolveColor(device, kClBtnShadow);
    }
    const ColorRef a = plan.edgeBase;
    std::vector<DrawOp>& ops = plan.ops;

    // 2. The parent's colour shows in the rounded corners.
    ops.push_back(FillOp{r, ResolveColor(device, button.parentBackground)});
    // 3.
    ops.push_back(RoundRectOp{r, 4, 4, Lighten(device, a, 30), plan.fill});
    // 4. The dark edge.
    if (button.enabled) {
        const ColorRef edge = Darken(device, a, 50);
        if (state.ShowsPressed()) {
            ops.push_back(PolylineOp{{{r.left, r.bottom - 2},
                                      {r.left, r.top + 1},
                                      {r.left + 1, r.top},
                                      {r.right - 1, r.top}},
                                     edge});
        } else {
            ops.push_back(PolylineOp{{{r.right - 1, r.top + 1},
                                      {r.right - 1, r.bottom - 2},
                                      {r.right - 2, r.bottom - 1},
                                      {r.left, r.bottom - 1}},
                                     edge});
        }
    }

    // 5. Text.
    // An empty caption takes no room at all.
    const TextSize extent = button.caption.empty() ? TextSize{} : measurer.Measure(button.caption);
    const int tw = extent.cx;
    const int th = extent.cy;
    Rect text = r;
    text.left = Div(w - tw, 2);

    // 6. Picture.
    if (button.hasGlyph) {
        const int gw = Div(button.glyphWidth, std::max(button.numGlyphs, 1));
        const int gh = button.glyphHeight;
        const bool blank = button.caption.find_first_not_of(L' ') == std::wstring::npos;
        const int spacing = blank ? 0 : button.spacing;
        int x = 0;
        int y = 0;
        switch (button.layout) {
            case GlyphLayout::kLeft:
                x = Div(w - gw - spacing - tw, 2);
                y = Div(h - gh, 2);
                text.left = x + gw + spacing;
                text.right = text.left + tw;
                break;
            case GlyphLayout::kRight:
                x = Div(gw + spacing + tw + w, 2) - gw;
                y = Div(h - gh, 2);
                text.right = x - spacing;
                text.left = text.right - tw;
                break;
            case GlyphLayout::kTop:
                x = Div(w - gw, 2);
                y = Div(h - th - (gh + spacing), 2);
                text.left = Div(w - tw, 2);
                text.right = text.left + tw;
                text.top = y + gh + spacing;
                text.bottom = text.top + th;
                break;
            case GlyphLayout::kBottom:
                x = Div(w - gw, 2);
                y = Div(th + gh + spacing + h, 2) - gh;
                text.left = Div(w - tw, 2);
                text.right = text.left + tw;
                text.bottom = y - spacing;
                text.top = text.bottom - th;
                break;
        }
        plan.glyphAt = {x, y};
        // Drawn as an item picture, from one pixel lower.
        Point at{x, y + 1};
        PictureOp picture{at, PictureLook::kPlain, 0};
        if (!button.enabled) {
            picture.look = PictureLook::kGrey;
            picture.level = properties.grayLevel;
        } else if (state.hot()) {
            if (!focused) {
                at = {at.x - 1, at.y - 1};
                picture.at = at;
            }
            ops.push_back(ShadowOp{{at.x + 2, at.y + 2}, Darken(device, c.highlightFill, 50)});
        } else if (c.highColor) {
            picture.look = PictureLook::kDimmed;
            picture.level = properties.dimLevel;
        }
        ops.push_back(picture);
    }
    plan.textRect = text;

    // 7. Caption as item text.
    Rect drawn = text;
    drawn.top += Div(text.Height() - measurer.Measure(L"W").cy, 2);
    const ColorRef colour =
        button.enabled ? ResolveColor(device, button.fontColor) : c.disabledText;
    if (button.isDefault && button.enabled) {
        AddTextRelief(ops, drawn, button.caption, false, button.rightToLeft);
    }
    ops.push_back(
        TextOp{drawn, button.caption, colour, false, button.rightToLeft, std::nullopt, {}});
    return plan;
}

FrameOp PlanTextArea(const MenuPainterProperties& properties, ColorDevice& device,
                     const TextAreaLook& area, bool hot, bool focused) {
    const DerivedColors c = DeriveColors(properties, device);
    ColorRef colour = 0;
    if (hot || focused) {
        colour = Lighten(device, c.highlightFrame, area.singleBorder ? 60 : 80);
    } else {
        colour = area.singleBorder ? Darken(device, area.parentBackground, 60)
                                   : ResolveColor(device, area.parentBackground);
    }
    return FrameOp{{0, 0, area.width, area.height}, colour};
}

}  // namespace tavrel
