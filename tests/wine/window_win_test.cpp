// The window base against real windows: the object behind each handle,
// hooks before the window, the command boundary, and ownership of the
// handle when the platform ends the window itself.
#include "common/window_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/control_subclass_win.h"

#include "common/error.h"
#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT kThrow = WM_APP + 8;
constexpr UINT kClose = WM_APP + 9;
constexpr UINT kCloseWithin = WM_APP + 10;
constexpr wchar_t kProbeClass[] = L"TavrelWindowTest";

class ProbeWindow final : public Window {
  public:
    explicit ProbeWindow(std::vector<std::string>& log) : log_(log) {}
    bool Create(HWND parent = nullptr) {
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kProbeClass;
        RegisterWindowClass(windowClass);
        return CreateFor(0, kProbeClass, L"probe", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0,
                         10, 10, parent, ::GetModuleHandleW(nullptr)) != nullptr;
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
    const HookAttachment firstHook = window.AddHook(first);
    HookAttachment secondHook = window.AddHook(second);
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "window"}));

    log.clear();
    NamedHook answering(log, "answering", true);
    secondHook.reset();
    const HookAttachment answeringHook = window.AddHook(answering);
    secondHook = window.AddHook(second);
    EXPECT_EQ(::SendMessageW(window.hwnd(), kProbe, 0, 0), 7) << "the answering hook's result";
    EXPECT_EQ(log, (std::vector<std::string>{"first", "answering"}))
        << "later hooks and the window see nothing";
}

// Detaches another hook when it sees the probe.
class DetachingHook final : public MessageHook {
  public:
    explicit DetachingHook(HookAttachment& other) : other_(other) {}
    bool Handle(UINT message, WPARAM, LPARAM, LRESULT&) override {
        if (message == kProbe) {
            other_.reset();
        }
        return false;
    }

  private:
    HookAttachment& other_;
};

TEST(WindowBase, AHookSeesTheMessagesWhileItsOwnerLives) {
    std::vector<std::string> log;
    ProbeWindow window(log);
    ASSERT_TRUE(window.Create());
    NamedHook hook(log, "hook", false);
    {
        const HookAttachment attached = window.AddHook(hook);
        ::SendMessageW(window.hwnd(), kProbe, 0, 0);
    }
    ::SendMessageW(window.hwnd(), kProbe, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"hook", "window", "window"}))
        << "detached at its owner's end";

    // Detached by an earlier hook while the message is on its way, a hook
    // no longer sees it.
    log.clear();
    HookAttachment later;
    DetachingHook detaching(later);
    const HookAttachment first = window.AddHook(detaching);
    later = window.AddHook(hook);
    ::SendMessageW(window.hwnd(), kProbe, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"window"}));
    EXPECT_FALSE(later);

    // An owner that outlives the window object has nothing left to detach.
    HookAttachment outliving;
    {
        ProbeWindow shortLived(log);
        ASSERT_TRUE(shortLived.Create());
        outliving = shortLived.AddHook(hook);
        EXPECT_TRUE(outliving);
    }
    EXPECT_FALSE(outliving);
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

HWND StaticChild(HWND parent) {
    return ::CreateWindowExW(0, L"STATIC", L"text", WS_CHILD, 0, 0, 10, 10, parent, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

// Adds `amount` to the control's answer to WM_GETTEXTLENGTH.
ControlSubclass::Handler Adding(LRESULT amount) {
    return [amount](ControlMessage& message) {
        const LRESULT answer = message.CallControl();
        return message.message == WM_GETTEXTLENGTH ? answer + amount : answer;
    };
}

TEST(ControlSubclass, SeesTheControlsMessagesWhileItsOwnerLives) {
    std::vector<std::string> log;
    ProbeWindow parent(log);
    ASSERT_TRUE(parent.Create());
    HWND control = StaticChild(parent.hwnd());
    {
        const ControlSubclass hundred(control, Adding(100));
        ControlSubclass thousand(control, Adding(1000));
        EXPECT_EQ(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0), 1104)
            << "two owners on one control";
        const ControlSubclass moved = std::move(thousand);
        EXPECT_EQ(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0), 1104);
    }
    EXPECT_EQ(::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0), 4) << "removed at their owners' end";

    const ControlSubclass outliving(control, Adding(100));
    EXPECT_TRUE(outliving);
    ::DestroyWindow(control);
    EXPECT_FALSE(outliving) << "the control's end took the subclass along";
}

TEST(ControlSubclass, AnErrorInTheHandlerIsReportedAndTheControlStillAnswers) {
    std::vector<std::string> log;
    ProbeWindow parent(log);
    ASSERT_TRUE(parent.Create());
    HWND control = StaticChild(parent.hwnd());
    const ControlSubclass throwing(control, [](ControlMessage& message) -> LRESULT {
        if (message.message == WM_GETTEXTLENGTH) {
            throw Error(L"from the control's handler");
        }
        return message.CallControl();
    });
    ReportWatch watch;
    ReportWatch::current = &watch;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, ReportWatch::Tick);
    const LRESULT length = ::SendMessageW(control, WM_GETTEXTLENGTH, 0, 0);
    ::KillTimer(nullptr, timer);
    ReportWatch::current = nullptr;
    EXPECT_EQ(watch.text, L"from the control's handler");
    EXPECT_EQ(length, 4) << "the message still reached the control";
    wchar_t text[8] = {};
    EXPECT_EQ(::GetWindowTextW(control, text, 8), 4) << "the control works on";
}

// Closes itself on kClose; on kCloseWithin it sends itself kClose first.
class ClosingWindow final : public Window {
  public:
    explicit ClosingWindow(std::vector<std::string>& log) : log_(log) {}
    bool Create() {
        WNDCLASSEXW windowClass{};
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TavrelClosingTest";
        RegisterWindowClass(windowClass);
        return CreateFor(0, L"TavrelClosingTest", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                         ::GetModuleHandleW(nullptr)) != nullptr;
    }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kClose) {
            log_.push_back("close handled");
            Closed();
            return 0;
        }
        if (message == kCloseWithin) {
            ::SendMessageW(hwnd(), kClose, 0, 0);
            log_.push_back("outer handler returns");
            return 0;
        }
        return DefaultHandling(message, wParam, lParam);
    }
    std::vector<std::string>& log_;
};

TEST(WindowBase, AWindowThatClosesItselfIsFreedOnceItsHandlersHaveReturned) {
    std::vector<std::string> log;
    auto window = std::make_unique<ClosingWindow>(log);
    ASSERT_TRUE(window->Create());
    HWND handle = window->hwnd();
    window->OnClosed([&] {
        log.push_back("freed");
        window.reset();
    });
    ::SendMessageW(handle, kCloseWithin, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"close handled", "outer handler returns", "freed"}));
    EXPECT_FALSE(::IsWindow(handle));

    // Through a control's subclass, whose handler runs on after the close.
    log.clear();
    window = std::make_unique<ClosingWindow>(log);
    ASSERT_TRUE(window->Create());
    handle = window->hwnd();
    window->OnClosed([&] {
        log.push_back("freed");
        window.reset();
    });
    std::vector<std::string> probeLog;
    ProbeWindow parent(probeLog);
    ASSERT_TRUE(parent.Create());
    const ControlSubclass closer(StaticChild(parent.hwnd()), [&](ControlMessage& message) {
        if (message.message == kClose) {
            ::SendMessageW(handle, kClose, 0, 0);
            log.push_back("control's handler returns");
        }
        return message.CallControl();
    });
    ::SendMessageW(::GetWindow(parent.hwnd(), GW_CHILD), kClose, 0, 0);
    EXPECT_EQ(log,
              (std::vector<std::string>{"close handled", "control's handler returns", "freed"}));
    EXPECT_FALSE(::IsWindow(handle));
}

}  // namespace
}  // namespace tavrel
