#include "styling/balloon_hint.h"

#include "common/numeric.h"

namespace tavrel {
namespace {

constexpr ColorRef kBlack = 0x000000;

// Window coordinates are 32-bit; the few sums here are made in 64 bits and
// kept to 32 the way the platform keeps them, so no size is out of range.
constexpr std::int32_t Add(std::int32_t a, std::int64_t b) {
    return Wrap32(a + b);
}

// A direction stored as a byte may hold anything; only 0 to 3 name one.
THintDirection Normalised(THintDirection direction) {
    return static_cast<std::uint8_t>(direction) <= 3 ? direction : THintDirection::hdUpRight;
}

struct Trial {
    std::int64_t x = 0;
    std::int64_t y = 0;  // the window's top edge when this direction is taken
    bool widthFails = false;
    bool heightFails = false;
    THintDirection onWidthFailure = THintDirection::hdUpRight;
    THintDirection onHeightFailure = THintDirection::hdUpRight;
};

// One row of the placement table: the two screen-edge tests of a direction,
// their fallbacks, and the window's corner if the direction is taken.
Trial Try(THintDirection direction, std::int64_t px, std::int64_t py, std::int64_t wA,
          std::int64_t hA, std::int64_t hB, HintSize screen) {
    const std::int64_t screenWidth = screen.width;
    const std::int64_t screenHeight = screen.height;
    Trial trial;
    switch (direction) {
        case THintDirection::hdUpRight: {
            const std::int64_t y = py - 5;
            trial.x = px;
            trial.y = y - hA;
            trial.widthFails = screenWidth < px + wA;
            trial.heightFails = y - hA < 0;
            trial.onWidthFailure = THintDirection::hdUpLeft;
            trial.onHeightFailure = THintDirection::hdDownRight;
            break;
        }
        case THintDirection::hdUpLeft: {
            const std::int64_t y = py - 5;
            trial.x = px + 6 - wA;
            trial.y = y - hA;
            trial.widthFails = trial.x < 0;
            trial.heightFails = y - hA < 0;
            trial.onWidthFailure = THintDirection::hdUpRight;
            trial.onHeightFailure = THintDirection::hdDownLeft;
            break;
        }
        case THintDirection::hdDownRight: {
            const std::int64_t y = py + 15;
            trial.x = px;
            trial.y = y;
            trial.widthFails = screenWidth < px + wA;
            trial.heightFails = screenHeight < y + hB;
            trial.onWidthFailure = THintDirection::hdDownLeft;
            trial.onHeightFailure = THintDirection::hdUpRight;
            break;
        }
        case THintDirection::hdDownLeft: {
            const std::int64_t y = py + 15;
            trial.x = px + 6 - wA;
            trial.y = y;
            trial.widthFails = trial.x < 0;
            trial.heightFails = screenHeight < y + hB;
            trial.onWidthFailure = THintDirection::hdDownRight;
            trial.onHeightFailure = THintDirection::hdUpLeft;
            break;
        }
    }
    return trial;
}

void DotStrip(BalloonCanvas& canvas, const BalloonRegion& region, PixelSpan xs, PixelSpan ys,
              ColorRef color) {
    for (std::int64_t y = ys.first; y <= ys.last; ++y) {
        for (std::int64_t x = xs.first; x <= xs.last; ++x) {
            const HintPoint point{static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)};
            if (IsShadowDot(point.x, point.y) && region.Contains(point)) {
                canvas.SetPixel(point, color);
            }
        }
    }
}

}  // namespace

std::int32_t FontCharacterHeight(const THintFont& font, std::int32_t pixelsPerInch) {
    if (font.height != 0) {
        return font.height;
    }
    const std::int64_t scaled = static_cast<std::int64_t>(font.size) * pixelsPerInch;
    return Wrap32(scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72);
}

THintStyler::THintStyler(ApplicationHints& application) : application_(application) {
    application_.hintPause = hintPauseTime_;
}

void THintStyler::SetHintPauseTime(std::uint32_t milliseconds) {
    if (milliseconds != hintPauseTime_) {
        hintPauseTime_ = milliseconds;
        application_.hintPause = milliseconds;
    }
}

THintDirection THintStyler::StartDirection(HintControl hintControl) const {
    THintDirection direction = hintDirection_;
    if (onSelectHintDirection_) {
        onSelectHintDirection_(hintControl, direction);
    }
    return Normalised(direction);
}

void ConfigureControlWindowHintStyler(THintStyler& styler) {
    styler.SetHintColor(kSystemColorBackground);
    THintFont font;
    font.name = L"MS Sans Serif";
    font.height = 15;
    font.size = 11;
    font.color = kBlack;
    font.bold = false;
    font.italic = false;
    font.charset = 1;  // DEFAULT_CHARSET
    styler.SetHintFont(font);
    styler.SetHintPauseTime(1000);
}

HintSize FrameworkHintSize(HintSize measuredText) {
    return {Add(measuredText.width, kHintTextMarginX), Add(measuredText.height, kHintTextMarginY)};
}

HintSize GrownBalloonSize(HintSize frameworkRect, THintDirection direction) {
    return {Add(frameworkRect.width, 16),
            Add(frameworkRect.height, IsUpDirection(Normalised(direction)) ? 20 : 29)};
}

BalloonPlacement PlaceBalloon(THintDirection start, std::int32_t pointerX, std::int32_t pointerY,
                              HintSize frameworkRect, HintSize screen) {
    const std::int64_t wA = static_cast<std::int64_t>(frameworkRect.width) + 16;
    const std::int64_t hA = static_cast<std::int64_t>(frameworkRect.height) + 20;
    const std::int64_t hB = hA + 9;
    unsigned tried = 0;
    THintDirection direction = Normalised(start);
    for (;;) {
        tried |= 1u << static_cast<unsigned>(direction);
        const Trial trial = Try(direction, pointerX, pointerY, wA, hA, hB, screen);
        std::optional<THintDirection> next;
        if (trial.widthFails) {
            next = trial.onWidthFailure;
        } else if (trial.heightFails) {
            next = trial.onHeightFailure;
        }
        if (!next || (tried & (1u << static_cast<unsigned>(*next))) != 0) {
            return {direction, Wrap32(trial.x), Wrap32(trial.y),
                    GrownBalloonSize(frameworkRect, direction), !next.has_value()};
        }
        direction = *next;
    }
}

BalloonGeometry ComputeBalloonGeometry(THintDirection direction, std::int32_t width,
                                       std::int32_t height) {
    const std::int32_t w = width;
    const std::int32_t h = height;
    BalloonGeometry g;
    switch (Normalised(direction)) {
        case THintDirection::hdUpRight:
            g.tail = {HintPoint{10, Add(h, -15)}, HintPoint{20, Add(h, -15)}, HintPoint{0, h}};
            g.tailShadow =
                Triangle{HintPoint{12, Add(h, -15)}, HintPoint{25, Add(h, -15)}, HintPoint{12, h}};
            break;
        case THintDirection::hdUpLeft:
            g.tail = {HintPoint{Add(w, -26), Add(h, -15)}, HintPoint{Add(w, -16), Add(h, -15)},
                      HintPoint{Add(w, -6), h}};
            g.tailShadow = Triangle{HintPoint{Add(w, -33), Add(h, -15)},
                                    HintPoint{Add(w, -11), Add(h, -15)}, HintPoint{Add(w, -6), h}};
            break;
        case THintDirection::hdDownRight:
            g.tail = {HintPoint{10, 15}, HintPoint{20, 15}, HintPoint{0, 0}};
            break;
        case THintDirection::hdDownLeft:
            g.tail = {HintPoint{Add(w, -26), 15}, HintPoint{Add(w, -16), 15},
                      HintPoint{Add(w, -6), 0}};
            break;
    }
    if (IsUpDirection(Normalised(direction))) {
        g.textRect = {8, 3, w, h};
        g.shadowRegion = {10, 8, w, Add(h, -9)};
        g.shadowStrips = {ShadowStrip{{Add(w, -14), w}, {8, Add(h, -14)}},
                          ShadowStrip{{10, w}, {Add(h, -14), Add(h, -9)}}};
        g.box = {0, 0, Add(w, -6), Add(h, -14)};
    } else {
        g.textRect = {8, 18, w, h};
        g.shadowRegion = {10, 23, w, Add(h, -2)};
        g.shadowStrips = {ShadowStrip{{Add(w, -14), w}, {23, Add(h, -8)}},
                          ShadowStrip{{10, w}, {Add(h, -8), Add(h, -2)}}};
        g.box = {0, 15, Add(w, -6), Add(h, -8)};
    }
    return g;
}

std::wstring_view CutHintText(std::wstring_view text) {
    if (text.size() <= kMaxHintTextLength) {
        return text;
    }
    std::size_t length = kMaxHintTextLength;
    const auto last = static_cast<std::uint32_t>(text[length - 1]);
    const auto next = static_cast<std::uint32_t>(text[length]);
    if (last >= 0xD800 && last <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
        --length;
    }
    return text.substr(0, length);
}

BalloonLook MakeBalloonLook(const THintStyler& styler,
                            const std::function<ColorRef(std::int32_t)>& systemColor) {
    const auto resolve = [&](ColorRef color) {
        return IsSystemColor(color) ? systemColor(SystemColorIndex(color)) : color;
    };
    BalloonLook look;
    look.hintColor = resolve(styler.HintColor());
    look.shadowColor = resolve(styler.HintShadowColor());
    look.font = styler.HintFont();
    look.font.color = resolve(look.font.color);
    return look;
}

void PaintBalloon(BalloonCanvas& canvas, const BalloonLook& look, THintDirection direction,
                  std::int32_t width, std::int32_t height, std::wstring_view text) {
    const BalloonGeometry g = ComputeBalloonGeometry(direction, width, height);

    // The dots of the box's shadow: only inside its rounded outline.
    {
        const std::unique_ptr<BalloonRegion> region =
            canvas.RoundRectRegion(g.shadowRegion, kShadowCorner, kShadowCorner);
        for (const ShadowStrip& strip : g.shadowStrips) {
            DotStrip(canvas, *region, strip.x, strip.y, look.shadowColor);
        }
    }
    // The tail's shadow leans to the right of the tail.
    if (g.tailShadow) {
        const Triangle& s = *g.tailShadow;
        const std::unique_ptr<BalloonRegion> region = canvas.PolygonRegion(s);
        DotStrip(canvas, *region, {s[0].x, s[1].x}, {s[0].y, s[2].y}, look.shadowColor);
    }

    canvas.SetPen(kBlack);
    canvas.SetBrush(look.hintColor);
    canvas.RoundRect(g.box, kBoxCorner, kBoxCorner);

    // The tail opens into the box: its base line in the box's colour wipes
    // the box's outline there, then its two sides are drawn in black.
    const Triangle& p = g.tail;
    canvas.SetPen(look.hintColor);
    canvas.MoveTo(p[0]);
    canvas.LineTo(p[1]);
    canvas.SetPen(kBlack);
    canvas.FillPolygon(p);
    canvas.MoveTo(p[1]);
    canvas.LineTo(p[2]);
    canvas.LineTo(p[0]);

    canvas.DrawHintText(g.textRect, CutHintText(text), look.font);
}

}  // namespace tavrel
