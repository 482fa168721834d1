// The window base against real windows: the object behind each handle,
// hooks before the window, the command boundary, and ownership of the
// handle when the platform ends the window itself.
#include "common/window_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/error.h"
#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT kThrow = WM_APP + 8;
constexpr wchar_t kProbeClass[] = L"TavrelWindowTest";

class ProbeWindow final : public Window {
public:
    explicit ProbeWindow(std::vector<std::string>& log) : log_(log) {}
    bool Create(HWND parent = nullptr) {
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kProbeClass;
        RegisterWindowClass(windowClass);
        return CreateFor(0, kProbeClass, L"probe", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 10, 10,
                         parent, ::GetModuleHandleW(nullptr)) != nullptr;
    }
    using Window::Destroy;
    bool created = false;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_CREATE) {
            created = true;
        }
        if (message == kProbe) {
            log_.push_back("window");
            return 42;
        }
        if (message == kThrow) {
            throw Error(L"from the handler");
        }
        return DefaultHandling(message, wParam, lParam);
    }
    std::vector<std::string>& log_;
};

class NamedHook final : public MessageHook {
public:
    NamedHook(std::vector<std::string>& log, std::string name, bool answers)
        : log_(log), name_(std::move(name)), answers_(answers) {}
    bool Handle(UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != kProbe) {
            return false;
        }
        log_.push_back(name_);
        result = 7;
        return answers_;
    }

private:
    std::vector<std::string>& log_;
    std::string name_;
    bool answers_;
};

TEST(WindowBase, CreationMessagesReachTheObject) {
    std::vector<std::string> log;
    ProbeWindow window(log);
    ASSERT_TRUE(window.Create());
    EXPECT_TRUE(window.created) << "WM_CREATE came after the object was known";
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 42);
}

TEST(WindowBase, HooksSeeMessagesInOrderBeforeTheWindow) {
    std::vector<std::string> log;
    ProbeWindow window(log);
    ASSERT_TRUE(window.Create());
    NamedHook first(log, "first", false);
    NamedHook second(log, "second", false);
    window.AddHook(first);
    window.AddHook(second);
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "window"}));

    log.clear();
    NamedHook answering(log, "answering", true);
    window.RemoveHook(second);
    window.AddHook(answering);
    window.AddHook(second);
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 7) << "the answering hook's result";
    EXPECT_EQ(log, (std::vector<std::string>{"first", "answering"})) << "later hooks and the window see nothing";
}

TEST(WindowBase, AWindowEndedByItsParentLeavesNoHandleBehind) {
    std::vector<std::string> log;
    ProbeWindow parent(log);
    ASSERT_TRUE(parent.Create());
    ProbeWindow child(log);
    ASSERT_TRUE(child.Create(parent.hwnd()));
    const HWND childHandle = child.hwnd();
    parent.Destroy();
    EXPECT_FALSE(::IsWindow(childHandle));
    EXPECT_EQ(child.hwnd(), nullptr) << "the object let go of the ended window";
    EXPECT_TRUE(child.Create()) << "and can make a new one";
}

TEST(WindowBase, TheObjectsEndEndsItsWindow) {
    std::vector<std::string> log;
    HWND handle = nullptr;
    {
        ProbeWindow window(log);
        ASSERT_TRUE(window.Create());
        handle = window.hwnd();
    }
    EXPECT_FALSE(::IsWindow(handle));
}

// Finds the general error report of this thread and closes it, reporting
// its text.
struct ReportWatch {
    std::wstring text;
    static VOID CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        HWND box = ::FindWindowW(L"#32770", kApplicationTitle);
        if (box == nullptr || current == nullptr) {
            return;
        }
        wchar_t buffer[256] = {};
        ::GetDlgItemTextW(box, 0xFFFF, buffer, 256);
        current->text = buffer;
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    }
    static ReportWatch* current;
};
ReportWatch* ReportWatch::current = nullptr;

TEST(WindowBase, AnErrorInAHandlerIsReportedAndGoesNoFurther) {
    std::vector<std::string> log;
    ProbeWindow window(log);
    ASSERT_TRUE(window.Create());
    ReportWatch watch;
    ReportWatch::current = &watch;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, ReportWatch::Tick);
    const LRESULT result = ::SendMessageW(window.hwnd(), kThrow, 0, 0);
    ::KillTimer(nullptr, timer);
    ReportWatch::current = nullptr;
    EXPECT_EQ(result, 0);
    EXPECT_EQ(watch.text, L"from the handler");
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 42) << "the window works on";
}

}  // namespace
}  // namespace tavrel
