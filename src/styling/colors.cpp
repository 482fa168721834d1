#include "styling/colors.h"

#include <algorithm>

#include "common/numeric.h"

namespace tavrel {
namespace {

int ClampChannel(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, 0, 255));
}

int LightenChannel(int value, int percent) {
    const Real step = static_cast<Real>(255 - value) * static_cast<Real>(percent) / 100.0L;
    return ClampChannel(value + Round(step));
}

}  // namespace

ColorRef RgbClamped(int red, int green, int blue) {
    return Rgb(static_cast<std::uint8_t>(ClampChannel(red)),
               static_cast<std::uint8_t>(ClampChannel(green)),
               static_cast<std::uint8_t>(ClampChannel(blue)));
}

ColorRef ResolveColor(ColorDevice& device, ColorRef color) {
    if (IsSystemColorRef(color)) {
        return device.SystemColor(static_cast<int>(color & 0xFFu)) & 0x00FFFFFFu;
    }
    return color;
}

bool IsHighColor(ColorDevice& device) {
    return device.BitsPerPixel() > 15;
}

ColorRef Lighten(ColorDevice& device, ColorRef color, int percent) {
    const int p = std::min(percent, 100);
    const ColorRef rgb = ResolveColor(device, color);
    const ColorRef lighter =
        RgbClamped(LightenChannel(RedOf(rgb), p), LightenChannel(GreenOf(rgb), p),
                   LightenChannel(BlueOf(rgb), p));
    return device.NearestColor(lighter);
}

ColorRef Darken(ColorDevice& device, ColorRef color, int amount) {
    const ColorRef rgb = ResolveColor(device, color);
    const std::int64_t p = amount;
    return RgbClamped(ClampChannel(RedOf(rgb) - p), ClampChannel(GreenOf(rgb) - p + 2),
                      ClampChannel(BlueOf(rgb) - p));
}

}  // namespace tavrel
