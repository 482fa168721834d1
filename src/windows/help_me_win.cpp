#include "windows/help_me_win.h"

#include <commctrl.h>

#include <string>

#include "resources/resource_ids.h"
#include "styling/gdi_plan_win.h"
#include "windows/resources_win.h"

namespace tavrel {
namespace {

constexpr int kClientWidth = 442;
constexpr int kClientHeight = 414;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOPMOST;

constexpr COLORREF kMemoBack = RGB(0, 128, 128);
constexpr COLORREF kMemoText = RGB(0, 255, 0);

// The buttons' pictures among the menu pictures (resources 2000 + n).
constexpr int kMenuPictures = 2000;
constexpr int kBookPicture = 52;
constexpr int kGlobePicture = 48;
constexpr int kLifebuoyPicture = 46;
constexpr int kEnvelopePicture = 47;
// Shown smaller than in the menus, so that the captions keep their room.
constexpr int kGlyphSize = 24;

unique_hfont MakeFont(int pixelHeight) {
    return unique_hfont(::CreateFontW(
        -pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

}  // namespace

const wchar_t* HelpMe::Hint(ButtonId id) {
    switch (id) {
        case kWWWUrl:
            return kWWWUrlHint;
        case kEMailTo:
            return kEMailToHint;
        case kTakeToFirend:
            return kTakeToFirendHint;
        default:
            return kHelpHint;
    }
}

bool HelpMe::Create(HINSTANCE instance, HWND owner, HelpPage page) {
    WNDCLASSEXW helpClass{};
    helpClass.hInstance = instance;
    helpClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREL));
    helpClass.hCursor = ::LoadCursorW(nullptr, IDC_HELP);
    helpClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_GRADIENTACTIVECAPTION + 1));
    helpClass.lpszClassName = kHelpMeClass;
    RegisterWindowClass(helpClass);
    RECT frame{0, 0, kClientWidth, kClientHeight};
    ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    if (CreateFor(kExStyle, kHelpMeClass, HelpCaption(page), kStyle,
                  (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                  (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner,
                  instance) == nullptr) {
        return false;
    }
    FormCreate(instance);
    SelectPage(page);
    ::ShowWindow(hwnd(), SW_SHOW);
    // Seen now, as for the about window: the focus record must name this
    // window before the next command runs.
    ::SetForegroundWindow(hwnd());
    ::SetFocus(button(kOk));
    ::UpdateWindow(hwnd());
    return true;
}

void HelpMe::FormCreate(HINSTANCE instance) {
    memoFont_ = MakeFont(15);
    buttonFont_ = MakeFont(15);
    memoBrush_.reset(::CreateSolidBrush(kMemoBack));
    hintsAttachment_ = hints_.Attach(*this);

    // The two pages; the tab strip of the page control lies out of sight,
    // so only the page the command chose is ever shown.
    const auto makeMemo = [&](int resource) {
        HWND memo =
            ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                              WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                              3, 1, 440, 370, hwnd(), nullptr, instance, nullptr);
        ::SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.get()), FALSE);
        ::SetWindowTextW(memo, LoadHelpPage(instance, resource).c_str());
        hints_.AddTool(memo, kHelpHint);
        painter_.controls().AddTextArea(memo);
        return memo;
    };
    memo2_ = makeMemo(IDR_HELP_PAGE);
    memo1_ = makeMemo(IDR_WHATSNEW_PAGE);

    AddButton(instance, kOk, L"确  定", 9, 100, kBookPicture);
    AddButton(instance, kWWWUrl, L"软件主页", 115, 100, kGlobePicture);
    AddButton(instance, kEMailTo, L"技术支持", 221, 100, kLifebuoyPicture);
    AddButton(instance, kTakeToFirend, L"推荐给好友", 327, 110, kEnvelopePicture);
    hints_.AddTool(hwnd(), RECT{0, 0, kClientWidth, kClientHeight}, kHelpHint);

    // The painter's background is the window's; it has no menus to take
    // over, only the buttons and memos.
    MenuPainterProperties properties;
    properties.iconBackColor = kClGradientActiveCaption;
    properties.active = true;
    painter_.SetOwner(hwnd());
    painterHook_ = AddHook(painter_);
    painter_.SetProperties(properties);
}

HWND HelpMe::AddButton(HINSTANCE instance, ButtonId id, const wchar_t* caption, int x, int width,
                       int picture) {
    HWND control = ::CreateWindowExW(
        0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, 376, width,
        36, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    // The glyph left of the caption, drawn by the flat take-over; its
    // magenta is transparent.
    unique_hbitmap bitmap(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(kMenuPictures + picture), IMAGE_BITMAP, kGlyphSize,
                     kGlyphSize, LR_CREATEDIBSECTION)));
    FlatButtonSpec face;
    face.glyph = BitmapPixels(bitmap.get());
    face.layout = GlyphLayout::kLeft;
    painter_.controls().AddBitmapButton(control, std::move(face));
    hints_.AddTool(control, Hint(id));
    return control;
}

void HelpMe::SelectPage(HelpPage page) {
    page_ = page;
    ::ShowWindow(memo2_, page == HelpPage::kHelp ? SW_SHOW : SW_HIDE);
    ::ShowWindow(memo1_, page == HelpPage::kWhatIsNew ? SW_SHOW : SW_HIDE);
}

void HelpMe::Close() {
    ::ShowWindow(hwnd(), SW_HIDE);
    Closed();
}

void HelpMe::OnCommand(int id) {
    switch (id) {
        case kOk:
            Close();
            break;
        case kWWWUrl:  // WWWUrlClick
            WWWUrlClick(shell_, hwnd());
            break;
        case kEMailTo:  // EMailToClick
            MailToClick(shell_, hwnd());
            break;
        case kTakeToFirend:  // TakeToFirendClick
            TalkToFriendClick(shell_, hwnd());
            break;
        default:
            break;
    }
}

bool HelpMe::SetControlCursor(HWND control) {
    const wchar_t* cursor = nullptr;
    if (control == memo1_ || control == memo2_ || control == button(kOk)) {
        cursor = IDC_ARROW;
    } else if (control == button(kWWWUrl) || control == button(kTakeToFirend)) {
        cursor = IDC_HAND;
    } else if (control == button(kEMailTo)) {
        cursor = IDC_HELP;
    }
    if (cursor == nullptr) {
        return false;
    }
    ::SetCursor(::LoadCursorW(nullptr, cursor));
    return true;
}

LRESULT HelpMe::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCDESTROY:
            model_.OnDestroyed(ProgramWindow::kHelp);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                // Coming back, the focus returns to the control that had it.
                const HWND focused = ::GetFocus();
                focused_ = focused != nullptr && ::IsChild(hwnd(), focused) ? focused : nullptr;
                break;
            }
            model_.OnFocus(ProgramWindow::kHelp);
            ::SetFocus(focused_ != nullptr ? focused_ : button(kOk));
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
                OnCommand(LOWORD(wParam));
                return 0;
            }
            break;
        case WM_CTLCOLORBTN:
            // The buttons' corners show the window's colour; their captions
            // are in the window text colour, as on the control window.
            ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_GRADIENTACTIVECAPTION));
        case WM_CTLCOLORSTATIC:  // read-only memos ask for these
        case WM_CTLCOLOREDIT: {
            const auto control = reinterpret_cast<HWND>(lParam);
            if (control == memo1_ || control == memo2_) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, kMemoText);
                ::SetBkColor(dc, kMemoBack);
                return reinterpret_cast<LRESULT>(memoBrush_.get());
            }
            break;
        }
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && SetControlCursor(reinterpret_cast<HWND>(wParam))) {
                return TRUE;
            }
            break;
        case WM_CLOSE:
            Close();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tavrel
