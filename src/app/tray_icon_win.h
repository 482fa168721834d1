// The program's icon in the shell's notification area: identifier 100 on
// the control window, the callback message WM_USER + 1, the tip "Tavrel！".
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace tavrel {

inline constexpr UINT kTrayIconId = 100;
inline constexpr UINT kTrayCallbackMessage = WM_USER + 1;

class TrayIcon {
  public:
    explicit TrayIcon(HWND owner) : owner_(owner) {}

    // Each returns whether the shell took the request; nobody needs to act
    // on a refusal (an icon that could not be added simply is not there).
    bool Add(HICON icon) const;
    bool Modify(HICON icon) const;
    bool Delete() const;
    // A balloon notification beside the icon.
    bool Notify(const std::wstring& title, const std::wstring& text) const;

  private:
    NOTIFYICONDATAW Record(HICON icon) const;
    HWND owner_;
};

}  // namespace tavrel
