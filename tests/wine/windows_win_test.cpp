// The about and help windows and their commands, in this process, against
// the real windowing; the program's resources are linked into this test so
// that they show what the program shows. Shell requests go to a recorder,
// and once to the real shell.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "core/commands.h"
#include "core/control_window_model.h"
#include "common/command_table.h"
#include "common/scope_exit.h"
#include "styling/balloon_hint_win.h"
#include "support/gui_objects_win.h"
#include "support/hint_clock.h"
#include "support/program_win.h"
#include "windows/about_box_win.h"
#include "windows/help_me_win.h"
#include "windows/shell_seam_win.h"
#include "windows/windows_commands_win.h"

namespace tavrel {
namespace {

class RecordingShell : public ShellSeam {
  public:
    void Execute(void* owner, const ShellRequest& request) override {
        owners.push_back(static_cast<HWND>(owner));
        requests.push_back(request);
    }
    std::vector<HWND> owners;
    std::vector<ShellRequest> requests;
};

// The control window's side of the focus rules is not under test here.
class NoControlWindow : public ControlWindowOps {
  public:
    void ShowControl(bool) override {}
    void ShowApplication(bool) override {}
    void SetApplicationToolStyle(bool) override {}
};

void Pump() {
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

SIZE ClientSize(HWND window) {
    RECT client{};
    ::GetClientRect(window, &client);
    return {client.right, client.bottom};
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LPARAM At(POINT point) {
    return MAKELPARAM(point.x, point.y);
}
POINT Middle(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

COLORREF PixelAt(HWND window, POINT point) {
    window_dc dc(window);
    return ::GetPixel(dc.get(), point.x, point.y);
}

class WindowsTest : public ::testing::Test {
  protected:
    WindowsTest() : styler_(hints_.application()) {
        ConfigureControlWindowHintStyler(styler_);
        hints_.Install(instance_, styler_);
    }
    void TearDown() override { Pump(); }

    // The text of the balloon that shows with the pointer resting at a
    // point of the screen; empty when the point has no hint.
    std::wstring HintAt(POINT screenPoint) {
        // Away from every tool first, so that a hint of the same tool shows
        // anew.
        if (!testing::WaitWithPointerAt(
                {::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1}, [&] {
                    Pump();
                    return !hints_.hintWindow()->Showing();
                })) {
            return L"(the last hint stays)";
        }
        if (hints_.ToolAt(screenPoint) == kNoHintTool) {
            return L"";
        }
        // The pause passes a little at a time until the hints have heard of
        // the pointer and shown its hint.
        if (!testing::WaitWithPointerAt(screenPoint, [&] {
                Pump();
                clock_.now += 100;
                hints_.TimePassed();
                return hints_.hintWindow()->Showing();
            })) {
            return L"(no hint shows)";
        }
        return hints_.hintWindow()->text();
    }

    HINSTANCE instance_ = ::GetModuleHandleW(nullptr);
    RecordingShell shell_;
    NoControlWindow ops_;
    ControlWindowModel model_{ops_};
    testing::ManualHintClock clock_;
    BalloonHints hints_{&clock_};
    THintStyler styler_;
};

POINT ScreenMiddle(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return Middle(rect);
}
POINT ToScreen(HWND window, POINT point) {
    ::ClientToScreen(window, &point);
    return point;
}

TEST_F(WindowsTest, AboutWindowShowsThePictureAndTheVersionKeyedOnTop) {
    AboutBox about(model_, shell_, ProgramWindow::kAbout);
    ASSERT_TRUE(about.Create(instance_, nullptr));
    EXPECT_EQ(ClassOf(about.hwnd()), L"TAboutBox");
    EXPECT_EQ(TextOf(about.hwnd()), L"AboutMe");
    EXPECT_TRUE(::IsWindowVisible(about.hwnd()));
    const SIZE size = ClientSize(about.hwnd());
    EXPECT_EQ(size.cx, 349);
    EXPECT_EQ(size.cy, 210);
    RECT frame{};
    ::GetWindowRect(about.hwnd(), &frame);
    EXPECT_EQ(frame.right - frame.left, 349) << "no border";
    EXPECT_EQ(frame.left, (::GetSystemMetrics(SM_CXSCREEN) - 349) / 2) << "centred";
    EXPECT_EQ(frame.top, (::GetSystemMetrics(SM_CYSCREEN) - 210) / 2);
    const LONG_PTR exStyle = ::GetWindowLongPtrW(about.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_TRUE(exStyle & WS_EX_LAYERED);
    COLORREF key = 1;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(::GetLayeredWindowAttributes(about.hwnd(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(0, 0, 0));
    EXPECT_TRUE(flags & LWA_COLORKEY);
    // The real picture and the version resource linked into this test.
    EXPECT_TRUE(about.hasPicture());
    EXPECT_EQ(about.versionCaption(), L"v2.00  Build 1300");
    // It took the focus, and the program's focus record says so.
    Pump();
    EXPECT_EQ(model_.lastFocused(), ProgramWindow::kAbout);
}

TEST_F(WindowsTest, AboutLinksLightUpUntilThePointerIsOverThePicture) {
    using Link = AboutBox::Link;
    AboutBox about(model_, shell_, ProgramWindow::kAbout);
    ASSERT_TRUE(about.Create(instance_, nullptr));
    const RECT url = about.LinkRect(Link::kUrl);
    const RECT email = about.LinkRect(Link::kEmail);
    EXPECT_EQ(url.left, 152);
    EXPECT_EQ(url.top, 185);
    EXPECT_EQ(email.left, 152);
    EXPECT_EQ(email.top, 196);
    EXPECT_GT(url.right - url.left, 60) << "as wide as the address";

    ::SendMessageW(about.hwnd(), WM_MOUSEMOVE, 0, At(Middle(url)));
    EXPECT_TRUE(about.highlighted(Link::kUrl));
    EXPECT_FALSE(about.highlighted(Link::kEmail));
    ::SendMessageW(about.hwnd(), WM_MOUSEMOVE, 0, At(Middle(about.LinkRect(Link::kEmail))));
    EXPECT_TRUE(about.highlighted(Link::kUrl)) << "only the picture puts a link back";
    EXPECT_TRUE(about.highlighted(Link::kEmail));
    // Over the label beside the links nothing changes.
    ::SendMessageW(about.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(110, 190));
    EXPECT_TRUE(about.highlighted(Link::kUrl));
    ::SendMessageW(about.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(60, 120));
    EXPECT_FALSE(about.highlighted(Link::kUrl));
    EXPECT_FALSE(about.highlighted(Link::kEmail));
    EXPECT_STREQ(AboutBox::Hint(Link::kUrl), L"如果您想了解软件更多的信息，请在此访问软件主页！");
    EXPECT_STREQ(AboutBox::Hint(Link::kEmail),
                 L"如果您发现本软件有什么问题，或有好的建议请告诉我！");
}

// The line height of "MS Sans Serif" with characters `pixels` high, as the
// font mapper gives it.
TEXTMETRICW MetricsOfCharacters(int pixels) {
    unique_hdc dc(::CreateCompatibleDC(nullptr));
    unique_hfont font(::CreateFontW(
        -pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif"));
    select_object use(dc.get(), font.get());
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc.get(), &metrics);
    return metrics;
}

TEST_F(WindowsTest, TheVersionHasTwelvePixelCharactersAndTheLinksEleven) {
    using Link = AboutBox::Link;
    const TEXTMETRICW twelve = MetricsOfCharacters(12);
    const TEXTMETRICW eleven = MetricsOfCharacters(11);
    ASSERT_EQ(twelve.tmHeight - twelve.tmInternalLeading, 12);
    ASSERT_GT(eleven.tmHeight, 11) << "the line is taller than its characters";
    AboutBox about(model_, shell_, ProgramWindow::kAbout);
    ASSERT_TRUE(about.Create(instance_, nullptr));
    ::RedrawWindow(about.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The version stands on a box of the window's colour as high as its line.
    const COLORREF box = ::GetSysColor(COLOR_ACTIVEBORDER);
    int rows = 0;
    for (int y = 31; y < 60; ++y) {
        bool inBox = false;
        for (int x = 262; x < 275 && !inBox; ++x) {
            const COLORREF pixel = PixelAt(about.hwnd(), {x, y});
            inBox = pixel == box || pixel == RGB(255, 0, 0);
        }
        if (!inBox) {
            break;
        }
        ++rows;
    }
    EXPECT_EQ(rows, twelve.tmHeight);
    // The links, and the places their hover and hints answer, are as high
    // as a line of eleven-pixel characters, lit or not.
    EXPECT_EQ(about.LinkRect(Link::kUrl).bottom - about.LinkRect(Link::kUrl).top, eleven.tmHeight);
    ::SendMessageW(about.hwnd(), WM_MOUSEMOVE, 0, At(Middle(about.LinkRect(Link::kEmail))));
    ASSERT_TRUE(about.highlighted(Link::kEmail));
    EXPECT_EQ(about.LinkRect(Link::kEmail).bottom - about.LinkRect(Link::kEmail).top,
              eleven.tmHeight);
}

TEST_F(WindowsTest, AboutLinksIssueTheirRequestsAndThePictureCloses) {
    using Link = AboutBox::Link;
    AboutBox about(model_, shell_, ProgramWindow::kAbout);
    ASSERT_TRUE(about.Create(instance_, nullptr));
    ::SendMessageW(about.hwnd(), WM_LBUTTONUP, 0, At(Middle(about.LinkRect(Link::kUrl))));
    ::SendMessageW(about.hwnd(), WM_LBUTTONUP, 0, At(Middle(about.LinkRect(Link::kEmail))));
    ASSERT_EQ(shell_.requests.size(), 2u);
    EXPECT_EQ(shell_.requests[0], WebPageRequest());
    EXPECT_EQ(shell_.requests[1], SupportMailRequest());
    EXPECT_EQ(shell_.owners, (std::vector<HWND>{about.hwnd(), about.hwnd()}));
    EXPECT_TRUE(::IsWindowVisible(about.hwnd()));
    ::SendMessageW(about.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
    EXPECT_FALSE(::IsWindowVisible(about.hwnd())) << "a click on the picture closes it";
    EXPECT_TRUE(::IsWindow(about.hwnd())) << "hidden, not destroyed";
}

TEST_F(WindowsTest, HelpWindowLayout) {
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kHelp));
    EXPECT_EQ(ClassOf(help.hwnd()), L"THelpMe");
    EXPECT_EQ(TextOf(help.hwnd()), L"帮帮我?");
    const SIZE size = ClientSize(help.hwnd());
    EXPECT_EQ(size.cx, 442);
    EXPECT_EQ(size.cy, 414);
    const LONG_PTR style = ::GetWindowLongPtrW(help.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "a fixed border";
    EXPECT_TRUE(::GetWindowLongPtrW(help.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    HWND memo = help.memo(HelpPage::kHelp);
    EXPECT_TRUE(::IsWindowVisible(memo));
    EXPECT_FALSE(::IsWindowVisible(help.memo(HelpPage::kWhatIsNew)));
    EXPECT_TRUE(::GetWindowLongPtrW(memo, GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(::GetWindowLongPtrW(memo, GWL_STYLE) & WS_VSCROLL);
    EXPECT_TRUE(TextOf(memo).starts_with(L"=====")) << "the introduction page";
    EXPECT_NE(TextOf(memo).find(L"软件特点"), std::wstring::npos);

    struct Expected {
        HelpMe::ButtonId id;
        const wchar_t* caption;
        int x;
        int width;
    };
    for (const Expected& expected : {Expected{HelpMe::kOk, L"确  定", 9, 100},
                                     Expected{HelpMe::kWWWUrl, L"软件主页", 115, 100},
                                     Expected{HelpMe::kEMailTo, L"技术支持", 221, 100},
                                     Expected{HelpMe::kTakeToFirend, L"推荐给好友", 327, 110}}) {
        HWND button = help.button(expected.id);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(TextOf(button), expected.caption);
        RECT rect{};
        ::GetWindowRect(button, &rect);
        ::MapWindowPoints(nullptr, help.hwnd(), reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, expected.x);
        EXPECT_EQ(rect.top, 376);
        EXPECT_EQ(rect.right - rect.left, expected.width);
        EXPECT_EQ(rect.bottom - rect.top, 36);
    }
    Pump();
    EXPECT_EQ(::GetFocus(), help.button(HelpMe::kOk)) << "OK has the focus";
    EXPECT_EQ(model_.lastFocused(), ProgramWindow::kHelp);
    EXPECT_STREQ(HelpMe::Hint(HelpMe::kWWWUrl),
                 L"      如果您想了解软件更多的\r信息，请在此访问软件主页！");
    EXPECT_STREQ(HelpMe::Hint(HelpMe::kTakeToFirend),
                 L"      如果您觉得这软件还不\r错，那么请告诉给您的朋友！");
}

TEST_F(WindowsTest, TheHelpWindowsPainterDrawsItsButtonsAndMemosFlat) {
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kHelp));
    Pump();
    EXPECT_EQ(help.painter().properties().iconBackColor, 0x8000001Bu);
    EXPECT_TRUE(help.painter().properties().active);
    const FlatControls& controls = help.painter().controls();
    for (const HelpMe::ButtonId id :
         {HelpMe::kOk, HelpMe::kWWWUrl, HelpMe::kEMailTo, HelpMe::kTakeToFirend}) {
        EXPECT_TRUE(controls.IsTakenOver(help.button(id))) << id;
    }
    HWND memo = help.memo(HelpPage::kHelp);
    EXPECT_TRUE(controls.IsTakenOver(memo));
    EXPECT_TRUE(controls.IsTakenOver(help.memo(HelpPage::kWhatIsNew)));
    EXPECT_FALSE(::GetWindowLongPtrW(memo, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
        << "the memo's sunken edge gives way to a flat frame";

    // A button's rounded corner shows the window's colour, its idle frame
    // lies inside it, and the glyph left of the caption is drawn (neither
    // the fill nor the frame colour somewhere in its left third).
    ::RedrawWindow(help.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    HWND www = help.button(HelpMe::kWWWUrl);
    const COLORREF background = ::GetSysColor(COLOR_GRADIENTACTIVECAPTION);
    EXPECT_EQ(PixelAt(www, {0, 0}), background);
    EXPECT_NE(PixelAt(www, {0, 18}), background) << "the frame";
    const COLORREF fill = PixelAt(www, {50, 3});
    bool glyph = false;
    for (int x = 4; x < 34 && !glyph; ++x) {
        for (int y = 6; y < 30 && !glyph; ++y) {
            const COLORREF pixel = PixelAt(www, {x, y});
            glyph = pixel != fill && pixel != background;
        }
    }
    EXPECT_TRUE(glyph) << "the picture beside the caption";
}

TEST_F(WindowsTest, TheFocusedOkCaptionIsPlainWindowText) {
    // A window text colour of its own, so that it shows which colour the
    // captions take.
    const int element = COLOR_WINDOWTEXT;
    const COLORREF before = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF windowText = RGB(0, 0, 160);
    ASSERT_NE(windowText, ::GetSysColor(COLOR_BTNTEXT));
    ASSERT_TRUE(::SetSysColors(1, &element, &windowText));
    const scope_exit restore([&] { ::SetSysColors(1, &element, &before); });
    testing::PointerTo({::GetSystemMetrics(SM_CXSCREEN) - 1, ::GetSystemMetrics(SM_CYSCREEN) - 1});
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kHelp));
    Pump();
    HWND ok = help.button(HelpMe::kOk);
    ASSERT_EQ(::GetFocus(), ok);
    EXPECT_EQ(::GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON)
        << "the focus makes no default button";
    ::RedrawWindow(ok, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The caption's pixels, right of the picture.
    RECT text{100, 36, 0, 0};
    for (int y = 2; y < 34; ++y) {
        for (int x = 36; x < 98; ++x) {
            if (PixelAt(ok, {x, y}) == windowText) {
                text = {std::min<LONG>(text.left, x), std::min<LONG>(text.top, y),
                        std::max<LONG>(text.right, x + 1), std::max<LONG>(text.bottom, y + 1)};
            }
        }
    }
    ASSERT_LT(text.left, text.right) << "the caption is in the window text colour";
    // Around it only the fill: no relief of a default button.
    const COLORREF fill = PixelAt(ok, {text.left - 2, text.top});
    int relief = 0;
    for (int y = text.top - 1; y <= text.bottom; ++y) {
        for (int x = text.left - 1; x <= text.right; ++x) {
            const COLORREF pixel = PixelAt(ok, {x, y});
            relief += pixel != fill && pixel != windowText ? 1 : 0;
        }
    }
    EXPECT_EQ(relief, 0);
}

// The part of `window` the platform tells of the pointer leaving: 0 none,
// 1 its client area, 2 the rest (border and scroll bars).
int TrackedPart(HWND window) {
    TRACKMOUSEEVENT query{sizeof(query), TME_QUERY, nullptr, 0};
    if (!::TrackMouseEvent(&query) || query.hwndTrack != window || !(query.dwFlags & TME_LEAVE)) {
        return 0;
    }
    return (query.dwFlags & TME_NONCLIENT) != 0 ? 2 : 1;
}

TEST_F(WindowsTest, AMemoStaysLitWhileThePointerIsOnItsScrollBar) {
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kHelp));
    Pump();
    HWND memo = help.memo(HelpPage::kHelp);
    const FlatControlState* state = help.painter().controls().StateOf(memo);
    ASSERT_NE(state, nullptr);
    RECT whole{};
    ::GetWindowRect(memo, &whole);
    const auto pointerAt = [](POINT point, const std::function<bool()>& condition) {
        return testing::WaitWithPointerAt(point, [&] {
            Pump();
            return condition();
        });
    };
    ASSERT_TRUE(pointerAt(ScreenMiddle(memo), [&] { return state->hot(); })) << "lit over the text";
    // On the scroll bar the platform is asked about leaving the rest of the
    // control, once it has told of leaving the text.
    const int scrollBarX = whole.right - ::GetSystemMetrics(SM_CXVSCROLL) / 2 - 1;
    EXPECT_TRUE(pointerAt({scrollBarX, (whole.top + whole.bottom) / 2},
                          [&] { return TrackedPart(memo) == 2; }));
    EXPECT_TRUE(state->hot()) << "still lit on the scroll bar";
    EXPECT_TRUE(pointerAt(ScreenMiddle(memo), [&] { return TrackedPart(memo) == 1; }));
    EXPECT_TRUE(state->hot()) << "and back on the text";
    EXPECT_TRUE(pointerAt({whole.right + 40, whole.bottom + 40}, [&] { return !state->hot(); }))
        << "off the control";
}

TEST_F(WindowsTest, HelpAndAboutHintsAreBalloons) {
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kHelp));
    Pump();
    EXPECT_EQ(HintAt(ScreenMiddle(help.button(HelpMe::kWWWUrl))),
              L"      如果您想了解软件更多的\r信息，请在此访问软件主页！");
    EXPECT_EQ(HintAt(ScreenMiddle(help.button(HelpMe::kEMailTo))),
              L"      如果您发现本软件有什么\r问题，或有好的建议请告诉我！");
    EXPECT_EQ(HintAt(ScreenMiddle(help.memo(HelpPage::kHelp))), L"Tavrel-帮助手册");
    EXPECT_EQ(HintAt(ScreenMiddle(help.button(HelpMe::kOk))), L"Tavrel-帮助手册");
    help.Close();
    Pump();

    AboutBox about(model_, shell_, ProgramWindow::kAbout, &hints_);
    ASSERT_TRUE(about.Create(instance_, nullptr));
    Pump();
    const RECT url = about.LinkRect(AboutBox::Link::kUrl);
    EXPECT_EQ(HintAt(ToScreen(about.hwnd(), Middle(url))), AboutBox::Hint(AboutBox::Link::kUrl));
    // Lit, the label may change its width; the hint covers it as it is.
    ASSERT_TRUE(about.highlighted(AboutBox::Link::kUrl));
    const RECT lit = about.LinkRect(AboutBox::Link::kUrl);
    EXPECT_EQ(HintAt(ToScreen(about.hwnd(), {lit.right - 1, Middle(lit).y})),
              AboutBox::Hint(AboutBox::Link::kUrl));
    const RECT email = about.LinkRect(AboutBox::Link::kEmail);
    EXPECT_EQ(HintAt(ToScreen(about.hwnd(), Middle(email))),
              AboutBox::Hint(AboutBox::Link::kEmail));
    EXPECT_EQ(HintAt(ToScreen(about.hwnd(), {20, 20})), L"") << "the picture has no hint";
}

TEST_F(WindowsTest, OpeningAndClosingBothWindowsLeavesNoObjectBehind) {
    // Opened by the commands and closed by themselves: OK, the system
    // menu's close and a click on the picture, each from within the
    // window's own handlers.
    CommandTable table;
    WindowsCommands commands(model_, shell_, hints_);
    commands.Register(table);
    commands.Attach(instance_, nullptr, nullptr);
    const auto openAndClose = [&] {
        ASSERT_TRUE(table.Run({kCmdHelp, CommandSource::kMenu}));
        ASSERT_TRUE(table.Run({kCmdWhatIsNew, CommandSource::kMenu}));
        ASSERT_TRUE(table.Run({kCmdAbout, CommandSource::kMenu}));
        Pump();
        ASSERT_EQ(commands.helpWindows().size(), 2u);
        ASSERT_EQ(commands.aboutWindows().size(), 1u);
        ::SendMessageW(commands.helpWindows()[0]->button(HelpMe::kOk), BM_CLICK, 0, 0);
        ASSERT_EQ(commands.helpWindows().size(), 1u) << "freed once its handlers returned";
        ::SendMessageW(commands.helpWindows()[0]->hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ::SendMessageW(commands.aboutWindows()[0]->hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
        EXPECT_TRUE(commands.helpWindows().empty());
        EXPECT_TRUE(commands.aboutWindows().empty());
        EXPECT_EQ(model_.lastFocused(), ProgramWindow::kNone)
            << "a destroyed entry leaves the record empty";
        Pump();
    };
    openAndClose();  // the classes, cursors and caches of the first time stay
    const std::size_t gdi = testing::CountGdiObjects();
    const std::size_t user = testing::CountUserObjects();
    for (int i = 0; i < 25; ++i) {
        openAndClose();
    }
    EXPECT_EQ(testing::CountGdiObjects(), gdi);
    EXPECT_EQ(testing::CountUserObjects(), user);
}

TEST_F(WindowsTest, HelpButtonsIssueTheRequestsAndOkCloses) {
    HelpMe help(model_, shell_, hints_);
    ASSERT_TRUE(help.Create(instance_, nullptr, HelpPage::kWhatIsNew));
    EXPECT_EQ(TextOf(help.hwnd()), L"有啥新东东?");
    EXPECT_TRUE(::IsWindowVisible(help.memo(HelpPage::kWhatIsNew)));
    EXPECT_NE(TextOf(help.memo(HelpPage::kWhatIsNew)).find(L"Tavrel - 更新历史"),
              std::wstring::npos);
    ::SendMessageW(help.button(HelpMe::kWWWUrl), BM_CLICK, 0, 0);
    ::SendMessageW(help.button(HelpMe::kEMailTo), BM_CLICK, 0, 0);
    ::SendMessageW(help.button(HelpMe::kTakeToFirend), BM_CLICK, 0, 0);
    ASSERT_EQ(shell_.requests.size(), 3u);
    EXPECT_EQ(shell_.requests[0], WebPageRequest());
    EXPECT_EQ(shell_.requests[1], SupportMailRequest());
    EXPECT_EQ(shell_.requests[2], TellAFriendRequest());
    EXPECT_EQ(shell_.owners, (std::vector<HWND>(3, help.hwnd())));
    ::SendMessageW(help.button(HelpMe::kOk), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindowVisible(help.hwnd()));
    // Opened again through the system menu's close, it hides as well.
    ::ShowWindow(help.hwnd(), SW_SHOW);
    ::SendMessageW(help.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(::IsWindowVisible(help.hwnd()));
    EXPECT_TRUE(::IsWindow(help.hwnd()));
}

TEST_F(WindowsTest, MenuCommandsOpenNewWindowsEachOnItsPage) {
    CommandTable table;
    WindowsCommands commands(model_, shell_, hints_);
    commands.Register(table);
    HWND control = ::CreateWindowExW(0, L"STATIC", L"control", WS_POPUP, 0, 0, 10, 10, nullptr,
                                     nullptr, instance_, nullptr);
    commands.Attach(instance_, nullptr, control);

    EXPECT_TRUE(table.Run({kCmdHelp, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({kCmdWhatIsNew, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({kCmdHelp, CommandSource::kMenu}));
    ASSERT_EQ(commands.helpWindows().size(), 3u);
    EXPECT_EQ(commands.helpWindows()[0]->page(), HelpPage::kHelp);
    EXPECT_EQ(commands.helpWindows()[1]->page(), HelpPage::kWhatIsNew);
    EXPECT_EQ(commands.helpWindows()[2]->page(), HelpPage::kHelp);
    EXPECT_EQ(TextOf(commands.helpWindows()[1]->hwnd()), L"有啥新东东?");
    EXPECT_NE(commands.helpWindows()[0]->hwnd(), commands.helpWindows()[2]->hwnd());
    for (const auto& help : commands.helpWindows()) {
        EXPECT_TRUE(::IsWindowVisible(help->hwnd())) << "not modal: all of them stay";
    }

    EXPECT_TRUE(table.Run({kCmdAbout, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({kCmdAbout, CommandSource::kMenu}));
    ASSERT_EQ(commands.aboutWindows().size(), 2u);
    EXPECT_NE(commands.aboutWindows()[0]->hwnd(), commands.aboutWindows()[1]->hwnd());
    Pump();
    EXPECT_EQ(model_.lastFocused(), ProgramWindow::kAbout);

    EXPECT_TRUE(table.Run({kCmdWWWUrl, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({kCmdMailTo, CommandSource::kMenu}));
    EXPECT_TRUE(table.Run({kCmdTalkToFriend, CommandSource::kMenu}));
    ASSERT_EQ(shell_.requests.size(), 3u);
    EXPECT_EQ(shell_.requests[0], WebPageRequest());
    EXPECT_EQ(shell_.requests[1], SupportMailRequest());
    EXPECT_EQ(shell_.requests[2], TellAFriendRequest());
    EXPECT_EQ(shell_.owners, (std::vector<HWND>(3, control)));
    ::DestroyWindow(control);
}

TEST_F(WindowsTest, TheSplashIsAnAboutWindowUntilItIsClosed) {
    WindowsCommands commands(model_, shell_, hints_);
    commands.ShowSplash(instance_);
    ASSERT_NE(commands.splash(), nullptr);
    HWND splash = commands.splash()->hwnd();
    EXPECT_EQ(ClassOf(splash), L"TAboutBox");
    EXPECT_TRUE(::IsWindowVisible(splash));
    EXPECT_TRUE(commands.splash()->hasPicture());
    Pump();
    EXPECT_EQ(model_.lastFocused(), ProgramWindow::kSplash);
    commands.CloseSplash();
    EXPECT_FALSE(::IsWindow(splash));
    EXPECT_EQ(model_.lastFocused(), ProgramWindow::kNone)
        << "a destroyed entry leaves the record empty";
}

TEST(ShellExecuteSeam, TheRealShellTakesTheRequests) {
    // Once for real: the shell gets each request and the call comes back;
    // whether a browser or mail program answers is not looked at.
    ShellExecuteSeam shell;
    WWWUrlClick(shell, nullptr);
    MailToClick(shell, nullptr);
    TalkToFriendClick(shell, nullptr);
    EXPECT_GT(shell.lastResult(), 32) << "the tell-a-friend mail reached the shell";
}

}  // namespace
}  // namespace tavrel
