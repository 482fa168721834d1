// A 32 x 32 picture in the 16 standard colours, written as a 4-bit BMP.
#pragma once

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace tavrel::glyphs {

namespace colours {
// The standard 16-colour palette, in its usual order.
inline constexpr std::uint8_t kBlack = 0, kMaroon = 1, kGreen = 2, kOlive = 3, kNavy = 4,
                              kPurple = 5, kTeal = 6, kSilver = 7, kGrey = 8, kRed = 9, kLime = 10,
                              kYellow = 11, kBlue = 12, kFuchsia = 13, kAqua = 14, kWhite = 15;
// Fuchsia marks the pixels the button's face shows through.
inline constexpr std::uint8_t kTransparent = kFuchsia;
}  // namespace colours

inline constexpr std::array<std::uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

class Canvas {
  public:
    static constexpr int kSize = 32;
    Canvas() { pixels_.fill(colours::kTransparent); }

    void Set(int x, int y, std::uint8_t colour) {
        if (x >= 0 && x < kSize && y >= 0 && y < kSize) {
            pixels_[static_cast<std::size_t>(y * kSize + x)] = colour;
        }
    }
    std::uint8_t Get(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y * kSize + x)];
    }
    void FillRect(int left, int top, int width, int height, std::uint8_t colour) {
        for (int y = top; y < top + height; ++y) {
            for (int x = left; x < left + width; ++x) {
                Set(x, y, colour);
            }
        }
    }
    void Frame(int left, int top, int width, int height, std::uint8_t colour) {
        for (int x = left; x < left + width; ++x) {
            Set(x, top, colour);
            Set(x, top + height - 1, colour);
        }
        for (int y = top; y < top + height; ++y) {
            Set(left, y, colour);
            Set(left + width - 1, y, colour);
        }
    }
    // Every pixel whose centre lies within `radius` of (cx, cy).
    void Disc(double cx, double cy, double radius, std::uint8_t colour) {
        for (int y = 0; y < kSize; ++y) {
            for (int x = 0; x < kSize; ++x) {
                const double dx = x + 0.5 - cx;
                const double dy = y + 0.5 - cy;
                if (dx * dx + dy * dy <= radius * radius) {
                    Set(x, y, colour);
                }
            }
        }
    }
    // A line one pixel wide, thickened by `width` - 1 to the right and down.
    void Line(int x0, int y0, int x1, int y1, std::uint8_t colour, int width = 1) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (steps == 0 ? 0 : (x1 - x0) * i / steps);
            const int y = y0 + (steps == 0 ? 0 : (y1 - y0) * i / steps);
            FillRect(x, y, width, width, colour);
        }
    }
    // A 2 x 2 dot: one icon of a miniature.
    void Dot(int x, int y, std::uint8_t colour) { FillRect(x, y, 2, 2, colour); }

    bool WriteBmp(const std::string& path) const {
        std::ofstream out(path, std::ios::binary);
        const std::uint32_t rowBytes = kSize / 2;
        const std::uint32_t pixelBytes = rowBytes * kSize;
        const std::uint32_t offset = 14 + 40 + 16 * 4;
        Put32(out, 0);  // placeholder, fixed below
        out.seekp(0);
        out.put('B').put('M');
        Put32(out, offset + pixelBytes);
        Put32(out, 0);
        Put32(out, offset);
        Put32(out, 40);
        Put32(out, kSize);
        Put32(out, kSize);
        Put16(out, 1);
        Put16(out, 4);
        Put32(out, 0);
        Put32(out, pixelBytes);
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, 16);
        Put32(out, 16);
        for (std::uint32_t rgb : kPalette) {
            out.put(static_cast<char>(rgb & 0xFF));
            out.put(static_cast<char>((rgb >> 8) & 0xFF));
            out.put(static_cast<char>((rgb >> 16) & 0xFF));
            out.put(0);
        }
        for (int y = kSize - 1; y >= 0; --y) {  // bottom-up
            for (int x = 0; x < kSize; x += 2) {
                out.put(static_cast<char>(Get(x, y) << 4 | Get(x + 1, y)));
            }
        }
        return static_cast<bool>(out);
    }

  private:
    static void Put16(std::ofstream& out, std::uint32_t value) {
        out.put(static_cast<char>(value & 0xFF)).put(static_cast<char>((value >> 8) & 0xFF));
    }
    static void Put32(std::ofstream& out, std::uint32_t value) {
        Put16(out, value & 0xFFFF);
        Put16(out, value >> 16);
    }
    std::array<std::uint8_t, kSize * kSize> pixels_{};
};

}  // namespace tavrel::glyphs
