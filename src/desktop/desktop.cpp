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

}  // namespace tavrel
