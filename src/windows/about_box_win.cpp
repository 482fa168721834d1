#include "windows/about_box_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <string_view>

#include "common/error_report_win.h"
#include "resources/resource_ids.h"
#include "windows/resources_win.h"
#include "windows/version_info_win.h"

namespace tavrel {
namespace {

constexpr COLORREF kLabelYellow = RGB(255, 255, 0);
constexpr COLORREF kVersionRed = RGB(255, 0, 0);
static_assert(kLinkColour == kLabelYellow && kLinkHighlightColour == kVersionRed);

// Where the labels start on the picture.
constexpr POINT kVersionAt{262, 31};
constexpr POINT kLabel1At{101, 186};
constexpr POINT kLabel2At{101, 198};
constexpr POINT kUrlAt{152, 185};
constexpr POINT kEmailAt{152, 196};
// The icon's place: 30 x 33 at the top right corner.
constexpr RECT kIconRect{kAboutWidth - 30, 0, kAboutWidth, 33};

constexpr wchar_t kLabel1Text[] = L"软件主页：";
constexpr wchar_t kLabel2Text[] = L"联系邮箱：";

// N pixels high is the characters' height, as for every font of the
// program; the line they stand in is taller by the font's leading.
unique_hfont MakeFont(int pixelHeight, bool highlighted) {
    return unique_hfont(::CreateFontW(-pixelHeight, 0, 0, 0, FW_NORMAL, highlighted, highlighted,
                                      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

}  // namespace

bool AboutBox::Create(HINSTANCE instance, HWND owner) {
    WNDCLASSEXW aboutClass{};
    aboutClass.hInstance = instance;
    aboutClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    aboutClass.hbrBackground =
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_ACTIVEBORDER + 1));
    aboutClass.lpszClassName = kAboutBoxClass;
    RegisterWindowClass(aboutClass);
    FormCreate(instance);
    // Centred on the desktop, no border or caption, above other windows.
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kAboutWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kAboutHeight) / 2;
    const DWORD exStyle = WS_EX_TOPMOST | WS_EX_LAYERED | (owner == nullptr ? WS_EX_TOOLWINDOW : 0);
    if (CreateFor(exStyle, kAboutBoxClass, kAboutBoxCaption, WS_POPUP, left, top, kAboutWidth,
                  kAboutHeight, owner, instance) == nullptr) {
        return false;
    }
    // Pixels of colour 0 show what lies behind the window.
    ::SetLayeredWindowAttributes(hwnd(), RGB(0, 0, 0), 255, LWA_COLORKEY);

    if (hints_ != nullptr) {
        hintsAttachment_ = hints_->Attach(*this);
        urlHint_ = hints_->AddTool(hwnd(), LinkRect(Link::kUrl), Hint(Link::kUrl));
        emailHint_ = hints_->AddTool(hwnd(), LinkRect(Link::kEmail), Hint(Link::kEmail));
    }

    ::ShowWindow(hwnd(), SW_SHOW);
    // The activation is to be seen now, not when the platform gets round
    // to it (X11 focus under Wine comes later): the focus record must name
    // this window before the next command runs.
    ::SetForegroundWindow(hwnd());
    ::UpdateWindow(hwnd());
    return true;
}

void AboutBox::FormCreate(HINSTANCE instance) {
    // The designed caption stays when the resource cannot be read.
    version_ = OwnVersionCaption();
    if (auto image = LoadAboutPicture(instance)) {
        picture_ = CreatePictureBitmap(*image);
    }
    icon_.reset(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TAVREL), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    versionFont_ = MakeFont(12, false);
    labelFont_ = MakeFont(11, false);
    linkHighlightFont_ = MakeFont(11, true);
}

void AboutBox::Close() {
    ::ShowWindow(hwnd(), SW_HIDE);
    Closed();
}

LRESULT AboutBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCDESTROY:
            model_.OnDestroyed(kind_);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                model_.OnFocus(kind_);
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the picture covers everything
        case WM_PAINT:
            Paint();
            return 0;
        case WM_MOUSEMOVE:
            MouseMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            Click({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                POINT point{};
                ::GetCursorPos(&point);
                ::ScreenToClient(hwnd(), &point);
                const Part part = PartAt(point);
                ::SetCursor(::LoadCursorW(
                    nullptr, part == Part::kUrl || part == Part::kEmail ? IDC_HAND : IDC_ARROW));
                return TRUE;
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

HFONT AboutBox::FontOf(Part part) const {
    switch (part) {
        case Part::kVersion:
            return versionFont_.get();
        case Part::kUrl:
            return links_.highlighted(Link::kUrl) ? linkHighlightFont_.get() : labelFont_.get();
        case Part::kEmail:
            return links_.highlighted(Link::kEmail) ? linkHighlightFont_.get() : labelFont_.get();
        default:
            return labelFont_.get();
    }
}

const wchar_t* AboutBox::TextOf(Part part) const {
    switch (part) {
        case Part::kVersion:
            return version_.c_str();
        case Part::kLabel1:
            return kLabel1Text;
        case Part::kLabel2:
            return kLabel2Text;
        case Part::kUrl:
            return kWebPageAddress;
        case Part::kEmail:
            return kSupportMailAddress;
        default:
            return L"";
    }
}

RECT AboutBox::PartRect(Part part) const {
    POINT at{};
    switch (part) {
        case Part::kPicture:
            return {0, 0, kAboutWidth, kAboutHeight};
        case Part::kIcon:
            return kIconRect;
        case Part::kVersion:
            at = kVersionAt;
            break;
        case Part::kLabel1:
            at = kLabel1At;
            break;
        case Part::kLabel2:
            at = kLabel2At;
            break;
        case Part::kUrl:
            at = kUrlAt;
            break;
        case Part::kEmail:
            at = kEmailAt;
            break;
    }
    // Each label is as large as its text in its present font.
    window_dc dc(hwnd());
    select_object font(dc.get(), FontOf(part));
    const std::wstring_view text = TextOf(part);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), text.data(), static_cast<int>(text.size()), &size);
    return {at.x, at.y, at.x + size.cx, at.y + size.cy};
}

RECT AboutBox::LinkRect(Link link) const {
    return PartRect(link == Link::kUrl ? Part::kUrl : Part::kEmail);
}

AboutBox::Part AboutBox::PartAt(POINT point) const {
    // The links lie on top, then the other labels and the icon.
    for (const Part part :
         {Part::kEmail, Part::kUrl, Part::kLabel2, Part::kLabel1, Part::kVersion, Part::kIcon}) {
        const RECT rect = PartRect(part);
        if (::PtInRect(&rect, point)) {
            return part;
        }
    }
    return Part::kPicture;
}

void AboutBox::MouseMove(POINT point) {
    const bool url = links_.highlighted(Link::kUrl);
    const bool email = links_.highlighted(Link::kEmail);
    switch (PartAt(point)) {
        case Part::kUrl:
            links_.MouseOverLink(Link::kUrl);
            break;
        case Part::kEmail:
            links_.MouseOverLink(Link::kEmail);
            break;
        case Part::kPicture:
            links_.MouseOverPicture();
            break;
        default:
            break;  // the other labels do nothing
    }
    if (url != links_.highlighted(Link::kUrl) || email != links_.highlighted(Link::kEmail)) {
        UpdateHintRects();
        ::InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void AboutBox::Click(POINT point) {
    switch (PartAt(point)) {
        case Part::kUrl:
            WWWUrlClick(shell_, hwnd());
            break;
        case Part::kEmail:
            MailToClick(shell_, hwnd());
            break;
        case Part::kPicture:
            Close();
            break;
        default:
            break;
    }
}

void AboutBox::UpdateHintRects() {
    if (hints_ != nullptr) {
        hints_->SetToolRect(urlHint_, LinkRect(Link::kUrl));
        hints_->SetToolRect(emailHint_, LinkRect(Link::kEmail));
    }
}

void AboutBox::Paint() {
    paint_dc paint(hwnd());
    const HDC dc = paint.get();
    // Drawn off screen first, so that a highlight does not flicker.
    unique_hdc buffer(::CreateCompatibleDC(dc));
    unique_hbitmap canvas(::CreateCompatibleBitmap(dc, kAboutWidth, kAboutHeight));
    select_object target(buffer.get(), canvas.get());
    RECT all{0, 0, kAboutWidth, kAboutHeight};
    ::FillRect(buffer.get(), &all, ::GetSysColorBrush(COLOR_ACTIVEBORDER));
    if (picture_) {
        unique_hdc source(::CreateCompatibleDC(dc));
        select_object bitmap(source.get(), picture_.get());
        ::BitBlt(buffer.get(), 0, 0, kAboutWidth, kAboutHeight, source.get(), 0, 0, SRCCOPY);
    }
    if (icon_) {
        ::DrawIconEx(buffer.get(), kIconRect.left, kIconRect.top + 1, icon_.get(), 30, 30, 0,
                     nullptr, DI_NORMAL);
    }
    for (const Part part :
         {Part::kVersion, Part::kLabel1, Part::kLabel2, Part::kUrl, Part::kEmail}) {
        PaintLabel(buffer.get(), part);
    }
    ::BitBlt(dc, 0, 0, kAboutWidth, kAboutHeight, buffer.get(), 0, 0, SRCCOPY);
}

void AboutBox::PaintLabel(HDC dc, Part part) const {
    select_object font(dc, FontOf(part));
    const RECT rect = PartRect(part);
    const std::wstring_view text = TextOf(part);
    if (part == Part::kVersion) {
        // The version label has the window's colour behind it.
        ::SetBkMode(dc, OPAQUE);
        ::SetBkColor(dc, ::GetSysColor(COLOR_ACTIVEBORDER));
        ::SetTextColor(dc, kVersionRed);
    } else {
        ::SetBkMode(dc, TRANSPARENT);
        const bool lit = (part == Part::kUrl && links_.highlighted(Link::kUrl)) ||
                         (part == Part::kEmail && links_.highlighted(Link::kEmail));
        ::SetTextColor(dc, lit ? kVersionRed : kLabelYellow);
    }
    ::ExtTextOutW(dc, rect.left, rect.top, part == Part::kVersion ? ETO_OPAQUE : 0, &rect,
                  text.data(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace tavrel
