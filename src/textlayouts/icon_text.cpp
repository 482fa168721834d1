#include "textlayouts/icon_text.h"

#include <algorithm>

#include "common/numeric.h"
#include "patterns/frame.h"

namespace tavrel {

int InkBitmap::CountInk() const {
    return static_cast<int>(std::count(ink_.begin(), ink_.end(), true));
}

void PlaceTextDots(DesktopAccess& desktop, const InkBitmap& ink, std::int64_t textBytes) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    // Columns past the bitmap never hold ink, so looking further than its
    // width changes nothing.
    const std::int64_t lastColumn = std::min<std::int64_t>(8 * textBytes, InkBitmap::kWidth - 1);

    std::int64_t maxColumn = 0;
    std::int64_t maxRow = 0;
    for (std::int64_t row = 0; row < kInkRows; ++row) {
        for (std::int64_t column = 0; column <= lastColumn; ++column) {
            if (ink.At(column, row)) {
                maxColumn = std::max(maxColumn, column);
                maxRow = std::max(maxRow, row);
            }
        }
    }
    // The grid reaches from the bitmap's origin: blank columns and rows
    // before the ink take their share of the space too.
    const std::int64_t cellWidth =
        Div(Wrap32(std::int64_t{frame.width} - 100), Wrap32(maxColumn + 1));
    const std::int64_t cellHeight =
        Div(Wrap32(std::int64_t{frame.height} - 200), Wrap32(maxRow + 1));

    std::int64_t dot = 0;
    for (std::int64_t row = 0; row < kInkRows; ++row) {
        for (std::int64_t column = 0; column <= lastColumn; ++column) {
            if (!ink.At(column, row)) {
                continue;
            }
            // The counter runs on past the icon count: later dots simply
            // have no icon, so the text's lower rows go missing first.
            if (dot < frame.count) {
                desktop.MoveDesktopIcon(frame.handle, Wrap32(dot), Wrap32(50 + column * cellWidth),
                                        Wrap32(50 + row * cellHeight));
            }
            ++dot;
        }
    }

    if (dot < frame.count) {
        const std::int64_t spacing = Div(frame.width, Wrap32(frame.count - dot));
        for (std::int64_t k = dot; k < frame.count; ++k) {
            desktop.MoveDesktopIcon(frame.handle, Wrap32(k), Wrap32((k - dot) * spacing),
                                    Wrap32(std::int64_t{frame.height} - 50));
        }
    }
}

namespace {

std::wstring TwoDigits(int value) {
    std::wstring text = std::to_wstring(value);
    return value < 10 ? L"0" + text : text;
}

// The picture up to and including its last minutes field. Everything after
// the minutes (separator, seconds, a trailing marker) is left out.
std::wstring UpToMinutes(const std::wstring& picture) {
    std::size_t end = std::wstring::npos;
    bool quoted = false;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] == L'\'') {
            quoted = !quoted;
        } else if (!quoted && picture[i] == L'm') {
            end = i + 1;
        }
    }
    return end == std::wstring::npos ? picture : picture.substr(0, end);
}

}  // namespace

std::wstring FormatClockText(TimeOfDay time, const std::wstring& longTimeFormat,
                             const std::wstring& amDesignator, const std::wstring& pmDesignator) {
    const std::wstring picture = UpToMinutes(longTimeFormat);
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    const std::wstring& marker = time.hour < 12 ? amDesignator : pmDesignator;

    std::wstring text;
    for (std::size_t i = 0; i < picture.size();) {
        const wchar_t symbol = picture[i];
        if (symbol == L'\'') {
            const std::size_t close = picture.find(L'\'', i + 1);
            const std::size_t stop = close == std::wstring::npos ? picture.size() : close;
            text += picture.substr(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        std::size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == symbol) {
            ++run;
        }
        const bool twoDigits = run >= 2;
        switch (symbol) {
            case L'H':
                text += twoDigits ? TwoDigits(time.hour) : std::to_wstring(time.hour);
                break;
            case L'h':
                text += twoDigits ? TwoDigits(hour12) : std::to_wstring(hour12);
                break;
            case L'm':
                text += twoDigits ? TwoDigits(time.minute) : std::to_wstring(time.minute);
                break;
            case L's':
                text += twoDigits ? TwoDigits(time.second) : std::to_wstring(time.second);
                break;
            case L't':
                text += twoDigits ? marker : marker.substr(0, 1);
                break;
            default:
                text.append(run, symbol);
                break;
        }
        i += run;
    }
    return text;
}

}  // namespace tavrel
