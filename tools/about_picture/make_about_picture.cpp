// Draws the about window's picture at build time and writes it as a JPEG
// (349 x 210, with the host's libjpeg). Everything on it, the lettering
// included, is drawn here from strokes, so the picture needs no fonts and
// comes out the same on every machine. The icons on it are laid out by the
// program's own figure code.
//
//   make_about_picture OUTPUT.jpg
//
// The window keys black out (the desktop shows through it), so black is
// used only outside the rounded plate. The window itself puts its labels on
// the picture: the version at (262, 31), the icon at the top right, and the
// links at y 185 to 207 from x 101; those places are left quiet.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "core/dispatcher.h"
#include "core/quiet_host.h"
#include "desktop/recording_desktop.h"

namespace {

constexpr int kWidth = 349;
constexpr int kHeight = 210;

struct Rgb {
    double r, g, b;
};

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

struct Point {
    double x, y;
};
using Stroke = std::vector<Point>;

double SegmentDistance(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    double t = length > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double ex = p.x - (a.x + t * dx);
    const double ey = p.y - (a.y + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

class Picture {
  public:
    Picture() : pixels_(static_cast<std::size_t>(kWidth * kHeight), Rgb{0, 0, 0}) {}

    Rgb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y * kWidth + x)]; }
    bool Inside(int x, int y) const { return x >= 0 && x < kWidth && y >= 0 && y < kHeight; }

    // Blends `colour` over the pixel with coverage `alpha`.
    void Blend(int x, int y, Rgb colour, double alpha) {
        if (Inside(x, y) && alpha > 0) {
            At(x, y) = Mix(At(x, y), colour, std::min(alpha, 1.0));
        }
    }

    // Strokes of the given width with round ends, anti-aliased. Overlapping
    // strokes of one call cover a pixel once.
    void DrawStrokes(const std::vector<Stroke>& strokes, double width, Rgb colour,
                     double opacity = 1) {
        double left = kWidth, top = kHeight, right = 0, bottom = 0;
        for (const Stroke& stroke : strokes) {
            for (const Point& p : stroke) {
                left = std::min(left, p.x), right = std::max(right, p.x);
                top = std::min(top, p.y), bottom = std::max(bottom, p.y);
            }
        }
        const double reach = width / 2 + 1;
        for (int y = std::max(0, static_cast<int>(top - reach));
             y <= std::min(kHeight - 1, static_cast<int>(bottom + reach)); ++y) {
            for (int x = std::max(0, static_cast<int>(left - reach));
                 x <= std::min(kWidth - 1, static_cast<int>(right + reach)); ++x) {
                const Point centre{x + 0.5, y + 0.5};
                double nearest = 1e9;
                for (const Stroke& stroke : strokes) {
                    for (std::size_t i = 0; i + 1 < stroke.size(); ++i) {
                        nearest =
                            std::min(nearest, SegmentDistance(centre, stroke[i], stroke[i + 1]));
                    }
                    if (stroke.size() == 1) {
                        nearest = std::min(nearest, SegmentDistance(centre, stroke[0], stroke[0]));
                    }
                }
                Blend(x, y, colour, std::clamp(width / 2 + 0.5 - nearest, 0.0, 1.0) * opacity);
            }
        }
    }

    // A filled rounded rectangle, anti-aliased.
    void RoundRect(double left, double top, double right, double bottom, double radius, Rgb colour,
                   double opacity = 1) {
        for (int y = std::max(0, static_cast<int>(top) - 1);
             y <= std::min(kHeight - 1, static_cast<int>(bottom) + 1); ++y) {
            for (int x = std::max(0, static_cast<int>(left) - 1);
                 x <= std::min(kWidth - 1, static_cast<int>(right) + 1); ++x) {
                const double d =
                    RoundRectDistance(x + 0.5, y + 0.5, left, top, right, bottom, radius);
                Blend(x, y, colour, std::clamp(0.5 - d, 0.0, 1.0) * opacity);
            }
        }
    }

    void Disc(double cx, double cy, double radius, Rgb colour, double opacity = 1) {
        for (int y = std::max(0, static_cast<int>(cy - radius) - 1);
             y <= std::min(kHeight - 1, static_cast<int>(cy + radius) + 1); ++y) {
            for (int x = std::max(0, static_cast<int>(cx - radius) - 1);
                 x <= std::min(kWidth - 1, static_cast<int>(cx + radius) + 1); ++x) {
                const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) - radius;
                Blend(x, y, colour, std::clamp(0.5 - d, 0.0, 1.0) * opacity);
            }
        }
    }

    // Signed distance from a point to a rounded rectangle's outline
    // (negative inside).
    static double RoundRectDistance(double x, double y, double left, double top, double right,
                                    double bottom, double radius) {
        const double cx = (left + right) / 2, cy = (top + bottom) / 2;
        const double hx = (right - left) / 2 - radius, hy = (bottom - top) / 2 - radius;
        const double qx = std::abs(x - cx) - hx, qy = std::abs(y - cy) - hy;
        const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
        return outside + std::min(std::max(qx, qy), 0.0) - radius;
    }

    bool WriteJpeg(const std::string& path) const {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return false;
        }
        jpeg_compress_struct info{};
        jpeg_error_mgr errors{};
        info.err = jpeg_std_error(&errors);  // a failure here ends the tool, and the build
        jpeg_create_compress(&info);
        jpeg_stdio_dest(&info, file);
        info.image_width = kWidth;
        info.image_height = kHeight;
        info.input_components = 3;
        info.in_color_space = JCS_RGB;
        jpeg_set_defaults(&info);
        jpeg_set_quality(&info, 94, TRUE);
        // No chroma subsampling: the thin coloured strokes stay sharp.
        for (int i = 0; i < info.num_components; ++i) {
            info.comp_info[i].h_samp_factor = 1;
            info.comp_info[i].v_samp_factor = 1;
        }
        jpeg_start_compress(&info, TRUE);
        std::vector<JSAMPLE> row(kWidth * 3);
        while (info.next_scanline < info.image_height) {
            const int y = static_cast<int>(info.next_scanline);
            for (int x = 0; x < kWidth; ++x) {
                const Rgb& p = pixels_[static_cast<std::size_t>(y * kWidth + x)];
                row[static_cast<std::size_t>(x * 3)] = Byte(p.r);
                row[static_cast<std::size_t>(x * 3 + 1)] = Byte(p.g);
                row[static_cast<std::size_t>(x * 3 + 2)] = Byte(p.b);
            }
            JSAMPROW rows[1] = {row.data()};
            jpeg_write_scanlines(&info, rows, 1);
        }
        jpeg_finish_compress(&info);
        jpeg_destroy_compress(&info);
        return std::fclose(file) == 0;
    }

  private:
    static JSAMPLE Byte(double value) {
        return static_cast<JSAMPLE>(std::clamp(std::lround(value), 0L, 255L));
    }
    std::vector<Rgb> pixels_;
};

// Strokes in a glyph's own units, placed at (x, y) with `scale` pixels per
// unit and leaned right by `slant`.
std::vector<Stroke> Place(const std::vector<Stroke>& glyph, double x, double y, double scale,
                          double slant = 0, double baseline = 10) {
    std::vector<Stroke> placed;
    for (const Stroke& stroke : glyph) {
        Stroke s;
        for (const Point& p : stroke) {
            s.push_back({x + (p.x + (baseline - p.y) * slant) * scale, y + p.y * scale});
        }
        placed.push_back(s);
    }
    return placed;
}

// Part of an ellipse, from angle `from` to `to` (degrees, counter-clockwise
// on the screen, 0 to the right).
Stroke Arc(double cx, double cy, double rx, double ry, double from, double to) {
    Stroke arc;
    const int steps = 24;
    for (int i = 0; i <= steps; ++i) {
        const double angle = (from + (to - from) * i / steps) * 3.14159265358979 / 180;
        arc.push_back({cx + rx * std::cos(angle), cy - ry * std::sin(angle)});
    }
    return arc;
}

// The product name's letters: cap height 10 units, x-height 6.4.
struct Letter {
    std::vector<Stroke> strokes;
    double advance;
};

std::vector<Letter> ProductName() {
    return {
        {{{{0, 0.4}, {7.4, 0.4}}, {{3.7, 0.4}, {3.7, 10}}}, 7.0},                         // T
        {{Arc(2.5, 7.6, 2.4, 2.4, 0, 360), {{5.7, 3.4}, {5.7, 9.2}, {6.5, 10.2}}}, 7.6},  // a
        {{{{0, 3.6}, {2.8, 10}, {5.6, 3.6}}}, 6.6},                                       // v
        {{{{0.6, 3.6}, {0.6, 10}}, Arc(3.4, 6.6, 2.8, 3.0, 180, 75)}, 5.0},               // r
        {{{{0.2, 7.0}, {5.6, 7.0}}, Arc(2.9, 7.0, 2.7, 3.2, 0, 305)}, 7.2},               // e
        {{{{0.8, 0}, {0.8, 10}}}, 2.0},                                                   // l
    };
}

// The subtitle "桌面图标排列" in strokes on a 16-unit square.
std::vector<std::vector<Stroke>> Subtitle() {
    return {
        // 桌: 卜 over 日 over 木
        {{{8, 0.2}, {8, 3}},
         {{8, 1.6}, {12, 1.6}},
         {{3.5, 3}, {12.5, 3}, {12.5, 8.2}, {3.5, 8.2}, {3.5, 3}},
         {{3.5, 5.6}, {12.5, 5.6}},
         {{1, 10.3}, {15, 10.3}},
         {{8, 8.2}, {8, 16}},
         {{7.6, 10.6}, {2, 15}},
         {{8.4, 10.6}, {14.2, 15}}},
        // 面
        {{{1, 1}, {15, 1}},
         {{7.4, 1}, {6.4, 4}},
         {{2, 4}, {2, 16}},
         {{2, 4}, {14, 4}, {14, 16}},
         {{6.2, 4}, {6.2, 14.8}},
         {{9.8, 4}, {9.8, 14.8}},
         {{6.2, 8}, {9.8, 8}},
         {{6.2, 11.4}, {9.8, 11.4}},
         {{2, 14.8}, {14, 14.8}}},
        // 图: 囗 around 冬
        {{{1.2, 0.8}, {1.2, 16}},
         {{1.2, 0.8}, {14.8, 0.8}, {14.8, 16}},
         {{1.2, 15.2}, {14.8, 15.2}},
         {{7.2, 2.6}, {4, 6.4}},
         {{6, 4.4}, {11, 4.4}, {5, 10.2}},
         {{7.4, 6.4}, {12.4, 10}},
         {{7, 10.6}, {9.2, 11.6}},
         {{6.2, 12.6}, {9.4, 13.8}}},
        // 标: 木 beside 示
        {{{0.4, 5}, {6.2, 5}},
         {{3.4, 0.6}, {3.4, 16}},
         {{3.2, 6}, {0.4, 12}},
         {{3.6, 6.6}, {5.8, 9}},
         {{8.6, 2}, {14.4, 2}},
         {{7.4, 6}, {15.6, 6}},
         {{11.5, 6}, {11.5, 15.4}, {10, 14.4}},
         {{9.6, 9}, {7.8, 12.8}},
         {{13.4, 9}, {15.2, 12.4}}},
        // 排: 扌 beside 非
        {{{0.4, 5}, {5.2, 5}},
         {{3, 0.6}, {3, 15.2}, {1.6, 14.2}},
         {{0.4, 11.6}, {5.6, 8.6}},
         {{9, 0.6}, {9, 16}},
         {{12, 0.6}, {12, 16}},
         {{6, 4}, {9, 4}},
         {{6.4, 8}, {9, 8}},
         {{5.8, 12.8}, {9, 11.6}},
         {{12, 4}, {15.2, 4}},
         {{12, 8}, {15.2, 8}},
         {{12, 12}, {15.6, 12}}},
        // 列: 歹 beside 刂
        {{{0.4, 1.6}, {9, 1.6}},
         {{4.6, 1.6}, {2.2, 6.8}},
         {{3.4, 5}, {7.6, 5}, {5.4, 10.6}, {1, 15.2}},
         {{3.6, 8.2}, {5.8, 10}},
         {{11.2, 3}, {11.2, 12}},
         {{14.6, 0.6}, {14.6, 15.4}, {13, 14.6}}},
    };
}

// 5 x 7 capitals for the small lines.
const char* SmallGlyph(char c) {
    switch (c) {
        case 'A':
            return "01110100011000111111100011000110001";
        case 'C':
            return "01110100011000010000100001000101110";
        case 'D':
            return "11110100011000110001100011000111110";
        case 'E':
            return "11111100001000011110100001000011111";
        case 'G':
            return "01110100011000010111100011000101111";
        case 'I':
            return "01110001000010000100001000010001110";
        case 'K':
            return "10001100101010011000101001001010001";
        case 'N':
            return "10001110011010110011100011000110001";
        case 'O':
            return "01110100011000110001100011000101110";
        case 'P':
            return "11110100011000111110100001000010000";
        case 'R':
            return "11110100011000111110101001001010001";
        case 'S':
            return "01111100001000001110000010000111110";
        case 'T':
            return "11111001000010000100001000010000100";
        case 'W':
            return "10001100011000110101101011101110001";
        case 'F':
            return "11111100001000011110100001000010000";
        case 'L':
            return "10000100001000010000100001000011111";
        case 'Y':
            return "10001100010101000100001000010000100";
        case 'M':
            return "10001110111010110101100011000110001";
        case ',':
            return "00000000000000000000001100010001000";
        case '.':
            return "00000000000000000000000000110001100";
        case '0':
            return "01110100011001110101110011000101110";
        case '2':
            return "01110100010000100010001000100011111";
        default:
            return "00000000000000000000000000000000000";
    }
}

void SmallText(Picture& picture, const std::string& text, int x, int y, Rgb colour) {
    for (char c : text) {
        const char* bits = SmallGlyph(c);
        for (int row = 0; row < 7; ++row) {
            for (int column = 0; column < 5; ++column) {
                if (bits[row * 5 + column] == '1') {
                    picture.Blend(x + column, y + row, colour, 1);
                }
            }
        }
        x += 6;
    }
}

// One desktop icon in miniature: a rounded tile with a shine and a caption
// bar under it.
void MiniIcon(Picture& picture, double cx, double cy, Rgb colour) {
    picture.RoundRect(cx - 4.5, cy - 5.5, cx + 4.5, cy + 3.5, 2.2, Rgb{20, 40, 90}, 0.45);
    picture.RoundRect(cx - 5, cy - 6, cx + 4, cy + 3, 2.2, colour);
    picture.RoundRect(cx - 3.6, cy - 4.8, cx + 1, cy - 2.6, 1, Rgb{255, 255, 255}, 0.55);
    picture.RoundRect(cx - 4, cy + 4.6, cx + 3, cy + 6, 0.7, Rgb{235, 245, 255}, 0.8);
}

const std::array<Rgb, 6> kIconColours = {Rgb{255, 190, 40},  Rgb{90, 220, 110},
                                         Rgb{255, 110, 90},  Rgb{120, 190, 255},
                                         Rgb{230, 140, 255}, Rgb{250, 240, 120}};

// Icons where an arrangement puts them on a 1024 x 738 screen, fitted into
// the box (left, top, width, height).
void IconFigure(Picture& picture, int number, int icons, double left, double top, double width,
                double height) {
    tavrel::RecordingDesktop desktop(icons, 1024, 738);
    tavrel::Settings settings;
    settings.arrage = number;
    tavrel::QuietHost host;
    tavrel::Dispatcher(desktop, settings, host).PerformArrangement(number);
    if (desktop.moves.empty()) {
        return;
    }
    double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (const auto& move : desktop.moves) {
        minX = std::min(minX, double(move.x)), maxX = std::max(maxX, double(move.x));
        minY = std::min(minY, double(move.y)), maxY = std::max(maxY, double(move.y));
    }
    const double scale =
        std::min(width / std::max(1.0, maxX - minX), height / std::max(1.0, maxY - minY));
    const double offsetX = left + (width - (maxX - minX) * scale) / 2;
    const double offsetY = top + (height - (maxY - minY) * scale) / 2;
    for (const auto& move : desktop.moves) {
        MiniIcon(picture, offsetX + (move.x - minX) * scale, offsetY + (move.y - minY) * scale,
                 kIconColours[static_cast<std::size_t>(move.index) % kIconColours.size()]);
    }
}

Picture Draw() {
    Picture picture;
    const double radius = 18;
    // The plate: a blue blend, lighter at the top left, on black that the
    // window keys out. Its outline is hard so no dark fringe is left.
    const Rgb lightBlue{20, 140, 215}, deepBlue{14, 52, 128};
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double d =
                Picture::RoundRectDistance(x + 0.5, y + 0.5, 0, 0, kWidth, kHeight, radius);
            if (d > 0) {
                continue;
            }
            const double t = std::clamp((x * 0.45 + y * 1.0) / (kWidth * 0.45 + kHeight), 0.0, 1.0);
            Rgb colour = Mix(lightBlue, deepBlue, t);
            // A soft glow behind the heart of icons.
            const double glow =
                std::exp(-(std::pow((x - 262) / 70.0, 2) + std::pow((y - 112) / 55.0, 2)));
            colour = Mix(colour, Rgb{90, 200, 255}, glow * 0.35);
            // Two bright rims just inside the outline.
            if (d > -2) {
                colour = Rgb{170, 225, 255};
            } else if (d > -3.5) {
                colour = Mix(colour, Rgb{10, 40, 100}, 0.6);
            }
            picture.At(x, y) = colour;
        }
    }
    // Light bands sweeping across, as on a desktop wallpaper.
    std::vector<Stroke> sweep;
    sweep.push_back(Arc(120, 420, 360, 300, 62, 118));
    picture.DrawStrokes(sweep, 26, Rgb{255, 255, 255}, 0.07);
    sweep = {Arc(160, 440, 380, 300, 60, 120)};
    picture.DrawStrokes(sweep, 8, Rgb{255, 255, 255}, 0.09);

    // The links' strip along the bottom.
    for (int y = 180; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const double d =
                Picture::RoundRectDistance(x + 0.5, y + 0.5, 0, 0, kWidth, kHeight, radius);
            if (d <= -3.5) {
                picture.At(x, y) = y == 180
                                       ? Rgb{120, 200, 255}
                                       : Mix(Rgb{10, 40, 98}, Rgb{6, 28, 78}, (y - 181) / 29.0);
            }
        }
    }

    // The product name, leaning, with its shadow.
    double x = 20;
    const double scale = 4.2;
    std::vector<Stroke> name;
    for (const Letter& letter : ProductName()) {
        for (const Stroke& s : Place(letter.strokes, x, 14, scale, 0.16)) {
            name.push_back(s);
        }
        x += letter.advance * scale;
    }
    std::vector<Stroke> shadow;
    for (Stroke s : name) {
        for (Point& p : s) {
            p.x += 2.5, p.y += 2.5;
        }
        shadow.push_back(s);
    }
    picture.DrawStrokes(shadow, 6.4, Rgb{6, 30, 80}, 0.7);
    picture.DrawStrokes(name, 6.0, Rgb{255, 255, 255});
    picture.DrawStrokes(name, 2.0, Rgb{200, 235, 255}, 0.6);

    // The subtitle, one character after the other.
    const auto subtitle = Subtitle();
    for (std::size_t i = 0; i < subtitle.size(); ++i) {
        const double left = 22 + static_cast<double>(i) * 21;
        std::vector<Stroke> glyph = Place(subtitle[i], left, 76, 1.1);
        std::vector<Stroke> glyphShadow = Place(subtitle[i], left + 1.2, 77.2, 1.1);
        picture.DrawStrokes(glyphShadow, 2.4, Rgb{6, 30, 80}, 0.6);
        picture.DrawStrokes(glyph, 2.0, Rgb{255, 228, 120});
    }
    SmallText(picture, "DESKTOP ICONS, ARRANGED", 23, 104, Rgb{175, 220, 255});

    // Two figures of icons: a heart, and a circle in the lower left.
    IconFigure(picture, 26, 30, 196, 54, 136, 116);
    IconFigure(picture, 21, 12, 34, 122, 86, 50);

    // The plate of the version label, and the badge behind the icon.
    // The plate runs off the right edge: the caption may reach it.
    picture.RoundRect(256, 27, 362, 47, 5, Rgb{120, 200, 255});
    picture.RoundRect(257.5, 28.5, 362, 45.5, 4, Rgb{250, 250, 246});
    picture.Disc(334, 14, 17, Rgb{170, 225, 255});
    picture.Disc(334, 14, 15, Rgb{40, 120, 200});
    return picture;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_about_picture OUTPUT.jpg\n");
        return 2;
    }
    if (!Draw().WriteJpeg(argv[1])) {
        std::fprintf(stderr, "make_about_picture: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
