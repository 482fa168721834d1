// Carries the painter's drawing plans out with GDI on a real device
// context, and gives the portable rules the device's colours and text
// measures.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"
#include "styling/colors.h"
#include "styling/draw_plan.h"
#include "styling/menu_painter.h"

namespace tavrel {

// The colours of one device context.
class GdiColorDevice final : public ColorDevice {
  public:
    explicit GdiColorDevice(HDC dc) : dc_(dc) {}
    ColorRef SystemColor(int index) override;
    ColorRef NearestColor(ColorRef rgb) override;
    int BitsPerPixel() override;

  private:
    HDC dc_;
};

// Text extents in the font selected into the device context.
class GdiTextMeasurer final : public TextMeasurer {
  public:
    explicit GdiTextMeasurer(HDC dc) : dc_(dc) {}
    TextSize Measure(std::wstring_view text) override;

  private:
    HDC dc_;
};

// The painter's font: the system menu font, or the one it names.
unique_hfont CreatePainterFont(const PainterFont& font);

// A picture's pixels: what an image list draws over `background`.
PixelImage ImageListPicture(HIMAGELIST list, int index, ColorRef background);
// The pixels of a bitmap, as it is.
PixelImage BitmapPixels(HBITMAP bitmap);
// The pixels of a rectangle of a device context.
PixelImage ReadPixels(HDC dc, const Rect& rect);

// Carries out `ops` on `dc`. Picture and shadow operations draw `picture`
// (already in the look the operation asks for is made here). Text is drawn
// in the font selected into `dc`.
void ExecutePlan(HDC dc, const std::vector<DrawOp>& ops, const PixelImage* picture,
                 ColorDevice& device);

}  // namespace tavrel
