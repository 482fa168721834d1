// tavrel.exe's skins and flat buttons, seen on the screen as the user sees
// them.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/commands.h"
#include "app/control_window_win.h"
#include "core/registry_win.h"
#include "core/settings_registry.h"
#include "core/settings_store.h"
#include "common/registry_win.h"
#include "styling/gdi_plan_win.h"
#include "support/program_win.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using testing::RunningProgram;

constexpr int kLeft = 239;
constexpr int kTop = 90;

// The program started over these settings (arranging nothing), with its
// control window shown.
struct ShownProgram {
    explicit ShownProgram(std::int32_t skin) : stored(Store(skin)) {
        control = testing::ControlWindowOf(program);
        if (control != nullptr) {
            ::SendMessageW(control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
        }
    }
    static bool Store(std::int32_t skin) {
        Settings settings = testing::ArrangingNothing();
        settings.skin = skin;
        testing::StoreSettings(settings);
        return true;
    }
    ~ShownProgram() {
        if (control != nullptr) {
            ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
            program.WaitForExit(testing::kPatience);
        }
    }
    bool stored;
    RunningProgram program;
    HWND control = nullptr;
};

std::pair<long, long> CursorNow() {
    POINT at{};
    ::GetCursorPos(&at);
    return {at.x, at.y};
}

std::wstring ClassAt(POINT point) {
    wchar_t name[64] = {};
    ::GetClassNameW(::WindowFromPoint(point), name, 64);
    return name;
}

ColorRef ScreenPixel(int x, int y) {
    window_dc screen(nullptr);
    return static_cast<ColorRef>(::GetPixel(screen.get(), x, y));
}

// The control window's own colour, between the first two button columns.
bool BackgroundBecomes(ColorRef colour) {
    return testing::WaitUntil([&] { return ScreenPixel(kLeft + 86, kTop + 30) == colour; },
                              testing::kPatience);
}

TEST(Skins, TheStoredSkinAndTheSkinCommandsColourTheControlWindow) {
    ShownProgram shown(1);
    ASSERT_NE(shown.control, nullptr);
    ASSERT_TRUE(::IsWindowVisible(shown.control));
    EXPECT_TRUE(BackgroundBecomes(0x006600)) << "skin 1, RGB(0, 102, 0)";
    ::SendMessageW(shown.control, WM_COMMAND, MAKEWPARAM(kCmdSkin3, 0), 0);
    EXPECT_TRUE(BackgroundBecomes(0x0000FF)) << "skin 3, RGB(255, 0, 0)";
    ::SendMessageW(shown.control, WM_COMMAND, MAKEWPARAM(kCmdSkin2, 0), 0);
    EXPECT_TRUE(BackgroundBecomes(static_cast<ColorRef>(::GetSysColor(COLOR_BACKGROUND))))
        << "the desktop colour";
    ::SendMessageW(shown.control, WM_COMMAND, MAKEWPARAM(kCmdSkin4, 0), 0);
    EXPECT_TRUE(BackgroundBecomes(0x0082FF));
    ::SendMessageW(shown.control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
    EXPECT_EQ(shown.program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    shown.control = nullptr;
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->ReadInteger(L"Skin"), 4) << "the chosen skin is saved at exit";
}

TEST(Skins, ANumberThatIsNoSkinKeepsTheDesignedLook) {
    for (std::int32_t skin : {5, -1}) {
        ShownProgram shown(skin);
        ASSERT_NE(shown.control, nullptr);
        EXPECT_TRUE(BackgroundBecomes(0xC08000)) << skin << ": RGB(0, 128, 192)";
        ::SendMessageW(shown.control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
        EXPECT_EQ(shown.program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
        shown.control = nullptr;
        std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
        ASSERT_TRUE(key.has_value());
        EXPECT_EQ(key->ReadInteger(L"Skin"), skin) << "written back as it was";
    }
}

TEST(FlatButtons, TheControlWindowFocusesAButtonThatTheSpaceKeyPressesAndThePointerLights) {
    ShownProgram shown(1);
    ASSERT_NE(shown.control, nullptr);
    HWND first = ::GetDlgItem(shown.control, ArrangementCommand(1));
    ASSERT_NE(first, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = ::GetWindowThreadProcessId(shown.control, nullptr);
    ASSERT_TRUE(testing::WaitUntil(
        [&] { return ::GetGUIThreadInfo(thread, &info) && info.hwndFocus == first; },
        testing::kPatience))
        << "the first button has the keyboard focus";

    window_dc screen(nullptr);
    GdiColorDevice device(screen.get());
    const ColorRef lit = Lighten(device, kClHighlight, 60);
    // Button 1 at (30, 2): its left edge, half-way down.
    const int edgeX = kLeft + 30;
    const int edgeY = kTop + 2 + 27;
    EXPECT_TRUE(testing::WaitUntil(
        [&] { return ScreenPixel(edgeX, edgeY) == Lighten(device, lit, 30); }, testing::kPatience))
        << "up: only the frame on the left";
    ::PostMessageW(first, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_TRUE(testing::WaitUntil(
        [&] { return ScreenPixel(edgeX, edgeY) == Darken(device, lit, 50); }, testing::kPatience))
        << "held down: the dark edge on the left";
    ::PostMessageW(first, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001u));
    EXPECT_TRUE(testing::WaitUntil(
        [&] { return ScreenPixel(edgeX, edgeY) == Lighten(device, lit, 30); }, testing::kPatience))
        << "released";

    // The pointer over button 2 at (88, 2) lights its face.
    const int faceX = kLeft + 88 + 3;
    const int faceY = kTop + 2 + 27;
    EXPECT_EQ(ScreenPixel(faceX, faceY), 0x006600u) << "idle: the picture column colour";
    // The face as the button draws it now: on a busy machine Wine may show
    // a drawing made before the pointer left for a while (seen for a
    // minute), so the control window is painted before each look.
    const auto faceDrawn = [&] {
        testing::PaintNow(shown.control);
        return ScreenPixel(faceX, faceY);
    };
    EXPECT_TRUE(testing::WaitWithPointerAt({kLeft + 88 + 40, kTop + 2 + 45}, [&] {
        return faceDrawn() == Lighten(device, kClBtnFace, 60);
    }));
    EXPECT_TRUE(testing::WaitWithPointerAt({kLeft + 200, kTop + 320},
                                           [&] { return faceDrawn() == 0x006600u; }))
        << "and away; the pointer is at " << ::testing::PrintToString(CursorNow()) << ", the face "
        << std::hex << ScreenPixel(faceX, faceY) << " in a window of class "
        << ::testing::PrintToString(ClassAt({faceX, faceY}));
}

}  // namespace
}  // namespace tavrel
