// The command boundary: every window procedure and callback runs its work
// through GuardCommand, so no exception leaves a callback. An error ends
// the command and is shown by the general error report; the program keeps
// running.
#pragma once

#include <windows.h>

#include <string>

namespace tavrel {

inline constexpr wchar_t kApplicationTitle[] = L"Tavrel";
// Questions, notices and input boxes.
inline constexpr wchar_t kNoticeCaption[] = L"Tavrel - 温馨提示";

// The general error report: the text in a box captioned with the
// application title and the error icon. The box runs its own message loop,
// so more errors can happen while it is open; they do not pile up boxes on
// top of it but are shown one after another once it is closed (a text
// that is already waiting, or on the screen, is not queued twice).
void ShowErrorReport(HWND owner, const std::wstring& message);

// Whether the error report is on the screen. Timer commands wait while it
// is, so that a failure that repeats at every tick is reported once.
bool ErrorReportOpen();

// Runs `command`; whatever it throws is reported and goes no further.
template <typename Command>
void GuardCommand(HWND owner, Command&& command) noexcept;

namespace detail {
// The text of the exception being handled.
std::wstring CurrentExceptionText() noexcept;
}  // namespace detail

template <typename Command>
void GuardCommand(HWND owner, Command&& command) noexcept {
    try {
        command();
    } catch (...) {
        ShowErrorReport(owner, detail::CurrentExceptionText());
    }
}

}  // namespace tavrel
