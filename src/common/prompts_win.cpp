#include "common/prompts_win.h"

#include <algorithm>
#include <vector>

#include "common/error_report_win.h"
#include "common/scope_exit.h"
#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

constexpr int kClientWidth = 380;
constexpr int kMargin = 12;
constexpr int kGap = 8;
constexpr int kButtonWidth = 80;
constexpr int kButtonHeight = 26;
constexpr DWORD kBoxStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kBoxExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

HFONT BoxFont() { return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)); }

// How tall the prompt is when wrapped at the label's width.
int PromptHeight(const std::wstring& prompt, int width) {
    window_dc screen(nullptr);
    select_object font(screen.get(), BoxFont());
    RECT rect{0, 0, width, 0};
    ::DrawTextW(screen.get(), prompt.c_str(), static_cast<int>(prompt.size()), &rect,
                DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL);
    return std::max<int>(rect.bottom - rect.top, 1);
}

int FontHeight() {
    window_dc screen(nullptr);
    select_object font(screen.get(), BoxFont());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight;
}

HWND AddControl(HWND parent, DWORD exStyle, const wchar_t* className, const wchar_t* text,
                DWORD style, RECT at, int id) {
    HWND control = ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style,
                                     at.left, at.top, at.right - at.left, at.bottom - at.top,
                                     parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                     nullptr, nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(BoxFont()), FALSE);
    return control;
}

}  // namespace

std::optional<std::wstring> InputBox::Ask(HWND owner, const std::wstring& caption,
                                          const std::wstring& prompt, const std::wstring& initial) {
    InputBox box;
    if (!box.Create(owner, caption, prompt, initial)) {
        return std::nullopt;
    }
    const bool disabledOwner = owner != nullptr && ::EnableWindow(owner, FALSE) == FALSE;
    ::ShowWindow(box.hwnd(), SW_SHOW);
    ::SetForegroundWindow(box.hwnd());
    ::SetFocus(box.edit_);

    std::optional<WPARAM> quit;
    MSG message;
    while (!box.done_) {
        const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            quit = message.wParam;
            break;
        }
        if (got == -1) {
            break;
        }
        // Tab, Enter (OK) and Escape (Cancel) as in any dialog.
        if (!::IsDialogMessageW(box.hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    const std::optional<std::wstring> answer = box.done_ ? box.answer_ : std::nullopt;
    // The owner gets its input back before the box goes, so that the
    // system hands the activation back to it.
    if (disabledOwner) {
        ::EnableWindow(owner, TRUE);
    }
    box.Destroy();
    if (quit) {
        ::PostQuitMessage(static_cast<int>(*quit));
    }
    return answer;
}

bool InputBox::Create(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                      const std::wstring& initial) {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kInputBoxClass;
    RegisterWindowClass(windowClass);

    const int labelWidth = kClientWidth - 2 * kMargin;
    const int promptHeight = PromptHeight(prompt, labelWidth);
    const int editHeight = FontHeight() + 10;
    const int editTop = kMargin + promptHeight + kGap;
    const int buttonTop = editTop + editHeight + kMargin;
    const int clientHeight = buttonTop + kButtonHeight + kMargin;

    RECT frame{0, 0, kClientWidth, clientHeight};
    ::AdjustWindowRectEx(&frame, kBoxStyle, FALSE, kBoxExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    if (CreateFor(kBoxExStyle, kInputBoxClass, caption.c_str(), kBoxStyle, x, y, width, height,
                  owner, windowClass.hInstance) == nullptr) {
        return false;
    }

    AddControl(hwnd(), 0, L"STATIC", prompt.c_str(), SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL,
               {kMargin, kMargin, kMargin + labelWidth, kMargin + promptHeight}, kInputBoxPromptId);
    edit_ = AddControl(hwnd(), WS_EX_CLIENTEDGE, L"EDIT", initial.c_str(),
                       WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT,
                       {kMargin, editTop, kMargin + labelWidth, editTop + editHeight},
                       kInputBoxEditId);
    ::SendMessageW(edit_, EM_SETLIMITTEXT, kInputBoxMaxChars, 0);
    ::SendMessageW(edit_, EM_SETSEL, 0, -1);
    const int centre = kClientWidth / 2;
    AddControl(hwnd(), 0, L"BUTTON", L"确定", WS_TABSTOP | BS_DEFPUSHBUTTON,
               {centre - kGap / 2 - kButtonWidth, buttonTop, centre - kGap / 2,
                buttonTop + kButtonHeight},
               IDOK);
    AddControl(hwnd(), 0, L"BUTTON", L"取消", WS_TABSTOP | BS_PUSHBUTTON,
               {centre + kGap / 2, buttonTop, centre + kGap / 2 + kButtonWidth,
                buttonTop + kButtonHeight},
               IDCANCEL);
    return true;
}

LRESULT InputBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                const int length = ::GetWindowTextLengthW(edit_);
                std::vector<wchar_t> text(static_cast<std::size_t>(length) + 1);
                const int copied = ::GetWindowTextW(edit_, text.data(), length + 1);
                answer_ = std::wstring(text.data(), static_cast<std::size_t>(std::max(copied, 0)));
                done_ = true;
                return 0;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                answer_.reset();
                done_ = true;
                return 0;
            }
            break;
        case WM_CLOSE:
            answer_.reset();
            done_ = true;
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

std::optional<std::wstring> Win32Prompts::AskText(const std::wstring& prompt,
                                                  const std::wstring& initial) {
    if (beginModal_) {
        beginModal_();
    }
    scope_exit end([this] {
        if (endModal_) {
            endModal_();
        }
    });
    return InputBox::Ask(owner_(), kNoticeCaption, prompt, initial);
}

void Win32Prompts::Notify(const std::wstring& text) {
    ::MessageBoxW(owner_(), text.c_str(), kNoticeCaption, MB_OK | MB_ICONINFORMATION);
}

}  // namespace tavrel
