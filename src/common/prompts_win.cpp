#include "common/prompts_win.h"

#include <vector>

#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr wchar_t kOkCaption[] = L"确定";
constexpr wchar_t kCancelCaption[] = L"取消";

// Dialog units of a font: the average width of the Latin letters and the
// line height, so that the box keeps its proportions with any font.
struct DialogUnits {
    int x = 6;
    int y = 13;
};

DialogUnits MeasureDialogUnits(HDC dc) {
    constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE size{};
    ::GetTextExtentPoint32W(dc, kLetters, 52, &size);
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    DialogUnits units;
    units.x = (size.cx / 26 + 1) / 2;
    units.y = metrics.tmHeight;
    return units;
}

HWND AddChild(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style,
              DWORD exStyle, RECT bounds, int id, HFONT font) {
    HWND child = ::CreateWindowExW(
        exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

}  // namespace

std::optional<std::wstring> InputBox::Ask(HWND owner, const std::wstring& caption,
                                          const std::wstring& prompt, const std::wstring& initial) {
    InputBox box;
    if (!box.Create(owner, caption, prompt, initial)) {
        return std::nullopt;
    }
    return box.RunModal(owner);
}

bool InputBox::Create(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                      const std::wstring& initial) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW boxClass{};
    boxClass.hInstance = instance;
    boxClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    boxClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    boxClass.lpszClassName = kInputBoxClass;
    RegisterWindowClass(boxClass);

    constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
    if (CreateFor(kExStyle, kInputBoxClass, caption.c_str(), kStyle, 0, 0, 0, 0, owner, instance) ==
        nullptr) {
        return false;
    }

    // The stock font is the system's; it needs no owner.
    const auto font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    DialogUnits units;
    RECT label{};
    {
        window_dc dc(hwnd());
        select_object selected(dc.get(), font);
        units = MeasureDialogUnits(dc.get());
        const int maxWidth = ::MulDiv(164, units.x, 4);
        label = {0, 0, maxWidth, 0};
        ::DrawTextW(dc.get(), prompt.c_str(), static_cast<int>(prompt.size()), &label,
                    DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        label.right = label.right < maxWidth ? label.right : maxWidth;
    }
    const int left = ::MulDiv(8, units.x, 4);
    const int labelTop = ::MulDiv(8, units.y, 8);
    const int editTop = labelTop + (label.bottom - label.top) + 5;
    const int editHeight = units.y + 8;
    const int buttonTop = editTop + editHeight + 15;
    const int buttonWidth = ::MulDiv(50, units.x, 4);
    const int buttonHeight = ::MulDiv(14, units.y, 8);
    const int clientWidth = ::MulDiv(180, units.x, 4);
    const int clientHeight = buttonTop + buttonHeight + 13;

    AddChild(
        hwnd(), L"STATIC", prompt.c_str(), SS_LEFT | SS_NOPREFIX, 0,
        {left, labelTop, left + (label.right - label.left), labelTop + (label.bottom - label.top)},
        -1, font);
    edit_ =
        AddChild(hwnd(), L"EDIT", initial.c_str(), WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                 {left, editTop, left + ::MulDiv(164, units.x, 4), editTop + editHeight},
                 kInputBoxEditId, font);
    ::SendMessageW(edit_, EM_LIMITTEXT, kInputBoxMaxLength, 0);
    const int okLeft = ::MulDiv(38, units.x, 4);
    const int cancelLeft = ::MulDiv(92, units.x, 4);
    AddChild(hwnd(), L"BUTTON", kOkCaption, WS_TABSTOP | BS_DEFPUSHBUTTON, 0,
             {okLeft, buttonTop, okLeft + buttonWidth, buttonTop + buttonHeight}, IDOK, font);
    AddChild(hwnd(), L"BUTTON", kCancelCaption, WS_TABSTOP | BS_PUSHBUTTON, 0,
             {cancelLeft, buttonTop, cancelLeft + buttonWidth, buttonTop + buttonHeight}, IDCANCEL,
             font);

    // The frame around that client area, in the middle of the screen.
    RECT frame{0, 0, clientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    ::SetWindowPos(hwnd(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

std::optional<std::wstring> InputBox::RunModal(HWND owner) {
    const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (ownerWasEnabled) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(hwnd(), SW_SHOW);
    ::SetForegroundWindow(hwnd());
    ::SetFocus(edit_);
    ::SendMessageW(edit_, EM_SETSEL, 0, -1);

    while (!done_) {
        MSG message{};
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the box goes, and so does the loop
            // above it.
            if (got == 0) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
            }
            break;
        }
        if (!::IsDialogMessageW(hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    // The owner is enabled again before the box goes, so that it, and not
    // some other program, becomes the active window.
    if (ownerWasEnabled) {
        ::EnableWindow(owner, TRUE);
    }
    Destroy();
    return answer_;
}

LRESULT InputBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                const int length = ::GetWindowTextLengthW(edit_);
                std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1, L'\0');
                const int read = ::GetWindowTextW(edit_, text.data(), length + 1);
                answer_ = std::wstring(text.data(), static_cast<std::size_t>(read > 0 ? read : 0));
                done_ = true;
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                done_ = true;
                return 0;
            }
            break;
        case DM_GETDEFID:
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_CLOSE:
            done_ = true;
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

std::optional<std::wstring> Win32Prompts::AskText(const std::wstring& prompt,
                                                  const std::wstring& initial) {
    return InputBox::Ask(owner_.hwnd(), kNoticeCaption, prompt, initial);
}

void Win32Prompts::Notify(const std::wstring& text) {
    ::MessageBoxW(owner_.hwnd(), text.c_str(), kNoticeCaption, MB_OK | MB_ICONINFORMATION);
}

bool Win32Prompts::AskYesNo(const std::wstring& text) {
    return ::MessageBoxW(owner_.hwnd(), text.c_str(), kNoticeCaption,
                         MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

}  // namespace tavrel
