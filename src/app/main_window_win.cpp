#include "app/main_window_win.h"

#include <commctrl.h>

#include "app/control_layout.h"
#include "app/error_report_win.h"
#include "app/menus.h"
#include "app/menus_win.h"
#include "app/tray_animation.h"
#include "app/tray_icon_win.h"
#include "resources/resource_ids.h"

namespace tavrel {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;
constexpr int kFirstMenuPictureResource = 2000;
constexpr int kMenuPictureCount = 57;
constexpr UINT kTimer2DesignInterval = 60000;
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

unique_himagelist LoadPictures(HINSTANCE instance, int firstResource, int count) {
    unique_himagelist list(::ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, count, 0));
    for (int i = 0; i < count; ++i) {
        unique_hbitmap bitmap(static_cast<HBITMAP>(::LoadImageW(
            instance, MAKEINTRESOURCEW(firstResource + i), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        ::ImageList_AddMasked(list.get(), bitmap.get(), kGlyphTransparent);
    }
    return list;
}

unique_hfont MakeFont(int pixelHeight, int weight) {
    return unique_hfont(::CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
}

}  // namespace

MainWindow::MainWindow()
    : host_(desktop_, settings_, registry_), dispatcher_(desktop_, settings_, host_), model_(*this) {}

MainWindow::~MainWindow() {
    if (control_ != nullptr) {
        ::DestroyWindow(control_);
    }
    if (application_ != nullptr) {
        ::DestroyWindow(application_);
    }
}

bool MainWindow::Create(HINSTANCE instance) {
    instance_ = instance;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    WNDCLASSW applicationClass{};
    applicationClass.lpfnWndProc = ApplicationProc;
    applicationClass.hInstance = instance;
    applicationClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREL));
    applicationClass.lpszClassName = kApplicationWindowClass;
    ::RegisterClassW(&applicationClass);

    WNDCLASSW controlClass{};
    controlClass.style = CS_DBLCLKS;
    controlClass.lpfnWndProc = ControlProc;
    controlClass.hInstance = instance;
    controlClass.hIcon = applicationClass.hIcon;
    controlClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    controlClass.lpszClassName = kControlWindowClass;
    ::RegisterClassW(&controlClass);

    // The application window: zero size, titled with the application
    // title, carrying the taskbar button while it is shown without the
    // tool-window style.
    application_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClass, kApplicationTitle,
                                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                                     nullptr, nullptr, instance, this);
    control_ = ::CreateWindowExW(0, kControlWindowClass, kApplicationTitle, WS_POPUP | WS_CLIPCHILDREN,
                                 kControlLeft, kControlTop, kControlWidth, kControlHeight, application_,
                                 nullptr, instance, this);
    if (application_ == nullptr || control_ == nullptr) {
        return false;
    }
    CreateControls();
    GuardCommand(control_, [this] { FormCreate(); });
    return true;
}

LRESULT CALLBACK MainWindow::ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<MainWindow*>(create->lpCreateParams);
        self->control_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self != nullptr) {
            self->control_ = nullptr;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK MainWindow::ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (self != nullptr) {
                self->application_ = nullptr;
            }
            break;
        case WM_ACTIVATE:
            // The taskbar button activates this window; the focus belongs
            // to the control window whenever it is shown.
            if (self != nullptr && LOWORD(wParam) != WA_INACTIVE && self->control_ != nullptr &&
                ::IsWindowVisible(self->control_)) {
                ::SetActiveWindow(self->control_);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (self != nullptr) {
                GuardCommand(self->control_, [self] { self->model_.FormClose(); });
            }
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            // Buttons name themselves in lParam; menu items do not.
            GuardCommand(control_, [&] { OnCommand(LOWORD(wParam), lParam != 0); });
            return 0;
        case WM_TIMER:
            if (wParam == kTimer1) {
                GuardCommand(control_, [this] { Timer1Timer(); });
            } else if (wParam == kTimer2) {
                GuardCommand(control_, [this] { Timer2Timer(); });
            }
            return 0;
        case WM_MEASUREITEM: {
            auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_MENU) {
                MeasureMenuPicture(item);
            }
            return TRUE;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item.CtlType == ODT_MENU) {
                DrawMenuPicture(item);
            } else {
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
                GuardCommand(control_, [this] { model_.FormActivate(); });
            }
            return 0;
        case WM_CLOSE:
            // Closing only hides: the program ends through its exit command.
            GuardCommand(control_, [this] { model_.FormClose(); });
            return 0;
        case kTrayMessage:
            ::DefWindowProcW(control_, message, wParam, lParam);
            GuardCommand(control_, [&] { TrayNotify(lParam); });
            return 0;
        default:
            // The shell's taskbar was made anew (the shell restarted): put
            // the icon back, or the program could no longer be reached.
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                AddTrayIcon();
                return 0;
            }
            return ::DefWindowProcW(control_, message, wParam, lParam);
    }
}

void MainWindow::CreateControls() {
    captionFont_ = MakeFont(25, FW_BOLD);
    buttonFont_ = MakeFont(13, FW_NORMAL);
    background_.reset(::CreateSolidBrush(backgroundColour_));
    captionText_ = VerticalText(kProductName);
    captionStrip_ = MeasureCaptionStrip();

    glyphs_ = LoadPictures(instance_, kFirstGlyphResource, kGlyphCount);
    imlIcon_ = LoadPictures(instance_, kFirstMenuPictureResource, kMenuPictureCount);
    ppmMain_ = BuildPopupMenu(MainMenuEntries());
    ppmSystem_ = BuildPopupMenu(SystemMenuEntries());

    tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                 CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control_,
                                 nullptr, instance_, nullptr);
    for (const ButtonSpec& layout : ControlButtons()) {
        HWND button = ::CreateWindowExW(0, L"BUTTON", layout.caption, WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                        layout.x, layout.y, kButtonSize, kButtonSize, control_,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(layout.command)),
                                        instance_, nullptr);
        ::SetWindowLongPtrW(button, GWLP_USERDATA, layout.glyph);
        AddTool(tooltip_, control_, button, layout.hint);
    }
    const QuitButtonSpec quit;
    HWND quitButton = ::CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, quit.x, quit.y,
                                        quit.size, quit.size, control_,
                                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kCmdQuit)), instance_,
                                        nullptr);
    ::SetWindowLongPtrW(quitButton, GWLP_USERDATA, kQuitGlyph);
    AddTool(tooltip_, control_, quitButton, quit.hint);
    AddRectTool(tooltip_, control_, 1, captionStrip_, kCaptionStripHint);
    RECT client{};
    ::GetClientRect(control_, &client);
    AddRectTool(tooltip_, control_, 2, client, kControlWindowHint);
}

void MainWindow::FormCreate() {
    trayFrame_ = 0;
    // Both timers run from the window's creation.
    ::SetTimer(control_, kTimer1, kFirstAnimationTickMs, nullptr);
    ::SetTimer(control_, kTimer2, kTimer2DesignInterval, nullptr);
    LoadSettings(settings_, registry_, *this);
    // Hints: shown 5 ms after the pointer rests, the next one 100 ms after
    // moving on, gone after 10 seconds.
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(5, 0));
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(100, 0));
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(10000, 0));
    ::SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, RGB(0, 128, 192), 0);
    ::SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, RGB(255, 255, 255), 0);
    AddTrayIcon();
}

void MainWindow::OnCommand(std::uint16_t command, bool fromButton) {
    if (command > kArrangementCommand && command <= ArrangementCommand(kBuiltInArrangementCount)) {
        const std::int32_t tag = command - kArrangementCommand;
        fromButton ? Button(tag) : MenuItemClick(tag);
        return;
    }
    switch (command) {
        case kCmdSeeAllArragn:
            SeeAllArragnClick();
            break;
        case kCmdShowHideAllIcon:
            ShowHideAllIconClick();
            break;
        case kCmdQuit:
            QuitClick();
            break;
        case kCmdShowMain:
            model_.ShowMainClick();
            break;
        case kCmdExit:
            ExitClick();
            break;
        default:
            break;  // commands of features still to come
    }
}

// Both make the chosen arrangement the current one, then perform it.
void MainWindow::Button(std::int32_t tag) { dispatcher_.ChooseArrangement(tag); }

void MainWindow::MenuItemClick(std::int32_t tag) { dispatcher_.ChooseArrangement(tag); }

void MainWindow::SeeAllArragnClick() { dispatcher_.DemonstrateAll(); }

void MainWindow::QuitClick() { model_.FormClose(); }

void MainWindow::ExitClick() {
    tavrel::SaveSettings(settings_, registry_);
    DeleteTrayIcon();
    ::KillTimer(control_, kTimer1);
    ::KillTimer(control_, kTimer2);
    ::PostQuitMessage(0);
}

void MainWindow::ShowHideAllIconClick() {
    if (settings_.showHideIcon == 0) {
        desktop_.ShowDesktopWindow(1);
        settings_.showHideIcon = 1;
    } else {
        desktop_.ShowDesktopWindow(0);
        settings_.showHideIcon = 0;
    }
    SetShowHideCaption();
}

void MainWindow::Timer2Timer() { dispatcher_.Timer2Timer(); }

void MainWindow::TrayNotify(LPARAM mouseMessage) {
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    POINT cursor{};
    switch (mouseMessage) {
        case WM_RBUTTONUP:
            ::GetCursorPos(&cursor);
            ppmSystemPopup();
            OpenPopupMenu(ppmSystem_.get(), {cursor.x + 45, workArea.bottom + 9}, TPM_LEFTALIGN);
            break;
        case WM_LBUTTONUP:
            ::GetCursorPos(&cursor);
            OpenPopupMenu(ppmMain_.get(), {cursor.x + 10, workArea.bottom + 1}, TPM_CENTERALIGN);
            break;
        case WM_LBUTTONDBLCLK:
            model_.ShowControlWindow();
            break;
        default:
            break;
    }
}

void MainWindow::OpenPopupMenu(HMENU menu, POINT at, UINT alignment) {
    // A menu opened from a notification-area icon closes on a click
    // elsewhere only when its owner is the foreground window; the null
    // message afterwards lets the menu's end be seen at once.
    ::SetForegroundWindow(control_);
    constexpr UINT kNoAnimation = TPM_NOANIMATION | TPM_HORPOSANIMATION | TPM_HORNEGANIMATION |
                                  TPM_VERPOSANIMATION | TPM_VERNEGANIMATION;
    ::TrackPopupMenu(menu, alignment | TPM_RIGHTBUTTON | kNoAnimation, at.x, at.y, 0, control_, nullptr);
    ::PostMessageW(control_, WM_NULL, 0, 0);
}

void MainWindow::ppmSystemPopup() {
    // A value of the wrong type fails here, and the menu does not open.
    const std::optional<std::wstring> caption = ReadAutoRunCaption();
    if (!caption) {
        ::MessageBoxW(control_, L"打开注册表失败！", L"错误", MB_OK | MB_ICONERROR);
        return;
    }
    SetMenuCaption(ppmSystem_.get(), kCmdAutoRun, *caption);
}

void MainWindow::AddTrayIcon() { TrayIcon(control_).Add(::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_TAVREL))); }

void MainWindow::DeleteTrayIcon() { TrayIcon(control_).Delete(); }

void MainWindow::Timer1Timer() {
    const AnimationStep step = NextAnimationStep(trayFrame_, ::ImageList_GetImageCount(imlIcon_.get()));
    trayFrame_ = step.frame;
    ::SetTimer(control_, kTimer1, step.nextIntervalMs, nullptr);
    // The shell keeps its own copy of the icon.
    unique_hicon frame(::ImageList_GetIcon(imlIcon_.get(), trayFrame_, ILD_TRANSPARENT));
    TrayIcon(control_).Modify(frame.get());
}

void MainWindow::MeasureMenuPicture(MEASUREITEMSTRUCT& item) const {
    item.itemWidth = kGlyphSize;
    item.itemHeight = kGlyphSize + 2;
}

void MainWindow::DrawMenuPicture(const DRAWITEMSTRUCT& item) const {
    const int picture = MenuItemImage(item.itemData);
    if (picture == kNoImage) {
        return;
    }
    const int top = item.rcItem.top + (item.rcItem.bottom - item.rcItem.top - kGlyphSize) / 2;
    ::ImageList_Draw(imlIcon_.get(), picture, item.hDC, item.rcItem.left, top, ILD_TRANSPARENT);
}

RECT MainWindow::MeasureCaptionStrip() const {
    window_dc dc(control_);
    select_object font(dc.get(), captionFont_.get());
    RECT text{0, 0, 0, 0};
    ::DrawTextW(dc.get(), captionText_.c_str(), static_cast<int>(captionText_.size()), &text, DT_CALCRECT);
    return RECT{0, 0, text.right, kControlHeight};
}

LRESULT MainWindow::WMNCHitTest(WPARAM wParam, LPARAM lParam) {
    const LRESULT standard = ::DefWindowProcW(control_, WM_NCHITTEST, wParam, lParam);
    POINT cursor{};
    ::GetCursorPos(&cursor);
    const RECT strip = captionStrip_;
    POINT topLeft{strip.left, strip.top};
    POINT bottomRight{strip.right, strip.bottom};
    ::ClientToScreen(control_, &topLeft);
    ::ClientToScreen(control_, &bottomRight);
    // Strict on all four sides: the strip's leftmost column and topmost row
    // do not drag.
    const ScreenRect onScreen{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    return DragsByCaptionStrip(onScreen, cursor.x, cursor.y) ? HTCAPTION : standard;
}

void MainWindow::Paint() {
    paint_dc paint(control_);
    RECT client{};
    ::GetClientRect(control_, &client);
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

void MainWindow::DrawButton(const DRAWITEMSTRUCT& item) {
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

void MainWindow::ApplyTextColor() {
    ApplyIconTextColors(desktop_, static_cast<ColorRef>(settings_.textColor), kClrNone);
}

void MainWindow::PerformArrangement() { dispatcher_.PerformArrangement(settings_.arrage); }

void MainWindow::SetRefreshInterval() {
    const std::uint32_t interval = RefreshIntervalMs(settings_.flashScreen);
    if (interval == 0) {
        ::KillTimer(control_, kTimer2);
    } else {
        ::SetTimer(control_, kTimer2, interval, nullptr);
    }
}

void MainWindow::SetShowHideCaption() {
    SetMenuCaption(ppmMain_.get(), kCmdShowHideAllIcon, ShowHideCaption(settings_.showHideIcon));
}

void MainWindow::ApplySkin() {}

void MainWindow::CreateShortcut(int, const std::wstring&) {}

bool MainWindow::AskWelcome(const std::wstring& text) {
    return ::MessageBoxW(control_, text.c_str(), kNoticeCaption, MB_YESNO | MB_ICONINFORMATION) == IDYES;
}

void MainWindow::DemonstrateAll() { dispatcher_.DemonstrateAll(); }

void MainWindow::ShowControl(bool show) {
    ::ShowWindow(control_, show ? SW_SHOW : SW_HIDE);
    if (show) {
        // Showing activates the window, and the activation must be seen
        // before the next step: where the platform activates a background
        // program's window only later (X11 focus under Wine), it would hide
        // the window after the sequence had ended. Asking for the focus here
        // makes the activation happen now.
        ::SetForegroundWindow(control_);
        ::SetActiveWindow(control_);
    }
}

void MainWindow::ShowApplication(bool show) { ::ShowWindow(application_, show ? SW_SHOW : SW_HIDE); }

void MainWindow::SetApplicationToolStyle(bool tool) {
    const LONG_PTR style = ::GetWindowLongPtrW(application_, GWL_EXSTYLE);
    ::SetWindowLongPtrW(application_, GWL_EXSTYLE, tool ? (style | WS_EX_TOOLWINDOW) : (style & ~WS_EX_TOOLWINDOW));
}

}  // namespace tavrel
