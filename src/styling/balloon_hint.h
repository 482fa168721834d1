// Hint balloons: the rules behind the control window's hints.
//
// A hint is drawn as a rounded box with a pointed tail that touches the
// pointer and a dotted shadow, painted over a capture of the screen behind
// it, so the desktop shows through around the corners, around the tail and
// between the shadow's dots. THintStyler holds the balloon's settings; the
// rules here say where a balloon goes, how large it grows around its text
// and what is drawn where. The Win32 half captures, shows and paints.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/color_ref.h"

namespace tavrel {

// On which side of the pointer the balloon goes. "Up" puts it above the
// pointer with the tail at its bottom, "Down" below with the tail at its
// top; "Right" lets it extend to the right of the pointer (tail at its left
// end), "Left" to the left (tail at its right end).
enum class THintDirection : std::uint8_t {
    hdUpRight = 0,
    hdUpLeft = 1,
    hdDownRight = 2,
    hdDownLeft = 3,
};

constexpr bool IsUpDirection(THintDirection direction) {
    return direction == THintDirection::hdUpRight || direction == THintDirection::hdUpLeft;
}

// A colour 0x800000nn names system colour nn; the Win32 half resolves it
// when it paints, so a balloon follows the user's colour scheme.
constexpr bool IsSystemColor(ColorRef color) {
    return (color & 0xFF000000u) == 0x80000000u;
}
constexpr std::int32_t SystemColorIndex(ColorRef color) {
    return static_cast<std::int32_t>(color & 0xFFu);
}
inline constexpr ColorRef kSystemColorBackground = 0x80000001;  // the desktop's colour

// A font as the styler describes it. The height is the character height in
// pixels (without internal leading); when it is 0 the size in points counts.
struct THintFont {
    std::wstring name = L"MS Sans Serif";
    std::int32_t height = 0;
    std::int32_t size = 12;
    ColorRef color = 0xFF0000;  // blue
    bool bold = true;
    bool italic = true;
    std::uint8_t charset = 1;  // DEFAULT_CHARSET
    std::uint8_t pitch = 0;    // DEFAULT_PITCH
    friend bool operator==(const THintFont&, const THintFont&) = default;
};

// The character height in pixels on a screen of pixelsPerInch: the height
// itself, or the size in points converted and rounded half away from zero.
std::int32_t FontCharacterHeight(const THintFont& font, std::int32_t pixelsPerInch);

// The application's hint settings, which the framework's hint timing reads:
// how long the pointer rests before a hint shows, how soon the next one
// shows when the pointer moves on from a shown hint, how long a hint stays.
struct ApplicationHints {
    bool showHint = true;
    std::uint32_t hintPause = 500;
    std::uint32_t hintShortPause = 50;
    std::uint32_t hintHidePause = 2500;
    ColorRef hintColor = 0x80000018;  // COLOR_INFOBK
};

// A control under the pointer, as an opaque handle (0: none).
using HintControl = std::uintptr_t;

// The balloon's settings. One styler lives on a window; the hint window
// looks them up at every activation and paint.
class THintStyler {
  public:
    // May change the direction for the one hint over the given control.
    using SelectHintDirectionEvent =
        std::function<void(HintControl hintControl, THintDirection& direction)>;

    // Creation sets the pause to 600 ms, its own and the application's.
    explicit THintStyler(ApplicationHints& application);

    THintDirection HintDirection() const { return hintDirection_; }
    void SetHintDirection(THintDirection direction) { hintDirection_ = direction; }
    ColorRef HintColor() const { return hintColor_; }
    void SetHintColor(ColorRef color) { hintColor_ = color; }
    ColorRef HintShadowColor() const { return hintShadowColor_; }
    void SetHintShadowColor(ColorRef color) { hintShadowColor_ = color; }
    const THintFont& HintFont() const { return hintFont_; }
    void SetHintFont(const THintFont& font) { hintFont_ = font; }
    std::uint32_t HintPauseTime() const { return hintPauseTime_; }
    // Only a different value reaches the application's hint pause.
    void SetHintPauseTime(std::uint32_t milliseconds);
    const SelectHintDirectionEvent& OnSelectHintDirection() const { return onSelectHintDirection_; }
    void SetOnSelectHintDirection(SelectHintDirectionEvent handler) {
        onSelectHintDirection_ = std::move(handler);
    }

    // The direction a hint over hintControl starts from: HintDirection, or
    // what the event makes of it for this hint. HintDirection itself stays.
    THintDirection StartDirection(HintControl hintControl) const;

  private:
    ApplicationHints& application_;
    THintDirection hintDirection_ = THintDirection::hdUpRight;
    ColorRef hintColor_ = 0x00FFFF;        // yellow
    ColorRef hintShadowColor_ = 0x800080;  // RGB(128, 0, 128)
    THintFont hintFont_;
    std::uint32_t hintPauseTime_ = 600;
    SelectHintDirectionEvent onSelectHintDirection_;
};

// HintStyler1 of the control window: the desktop's colour, a plain black
// 15-pixel font and a pause of one second (which the window's start-up
// later overrides with its own hint timing).
void ConfigureControlWindowHintStyler(THintStyler& styler);

// --- Size and place ---------------------------------------------------------

// The framework's rectangle for a hint text: the text measured with word
// breaks at most as wide as the screen, plus these margins.
inline constexpr std::int32_t kHintTextMarginX = 6;
inline constexpr std::int32_t kHintTextMarginY = 2;

struct HintSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(HintSize, HintSize) = default;
};

HintSize FrameworkHintSize(HintSize measuredText);

// The balloon around the framework's rectangle: 16 wider for the shadow and
// the tail's side, 20 taller above the pointer, 29 below it (where the tail
// sits on top of the box).
HintSize GrownBalloonSize(HintSize frameworkRect, THintDirection direction);

struct BalloonPlacement {
    THintDirection direction = THintDirection::hdUpRight;
    std::int32_t x = 0;  // the window's top-left corner on the screen
    std::int32_t y = 0;
    HintSize size;
    // False when no direction passed both screen-edge tests; the balloon
    // then stands in the last direction tried, partly off the screen.
    bool fits = true;
    friend bool operator==(const BalloonPlacement&, const BalloonPlacement&) = default;
};

// Chooses the side of the pointer for a balloon around frameworkRect, from
// the start direction, against the screen's size (not the work area). A
// direction that fails a test hands over to its fallback; a fallback that
// was tried already ends the search in the direction tried last, so a hint
// that fits nowhere still gets a place.
BalloonPlacement PlaceBalloon(THintDirection start, std::int32_t pointerX, std::int32_t pointerY,
                              HintSize frameworkRect, HintSize screen);

// --- Paint ------------------------------------------------------------------

struct HintPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(HintPoint, HintPoint) = default;
};

// Left and top inside, right and bottom outside, as GDI rectangles.
struct HintRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(HintRect, HintRect) = default;
};

// Both ends inside.
struct PixelSpan {
    std::int32_t first = 0;
    std::int32_t last = 0;
    friend bool operator==(PixelSpan, PixelSpan) = default;
};

struct ShadowStrip {
    PixelSpan x;
    PixelSpan y;
    friend bool operator==(ShadowStrip, ShadowStrip) = default;
};

using Triangle = std::array<HintPoint, 3>;

inline constexpr std::int32_t kShadowCorner = 8;  // corner ellipse of the shadow region
inline constexpr std::int32_t kBoxCorner = 9;     // corner ellipse of the box

// Where everything goes in a balloon window of width x height.
struct BalloonGeometry {
    HintRect textRect;
    Triangle tail;                            // P1, P2 on the box's edge, P3 the tip
    std::optional<Triangle> tailShadow;       // S1, S2, S3; up balloons only
    HintRect shadowRegion;                    // rounded with kShadowCorner
    std::array<ShadowStrip, 2> shadowStrips;  // right, bottom
    HintRect box;                             // rounded with kBoxCorner
};

BalloonGeometry ComputeBalloonGeometry(THintDirection direction, std::int32_t width,
                                       std::int32_t height);

// Every other pixel, like a chessboard: x and y both even or both odd.
constexpr bool IsShadowDot(std::int32_t x, std::int32_t y) {
    return ((x ^ y) & 1) == 0;
}

// The painted text is cut to this many characters (a surrogate pair is not
// split: its first half goes too).
inline constexpr std::size_t kMaxHintTextLength = 256;
std::wstring_view CutHintText(std::wstring_view text);

// A region of the canvas, deleted with its owner.
class BalloonRegion {
  public:
    virtual ~BalloonRegion() = default;
    virtual bool Contains(HintPoint point) const = 0;
};

// What painting needs of a device: the capture bitmap in the Win32 half, a
// recorder in tests. Colours are plain RGB values.
class BalloonCanvas {
  public:
    virtual ~BalloonCanvas() = default;
    virtual std::unique_ptr<BalloonRegion> RoundRectRegion(HintRect rect, std::int32_t cornerWidth,
                                                           std::int32_t cornerHeight) = 0;
    // Winding fill.
    virtual std::unique_ptr<BalloonRegion> PolygonRegion(const Triangle& points) = 0;
    virtual void SetPixel(HintPoint point, ColorRef color) = 0;
    // Solid pen and brush.
    virtual void SetPen(ColorRef color) = 0;
    virtual void SetBrush(ColorRef color) = 0;
    // Outlined with the pen, filled with the brush.
    virtual void RoundRect(HintRect rect, std::int32_t cornerWidth, std::int32_t cornerHeight) = 0;
    virtual void MoveTo(HintPoint point) = 0;
    // With the pen, leaving out the end point.
    virtual void LineTo(HintPoint point) = 0;
    // The inside only (winding), with the brush; no outline.
    virtual void FillPolygon(const Triangle& points) = 0;
    // Transparent background, in the font, broken at words, '&' as it stands.
    virtual void DrawHintText(HintRect rect, std::wstring_view text, const THintFont& font) = 0;
};

struct BalloonLook {
    ColorRef hintColor = 0;    // the box and the tail
    ColorRef shadowColor = 0;  // the dots
    THintFont font;
};

// The styler's settings with system colours resolved by systemColor(index).
BalloonLook MakeBalloonLook(const THintStyler& styler,
                            const std::function<ColorRef(std::int32_t)>& systemColor);

// Draws a balloon of width x height onto a canvas that holds the screen
// behind it: the dotted shadows of the box and (up only) of the tail, the
// box, the tail joined to the box without an outline between them, and the
// text, cut to kMaxHintTextLength.
void PaintBalloon(BalloonCanvas& canvas, const BalloonLook& look, THintDirection direction,
                  std::int32_t width, std::int32_t height, std::wstring_view text);

}  // namespace tavrel
