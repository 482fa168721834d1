#include "styling/balloon_hint_win.h"

#include <algorithm>
#include <limits>

namespace tavrel {
namespace {

// The hint machinery of this thread, for the hook and the timer callback.
thread_local BalloonHints* currentHints = nullptr;

int Length(std::wstring_view text) {
    return static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
}

unique_hfont CreateHintFont(HDC dc, const THintFont& font) {
    const std::int32_t height = FontCharacterHeight(font, ::GetDeviceCaps(dc, LOGPIXELSY));
    return unique_hfont(::CreateFontW(-height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                      font.italic ? TRUE : FALSE, FALSE, FALSE, font.charset,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      font.pitch, font.name.c_str()));
}

COLORREF SystemColor(std::int32_t index) {
    return ::GetSysColor(index);
}

// The window under a screen point, going down into children the way the
// framework finds the control under the mouse: disabled ones included.
HWND InnermostWindowAt(POINT screenPoint) {
    HWND window = ::WindowFromPoint(screenPoint);
    while (window != nullptr) {
        POINT client = screenPoint;
        ::ScreenToClient(window, &client);
        HWND child =
            ::ChildWindowFromPointEx(window, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
        if (child == nullptr || child == window) {
            break;
        }
        window = child;
    }
    return window;
}

bool IsChildWindow(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
}

class GdiRegion final : public BalloonRegion {
  public:
    explicit GdiRegion(HRGN region) : region_(region) {}
    bool Contains(HintPoint point) const override {
        return region_ && ::PtInRegion(region_.get(), point.x, point.y) != FALSE;
    }

  private:
    unique_hrgn region_;
};

// Painting onto a memory device context. What it selects is put back when
// it ends, before its pens, brushes and fonts are deleted.
class GdiCanvas final : public BalloonCanvas {
  public:
    explicit GdiCanvas(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;
    ~GdiCanvas() override { ::RestoreDC(dc_, saved_); }

    std::unique_ptr<BalloonRegion> RoundRectRegion(HintRect r, std::int32_t cornerWidth,
                                                   std::int32_t cornerHeight) override {
        return std::make_unique<GdiRegion>(
            ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight));
    }
    std::unique_ptr<BalloonRegion> PolygonRegion(const Triangle& points) override {
        const std::array<POINT, 3> p = Points(points);
        return std::make_unique<GdiRegion>(::CreatePolygonRgn(p.data(), 3, WINDING));
    }
    void SetPixel(HintPoint point, ColorRef color) override {
        ::SetPixelV(dc_, point.x, point.y, color);
    }
    void SetPen(ColorRef color) override {
        unique_hpen pen(::CreatePen(PS_SOLID, 1, color));
        ::SelectObject(dc_, pen.get());
        pen_ = std::move(pen);
    }
    void SetBrush(ColorRef color) override {
        unique_hbrush brush(::CreateSolidBrush(color));
        ::SelectObject(dc_, brush.get());
        brush_ = std::move(brush);
    }
    void RoundRect(HintRect r, std::int32_t cornerWidth, std::int32_t cornerHeight) override {
        ::RoundRect(dc_, r.left, r.top, r.right, r.bottom, cornerWidth, cornerHeight);
    }
    void MoveTo(HintPoint point) override { ::MoveToEx(dc_, point.x, point.y, nullptr); }
    void LineTo(HintPoint point) override { ::LineTo(dc_, point.x, point.y); }
    void FillPolygon(const Triangle& points) override {
        const std::array<POINT, 3> p = Points(points);
        const unique_hrgn region(::CreatePolygonRgn(p.data(), 3, WINDING));
        if (region && brush_) {
            ::FillRgn(dc_, region.get(), brush_.get());
        }
    }
    void DrawHintText(HintRect r, std::wstring_view text, const THintFont& font) override {
        unique_hfont hintFont = CreateHintFont(dc_, font);
        ::SelectObject(dc_, hintFont.get());
        font_ = std::move(hintFont);
        ::SetBkMode(dc_, TRANSPARENT);
        ::SetTextColor(dc_, font.color);
        RECT rect{r.left, r.top, r.right, r.bottom};
        ::DrawTextW(dc_, text.data(), Length(text), &rect, DT_WORDBREAK | DT_NOPREFIX);
    }

  private:
    static std::array<POINT, 3> Points(const Triangle& t) {
        return {POINT{t[0].x, t[0].y}, POINT{t[1].x, t[1].y}, POINT{t[2].x, t[2].y}};
    }

    HDC dc_;
    int saved_;
    unique_hpen pen_;
    unique_hbrush brush_;
    unique_hfont font_;
};

void RegisterHintWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (::GetClassInfoExW(instance, kBalloonHintWindowClass, &existing)) {
        return;
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // The screen under a hint is saved and put back when it goes, so the
    // windows beneath need not repaint.
    windowClass.style = CS_SAVEBITS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;  // not opaque: the paint covers everything
    windowClass.lpszClassName = kBalloonHintWindowClass;
    ::RegisterClassExW(&windowClass);
}

}  // namespace

// --- TBalloonHintWindow -------------------------------------------------------

TBalloonHintWindow::TBalloonHintWindow(HINSTANCE instance, ApplicationHints& application) {
    RegisterHintWindowClass(instance, &WindowProc);
    // A popup without WS_BORDER; a tool window, so it has no taskbar button.
    window_.reset(::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBalloonHintWindowClass, L"",
                                    WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this));
    application.hintColor = kSystemColorBackground;
}

TBalloonHintWindow::~TBalloonHintWindow() {
    // The window goes first, while everything its procedure might look at
    // still exists.
    window_.reset();
}

LRESULT CALLBACK TBalloonHintWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TBalloonHintWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCHITTEST:
            // The mouse goes through to the window beneath.
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            if (self != nullptr && self->window_.get() == window) {
                self->Paint();
                return 0;
            }
            break;
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HintSize TBalloonHintWindow::CalcHintRect(std::wstring_view text, const THintFont& font) const {
    const window_dc dc(window_.get());
    const unique_hfont hintFont = CreateHintFont(dc.get(), font);
    const select_object selected(dc.get(), hintFont.get());
    RECT rect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), 0};
    const std::wstring_view cut = CutHintText(text);
    ::DrawTextW(dc.get(), cut.data(), Length(cut), &rect,
                DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    return FrameworkHintSize({rect.right - rect.left, rect.bottom - rect.top});
}

void TBalloonHintWindow::ActivateHint(const THintStyler& styler, HintSize frameworkRect,
                                      std::wstring_view text) {
    HWND window = window_.get();
    // A capture is of the screen behind the balloon, never of a balloon.
    if (Showing()) {
        Hide();
    }
    capture_.reset();
    painted_ = false;
    text_.assign(CutHintText(text));
    ::SetWindowTextW(window, text_.c_str());
    styler_ = &styler;

    POINT pointer{};
    ::GetCursorPos(&pointer);
    const HintControl hintControl = reinterpret_cast<HintControl>(InnermostWindowAt(pointer));
    const BalloonPlacement placement =
        PlaceBalloon(styler.StartDirection(hintControl), pointer.x, pointer.y, frameworkRect,
                     {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
    direction_ = placement.direction;
    const int width = placement.size.width;
    const int height = placement.size.height;
    ::SetWindowPos(window, nullptr, placement.x, placement.y, width, height,
                   SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOREDRAW);

    const unique_hdc display(::CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr));
    if (!display) {
        return;
    }
    capture_.reset(::CreateCompatibleBitmap(display.get(), width, height));
    POINT origin{0, 0};
    ::ClientToScreen(window, &origin);
    {
        const unique_hdc memory(::CreateCompatibleDC(display.get()));
        const select_object selected(memory.get(), capture_.get());
        ::BitBlt(memory.get(), 0, 0, width, height, display.get(), origin.x, origin.y, SRCCOPY);
    }
    ::SetWindowPos(window, HWND_TOPMOST, placement.x, placement.y, 0, 0,
                   SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    // At first the window shows just what lay behind it; the balloon comes
    // with the paint.
    const window_dc dc(window);
    const unique_hdc memory(::CreateCompatibleDC(dc.get()));
    const select_object selected(memory.get(), capture_.get());
    ::BitBlt(dc.get(), 0, 0, width, height, memory.get(), 0, 0, SRCCOPY);
}

void TBalloonHintWindow::Hide() {
    ::SetWindowPos(window_.get(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    capture_.reset();
    painted_ = false;
}

bool TBalloonHintWindow::Showing() const {
    return ::IsWindowVisible(window_.get()) != FALSE;
}

void TBalloonHintWindow::Paint() {
    const paint_dc dc(window_.get());
    if (!capture_ || styler_ == nullptr) {
        return;
    }
    RECT client{};
    ::GetClientRect(window_.get(), &client);
    const unique_hdc memory(::CreateCompatibleDC(dc.get()));
    const select_object selected(memory.get(), capture_.get());
    if (!painted_) {
        GdiCanvas canvas(memory.get());
        PaintBalloon(canvas, MakeBalloonLook(*styler_, &SystemColor), direction_, client.right,
                     client.bottom, text_);
        painted_ = true;
    }
    ::BitBlt(dc.get(), 0, 0, client.right, client.bottom, memory.get(), 0, 0, SRCCOPY);
}

// --- BalloonHints ---------------------------------------------------------------

BalloonHints::BalloonHints(HINSTANCE instance) : instance_(instance) {
    currentHints = this;
    lastTick_ = ::GetTickCount();
    hook_.reset(
        ::SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, ::GetCurrentThreadId()));
}

BalloonHints::~BalloonHints() {
    hook_.reset();
    if (timer_ != 0) {
        ::KillTimer(nullptr, timer_);
    }
    hintWindow_.reset();
    if (currentHints == this) {
        currentHints = nullptr;
    }
}

void BalloonHints::Install(const THintStyler& styler) {
    styler_ = &styler;
    // Hints off and on again: the hint window is made anew.
    Apply(timing_.Cancel());
    hintWindow_.reset();
    hintWindow_ = std::make_unique<TBalloonHintWindow>(instance_, application_);
    Reschedule();
}

HintToolId BalloonHints::AddTool(HWND control, std::wstring text) {
    Tool tool;
    tool.id = nextTool_++;
    tool.owner = ::GetAncestor(control, GA_ROOT);
    tool.window = control;
    tool.isControl = true;
    tool.text = std::move(text);
    tools_.push_back(std::move(tool));
    return tools_.back().id;
}

HintToolId BalloonHints::AddTool(HWND window, const RECT& rect, std::wstring text) {
    Tool tool;
    tool.id = nextTool_++;
    tool.owner = ::GetAncestor(window, GA_ROOT);
    tool.window = window;
    tool.rect = rect;
    tool.text = std::move(text);
    tools_.push_back(std::move(tool));
    return tools_.back().id;
}

void BalloonHints::SetToolText(HintToolId tool, std::wstring text) {
    for (Tool& entry : tools_) {
        if (entry.id == tool) {
            entry.text = std::move(text);
        }
    }
}

void BalloonHints::RemoveTools(HWND window) {
    for (const Tool& tool : tools_) {
        if (tool.owner == window || tool.window == window) {
            Apply(timing_.Forget(tool.id));
        }
    }
    std::erase_if(tools_, [window](const Tool& tool) {
        return tool.owner == window || tool.window == window;
    });
    if (lastTool_ != kNoHintTool && Find(lastTool_) == nullptr) {
        lastTool_ = kNoHintTool;
    }
    Reschedule();
}

void BalloonHints::CancelHint() {
    Apply(timing_.Cancel());
    Reschedule();
}

const BalloonHints::Tool* BalloonHints::Find(HintToolId tool) const {
    for (const Tool& entry : tools_) {
        if (entry.id == tool) {
            return &entry;
        }
    }
    return nullptr;
}

HintToolId BalloonHints::ToolAt(POINT screenPoint) const {
    HWND window = InnermostWindowAt(screenPoint);
    if (window == nullptr ||
        ::GetWindowThreadProcessId(window, nullptr) != ::GetCurrentThreadId()) {
        return kNoHintTool;
    }
    // From the innermost window outward; a tool without text lets the one
    // beneath it speak.
    for (; window != nullptr; window = IsChildWindow(window) ? ::GetParent(window) : nullptr) {
        for (const Tool& tool : tools_) {
            if (tool.isControl && tool.window == window && !tool.text.empty()) {
                return tool.id;
            }
        }
        POINT client = screenPoint;
        ::ScreenToClient(window, &client);
        for (const Tool& tool : tools_) {
            if (!tool.isControl && tool.window == window && !tool.text.empty() &&
                ::PtInRect(&tool.rect, client)) {
                return tool.id;
            }
        }
    }
    return kNoHintTool;
}

LRESULT CALLBACK BalloonHints::GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == PM_REMOVE && currentHints != nullptr) {
        currentHints->OnMessage(*reinterpret_cast<const MSG*>(lParam));
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK BalloonHints::TimerProc(HWND, UINT, UINT_PTR, DWORD) {
    if (currentHints != nullptr) {
        BalloonHints& hints = *currentHints;
        hints.Apply(hints.timing_.Tick(hints.Now()));
        hints.Reschedule();
    }
}

void BalloonHints::OnMessage(const MSG& message) {
    switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            // Hear when the pointer leaves this window, also for another
            // program's window where no message of ours would tell.
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_LEAVE | (message.message == WM_NCMOUSEMOVE ? TME_NONCLIENT : 0u);
            track.hwndTrack = message.hwnd;
            ::TrackMouseEvent(&track);
            PointerMoved();
            break;
        }
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            PointerMoved();
            break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN:
        case WM_NCXBUTTONDOWN:
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            CancelHint();
            break;
        default:
            break;
    }
}

void BalloonHints::PointerMoved() {
    POINT pointer{};
    ::GetCursorPos(&pointer);
    const HintToolId tool = ToolAt(pointer);
    // A window appearing or going under a still pointer also sends a move;
    // it is no movement.
    if (tool == lastTool_ && pointer.x == lastPoint_.x && pointer.y == lastPoint_.y) {
        return;
    }
    lastTool_ = tool;
    lastPoint_ = pointer;
    Apply(timing_.PointerAt(Now(), tool));
    Reschedule();
}

void BalloonHints::Apply(HintStep step) {
    if (hintWindow_ == nullptr) {
        return;
    }
    switch (step.action) {
        case HintAction::kNone:
            break;
        case HintAction::kHide:
            hintWindow_->Hide();
            break;
        case HintAction::kShow: {
            const Tool* tool = Find(step.tool);
            if (tool == nullptr || styler_ == nullptr) {
                break;
            }
            const HintSize rect = hintWindow_->CalcHintRect(tool->text, styler_->HintFont());
            hintWindow_->ActivateHint(*styler_, rect, tool->text);
            break;
        }
    }
}

void BalloonHints::Reschedule() {
    if (timer_ != 0) {
        ::KillTimer(nullptr, timer_);
        timer_ = 0;
    }
    const std::optional<std::uint64_t> deadline = timing_.NextDeadline();
    if (!deadline) {
        return;
    }
    const std::uint64_t now = Now();
    const std::uint64_t delay = *deadline > now ? *deadline - now : 0;
    timer_ = ::SetTimer(nullptr, 0, static_cast<UINT>(std::min<std::uint64_t>(delay, 0x7FFFFFFF)),
                        &TimerProc);
}

std::uint64_t BalloonHints::Now() {
    const DWORD tick = ::GetTickCount();
    clock_ += static_cast<DWORD>(tick - lastTick_);
    lastTick_ = tick;
    return clock_;
}

}  // namespace tavrel
