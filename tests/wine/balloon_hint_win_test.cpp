// Hint balloons on a real screen: painted over a backdrop of one known
// colour, read back pixel by pixel, and shown by the hint timing as the
// pointer moves over real controls.
#include "styling/balloon_hint_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/scope_exit.h"
#include "support/hint_clock.h"
#include "support/program_win.h"

namespace tavrel {
namespace {

using D = THintDirection;
using Clock = std::chrono::steady_clock;

constexpr COLORREF kGround = RGB(0, 160, 0);
constexpr COLORREF kShadow = RGB(128, 0, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr wchar_t kLongHint[] = L"演示全部效果，让你一次看个够！";

HINSTANCE Instance() {
    return ::GetModuleHandleW(nullptr);
}

// Every message waiting for this thread, handled.
void PumpPending() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Pumps until the condition holds, within a bound only a stuck test reaches.
bool PumpUntil(const std::function<bool()>& condition) {
    const auto end = Clock::now() + std::chrono::seconds(10);
    for (;;) {
        PumpPending();
        if (condition()) {
            return true;
        }
        if (Clock::now() > end) {
            return false;
        }
        ::Sleep(2);
    }
}

COLORREF ScreenAt(POINT p) {
    const window_dc screen(nullptr);
    return ::GetPixel(screen.get(), p.x, p.y);
}

// A window of one colour over the whole screen, beneath everything else.
class Backdrop {
  public:
    Backdrop() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &Proc;
        windowClass.hInstance = Instance();
        windowClass.lpszClassName = L"BalloonBackdrop";
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        ::RegisterClassW(&windowClass);
        window_.reset(::CreateWindowExW(
            0, L"BalloonBackdrop", L"", WS_POPUP, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
            ::GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, Instance(), nullptr));
        SetColor(kGround);
        ::ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(window_.get());
        // On the screen once the screen shows it.
        PumpUntil([] { return ScreenAt({1, 1}) == kGround; });
    }
    void SetColor(COLORREF color) {
        colour = color;
        ::InvalidateRect(window_.get(), nullptr, TRUE);
        ::UpdateWindow(window_.get());
    }
    HWND get() const { return window_.get(); }

    static inline COLORREF colour = kGround;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_ERASEBKGND) {
            RECT client{};
            ::GetClientRect(window, &client);
            const unique_hbrush brush(::CreateSolidBrush(colour));
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, brush.get());
            return 1;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    unique_hwnd window_;
};

// The screen as it is now, for reading many pixels.
class Screenshot {
  public:
    Screenshot() {
        width_ = ::GetSystemMetrics(SM_CXSCREEN);
        height_ = ::GetSystemMetrics(SM_CYSCREEN);
        const window_dc screen(nullptr);
        const unique_hdc memory(::CreateCompatibleDC(screen.get()));
        const unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), width_, height_));
        {
            const select_object selected(memory.get(), bitmap.get());
            ::BitBlt(memory.get(), 0, 0, width_, height_, screen.get(), 0, 0, SRCCOPY);
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        pixels_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        ::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height_), pixels_.data(),
                    &info, DIB_RGB_COLORS);
    }
    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) {
            return CLR_INVALID;
        }
        const std::uint32_t bgr =
            pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                    static_cast<std::size_t>(x)];
        return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

class BalloonWindowTest : public ::testing::Test {
  protected:
    BalloonWindowTest() : styler_(application_), hint_(Instance(), application_) {
        ConfigureControlWindowHintStyler(styler_);
    }

    // Shows a balloon with the pointer at p and waits for its paint.
    void Show(POINT p, const std::wstring& text, D direction = D::hdUpRight) {
        styler_.SetHintDirection(direction);
        testing::PointerTo(p);
        PumpPending();
        hint_.ActivateHint(styler_, hint_.CalcHintRect(text, styler_.HintFont()), text);
        ::UpdateWindow(hint_.hwnd());
        // Until the balloon's black outline has reached the screen.
        PumpUntil([&] { return BlackIn(HintRect()); });
    }
    static bool BlackIn(const RECT& r) {
        const Screenshot shot;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (shot.At(x, y) == kBlack) {
                    return true;
                }
            }
        }
        return false;
    }
    RECT HintRect() const {
        RECT rect{};
        ::GetWindowRect(hint_.hwnd(), &rect);
        return rect;
    }

    // What a balloon in the given direction must look like on the screen.
    void CheckBalloon(const Screenshot& shot, POINT p) {
        const RECT r = HintRect();
        const int w = r.right - r.left;
        const int h = r.bottom - r.top;
        const D d = hint_.direction();
        const bool up = IsUpDirection(d);
        const bool right = d == D::hdUpRight || d == D::hdDownRight;
        const auto at = [&](int x, int y) { return shot.At(r.left + x, r.top + y); };
        SCOPED_TRACE("direction " + std::to_string(static_cast<int>(d)));

        // Where the balloon stands: an up balloon's bottom 5 above the
        // pointer, a down balloon's top 15 below it; the tip at the
        // pointer's x.
        if (up) {
            EXPECT_EQ(r.bottom, p.y - 5);
        } else {
            EXPECT_EQ(r.top, p.y + 15);
        }
        const int tipX = right ? 0 : w - 6;
        EXPECT_EQ(r.left + tipX, p.x);
        // The tip: the row at the tail's end is black only right at the tip.
        const int tipRow = up ? h - 1 : 0;
        int blackInTipRow = 0;
        for (int x = 0; x < w; ++x) {
            if (at(x, tipRow) == kBlack) {
                ++blackInTipRow;
                EXPECT_LE(std::abs(x - tipX), 3) << "black at x " << x << " of the tip row";
            }
        }
        EXPECT_GT(blackInTipRow, 0) << "the tip reaches the window's edge";

        const int boxTop = up ? 0 : 15;
        const int boxBottom = up ? h - 14 : h - 8;  // outside
        // The screen shows at the rounded corners and beside the box.
        EXPECT_EQ(at(0, boxTop), kGround) << "top-left corner";
        EXPECT_EQ(at(w - 7, boxTop), kGround) << "top-right corner";
        EXPECT_EQ(at(w - 1, boxTop), kGround) << "right of the box, above the shadow";
        EXPECT_EQ(at(0, boxBottom - 1), kGround) << "bottom-left corner";
        // ... and around the tail.
        const int nearTip = up ? h - 2 : 1;
        if (right) {
            EXPECT_EQ(at(8, nearTip), kGround);
            EXPECT_EQ(at(w - 1, nearTip), kGround);
        } else {
            EXPECT_EQ(at(w - 15, nearTip), kGround);
            EXPECT_EQ(at(w - 2, nearTip), kGround);
            EXPECT_EQ(at(0, nearTip), kGround);
        }
        // The box: black outline, the hint colour inside; where the tail
        // joins it the outline is gone.
        const COLORREF hintColour = ::GetSysColor(COLOR_BACKGROUND);
        EXPECT_EQ(at(w / 2, boxTop), kBlack);
        EXPECT_EQ(at(5, boxTop + 5), hintColour);
        const int joinRow = up ? boxBottom - 1 : boxTop;
        const int joinLeft = right ? 12 : w - 24;
        for (int x = joinLeft; x < joinLeft + 6; ++x) {
            EXPECT_EQ(at(x, joinRow), hintColour) << "tail joint at x " << x;
        }
        EXPECT_EQ(at(w / 2, joinRow), kBlack) << "the outline beside the joint";

        // The shadow: a chessboard of the shadow colour and the screen,
        // right of the box and below it.
        const int stripTop = up ? 12 : 27;
        const int stripBottom = boxBottom - 6;
        ASSERT_LT(stripTop, stripBottom);
        for (int y = stripTop; y <= stripBottom; ++y) {
            for (int x = w - 6; x < w - 1; ++x) {
                EXPECT_EQ(at(x, y), (x + y) % 2 == 0 ? kShadow : kGround) << x << "," << y;
            }
        }
        const int bottomFirst = boxBottom;
        const int bottomLast = up ? h - 11 : h - 4;
        for (int y = bottomFirst; y <= bottomLast; ++y) {
            for (int x = 40; x < w - 40; ++x) {
                EXPECT_EQ(at(x, y), (x + y) % 2 == 0 ? kShadow : kGround) << x << "," << y;
            }
        }

        // The text, black, from 3 (up) or 18 (down) pixels below the top.
        int firstTextRow = -1;
        for (int y = boxTop + 1; y < boxBottom - 1 && firstTextRow < 0; ++y) {
            for (int x = 9; x < w - 12; ++x) {
                if (at(x, y) == kBlack) {
                    firstTextRow = y;
                    break;
                }
            }
        }
        ASSERT_GE(firstTextRow, 0) << "some text is drawn";
        EXPECT_GE(firstTextRow, up ? 3 : 18);
        EXPECT_LE(firstTextRow, up ? 11 : 26);
    }

    Backdrop backdrop_;
    ApplicationHints application_;
    THintStyler styler_;
    TBalloonHintWindow hint_;
};

TEST_F(BalloonWindowTest, TheWindowIsABorderlessTopMostPopupThatSavesTheScreen) {
    HWND window = hint_.hwnd();
    ASSERT_NE(window, nullptr);
    const auto style = static_cast<ULONG_PTR>(::GetWindowLongPtrW(window, GWL_STYLE));
    EXPECT_NE(style & WS_POPUP, 0u);
    EXPECT_EQ(style & WS_BORDER, 0u);
    EXPECT_NE(::GetClassLongPtrW(window, GCL_STYLE) & static_cast<ULONG_PTR>(CS_SAVEBITS), 0u);
    EXPECT_FALSE(hint_.Showing());
    EXPECT_EQ(application_.hintColor, 0x80000001u) << "its creation sets the hint colour";

    HWND before = ::GetForegroundWindow();
    Show({500, 400}, kLongHint);
    EXPECT_TRUE(hint_.Showing());
    EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(::GetForegroundWindow(), before) << "showing a hint activates nothing";
    EXPECT_NE(::GetForegroundWindow(), window);
    wchar_t text[64] = {};
    ::GetWindowTextW(window, text, 64);
    EXPECT_EQ(std::wstring(text), kLongHint);
    hint_.Hide();
    EXPECT_FALSE(hint_.Showing());
}

TEST_F(BalloonWindowTest, InTheMiddleOfTheScreenAnUpRightBalloonOverTheBackground) {
    const POINT p{400, 380};
    Show(p, kLongHint);
    ASSERT_EQ(hint_.direction(), D::hdUpRight);
    const Screenshot shot;
    CheckBalloon(shot, p);
    // Its size: the framework's rectangle grown by 16 and 20.
    const HintSize text = hint_.CalcHintRect(kLongHint, styler_.HintFont());
    const RECT r = HintRect();
    EXPECT_EQ(r.right - r.left, text.width + 16);
    EXPECT_EQ(r.bottom - r.top, text.height + 20);
    EXPECT_EQ(r.left, p.x);
}

TEST_F(BalloonWindowTest, BalloonsInAllFourDirections) {
    // The default direction and the screen's edges choose the side.
    struct Case {
        const char* name;
        POINT pointer;
        D expected;
    };
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const Case cases[] = {
        {"up-right", {300, 400}, D::hdUpRight},
        {"up-left", {width - 30, 400}, D::hdUpLeft},
        {"down-right", {300, 20}, D::hdDownRight},
        {"down-left", {width - 30, 20}, D::hdDownLeft},
    };
    int heights[4] = {};
    int i = 0;
    for (const Case& c : cases) {
        Show(c.pointer, kLongHint);
        EXPECT_EQ(hint_.direction(), c.expected) << c.name;
        const Screenshot shot;
        CheckBalloon(shot, c.pointer);
        const RECT r = HintRect();
        heights[i++] = r.bottom - r.top;
        const std::string name = std::string("balloon-") + c.name + ".bmp";
        EXPECT_TRUE(testing::SaveScreenshot(std::wstring(name.begin(), name.end())));
        hint_.Hide();
    }
    EXPECT_EQ(heights[2], heights[0] + 9) << "a down balloon is 9 pixels taller";
    EXPECT_EQ(heights[3], heights[1] + 9);
}

TEST_F(BalloonWindowTest, TheCaptureIsOfTheScreenAsItWasWhenTheHintShowed) {
    const POINT p{400, 380};
    Show(p, kLongHint);
    // The window beneath changes meanwhile; a later repaint of the hint
    // still draws from its own capture.
    backdrop_.SetColor(RGB(0, 0, 200));
    ::InvalidateRect(hint_.hwnd(), nullptr, FALSE);
    ::UpdateWindow(hint_.hwnd());
    const RECT r = HintRect();
    ASSERT_TRUE(PumpUntil([&] { return ScreenAt({r.right + 5, r.top}) == RGB(0, 0, 200); }));
    const Screenshot shot;
    EXPECT_EQ(shot.At(r.left, r.top), kGround) << "the corner shows the screen of before";
    EXPECT_EQ(shot.At(r.right + 5, r.top), RGB(0, 0, 200)) << "beside the hint the screen of now";
    EXPECT_EQ(shot.At(r.left + 5, r.top + 5), ::GetSysColor(COLOR_BACKGROUND));
    hint_.Hide();
    backdrop_.SetColor(kGround);
}

TEST_F(BalloonWindowTest, ACarriageReturnBreaksTheLine) {
    // The help window's two-line hints are broken by one CR.
    const std::wstring first = L"      如果您想了解软件更多的";
    const std::wstring both = first + L"\r信息，请在此访问软件主页！";
    const HintSize one = hint_.CalcHintRect(first, styler_.HintFont());
    const HintSize two = hint_.CalcHintRect(both, styler_.HintFont());
    EXPECT_EQ(two.height - 2, 2 * (one.height - 2)) << "two lines of text, plus the margin";
    Show({400, 380}, both);
    const RECT r = HintRect();
    EXPECT_EQ(r.bottom - r.top, two.height + 20);
    hint_.Hide();
}

TEST_F(BalloonWindowTest, TextsLongerThan256CharactersAreCut) {
    std::wstring text(300, L'x');
    Show({400, 380}, text);
    EXPECT_EQ(hint_.text(), std::wstring(256, L'x'));
    hint_.Hide();
}

// GDI objects in Wine's handle table: a freed entry is taken again by the
// next object, so when nothing was kept, the highest entry that a burst of
// new objects reaches stays the same. (Wine's GetGuiResources counts
// nothing; on Windows it counts.)
int GdiHighWater() {
    std::vector<unique_hbrush> brushes;
    int highest = 0;
    for (int i = 0; i < 3000; ++i) {
        brushes.emplace_back(::CreateSolidBrush(RGB(1, 2, 3)));
        highest = std::max(
            highest,
            static_cast<int>(reinterpret_cast<std::uintptr_t>(brushes.back().get()) & 0xFFFF));
    }
    return highest;
}

int UserHighWater() {
    std::vector<unique_hmenu> menus;
    int highest = 0;
    for (int i = 0; i < 2000; ++i) {
        menus.emplace_back(::CreatePopupMenu());
        highest = std::max(
            highest,
            static_cast<int>(reinterpret_cast<std::uintptr_t>(menus.back().get()) & 0xFFFF));
    }
    return highest;
}

BOOL CALLBACK CountWindow(HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
}

int ThreadWindowCount() {
    int count = 0;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CountWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST_F(BalloonWindowTest, ObjectCountsComeBackAfterHundredsOfHints) {
    const auto cycle = [&](int index) {
        ::SetCursorPos(200 + index % 500, 100 + (index * 7) % 500);
        const std::wstring text = index % 2 == 0 ? kLongHint : L"关闭这个控制面板！";
        hint_.ActivateHint(styler_, hint_.CalcHintRect(text, styler_.HintFont()), text);
        ::UpdateWindow(hint_.hwnd());
        if (index % 3 == 0) {  // a repaint of a shown hint
            ::InvalidateRect(hint_.hwnd(), nullptr, FALSE);
            ::UpdateWindow(hint_.hwnd());
        }
        PumpPending();
        hint_.Hide();
    };
    for (int i = 0; i < 5; ++i) {
        cycle(i);
    }
    PumpPending();
    HANDLE process = ::GetCurrentProcess();
    const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    const int gdiHighBefore = GdiHighWater();
    const int userHighBefore = UserHighWater();
    const int windowsBefore = ThreadWindowCount();
    for (int i = 0; i < 300; ++i) {
        cycle(i);
    }
    PumpPending();
    EXPECT_EQ(::GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(::GetGuiResources(process, GR_USEROBJECTS), userBefore);
    if (gdiBefore == 0) {
        EXPECT_EQ(GdiHighWater(), gdiHighBefore);
        EXPECT_EQ(UserHighWater(), userHighBefore);
    }
    EXPECT_EQ(ThreadWindowCount(), windowsBefore);
}

TEST_F(BalloonWindowTest, TheHighWaterProbeSeesALeak) {
    // The probe itself: three bitmaps kept show up as three more entries.
    const int before = GdiHighWater();
    std::vector<unique_hbitmap> kept;
    for (int i = 0; i < 3; ++i) {
        kept.emplace_back(::CreateBitmap(1, 1, 1, 1, nullptr));
    }
    if (::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS) == 0) {
        EXPECT_EQ(GdiHighWater(), before + 3);
    }
}

// --- The timing over real controls ---------------------------------------------

class HintHost final : public Window {
  public:
    HintHost() {
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = Instance();
        windowClass.lpszClassName = L"BalloonHintHost";
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = static_cast<HBRUSH>(::GetStockObject(LTGRAY_BRUSH));
        RegisterWindowClass(windowClass);
        CreateFor(0, L"BalloonHintHost", L"", WS_POPUP, 100, 200, 400, 200, nullptr, Instance());
        a = Button(L"A", 10);
        b = Button(L"B", 110);
        c = Button(L"C", 210);
        empty = Button(L"E", 310);
        ::EnableWindow(c, FALSE);
        ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
        ::UpdateWindow(hwnd());
    }
    HWND Button(const wchar_t* caption, int x) {
        return ::CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE, x, 50, 80, 30,
                                 hwnd(), nullptr, Instance(), nullptr);
    }
    static POINT CentreOf(HWND control) {
        RECT r{};
        ::GetWindowRect(control, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    HWND a = nullptr;
    HWND b = nullptr;
    HWND c = nullptr;
    HWND empty = nullptr;
};

// The hints' time, moved on by the test alone.
class BalloonHintsTest : public ::testing::Test {
  protected:
    BalloonHintsTest() : styler_(hints_.application()) {
        ConfigureControlWindowHintStyler(styler_);
        hints_.Install(Instance(), styler_);
        attachment_ = hints_.Attach(host_);
        ApplicationHints& timing = hints_.application();
        timing.hintPause = 5;
        timing.hintShortPause = 100;
        timing.hintHidePause = 800;  // the control window's 10 s, shortened
        a_ = hints_.AddTool(host_.a, L"第一个");
        hints_.AddTool(host_.b, L"第二个");
        hints_.AddTool(host_.c, L"不能用的");
        hints_.AddTool(host_.empty, L"");
        hints_.AddTool(host_.hwnd(), RECT{0, 0, 400, 40}, L"上面一条");
        hints_.AddTool(host_.hwnd(), RECT{0, 0, 400, 200}, L"整个窗口");
    }

    void MoveTo(POINT p) {
        testing::PointerTo(p);
        PumpPending();
    }
    bool Showing() const { return hints_.hintWindow()->Showing(); }
    std::wstring Text() const { return hints_.hintWindow()->text(); }
    // The hints' clock moves on by `ms`, and the hint timer fires.
    void Pass(std::uint64_t ms) {
        clock_.now += ms;
        hints_.TimePassed();
    }
    // Until the hints have heard of the pointer's last move.
    bool SeenHidden() {
        return PumpUntil([&] { return !Showing(); });
    }

    Backdrop backdrop_;
    HintHost host_;
    testing::ManualHintClock clock_;
    BalloonHints hints_{&clock_};
    THintStyler styler_;
    std::unique_ptr<BalloonHints::Attachment> attachment_;
    HintToolId a_ = kNoHintTool;
};

TEST_F(BalloonHintsTest, TheToolUnderThePointer) {
    EXPECT_EQ(hints_.ToolAt(HintHost::CentreOf(host_.a)), a_);
    EXPECT_EQ(hints_.ToolAt(HintHost::CentreOf(host_.b)), a_ + 1);
    EXPECT_EQ(hints_.ToolAt(HintHost::CentreOf(host_.c)), a_ + 2) << "disabled controls included";
    EXPECT_EQ(hints_.ToolAt(HintHost::CentreOf(host_.empty)), a_ + 5)
        << "a control without text shows its window's hint";
    EXPECT_EQ(hints_.ToolAt({150, 210}), a_ + 4) << "the first rectangle added counts";
    EXPECT_EQ(hints_.ToolAt({150, 350}), a_ + 5);
    EXPECT_EQ(hints_.ToolAt({800, 600}), kNoHintTool) << "the backdrop has no hint";
}

TEST_F(BalloonHintsTest, HintsShowMoveOnAndGo) {
    MoveTo({800, 600});
    // Settled before the hints hear of it: under Wine the position before
    // may still be read for a moment, and the balloon would go there.
    MoveTo(HintHost::CentreOf(host_.a));
    Pass(4);
    EXPECT_FALSE(Showing()) << "the pause is 5 ms";
    Pass(1);
    ASSERT_TRUE(Showing()) << "the hint shows once the pointer has rested";
    EXPECT_EQ(Text(), L"第一个");
    RECT r{};
    ::GetWindowRect(hints_.hintWindow()->hwnd(), &r);
    const POINT p = HintHost::CentreOf(host_.a);
    EXPECT_EQ(r.left, p.x);
    EXPECT_EQ(r.bottom, p.y - 5);

    // On to the next control: the hint goes at once, the next comes after
    // the short pause.
    MoveTo(HintHost::CentreOf(host_.b));
    ASSERT_TRUE(SeenHidden());
    Pass(99);
    EXPECT_FALSE(Showing()) << "the short pause is 100 ms";
    Pass(1);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Text(), L"第二个");

    // It goes by itself and stays away while the pointer stays.
    Pass(799);
    EXPECT_TRUE(Showing()) << "the hide pause is 800 ms";
    Pass(1);
    EXPECT_FALSE(Showing());
    Pass(5000);
    EXPECT_FALSE(Showing()) << "not again while the pointer stays";

    // A disabled control has its hint too.
    MoveTo(HintHost::CentreOf(host_.c));
    Pass(100);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Text(), L"不能用的");

    // Onto the window itself: its rectangle's hint.
    MoveTo({150, 350});
    Pass(100);
    EXPECT_TRUE(Showing());
    EXPECT_EQ(Text(), L"整个窗口");

    // Leaving the window hides the hint, for good.
    MoveTo({800, 600});
    EXPECT_TRUE(SeenHidden());
    Pass(5000);
    EXPECT_FALSE(Showing());
}

TEST_F(BalloonHintsTest, AClickHidesTheHint) {
    MoveTo(HintHost::CentreOf(host_.a));
    Pass(5);
    ASSERT_TRUE(Showing());
    const POINT p = HintHost::CentreOf(host_.a);
    ::PostMessageW(host_.a, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 15));
    ::PostMessageW(host_.a, WM_LBUTTONUP, 0, MAKELPARAM(40, 15));
    ASSERT_TRUE(SeenHidden());
    MoveTo({p.x + 3, p.y});
    Pass(5000);
    EXPECT_FALSE(Showing()) << "not again on the same control";
    MoveTo(HintHost::CentreOf(host_.b));
    Pass(100);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Text(), L"第二个");
}

TEST_F(BalloonHintsTest, AControlThatEndsTakesItsToolAlong) {
    const POINT p = HintHost::CentreOf(host_.b);
    ASSERT_EQ(hints_.ToolAt(p), a_ + 1);
    ::DestroyWindow(host_.b);
    EXPECT_EQ(hints_.ToolAt(p), a_ + 5) << "the window's own hint where the control was";
    MoveTo(p);
    Pass(5);
    ASSERT_TRUE(Showing());
    EXPECT_EQ(Text(), L"整个窗口");
}

TEST_F(BalloonHintsTest, InstallingMakesTheHintWindowAnew) {
    HWND before = hints_.hintWindow()->hwnd();
    hints_.Install(Instance(), styler_);
    HWND after = hints_.hintWindow()->hwnd();
    EXPECT_FALSE(::IsWindow(before));
    EXPECT_TRUE(::IsWindow(after));
    wchar_t className[64] = {};
    ::GetClassNameW(after, className, 64);
    EXPECT_EQ(std::wstring(className), kBalloonHintWindowClass);
}

}  // namespace
}  // namespace tavrel
