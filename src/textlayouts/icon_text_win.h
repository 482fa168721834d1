// The platform half of text drawn with icons: rendering with GDI, and the
// system's clock and time format.
#pragma once

#include <string>

#include "desktop/desktop.h"
#include "textlayouts/icon_text.h"

namespace tavrel {

// The text drawn at (0, 0) into a white 100 x 50 scratch bitmap with the
// font a new drawing surface gets ("MS Sans Serif", 8 points, the window
// text colour), read back as exactly-black pixels.
InkBitmap RenderTextInk(const std::wstring& text);

// The text's length in bytes of code page 936, whatever the system's own
// code page: 1 per Latin character, 2 per Chinese one.
std::int64_t Cp936ByteLength(const std::wstring& text);

void DrawTextWithIcons(DesktopAccess& desktop, const std::wstring& text);

// The system's long time format with its AM and PM markers.
struct ClockFormat {
    std::wstring longTime;
    std::wstring am;
    std::wstring pm;
};
ClockFormat SystemClockFormat();
TimeOfDay CurrentTimeOfDay();

// Draws the time with the icons.
void ShowDigitalClock(DesktopAccess& desktop, TimeOfDay time, const ClockFormat& format);
// The same with the current local time and the system's format.
void ShowDigitalClock(DesktopAccess& desktop);

}  // namespace tavrel
