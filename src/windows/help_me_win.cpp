#include "windows/help_me_win.h"

#include <commctrl.h>

#include <string>

#include "resources/resource_ids.h"
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
constexpr COLORREF kPictureTransparent = RGB(255, 0, 255);
// Shown smaller than in the menus, so that the captions keep their room.
constexpr int kGlyphSize = 24;

unique_hfont MakeFont(int pixelHeight) {
    return unique_hfont(::CreateFontW(
        -pixelHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

// A plain tooltip cannot break a line at a lone CR; it shows the same two
// lines with CR LF.
std::wstring TooltipText(const wchar_t* hint) {
    std::wstring text;
    for (const wchar_t* c = hint; *c != L'\0'; ++c) {
        text += *c;
        if (*c == L'\r') {
            text += L'\n';
        }
    }
    return text;
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
    tooltip_ =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr, instance, nullptr);
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 300);

    // The two pages; the tab strip of the page control lies out of sight,
    // so only the page the command chose is ever shown.
    const auto makeMemo = [&](int resource) {
        HWND memo =
            ::CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                              WS_CHILD | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                              3, 1, 440, 370, hwnd(), nullptr, instance, nullptr);
        ::SendMessageW(memo, WM_SETFONT, reinterpret_cast<WPARAM>(memoFont_.get()), FALSE);
        ::SetWindowTextW(memo, LoadHelpPage(instance, resource).c_str());
        AddHint(memo, kHelpHint);
        return memo;
    };
    memo2_ = makeMemo(IDR_HELP_PAGE);
    memo1_ = makeMemo(IDR_WHATSNEW_PAGE);

    AddButton(instance, kOk, L"确  定", 9, 100, kBookPicture);
    AddButton(instance, kWWWUrl, L"软件主页", 115, 100, kGlobePicture);
    AddButton(instance, kEMailTo, L"技术支持", 221, 100, kLifebuoyPicture);
    AddButton(instance, kTakeToFirend, L"推荐给好友", 327, 110, kEnvelopePicture);
    // The contact buttons' hints are set here, two lines each.
    for (const ButtonId id : {kWWWUrl, kEMailTo, kTakeToFirend}) {
        AddHint(button(id), Hint(id));
    }
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = hwnd();
    info.uId = 1;
    info.rect = {0, 0, kClientWidth, kClientHeight};
    info.lpszText = const_cast<wchar_t*>(kHelpHint);
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

HWND HelpMe::AddButton(HINSTANCE instance, ButtonId id, const wchar_t* caption, int x, int width,
                       int picture) {
    HWND control = ::CreateWindowExW(
        0, L"BUTTON", caption,
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | (id == kOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, 376,
        width, 36, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    // The glyph beside the caption (common controls 6).
    auto& list = glyphs_[static_cast<std::size_t>(id - kOk)];
    list.reset(::ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, 1, 0));
    unique_hbitmap bitmap(
        static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(kMenuPictures + picture),
                                          IMAGE_BITMAP, kGlyphSize, kGlyphSize, LR_CREATEDIBSECTION)));
    if (bitmap) {
        ::ImageList_AddMasked(list.get(), bitmap.get(), kPictureTransparent);
    }
    BUTTON_IMAGELIST image{};
    image.himl = list.get();
    image.margin = {4, 0, 0, 0};
    image.uAlign = BUTTON_IMAGELIST_ALIGN_LEFT;
    ::SendMessageW(control, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&image));
    return control;
}

void HelpMe::AddHint(HWND control, const wchar_t* text) {
    const std::wstring shown = TooltipText(text);
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    info.hwnd = hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(shown.c_str());  // the tooltip keeps its own copy
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void HelpMe::SelectPage(HelpPage page) {
    page_ = page;
    ::ShowWindow(memo2_, page == HelpPage::kHelp ? SW_SHOW : SW_HIDE);
    ::ShowWindow(memo1_, page == HelpPage::kWhatIsNew ? SW_SHOW : SW_HIDE);
}

void HelpMe::Close() {
    ::ShowWindow(hwnd(), SW_HIDE);
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
