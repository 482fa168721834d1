#include "patterns/lines.h"

#include <utility>

#include "patterns/frame.h"
#include "patterns/real_math.h"

namespace tavrel {

void ArrangeStraightLine(DesktopAccess& desktop, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const bool across = variant == 1;
    const std::int32_t length = across ? frame.width : frame.height;
    const Real angle = across ? 0.0L : kPi / 2;
    const std::int64_t x0 = across ? 20 : std::int64_t{Div(frame.width, 2)} - 15;
    const std::int64_t y0 = across ? std::int64_t{Div(frame.height, 2)} - 50 : 10;
    const Real step = R(length) / R(frame.count);
    const Real cosine = Cos(angle);
    const Real sine = Sin(angle);
    for (std::int32_t i = 0; i < frame.count; ++i) {
        // The quotient first, then the product: (S / n) * i.
        const Real d = step * R(i);
        MoveIcon(desktop, frame, i, Round32(cosine * d) + x0, Round32(sine * d) + y0);
    }
}

void ArrangeDiagonal(DesktopAccess& desktop, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    // The sum of squares is a 32-bit integer; the root is real. A wrapped
    // negative sum would have no root, so it counts as 0.
    const std::int32_t squares = Wrap32(w * w + h * h);
    const Real diagonal = std::sqrt(R(squares > 0 ? squares : 0));
    // Not the true angle of the screen's diagonal, but the one the figure
    // has always used.
    const Real angle = Quotient(R(h), R(w)) - 0.1111L;
    const Real step = (diagonal - 77) / R(frame.count);
    const Real cosine = Cos(angle);
    const Real sine = Sin(angle);
    for (std::int32_t i = 0; i < frame.count; ++i) {
        const Real d = R(i) * step;
        const std::int64_t x = std::int64_t{Round32(cosine * d)} + 20;
        const std::int64_t rise = Round32(sine * d);
        MoveIcon(desktop, frame, i, x, variant == 1 ? rise + 5 : h - 50 - rise);
    }
}

void ArrangeParallelLines(DesktopAccess& desktop, std::int32_t spacing, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    const std::int64_t a = spacing;
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    const auto over = [](std::int64_t value, std::int64_t limit) {
        return Wrap32(value) > Wrap32(limit);
    };

    int state = (variant >= 1 && variant <= 4) ? variant : 2;
    std::int64_t j = 0;
    std::int64_t k = 0;
    for (std::int32_t i = 0; i < frame.count; ++i) {
        // Each icon is placed where its state puts it; only then may the
        // walk turn to the opposite line.
        std::int64_t x = 0;
        std::int64_t y = 0;
        switch (state) {
            case 1:  // left column
                ++k;
                x = (a + 6) * j + 22;
                y = (a - 2) * (k - 1) + 2;
                if (over(a * k, h - 10)) {
                    k = 0;
                    state = 3;
                }
                break;
            case 3:  // right column, then one column inward
                ++k;
                x = w - (a + 6) * j - 55;
                y = (a - 2) * (k - 1) + 2;
                if (over(a * k, h - 10)) {
                    k = 0;
                    ++j;
                    state = 1;
                }
                break;
            case 2:  // top row
                ++j;
                x = (a + 4) * j - 59;
                y = (a - 2) * k + 2;
                if (over((a + 2) * j + 50, w)) {
                    j = 0;
                    state = 4;
                }
                break;
            default:  // 4: bottom row, then one row inward
                ++j;
                x = (a + 4) * j - 59;
                y = h - (a - 2) * k - 68;
                if (over((a + 2) * j + 50, w)) {
                    j = 0;
                    ++k;
                    state = 2;
                }
                break;
        }
        MoveIcon(desktop, frame, i, x, y);
    }
}

void ArrangeTriangle(DesktopAccess& desktop) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const std::int64_t n = frame.count;
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    const Real side = R(Wrap32(w - 180 - 77));
    const Real step = side / (R(n) / 3.0L);
    const std::int64_t q = n / 3;
    // Written with the shortened pi; their sines and cosines decide how
    // exact halves round.
    const Real a1 = 4.0L * 3.1415926L / 3.0L;
    const Real a3 = 3.1415926L / 3.0L;
    const Real cos1 = Cos(a1);
    const Real sin1 = Sin(-a1);
    const Real cos3 = Cos(a3);
    const Real sin3 = Sin(a3);
    const std::int64_t halfWidth = Div(frame.width, 2);
    for (std::int64_t i = 0; i < n; ++i) {
        const auto index = static_cast<std::int32_t>(i);
        if (i < q) {  // left side, from the apex down
            const Real d = R(i) * step;
            MoveIcon(desktop, frame, index, Round32(cos1 * d) + halfWidth - 12,
                     Round32(sin1 * d) + 10);
        } else if (i < 2 * q) {  // base, left to right
            const Real d = R(i) * step;
            MoveIcon(desktop, frame, index, Round32(d) - (w - 390), h - 75);
        } else {  // right side, from the base up toward the apex
            const Real d = R(n - i) * step;
            MoveIcon(desktop, frame, index, Round32(cos3 * d) + halfWidth - 10,
                     Round32(sin3 * d) + 10);
        }
    }
}

void ArrangeSquare(DesktopAccess& desktop) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const std::int64_t n = frame.count;
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    const std::int64_t s = (h < w ? h : w) - 80;
    const std::int64_t q = (n + 3) / 4;  // icons per side, rounded up
    const Real step = R(Wrap32(s - 50)) / R(q);
    const std::int64_t c = Div(Wrap32(w - h), 2);
    const Real a1 = 4.7123889L;
    const Real a3 = 1.5707963L;
    const Real cos1 = Cos(a1);
    const Real sin1 = Sin(-a1);
    const Real cos3 = Cos(a3);
    const Real sin3 = Sin(a3);
    for (std::int64_t i = 0; i < n; ++i) {
        const auto index = static_cast<std::int32_t>(i);
        if (i < q) {  // left side, down
            const Real d = R(i) * step;
            MoveIcon(desktop, frame, index, Round32(cos1 * d) + c + 30, Round32(sin1 * d) + 30);
        } else if (i < 2 * q) {  // bottom, rightward, with a longer step
            const Real d = (step + 3) * R(i - q);
            MoveIcon(desktop, frame, index, Round32(d) + c + 30, h - 100);
        } else if (i < 3 * q) {  // right side, up
            const Real d = -step * R(i - 2 * q);
            MoveIcon(desktop, frame, index, Round32(cos3 * d) + c + 20 + s,
                     Round32(sin3 * d) + h - 100);
        } else {  // top, leftward
            const Real d = -(step + 3) * R(i - 3 * q);
            MoveIcon(desktop, frame, index, Round32(d) + c + 20 + s, 30);
        }
    }
}

namespace {

// The rings of the two rectangle figures: a walk over a grid with a first
// and a second counter. The first side steps the first counter forward,
// the second side the second counter, the third and fourth sides step them
// back. Each icon first steps the walk, then is placed at the counters as
// they now stand; the step that would close a ring moves the walk one grid
// place inward instead, so that icon starts the next ring.
struct RingShape {
    std::int64_t firstMargin;   // the first side ends past size - margin
    std::int64_t secondOffset;  // the second side ends when (c + offset)(a + 2) passes the size
    bool firstIsRow;            // down first (17) or across first (18)
};

template <typename Place>
void WalkRings(DesktopAccess& desktop, std::int32_t spacing, const RingShape& shape, Place place) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    const std::int64_t a = spacing;
    std::int64_t first = 0;
    std::int64_t second = 0;
    std::int64_t ring = 1;
    std::int64_t firstSize = shape.firstIsRow ? frame.height : frame.width;
    std::int64_t secondSize = shape.firstIsRow ? frame.width : frame.height;
    int side = 1;
    const auto over = [](std::int64_t left, std::int64_t right) {
        return Wrap32(left) > Wrap32(right);
    };
    for (std::int32_t i = 0; i < frame.count; ++i) {
        switch (side) {
            case 1:
                ++first;
                side = over(a * first, firstSize - shape.firstMargin) ? 2 : 1;
                break;
            case 2:
                ++second;
                side = over((second + shape.secondOffset) * (a + 2), secondSize) ? 3 : 2;
                break;
            case 3:
                --first;
                side = !over(a * first, a * ring) ? 4 : 3;
                break;
            default:
                --second;
                if (Wrap32(a * second) < Wrap32(a * ring)) {
                    side = 1;
                    ++first;
                    ++second;
                    ++ring;
                    firstSize -= a;
                    secondSize -= a;
                }
                break;
        }
        const std::int64_t row = shape.firstIsRow ? first : second;
        const std::int64_t column = shape.firstIsRow ? second : first;
        const auto [x, y] = place(a, column, row);
        MoveIcon(desktop, frame, i, x, y);
    }
}

}  // namespace

void ArrangeRectangleDown(DesktopAccess& desktop, std::int32_t spacing) {
    // Down the left side, right along the bottom, up, left along the top.
    WalkRings(desktop, spacing, {30, 2, true},
              [](std::int64_t a, std::int64_t column, std::int64_t row) {
                  return std::pair{(a + 6) * column + 22, (a - 2) * (row - 1) + 2};
              });
}

void ArrangeRectangleAcross(DesktopAccess& desktop, std::int32_t spacing) {
    // Right along the top, down the right side, left along the bottom, up.
    WalkRings(desktop, spacing, {110, 1, false},
              [](std::int64_t a, std::int64_t column, std::int64_t row) {
                  return std::pair{(a + 6) * (column - 1) + 22, (a - 2) * row + 2};
              });
}

}  // namespace tavrel
