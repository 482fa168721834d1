// The command boundary: every window procedure and timer callback runs its
// command through GuardCommand, so no exception leaves a callback. An error
// ends the command and is shown by the general error report; the program
// keeps running.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "common/error.h"

namespace tavrel {

inline constexpr wchar_t kApplicationTitle[] = L"Tavrel";
// Questions, notices and input boxes.
inline constexpr wchar_t kNoticeCaption[] = L"Tavrel - 温馨提示";

inline void ShowErrorReport(HWND owner, const std::wstring& message) {
    ::MessageBoxW(owner, message.c_str(), kApplicationTitle, MB_OK | MB_ICONERROR);
}

template <typename Command>
void GuardCommand(HWND owner, Command&& command) noexcept {
    try {
        command();
    } catch (const Error& error) {
        ShowErrorReport(owner, error.message());
    } catch (const std::exception& error) {
        const std::string what = error.what();
        ShowErrorReport(owner, std::wstring(what.begin(), what.end()));
    } catch (...) {
        ShowErrorReport(owner, L"Unknown error");
    }
}

}  // namespace tavrel
