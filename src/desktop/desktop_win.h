// DesktopAccess on the real shell: the list view inside the shell's
// "SHELLDLL_DefView", wherever the shell keeps that view, driven with
// window messages that never wait for a shell that does not answer.
#pragma once

#include <cstdint>
#include <optional>

#include "desktop/desktop.h"
#include "desktop/shell_view_win.h"

namespace tavrel {

// How long one list view message may wait for the shell. Windows itself
// calls a window that has not taken its messages for five seconds "not
// responding"; a healthy shell answers these messages in well under a
// millisecond, and even a busy one within that time. Beyond it the shell
// counts as hung: the message is given up and, with SMTO_ABORTIFHUNG,
// every later message to it returns at once until it answers again.
inline constexpr std::uint32_t kShellAnswerTimeoutMs = 5000;

class Win32Desktop final : public DesktopAccess {
  public:
    // `shellView` is the shell's own view of the desktop; the real one when
    // null.
    explicit Win32Desktop(std::uint32_t answerTimeoutMs = kShellAnswerTimeoutMs,
                          ShellDesktopView* shellView = nullptr)
        : answerTimeoutMs_(answerTimeoutMs), shellView_(shellView) {}

    ListViewHandle FindDesktopListView() override;
    std::int32_t GetDesktopIconCount(ListViewHandle handle) override;
    void MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                         std::int32_t y) override;
    WorkAreaRect GetDesktopWorkArea() override;
    void SetIconTextColor(ListViewHandle handle, ColorRef color) override;
    void SetIconTextBackColor(ListViewHandle handle, ColorRef color) override;
    void RedrawDesktopIcons(ListViewHandle handle, std::int32_t first, std::int32_t last) override;
    DesktopListStyles GetDesktopListStyles(ListViewHandle handle) override;
    void ShowDesktopWindow(std::int32_t show) override;
    std::optional<bool> DesktopWindowShown() override;
    void SwitchOffSelfArranging(ListViewHandle handle) override;
    std::unique_ptr<DesktopIconReader> OpenIconReader() override;

  private:
    // A list view message; false when the shell did not answer in time (or
    // the window is gone), and from then on for every message to the same
    // handle until the next lookup starts a new operation.
    bool Send(ListViewHandle handle, unsigned message, std::uintptr_t wParam, std::intptr_t lParam,
              std::uintptr_t* result = nullptr);

    std::uint32_t answerTimeoutMs_;
    ShellDesktopView* shellView_;
    std::uintptr_t deadListView_ = 0;
};

// The primary monitor's work area in physical pixels, read under a
// per-monitor-aware thread context; nothing on systems without per-thread
// awareness (before Windows 10 version 1607).
std::optional<WorkAreaRect> WorkAreaUnderThreadAwareness();
// The work area as this thread sees it, taken to physical pixels by the
// screen's physical-to-logical ratio: the way on older systems.
WorkAreaRect WorkAreaByScreenRatio();

}  // namespace tavrel
