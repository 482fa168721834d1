#include "app/control_window_win.h"

#include <commctrl.h>

#include "app/control_layout.h"
#include "app/settings_store.h"
#include "common/error_report_win.h"
#include "resources/resource_ids.h"

namespace tavrel {
namespace {

constexpr int kFirstGlyphResource = 1000;
constexpr int kQuitGlyph = 33;
constexpr int kQuitHotGlyph = 34;
constexpr int kGlyphCount = 35;
constexpr COLORREF kGlyphTransparent = RGB(255, 0, 255);
constexpr COLORREF kCaptionStripColour = RGB(0, 0, 160);

void AddTool(HWND tooltip, HWND owner, HWND tool, const wchar_t* text) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS | TTF_IDISHWND;
    info.hwnd = owner;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void AddRectTool(HWND tooltip, HWND owner, UINT_PTR id, const RECT& rect, const wchar_t* text) {
    TOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = id;
    info.rect = rect;
    info.lpszText = const_cast<wchar_t*>(text);
    ::SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

unique_hfont MakeFont(int pixelHeight, int weight) {
    return unique_hfont(::CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

HWND AddButton(HWND parent, HINSTANCE instance, const wchar_t* caption, int x, int y, int size,
               std::uint16_t command, int glyph) {
    HWND button = ::CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y,
                                    size, size, parent,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(command)), instance,
                                    nullptr);
    ::SetWindowLongPtrW(button, GWLP_USERDATA, glyph);
    return button;
}

}  // namespace

unique_himagelist LoadPictures(HINSTANCE instance, int firstResource, int count) {
    unique_himagelist list(::ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, count, 0));
    for (int i = 0; i < count; ++i) {
        unique_hbitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
            instance, MAKEINTRESOURCEW(firstResource + i), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ::ImageList_AddMasked(list.get(), bitmap.get(), kGlyphTransparent);
    }
    return list;
}

bool ControlWindow::Create(HINSTANCE instance, HWND application) {
    application_ = application;
    WNDCLASSEXW controlClass{};
    controlClass.style = CS_DBLCLKS;
    controlClass.hInstance = instance;
    controlClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREL));
    controlClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    controlClass.lpszClassName = kControlWindowClass;
    RegisterWindowClass(controlClass);
    if (CreateFor(0, kControlWindowClass, kApplicationTitle, WS_POPUP | WS_CLIPCHILDREN, kControlLeft,
                  kControlTop, kControlWidth, kControlHeight, application, instance) == nullptr) {
        return false;
    }
    CreateControls(instance);
    return true;
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_BUTTON) {
                DrawButton(item);
            }
            return TRUE;
        }
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return WMNCHitTest(wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                model_.FormActivate();
            }
            return 0;
        case WM_CLOSE:
            // Closing only hides: the program ends through its exit command.
            model_.FormClose();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

void ControlWindow::OnCommand(WPARAM wParam, LPARAM lParam) {
    // Controls name themselves in lParam and say what happened in the high
    // word; only a click is a command. Menu items send neither.
    const bool fromControl = lParam != 0;
    if (fromControl && HIWORD(wParam) != BN_CLICKED) {
        return;
    }
    commands_.Run({LOWORD(wParam), fromControl ? CommandSource::kButton : CommandSource::kMenu});
}

void ControlWindow::CreateControls(HINSTANCE instance) {
    captionFont_ = MakeFont(25, FW_BOLD);
    buttonFont_ = MakeFont(13, FW_NORMAL);
    background_.reset(::CreateSolidBrush(backgroundColour_));
    captionText_ = VerticalText(kProductName);
    captionStrip_ = MeasureCaptionStrip();
    glyphs_ = LoadPictures(instance, kFirstGlyphResource, kGlyphCount);

    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(),
                                 nullptr, instance, nullptr);
    for (const ButtonSpec& layout : ControlButtons()) {
        HWND button = AddButton(hwnd(), instance, layout.caption, layout.x, layout.y, kButtonSize,
                                layout.command, layout.glyph);
        AddTool(tooltip_, hwnd(), button, layout.hint);
    }
    const QuitButtonSpec quit;
    HWND quitButton = AddButton(hwnd(), instance, L"", quit.x, quit.y, quit.size, kCmdQuit, kQuitGlyph);
    AddTool(tooltip_, hwnd(), quitButton, quit.hint);
    AddRectTool(tooltip_, hwnd(), 1, captionStrip_, kCaptionStripHint);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    AddRectTool(tooltip_, hwnd(), 2, client, kControlWindowHint);
}

void ControlWindow::SetHintTiming() {
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(5, 0));
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(100, 0));
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(10000, 0));
    ::SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, RGB(0, 128, 192), 0);
    ::SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, RGB(255, 255, 255), 0);
}

RECT ControlWindow::MeasureCaptionStrip() const {
    window_dc dc(hwnd());
    select_object font(dc.get(), captionFont_.get());
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc.get(), captionText_.c_str(), static_cast<int>(captionText_.size()), &text, DT_CALCRECT);
    return RECT{0, 0, text.right, kControlHeight};
}

LRESULT ControlWindow::WMNCHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT standard = DefaultHandling(WM_NCHITTEST, wParam, lParam);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT strip = captionStrip_;
    POINT topLeft{strip.left, strip.top};
    POINT bottomRight{strip.right, strip.bottom};
    ::ClientToScreen(hwnd(), &topLeft);
    ::ClientToScreen(hwnd(), &bottomRight);
    // Strict on all four sides: the strip's leftmost column and topmost row
    // do not drag.
    const ScreenRect onScreen{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return DragsByCaptionStrip(onScreen, cursor.x, cursor.y) ? HTCAPTION : standard;
}

void ControlWindow::Paint() {
    paint_dc paint(hwnd());
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    ::FillRect(paint.get(), &client, background_.get());

    RECT strip = captionStrip_;
    unique_hbrush stripBrush(::CreateSolidBrush(kCaptionStripColour));
    ::FillRect(paint.get(), &strip, stripBrush.get());
    select_object font(paint.get(), captionFont_.get());
    ::SetBkMode(paint.get(), TRANSPARENT);
    ::SetTextColor(paint.get(), RGB(255, 255, 255));
    RECT text = strip;
    ::DrawTextW(paint.get(), captionText_.c_str(), static_cast<int>(captionText_.size()), &text,
                DT_CALCRECT | DT_CENTER);
    const int height = text.bottom - text.top;
    text = strip;
    text.top = (kControlHeight - height) / 2 - 20;
    ::DrawTextW(paint.get(), captionText_.c_str(), static_cast<int>(captionText_.size()), &text,
                DT_CENTER | DT_RTLREADING);
}

void ControlWindow::DrawButton(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const auto glyph = static_cast<int>(::GetWindowLongPtrW(item.hwndItem, GWLP_USERDATA));

    if (glyph == kQuitGlyph) {
        ::FillRect(dc, &face, unique_hbrush(::CreateSolidBrush(kCaptionStripColour)).get());
        ::ImageList_Draw(glyphs_.get(), pressed ? kQuitHotGlyph : kQuitGlyph, dc, face.left + 2, face.top + 2,
                         ILD_TRANSPARENT);
        return;
    }
    // Flat: the face is the window's own colour; a thin frame shows the
    // button, sunken while pressed.
    ::FillRect(dc, &face, background_.get());
    unique_hpen light(::CreatePen(PS_SOLID, 1, RGB(120, 190, 230)));
    unique_hpen dark(::CreatePen(PS_SOLID, 1, RGB(0, 70, 110)));
    {
        select_object pen(dc, (pressed ? dark : light).get());
        ::MoveToEx(dc, face.left, face.bottom - 1, nullptr);
        ::LineTo(dc, face.left, face.top);
        ::LineTo(dc, face.right - 1, face.top);
    }
    {
        select_object pen(dc, (pressed ? light : dark).get());
        ::MoveToEx(dc, face.right - 1, face.top, nullptr);
        ::LineTo(dc, face.right - 1, face.bottom - 1);
        ::LineTo(dc, face.left - 1, face.bottom - 1);
    }
    const int shift = pressed ? 1 : 0;
    ::ImageList_Draw(glyphs_.get(), glyph, dc, face.left + (kButtonSize - kGlyphSize) / 2 + shift,
                     face.top + 3 + shift, ILD_TRANSPARENT);
    wchar_t caption[64] = {};
    ::GetWindowTextW(item.hwndItem, caption, 64);
    select_object font(dc, buttonFont_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(255, 255, 255));
    RECT text{face.left + shift, face.top + 37 + shift, face.right + shift, face.bottom + shift};
    ::DrawTextW(dc, caption, -1, &text, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void ControlWindow::ShowControl(bool show) {
    ::ShowWindow(hwnd(), show ? SW_SHOW : SW_HIDE);
    if (show) {
        // Showing activates the window, and the activation must be seen
        // before the next step: where the platform activates a background
        // program's window only later (X11 focus under Wine), it would hide
        // the window after the sequence had ended. Asking for the focus here
        // makes the activation happen now.
        ::SetForegroundWindow(hwnd());
        ::SetActiveWindow(hwnd());
    }
}

void ControlWindow::ShowApplication(bool show) { ::ShowWindow(application_, show ? SW_SHOW : SW_HIDE); }

void ControlWindow::SetApplicationToolStyle(bool tool) {
    const LONG_PTR style = ::GetWindowLongPtrW(application_, GWL_EXSTYLE);
    ::SetWindowLongPtrW(application_, GWL_EXSTYLE, tool ? (style | WS_EX_TOOLWINDOW) : (style & ~WS_EX_TOOLWINDOW));
}

}  // namespace tavrel
