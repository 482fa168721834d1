#include "app/control_window_win.h"

#include <commctrl.h>

#include "app/control_layout.h"
#include "core/settings_store.h"
#include "common/error_report_win.h"
#include "resources/resource_ids.h"
#include "styling/colors.h"

namespace tavrel {
namespace {

constexpr int kFirstGlyphResource = 1000;
constexpr int kQuitGlyph = 33;
constexpr int kQuitHotGlyph = 34;
constexpr int kGlyphCount = 35;
constexpr COLORREF kGlyphTransparent = RGB(255, 0, 255);
constexpr COLORREF kCaptionStripColour = RGB(0, 0, 160);

unique_hfont MakeFont(int pixelHeight, int weight) {
    return unique_hfont(::CreateFontW(
        -pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

HWND AddButton(HWND parent, HINSTANCE instance, const wchar_t* caption, int x, int y, int size,
               std::uint16_t command, int glyph) {
    HWND button = ::CreateWindowExW(
        0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, x, y, size, size, parent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(command)), instance, nullptr);
    ::SetWindowLongPtrW(button, GWLP_USERDATA, glyph);
    return button;
}

}  // namespace

unique_himagelist LoadPictures(HINSTANCE instance, int firstResource, int count) {
    unique_himagelist list(
        ::ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, count, 0));
    for (int i = 0; i < count; ++i) {
        unique_hbitmap bitmap(
            static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(firstResource + i),
                                              IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
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
    if (CreateFor(0, kControlWindowClass, kApplicationTitle, WS_POPUP | WS_CLIPCHILDREN,
                  kControlLeft, kControlTop, kControlWidth, kControlHeight, application,
                  instance) == nullptr) {
        return false;
    }
    // HintStyler1 as the window describes it, made the application's hints.
    ConfigureControlWindowHintStyler(hintStyler1_);
    hints_.Install(instance, hintStyler1_);
    hintsAttachment_ = hints_.Attach(*this);
    CreateControls(instance);
    return true;
}

LRESULT ControlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(wParam, lParam);
            return 0;
        case WM_DRAWITEM: {
            // The picture buttons are drawn by the menu painter's take-over.
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_BUTTON && item.hwndItem == quit_) {
                DrawQuit(item);
            }
            return TRUE;
        }
        case WM_CTLCOLORBTN:
            // The buttons' corners show the window's colour; their captions
            // are in the window text colour.
            ::SetTextColor(reinterpret_cast<HDC>(wParam), ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(BackgroundBrush());
        case WM_SETFOCUS:
            // The keyboard goes to the button that had it, or the first.
            if (HWND target = ::IsWindow(focused_)
                                  ? focused_
                                  : (pictureButtons_.empty() ? nullptr : pictureButtons_.front())) {
                ::SetFocus(target);
            }
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return WMNCHitTest(wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::GetParent(focus) == hwnd()) {
                    focused_ = focus;
                }
                return 0;
            }
            model_.FormActivate();
            // The window takes the keyboard focus (for its buttons) unless
            // the activation hid it again.
            if (::IsWindowVisible(hwnd()) && ::GetActiveWindow() == hwnd()) {
                ::SetFocus(hwnd());
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
    captionText_ = VerticalText(kProductName);
    captionStrip_ = MeasureCaptionStrip();
    glyphs_ = LoadPictures(instance, kFirstGlyphResource, kGlyphCount);

    for (const ButtonSpec& layout : ControlButtons()) {
        HWND button = AddButton(hwnd(), instance, layout.caption, layout.x, layout.y, kButtonSize,
                                layout.command, layout.glyph);
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
        hints_.AddTool(button, layout.hint);
        pictureButtons_.push_back(button);
    }
    const QuitButtonSpec quit;
    quit_ = AddButton(hwnd(), instance, L"", quit.x, quit.y, quit.size, kCmdQuit, kQuitGlyph);
    hints_.AddTool(quit_, quit.hint);
    // The strip before the whole window, so that the strip's hint counts.
    hints_.AddTool(hwnd(), captionStrip_, kCaptionStripHint);
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    hints_.AddTool(hwnd(), client, kControlWindowHint);
}

void ControlWindow::SetHintTiming() {
    ApplicationHints& application = hints_.application();
    application.hintPause = 5;
    application.hintHidePause = 10000;
    application.hintShortPause = 100;
    application.hintColor = RGB(0, 128, 192);
}

RECT ControlWindow::MeasureCaptionStrip() const {
    window_dc dc(hwnd());
    select_object font(dc.get(), captionFont_.get());
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc.get(), captionText_.c_str(), static_cast<int>(captionText_.size()), &text,
                DT_CALCRECT);
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
    ::FillRect(paint.get(), &client, BackgroundBrush());

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

void ControlWindow::DrawQuit(const DRAWITEMSTRUCT& item) {
    RECT face = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(item.hDC, &face, unique_hbrush(::CreateSolidBrush(kCaptionStripColour)).get());
    ::ImageList_Draw(glyphs_.get(), pressed ? kQuitHotGlyph : kQuitGlyph, item.hDC, face.left + 2,
                     face.top + 2, ILD_TRANSPARENT);
}

void ControlWindow::SetColour(ColorRef colour) {
    colour_ = colour;
    if (hwnd() != nullptr) {
        ::RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

HBRUSH ControlWindow::BackgroundBrush() {
    if (IsSystemColorRef(colour_)) {
        return ::GetSysColorBrush(static_cast<int>(colour_ & 0xFFu));
    }
    if (!ownBrush_ || ownBrushColour_ != colour_) {
        ownBrush_.reset(::CreateSolidBrush(static_cast<COLORREF>(colour_ & 0x00FFFFFFu)));
        ownBrushColour_ = colour_;
    }
    return ownBrush_.get();
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

void ControlWindow::ShowApplication(bool show) {
    ::ShowWindow(application_, show ? SW_SHOW : SW_HIDE);
}

void ControlWindow::SetApplicationToolStyle(bool tool) {
    const LONG_PTR style = ::GetWindowLongPtrW(application_, GWL_EXSTYLE);
    ::SetWindowLongPtrW(application_, GWL_EXSTYLE,
                        tool ? (style | WS_EX_TOOLWINDOW) : (style & ~WS_EX_TOOLWINDOW));
}

}  // namespace tavrel
