// DesktopAccess on the real shell: the list view that is the first child of
// the first child of the "Progman" window, driven with window messages.
#pragma once

#include "desktop/desktop.h"

namespace tavrel {

class Win32Desktop final : public DesktopAccess {
public:
    ListViewHandle FindDesktopListView() override;
    std::int32_t GetDesktopIconCount(ListViewHandle handle) override;
    void MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                         std::int32_t y) override;
    WorkAreaRect GetDesktopWorkArea() override;
    void SetIconTextColor(ListViewHandle handle, ColorRef color) override;
    void SetIconTextBackColor(ListViewHandle handle, ColorRef color) override;
    void RedrawDesktopIcons(ListViewHandle handle, std::int32_t first, std::int32_t last) override;
    void ShowDesktopWindow(std::int32_t show) override;
    std::unique_ptr<DesktopIconReader> OpenIconReader() override;
};

}  // namespace tavrel
