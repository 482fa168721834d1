#include "desktop/desktop.h"

#include "common/numeric.h"

namespace tavrel {

void ApplyIconTextColors(DesktopAccess& desktop, ColorRef text, ColorRef back) {
    const ListViewHandle handle = desktop.FindDesktopListView();
    desktop.SetIconTextColor(handle, text);
    desktop.SetIconTextBackColor(handle, back);
    const std::int32_t count = desktop.GetDesktopIconCount(handle);
    desktop.RedrawDesktopIcons(handle, 0, Wrap32(static_cast<std::int64_t>(count) - 1));
}

std::int32_t ScaleCoordinate(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (numerator <= 0 || denominator <= 0) {
        return value;
    }
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    std::int64_t quotient = product / denominator;  // toward zero
    const std::int64_t remainder = product % denominator;
    const std::int64_t twiceRemainder = 2 * (remainder < 0 ? -remainder : remainder);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 != 0)) {
        quotient += product < 0 ? -1 : 1;
    }
    return Wrap32(quotient);
}

WorkAreaRect ScaleToPhysical(WorkAreaRect logical, ScreenSizes screen) {
    const std::int64_t physicalWidth = screen.physicalWidth;
    const std::int64_t physicalHeight = screen.physicalHeight;
    const std::int64_t logicalWidth = screen.logicalWidth;
    const std::int64_t logicalHeight = screen.logicalHeight;
    if (logicalWidth <= 0 || logicalHeight <= 0 || physicalWidth <= logicalWidth ||
        physicalHeight <= logicalHeight) {
        return logical;
    }
    // With a true ratio s and each logical size rounded by at most half a
    // pixel, |pw * lh - ph * lw| stays within (pw + ph + s) / 2.
    const std::int64_t cross = physicalWidth * logicalHeight - physicalHeight * logicalWidth;
    const std::int64_t slack = physicalWidth + physicalHeight + physicalWidth / logicalWidth + 1;
    if (2 * (cross < 0 ? -cross : cross) > slack) {
        return logical;
    }
    return WorkAreaRect{
        ScaleCoordinate(logical.left, screen.physicalWidth, screen.logicalWidth),
        ScaleCoordinate(logical.top, screen.physicalHeight, screen.logicalHeight),
        ScaleCoordinate(logical.right, screen.physicalWidth, screen.logicalWidth),
        ScaleCoordinate(logical.bottom, screen.physicalHeight, screen.logicalHeight)};
}

}  // namespace tavrel
