// Figures over the physical work area on a scaled screen. Run twice: in the
// ordinary prefix at 96 DPI and in one of its own with LogPixels raised to
// 144 (150 %), where TAVREL_LOGPIXELS says so.
//
// Wine treats a program that declares nothing as DPI-aware, where Windows
// scales it; so each test runs its thread as Windows runs such a program:
// with a thread context that is not DPI-aware.
#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>

#include <gtest/gtest.h>

#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;

int LogPixelsOfThisRun() {
    wchar_t value[16] = {};
    if (::GetEnvironmentVariableW(L"TAVREL_LOGPIXELS", value, 16) == 0) {
        return 96;
    }
    return static_cast<int>(std::wcstol(value, nullptr, 10));
}

using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
using GetContext = DPI_AWARENESS_CONTEXT(WINAPI*)();
using GetAwareness = DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT);

template <typename Function>
Function User32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

// This thread as a program that the system scales.
class ScaledThread {
  public:
    ScaledThread() : set_(User32<SetContext>("SetThreadDpiAwarenessContext")) {
        if (set_ != nullptr) {
            previous_ = set_(DPI_AWARENESS_CONTEXT_UNAWARE);
        }
    }
    ScaledThread(const ScaledThread&) = delete;
    ScaledThread& operator=(const ScaledThread&) = delete;
    ~ScaledThread() {
        if (previous_ != nullptr) {
            set_(previous_);
        }
    }
    bool Active() const { return previous_ != nullptr; }

  private:
    SetContext set_;
    DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

DPI_AWARENESS ThreadAwareness() {
    return User32<GetAwareness>("GetAwarenessFromDpiAwarenessContext")(
        User32<GetContext>("GetThreadDpiAwarenessContext")());
}

RECT RawWorkArea() {
    RECT rect{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return rect;
}

class Dpi : public ::testing::Test {
  protected:
    void SetUp() override {
        if (::GetSystemMetrics(SM_CXSCREEN) != 1024 && LogPixelsOfThisRun() == 96) {
            GTEST_SKIP() << "another screen size";
        }
        ASSERT_TRUE(scaled_.Active()) << "Wine has per-thread DPI awareness";
    }
    ScaledThread scaled_;
};

TEST_F(Dpi, AProgramTheSystemScalesIsHandedAScaledWorkArea) {
    ASSERT_EQ(ThreadAwareness(), DPI_AWARENESS_UNAWARE);
    const RECT raw = RawWorkArea();
    if (LogPixelsOfThisRun() == 144) {
        // 1024 x 738 at 150 %: 682.7 x 492.
        EXPECT_EQ(raw.right - raw.left, 683);
        EXPECT_EQ(raw.bottom - raw.top, 492);
    } else {
        EXPECT_EQ(raw.right - raw.left, 1024);
        EXPECT_EQ(raw.bottom - raw.top, 738);
    }
}

TEST_F(Dpi, TheWorkAreaReadIsThePhysicalOneEitherWay) {
    Win32Desktop desktop;
    const WorkAreaRect area = desktop.GetDesktopWorkArea();
    EXPECT_EQ(area.right - area.left, 1024);
    EXPECT_EQ(area.bottom - area.top, 738);
    EXPECT_EQ(ThreadAwareness(), DPI_AWARENESS_UNAWARE) << "the thread is left as it was";

    const std::optional<WorkAreaRect> aware = WorkAreaUnderThreadAwareness();
    ASSERT_TRUE(aware.has_value());
    EXPECT_EQ(aware->right, 1024);
    EXPECT_EQ(aware->bottom, 738);
    // The way of systems without per-thread awareness, from the screen's
    // physical and scaled sizes.
    const WorkAreaRect byRatio = WorkAreaByScreenRatio();
    EXPECT_EQ(byRatio.left, 0);
    EXPECT_EQ(byRatio.top, 0);
    EXPECT_EQ(byRatio.right, 1024);
    EXPECT_EQ(byRatio.bottom, 738);
    EXPECT_EQ(ThreadAwareness(), DPI_AWARENESS_UNAWARE);
}

TEST_F(Dpi, FiguresFillTheWholeScreen) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    ArrangeRightEdge(desktop, 75, 1);
    EXPECT_EQ(standin.ReadState().items[0].x, 1024 - 55);
    ArrangeTopEdge(desktop, 75, 1);
    EXPECT_EQ(standin.ReadState().items[12].x, 946);
    ArrangeLeftEdge(desktop, 75, 2);
    EXPECT_EQ(standin.ReadState().items[0].y, 675);
}

}  // namespace
}  // namespace tavrel
