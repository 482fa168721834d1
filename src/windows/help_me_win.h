// The help window THelpMe: two pages of text (the introduction and the
// version history), of which the command that opens the window shows one,
// and four buttons: close, and the three contact requests.
#pragma once

#include <windows.h>

#include <memory>

#include "core/control_window_model.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "styling/balloon_hint_win.h"
#include "styling/menu_painter_win.h"
#include "windows/contact.h"
#include "windows/help.h"

namespace tavrel {

inline constexpr wchar_t kHelpMeClass[] = L"THelpMe";

class HelpMe final : public Window {
  public:
    // The buttons' control ids.
    enum ButtonId : int { kOk = 1, kWWWUrl, kEMailTo, kTakeToFirend };

    // The controls' hints show as balloons of `hints`.
    HelpMe(ControlWindowModel& model, ShellSeam& shell, BalloonHints& hints)
        : model_(model), shell_(shell), hints_(hints) {}
    // The focus record hears of the end while this object still exists.
    ~HelpMe() override { Destroy(); }

    // Creates the window on `page` with that page's caption, shows it and
    // paints it at once. False when the window could not be made.
    bool Create(HINSTANCE instance, HWND owner, HelpPage page);
    // OK and the system menu's close: the window hides, and its owner hears
    // that it closed (OnClosed).
    void Close();

    HelpPage page() const { return page_; }
    // Memo2 holds page 0, Memo1 page 1.
    HWND memo(HelpPage page) const { return page == HelpPage::kHelp ? memo2_ : memo1_; }
    HWND button(ButtonId id) const { return ::GetDlgItem(hwnd(), id); }

    // The window's and its painter's background colour.
    static COLORREF BackgroundColour() { return ::GetSysColor(COLOR_GRADIENTACTIVECAPTION); }
    // Each button's hint.
    static const wchar_t* Hint(ButtonId id);
    // The window's own painter: it has no menus to paint, but draws the
    // buttons and memos flat.
    const MenuPainter& painter() const { return painter_; }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FormCreate(HINSTANCE instance);
    void SelectPage(HelpPage page);
    void OnCommand(int id);
    HWND AddButton(HINSTANCE instance, ButtonId id, const wchar_t* caption, int x, int width,
                   int picture);
    bool SetControlCursor(HWND control);

    ControlWindowModel& model_;
    ShellSeam& shell_;
    BalloonHints& hints_;
    HelpPage page_ = HelpPage::kHelp;
    HWND memo1_ = nullptr;
    HWND memo2_ = nullptr;
    HWND focused_ = nullptr;
    unique_hfont memoFont_;
    unique_hfont buttonFont_;
    unique_hbrush memoBrush_;
    std::unique_ptr<BalloonHints::Attachment> hintsAttachment_;
    MenuPainter painter_;
    HookAttachment painterHook_;
};

}  // namespace tavrel
