// Starting the program with Windows: the string value "Tavrel" under the
// Run key of the settings root.
#pragma once

#include <string>

namespace tavrel {

inline constexpr wchar_t kAutorunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kAutorunValueName[] = L"Tavrel";

// The value's data: the program's path in double quotes, so that the
// system finds the program even when its folder has a blank in its name
// (C:\Program Files\...) and another program file sits at the first part.
std::wstring QuotedProgramPath(const std::wstring& programPath);

// Whatever the value holds, quoted or as older versions wrote it, a
// non-empty value means the program starts with Windows.
inline bool AutorunIsOn(const std::wstring& value) {
    return !value.empty();
}

}  // namespace tavrel
