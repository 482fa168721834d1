// What the menu painter and the flat controls draw, as data: a list of
// drawing operations in the order they are carried out. The portable rules
// produce the list; the Win32 half carries it out with GDI, so the same
// geometry and colours are checked natively and by pixels on the screen.
#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "common/color_ref.h"

namespace tavrel {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in a RECT.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// FillRect.
struct FillOp {
    Rect rect;
    ColorRef color = 0;
};
// A one-pixel outline with a clear brush: the pixels left … right - 1 and
// top … bottom - 1, square corners.
struct FrameOp {
    Rect rect;
    ColorRef color = 0;
};
// A filled rectangle with a one-pixel outline.
struct RectangleOp {
    Rect rect;
    ColorRef pen = 0;
    ColorRef fill = 0;
};
// RoundRect with a corner ellipse of cornerWidth × cornerHeight.
struct RoundRectOp {
    Rect rect;
    int cornerWidth = 0;
    int cornerHeight = 0;
    ColorRef pen = 0;
    ColorRef fill = 0;
};
struct EllipseOp {
    Rect rect;
    ColorRef pen = 0;
    ColorRef fill = 0;
};
// MoveTo / LineTo: the end point itself is not painted.
struct LineOp {
    Point from;
    Point to;
    ColorRef color = 0;
};
// Polyline: every point but the last is painted.
struct PolylineOp {
    std::vector<Point> points;
    ColorRef color = 0;
};

enum class PictureLook {
    kPlain,
    kDimmed,  // every pixel lightened by `level` percent
    kGrey,    // every pixel turned grey (mean + `level`, at most 240), then lightened by 40
};
// The item's (or button's) picture, drawn transparently with its top-left
// corner at `at`: the pixels that have the colour of its bottom-left pixel
// are left out.
struct PictureOp {
    Point at;
    PictureLook look = PictureLook::kPlain;
    int level = 0;
};
// Every pixel of the picture that differs from its bottom-left pixel,
// painted in `color` with the picture's top-left corner at `at`.
struct ShadowOp {
    Point at;
    ColorRef color = 0;
};
// DrawTextEx on a transparent background, single line; "&" underlines the
// character after it.
struct TextOp {
    Rect rect;
    std::wstring text;
    ColorRef color = 0;
    bool alignRight = false;
    bool rtlReading = false;
    // For the soft relief of a default item: the colour is the canvas pixel
    // at `samplePoint`, read just before drawing, darkened by this much.
    std::optional<int> darkenBackgroundBy;
    Point samplePoint;
};

using DrawOp = std::variant<FillOp, FrameOp, RectangleOp, RoundRectOp, EllipseOp, LineOp,
                            PolylineOp, PictureOp, ShadowOp, TextOp>;

// Pixels of a picture or a piece of canvas, row by row from the top.
struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<ColorRef> pixels;

    PixelImage() = default;
    PixelImage(int w, int h, ColorRef fill = 0);
    ColorRef At(int x, int y) const;
    void Set(int x, int y, ColorRef color);
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The picture's transparent colour.
    ColorRef BottomLeft() const { return height > 0 && width > 0 ? At(0, height - 1) : 0; }
};

}  // namespace tavrel
