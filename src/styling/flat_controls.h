// The flat look the menu painter gives the standard controls of its window:
// bitmap buttons with a rounded frame that blends into the window, a light
// fill and a coloured frame under the pointer, a dark edge that shows
// whether the button is up or pressed, and a picture that rises and casts a
// shadow when the button is hot; text areas with a one-colour frame.
//
// Here: the state each taken-over control keeps, and what drawing one
// paints. The Win32 half subclasses the controls and carries it out.
#pragma once

#include <string>

#include "styling/draw_plan.h"
#include "styling/menu_painter.h"

namespace tavrel {

// What reaches a taken-over control.
enum class FlatEvent {
    kPaint,
    kFocusGained,
    kFocusLost,
    kLeftDown,
    kLeftUp,
    kLeftDoubleClick,  // one more press
    kSpaceDown,        // also the key's auto-repeat
    kSpaceUp,
    kGetCheck,
    kSetCheck,
    kSetState,
    kChanged,  // the control's text, font or enabled state changed
    kMouseEnter,
    kMouseLeave,
};

// The states of one taken-over control.
class FlatControlState {
  public:
    // Updates the states; true when the control is to be redrawn in the
    // flat style after its own handling.
    bool Handle(FlatEvent event, bool enabled);

    bool hot() const { return hot_; }
    bool pressedByMouse() const { return pressedByMouse_; }
    bool pressedByKey() const { return pressedByKey_; }
    // The pressed look: pressed by mouse while hot, or by key.
    bool ShowsPressed() const { return (pressedByMouse_ && hot_) || pressedByKey_; }

  private:
    bool hot_ = false;
    bool pressedByMouse_ = false;
    bool pressedByKey_ = false;
};

enum class GlyphLayout { kLeft, kRight, kTop, kBottom };

// A bitmap button as drawing sees it.
struct BitmapButtonLook {
    int width = 0;
    int height = 0;
    std::wstring caption;
    bool hasGlyph = false;
    int glyphWidth = 0;  // the whole glyph bitmap, all its images side by side
    int glyphHeight = 0;
    int numGlyphs = 1;
    int spacing = 4;
    GlyphLayout layout = GlyphLayout::kLeft;
    bool enabled = true;
    bool isDefault = false;
    bool rightToLeft = false;
    ColorRef fontColor = kClWindowText;
    ColorRef parentBackground = kClBtnFace;
};

struct ButtonPlan {
    DerivedColors colors;
    ColorRef fill = 0;
    ColorRef edgeBase = 0;  // a
    Point glyphAt;          // where the picture's layout puts it
    Rect textRect;
    std::vector<DrawOp> ops;
};

// Caption text is measured in the button's font.
ButtonPlan PlanBitmapButton(const MenuPainterProperties& properties, ColorDevice& device,
                            TextMeasurer& measurer, const BitmapButtonLook& button,
                            const FlatControlState& state, bool focused);

// A text area's frame colour and rectangle (a clear brush).
struct TextAreaLook {
    int width = 0;
    int height = 0;
    bool singleBorder = true;
    ColorRef parentBackground = kClBtnFace;
};
FrameOp PlanTextArea(const MenuPainterProperties& properties, ColorDevice& device,
                     const TextAreaLook& area, bool hot, bool focused);

}  // namespace tavrel
