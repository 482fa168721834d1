// The program's input box and notice, as real windows.
#include "common/prompts_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "common/error_report_win.h"
#include "support/owner_window_win.h"
#include "support/program_win.h"
#include "tweaks/desktop_tweaks.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using testing::OwnerWindow;

// A top-level window of this process with this class, once it is shown.
HWND FindShown(const wchar_t* className) {
    HWND found = nullptr;
    testing::WaitUntil(
        [&] {
            found = ::FindWindowW(className, nullptr);
            DWORD process = 0;
            ::GetWindowThreadProcessId(found, &process);
            return found != nullptr && process == ::GetCurrentProcessId() &&
                   ::IsWindowVisible(found);
        },
        10s);
    return found;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    ::GetWindowTextW(window, text, 512);
    return text;
}

// The build tree's program folder.
std::wstring NextToThisProgram(const std::wstring& name) {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

HWND ChildOfClass(HWND parent, const wchar_t* className) {
    return ::FindWindowExW(parent, nullptr, className, nullptr);
}

// What the box looked like while it was up, read by another thread.
struct Seen {
    std::wstring caption;
    std::wstring prompt;
    std::wstring text;
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    LRESULT limit = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    RECT frame{};
};

class InputBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(owner_.Create()); }

    // Shows the box and answers it with `answer` from another thread.
    std::optional<std::wstring> AskAndAnswer(
        const std::wstring& prompt, const std::wstring& initial,
        const std::function<void(HWND box, HWND edit)>& answer) {
        Win32Prompts prompts(owner_);
        std::thread watcher([&] {
            HWND box = FindShown(kInputBoxClass);
            if (box == nullptr) {
                return;
            }
            HWND edit = ::GetDlgItem(box, kInputBoxEditId);
            testing::PaintNow(box);
            seen_.caption = TextOf(box);
            seen_.prompt = TextOf(ChildOfClass(box, L"Static"));
            seen_.text = TextOf(edit);
            ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&seen_.selectionStart),
                           reinterpret_cast<LPARAM>(&seen_.selectionEnd));
            seen_.limit = ::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
            seen_.owner = ::GetWindow(box, GW_OWNER);
            seen_.ownerEnabled = ::IsWindowEnabled(owner_.hwnd()) != FALSE;
            ::GetWindowRect(box, &seen_.frame);
            answer(box, edit);
        });
        std::optional<std::wstring> result = prompts.AskText(prompt, initial);
        watcher.join();
        return result;
    }

    OwnerWindow owner_;
    Seen seen_;
};

void Press(HWND box, int id) {
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

TEST_F(InputBoxTest, TheRefreshBoxAsTheUserSeesIt) {
    const std::optional<std::wstring> answer =
        AskAndAnswer(kRefreshTimePrompt, L"60", [](HWND box, HWND edit) {
            testing::SaveScreenshot(NextToThisProgram(L"refresh-box.bmp"));
            ::SetWindowTextW(edit, L"30");
            Press(box, IDOK);
        });
    EXPECT_EQ(answer, std::optional<std::wstring>(L"30"));
    EXPECT_EQ(seen_.caption, L"Tavrel - 温馨提示");
    EXPECT_EQ(seen_.prompt, L"请输入屏幕刷新时间，单位为秒：\u3000\u3000\u3000\u3000");
    EXPECT_EQ(seen_.text, L"60");
    EXPECT_EQ(seen_.selectionStart, 0u);
    EXPECT_EQ(seen_.selectionEnd, 2u) << "the initial text selected";
    EXPECT_EQ(seen_.limit, 255);
    EXPECT_EQ(seen_.owner, owner_.hwnd());
    EXPECT_FALSE(seen_.ownerEnabled) << "modal over its owner";
    EXPECT_TRUE(::IsWindowEnabled(owner_.hwnd())) << "enabled again afterwards";
    EXPECT_EQ(::FindWindowW(kInputBoxClass, nullptr), nullptr) << "the box is gone";
    // Centred on the screen, to within a pixel of rounding.
    const int centreX = (seen_.frame.left + seen_.frame.right) / 2;
    const int centreY = (seen_.frame.top + seen_.frame.bottom) / 2;
    EXPECT_NEAR(centreX, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(centreY, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(InputBoxTest, CancelGivesNothingWhateverWasTyped) {
    const std::optional<std::wstring> answer = AskAndAnswer(L"?", L"60", [](HWND box, HWND edit) {
        ::SetWindowTextW(edit, L"999");
        Press(box, IDCANCEL);
    });
    EXPECT_EQ(answer, std::nullopt);
    EXPECT_TRUE(::IsWindowEnabled(owner_.hwnd()));
}

TEST_F(InputBoxTest, ClosingTheBoxIsCancel) {
    const std::optional<std::wstring> answer =
        AskAndAnswer(L"?", L"60", [](HWND box, HWND) { ::PostMessageW(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(answer, std::nullopt);
}

TEST_F(InputBoxTest, EnterIsOkAndEscapeIsCancel) {
    // Keys as the keyboard sends them to the focused edit.
    const auto key = [](HWND edit, WPARAM code) {
        ::PostMessageW(edit, WM_KEYDOWN, code, 1);
        ::PostMessageW(edit, WM_KEYUP, code, static_cast<LPARAM>(0x40000001));
    };
    EXPECT_EQ(AskAndAnswer(L"?", L"45", [&](HWND, HWND edit) { key(edit, VK_RETURN); }),
              std::optional<std::wstring>(L"45"));
    EXPECT_EQ(AskAndAnswer(L"?", L"45", [&](HWND, HWND edit) { key(edit, VK_ESCAPE); }),
              std::nullopt);
}

TEST_F(InputBoxTest, ALongPromptIsWrappedAndTheEditTakesNoMoreThan255Characters) {
    const std::wstring prompt(120, L'字');
    RECT label{};
    const std::optional<std::wstring> answer = AskAndAnswer(prompt, L"", [&](HWND box, HWND edit) {
        ::GetWindowRect(ChildOfClass(box, L"Static"), &label);
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        for (int i = 0; i < 300; ++i) {
            ::SendMessageW(edit, WM_CHAR, L'7', 1);
        }
        Press(box, IDOK);
    });
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(answer->size(), 255u);
    EXPECT_EQ(seen_.prompt, prompt);
    EXPECT_LT(label.right - label.left, seen_.frame.right - seen_.frame.left);
    EXPECT_GT(label.bottom - label.top, 3 * 12) << "several lines";
}

TEST_F(InputBoxTest, TheNoticeIsCaptionedAndOwned) {
    Win32Prompts prompts(owner_);
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    std::thread watcher([&] {
        HWND box = nullptr;
        testing::WaitUntil(
            [&] {
                box = ::FindWindowW(L"#32770", kNoticeCaption);
                return box != nullptr;
            },
            10s);
        if (box != nullptr) {
            caption = TextOf(box);
            text = testing::MessageBoxText(box);
            owner = ::GetWindow(box, GW_OWNER);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        }
    });
    prompts.Notify(L"已保存");
    watcher.join();
    EXPECT_EQ(caption, L"Tavrel - 温馨提示");
    EXPECT_EQ(text, L"已保存");
    EXPECT_EQ(owner, owner_.hwnd());
}

}  // namespace
}  // namespace tavrel
