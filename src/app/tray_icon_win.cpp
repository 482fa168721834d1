#include "app/tray_icon_win.h"

#include <shellapi.h>

namespace tavrel {
namespace {

constexpr wchar_t kTrayTip[] = L"Tavrel！";

}  // namespace

NOTIFYICONDATAW TrayIcon::Record(HICON icon) const {
    // The Unicode record, so that the tip shows whatever the system's code
    // page.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner_;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallbackMessage;
    data.hIcon = icon;
    ::lstrcpynW(data.szTip, kTrayTip, ARRAYSIZE(data.szTip));
    return data;
}

bool TrayIcon::Add(HICON icon) const {
    NOTIFYICONDATAW data = Record(icon);
    return ::Shell_NotifyIconW(NIM_ADD, &data) != FALSE;
}

bool TrayIcon::Modify(HICON icon) const {
    NOTIFYICONDATAW data = Record(icon);
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::Notify(const std::wstring& title, const std::wstring& text) const {
    NOTIFYICONDATAW data = Record(nullptr);
    data.uFlags = NIF_INFO;
    ::lstrcpynW(data.szInfoTitle, title.c_str(), ARRAYSIZE(data.szInfoTitle));
    ::lstrcpynW(data.szInfo, text.c_str(), ARRAYSIZE(data.szInfo));
    data.dwInfoFlags = NIIF_INFO;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

bool TrayIcon::Delete() const {
    NOTIFYICONDATAW data = Record(nullptr);
    data.uFlags = NIF_MESSAGE;
    return ::Shell_NotifyIconW(NIM_DELETE, &data) != FALSE;
}

}  // namespace tavrel
