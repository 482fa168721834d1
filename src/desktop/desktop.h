// Everything Tavrel does to the shell's desktop goes through DesktopAccess.
// The figures and the dispatcher are written against this interface, so the
// geometry runs natively against a recording fake and the Win32 half runs
// against a real list view.
//
// The list view handle is looked up anew by every operation and never kept:
// the shell may re-create its desktop at any time.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "common/color_ref.h"

namespace tavrel {

// An opaque window handle; 0 means "no desktop list view".
struct ListViewHandle {
    std::uintptr_t value = 0;
    explicit operator bool() const { return value != 0; }
    friend bool operator==(ListViewHandle, ListViewHandle) = default;
};

struct WorkAreaRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// The message parameter of a move: the low 16 bits of x, then the low 16
// bits of y, so 70000 arrives as 4464 and -1 as 0xFFFF.
constexpr std::uint32_t PackIconPosition(std::int32_t x, std::int32_t y) {
    return (static_cast<std::uint32_t>(x) & 0xFFFFu) | (static_cast<std::uint32_t>(y) & 0xFFFFu)
                                                           << 16;
}

// What the shell's list view does to positions it is given: auto-arrange
// puts every icon back into its rows at once, align-to-grid moves each one
// to the nearest grid cell. Either keeps a figure from showing as laid out.
struct DesktopListStyles {
    bool autoArrange = false;
    bool snapToGrid = false;
    friend bool operator==(DesktopListStyles, DesktopListStyles) = default;
};

// One icon as read back from the shell: caption and upper-left corner.
// A position that could not be read is (-1, -1).
struct DesktopIcon {
    std::wstring caption;
    std::int32_t x = -1;
    std::int32_t y = -1;
};

// Reads captions and positions out of the shell's process. Lives for one
// save or restore of a layout; closing it frees everything it allocated.
class DesktopIconReader {
  public:
    virtual ~DesktopIconReader() = default;
    virtual std::int32_t Count() = 0;
    // Nothing when the icon's caption cannot be read.
    virtual std::optional<DesktopIcon> ReadIcon(std::int32_t index) = 0;
};

class DesktopAccess {
  public:
    virtual ~DesktopAccess() = default;

    virtual ListViewHandle FindDesktopListView() = 0;
    // 0 for a null handle.
    virtual std::int32_t GetDesktopIconCount(ListViewHandle handle) = 0;
    virtual void MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                                 std::int32_t y) = 0;
    virtual WorkAreaRect GetDesktopWorkArea() = 0;
    virtual void SetIconTextColor(ListViewHandle handle, ColorRef color) = 0;
    virtual void SetIconTextBackColor(ListViewHandle handle, ColorRef color) = 0;
    virtual void RedrawDesktopIcons(ListViewHandle handle, std::int32_t first,
                                    std::int32_t last) = 0;
    // Both false for a null handle or a shell that does not answer.
    virtual DesktopListStyles GetDesktopListStyles(ListViewHandle handle) = 0;
    // 0 hides the shell's whole desktop window, anything else shows it.
    virtual void ShowDesktopWindow(std::int32_t show) = 0;
    // Whether that window is shown now; nothing when there is none or the
    // shell does not answer.
    virtual std::optional<bool> DesktopWindowShown() = 0;
    // Switches the shell's auto-arrange and align-to-grid off, so that the
    // icons stay where they are put.
    virtual void SwitchOffSelfArranging(ListViewHandle handle) = 0;
    // Null when the shell's process cannot be opened or no memory can be had
    // in it; nothing is reported either way.
    virtual std::unique_ptr<DesktopIconReader> OpenIconReader() = 0;
};

// The primary screen's size as the program sees it (logical, scaled down
// when the system scales a program that is not DPI-aware) and as it is
// (physical).
struct ScreenSizes {
    std::int32_t physicalWidth = 0;
    std::int32_t physicalHeight = 0;
    std::int32_t logicalWidth = 0;
    std::int32_t logicalHeight = 0;
};

// value * numerator / denominator, rounded to the nearest integer with ties
// to the even one, exactly (no real arithmetic). A denominator or numerator
// that is not positive leaves the value as it is.
std::int32_t ScaleCoordinate(std::int32_t value, std::int32_t numerator, std::int32_t denominator);

// A work area read in logical pixels, taken to physical pixels by the
// screen's physical-to-logical ratio of each axis. Scaling is always the
// same on both axes, so the rectangle is left as it is when the two
// ratios disagree by more than the logical sizes' own rounding (the sizes
// then describe something else, such as several screens side by side),
// when the screen is not larger physically, or when a size is not
// positive.
WorkAreaRect ScaleToPhysical(WorkAreaRect logical, ScreenSizes screen);

// Gives every icon caption `text` on `back` and has all icons repainted.
void ApplyIconTextColors(DesktopAccess& desktop, ColorRef text, ColorRef back);

}  // namespace tavrel
