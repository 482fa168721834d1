#include "styling/balloon_hint_win.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace tavrel {
namespace {

constexpr UINT_PTR kHintTimer = 1;

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

}  // namespace

// --- TBalloonHintWindow -------------------------------------------------------

TBalloonHintWindow::TBalloonHintWindow(HINSTANCE instance, ApplicationHints& application) {
    WNDCLASSEXW windowClass{};
    // The screen under a hint is saved and put back when it goes, so the
    // windows beneath need not repaint.
    windowClass.style = CS_SAVEBITS;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = nullptr;  // not opaque: the paint covers everything
    windowClass.lpszClassName = kBalloonHintWindowClass;
    RegisterWindowClass(windowClass);
    // A popup without WS_BORDER; a tool window, so it has no taskbar button.
    CreateFor(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kBalloonHintWindowClass, L"", WS_POPUP, 0, 0, 0, 0,
              nullptr, instance);
    application.hintColor = kSystemColorBackground;
}

LRESULT TBalloonHintWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST:
            // The mouse goes through to the window beneath.
            return HTTRANSPARENT;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

HintSize TBalloonHintWindow::CalcHintRect(std::wstring_view text, const THintFont& font) const {
    const window_dc dc(hwnd());
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
    HWND window = hwnd();
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
    ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    capture_.reset();
    painted_ = false;
}

bool TBalloonHintWindow::Showing() const {
    return ::IsWindowVisible(hwnd()) != FALSE;
}

void TBalloonHintWindow::Paint() {
    const paint_dc dc(hwnd());
    if (!capture_ || styler_ == nullptr) {
        return;
    }
    RECT client{};
    ::GetClientRect(hwnd(), &client);
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

TickClock::TickClock() : lastTick_(::GetTickCount()) {}

std::uint64_t TickClock::NowMs() {
    const DWORD tick = ::GetTickCount();
    clock_ += static_cast<DWORD>(tick - lastTick_);
    lastTick_ = tick;
    return clock_;
}

BalloonHints::BalloonHints(HintClock* clock) : clock_(clock != nullptr ? *clock : tickClock_) {}

void BalloonHints::Install(HINSTANCE instance, const THintStyler& styler) {
    styler_ = &styler;
    // Hints off and on again: the hint window is made anew.
    Apply(timing_.Cancel());
    if (hintWindow_) {
        timerHook_.reset();
        hintWindow_.reset();
        timerSet_ = false;
    }
    hintWindow_ = std::make_unique<TBalloonHintWindow>(instance, application_);
    timerHook_ = hintWindow_->AddHook(timer_);
    Reschedule();
}

std::unique_ptr<BalloonHints::Attachment> BalloonHints::Attach(Window& window) {
    return std::make_unique<Attachment>(*this, window);
}

BalloonHints::Attachment::Attachment(BalloonHints& hints, Window& window)
    : hints_(hints), window_(window.hwnd()), hook_(window.AddHook(*this)) {}

BalloonHints::Attachment::~Attachment() {
    if (window_ != nullptr) {
        hints_.RemoveTools(window_);
    }
}

bool BalloonHints::Attachment::Handle(UINT message, WPARAM, LPARAM, LRESULT&) {
    if (window_ == nullptr) {
        return false;
    }
    if (message == WM_NCDESTROY) {
        // The window ends through its owner: its tools go with it.
        hints_.RemoveTools(std::exchange(window_, nullptr));
        hook_.reset();
        return false;
    }
    hints_.OnMouseMessage(window_, message);
    return false;
}

bool BalloonHints::Timer::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != kHintTimer) {
        return false;
    }
    hints_.TimePassed();
    result = 0;
    return true;
}

LRESULT BalloonHints::OnControlMessage(ControlMessage& message) {
    if (message.message == WM_NCDESTROY) {
        RemoveTools(message.control);
    } else {
        OnMouseMessage(message.control, message.message);
    }
    return message.CallControl();
}

HintToolId BalloonHints::AddTool(HWND control, std::wstring text) {
    Tool tool;
    tool.id = nextTool_++;
    tool.owner = ::GetAncestor(control, GA_ROOT);
    tool.window = control;
    tool.isControl = true;
    tool.text = std::move(text);
    tools_.push_back(std::move(tool));
    if (controls_.count(control) == 0) {
        controls_.emplace(control, ControlSubclass(control, [this](ControlMessage& message) {
                              return OnControlMessage(message);
                          }));
    }
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

void BalloonHints::SetToolRect(HintToolId tool, const RECT& rect) {
    for (Tool& entry : tools_) {
        if (entry.id == tool && !entry.isControl) {
            entry.rect = rect;
        }
    }
}

void BalloonHints::RemoveTools(HWND window) {
    const auto goes = [window](const Tool& tool) {
        return tool.owner == window || tool.window == window;
    };
    for (const Tool& tool : tools_) {
        if (goes(tool)) {
            Apply(timing_.Forget(tool.id));
            if (tool.isControl) {
                controls_.erase(tool.window);
            }
        }
    }
    std::erase_if(tools_, goes);
    if (Find(lastTool_) == nullptr) {
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

void BalloonHints::OnMouseMessage(HWND window, UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            // Hear when the pointer leaves this window, also for another
            // program's window where no message of ours would tell.
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof(track);
            track.dwFlags = TME_LEAVE | (message == WM_NCMOUSEMOVE ? TME_NONCLIENT : 0u);
            track.hwndTrack = window;
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

void BalloonHints::TimePassed() {
    Apply(timing_.Tick(Now()));
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
    if (hintWindow_ == nullptr) {
        return;
    }
    if (timerSet_) {
        ::KillTimer(hintWindow_->hwnd(), kHintTimer);
        timerSet_ = false;
    }
    const std::optional<std::uint64_t> deadline = timing_.NextDeadline();
    if (!deadline) {
        return;
    }
    const std::uint64_t now = Now();
    const std::uint64_t delay = *deadline > now ? *deadline - now : 0;
    timerSet_ =
        ::SetTimer(hintWindow_->hwnd(), kHintTimer,
                   static_cast<UINT>(std::min<std::uint64_t>(delay, 0x7FFFFFFF)), nullptr) != 0;
}

std::uint64_t BalloonHints::Now() {
    return clock_.NowMs();
}

}  // namespace tavrel
