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
// application title and the error icon.
void ShowErrorReport(HWND owner, const std::wstring& message);

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
