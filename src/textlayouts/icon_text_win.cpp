#include "textlayouts/icon_text_win.h"

#include <windows.h>

#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

constexpr UINT kChineseCodePage = 936;

std::wstring LocaleText(LCTYPE what, const wchar_t* fallback) {
    wchar_t buffer[80] = {};
    if (::GetLocaleInfoW(LOCALE_USER_DEFAULT, what, buffer, 80) == 0) {
        return fallback;
    }
    return buffer;
}

}  // namespace

InkBitmap RenderTextInk(const std::wstring& text) {
    InkBitmap ink;
    window_dc screen(nullptr);
    unique_hdc dc(::CreateCompatibleDC(screen.get()));
    if (!dc) {
        return ink;
    }
    // A top-down 32-bit section: its pixels can be read straight back.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = InkBitmap::kWidth;
    info.bmiHeader.biHeight = -InkBitmap::kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    unique_hbitmap bitmap(::CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) {
        return ink;
    }
    const int pointHeight = -::MulDiv(8, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
    unique_hfont font(::CreateFontW(
        pointHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
    {
        select_object selectBitmap(dc.get(), bitmap.get());
        select_object selectFont(dc.get(), font.get());
        RECT all{0, 0, InkBitmap::kWidth, InkBitmap::kHeight};
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
        ::SetTextColor(dc.get(), ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(dc.get(), RGB(255, 255, 255));
        ::SetBkMode(dc.get(), OPAQUE);
        ::TextOutW(dc.get(), 0, 0, text.c_str(), static_cast<int>(text.size()));
        ::GdiFlush();
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int row = 0; row < InkBitmap::kHeight; ++row) {
        for (int column = 0; column < InkBitmap::kWidth; ++column) {
            const std::uint32_t pixel = pixels[row * InkBitmap::kWidth + column] & 0x00FFFFFFu;
            ink.Set(column, row, pixel == 0);
        }
    }
    return ink;
}

std::int64_t Cp936ByteLength(const std::wstring& text) {
    if (text.empty()) {
        return 0;
    }
    return ::WideCharToMultiByte(kChineseCodePage, 0, text.c_str(), static_cast<int>(text.size()),
                                 nullptr, 0, nullptr, nullptr);
}

void DrawTextWithIcons(DesktopAccess& desktop, const std::wstring& text) {
    PlaceTextDots(desktop, RenderTextInk(text), Cp936ByteLength(text));
}

ClockFormat SystemClockFormat() {
    return {LocaleText(LOCALE_STIMEFORMAT, L"H:mm:ss"), LocaleText(LOCALE_S1159, L"AM"),
            LocaleText(LOCALE_S2359, L"PM")};
}

TimeOfDay CurrentTimeOfDay() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

void ShowDigitalClock(DesktopAccess& desktop, TimeOfDay time, const ClockFormat& format) {
    DrawTextWithIcons(desktop, FormatClockText(time, format.longTime, format.am, format.pm));
}

void ShowDigitalClock(DesktopAccess& desktop) {
    ShowDigitalClock(desktop, CurrentTimeOfDay(), SystemClockFormat());
}

}  // namespace tavrel
