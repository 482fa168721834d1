// Text drawn with the desktop icons: every exactly-black pixel of the text,
// as the system's GUI font renders it, becomes one icon.
//
// Rendering the text is the platform's job (icon_text_win.h); turning the
// rendered pixels into icon positions, and the clock's text, happen here.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "desktop/desktop.h"

namespace tavrel {

// The scratch bitmap the text is rendered into, as ink (exactly black) or
// not.
class InkBitmap {
  public:
    static constexpr int kWidth = 100;
    static constexpr int kHeight = 50;

    bool At(std::int64_t column, std::int64_t row) const {
        if (column < 0 || column >= kWidth || row < 0 || row >= kHeight) {
            return false;
        }
        return ink_[static_cast<std::size_t>(row * kWidth + column)];
    }
    void Set(int column, int row, bool ink) {
        if (column >= 0 && column < kWidth && row >= 0 && row < kHeight) {
            ink_[static_cast<std::size_t>(row * kWidth + column)] = ink;
        }
    }
    int CountInk() const;

  private:
    std::array<bool, kWidth * kHeight> ink_{};
};

// Rows 0 to 12 and columns 0 to 8 x textBytes of the bitmap are examined:
// 8 columns per byte of the text in code page 936.
inline constexpr int kInkRows = 13;

// Places one icon on every ink pixel of the examined grid, in raster order,
// spread over the work area; the icons no dot used line up along the
// bottom. Dots beyond the icon count stay empty.
void PlaceTextDots(DesktopAccess& desktop, const InkBitmap& ink, std::int64_t textBytes);

struct TimeOfDay {
    int hour = 0;  // 0 to 23
    int minute = 0;
    int second = 0;
};

// The clock's text: the time in the system's long time format, up to and
// including the minutes ("H:mm:ss" gives "9:05" and "10:23"; "HH:mm:ss"
// gives "05:37"; "tt h:mm:ss" gives the marker, hour and minutes).
std::wstring FormatClockText(TimeOfDay time, const std::wstring& longTimeFormat,
                             const std::wstring& amDesignator, const std::wstring& pmDesignator);

}  // namespace tavrel
