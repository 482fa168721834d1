// The help window THelpMe: two pages of text (the introduction and the
// version history), of which the command that opens the window shows one,
// and four buttons: close, and the three contact requests.
#pragma once

#include <windows.h>

#include <array>

#include "app/control_window_model.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "windows/contact.h"
#include "windows/help.h"

namespace tavrel {

inline constexpr wchar_t kHelpMeClass[] = L"THelpMe";

class HelpMe final : public Window {
  public:
    // The buttons' control ids.
    enum ButtonId : int { kOk = 1, kWWWUrl, kEMailTo, kTakeToFirend };

    HelpMe(ControlWindowModel& model, ShellSeam& shell) : model_(model), shell_(shell) {}
    ~HelpMe() override { Destroy(); }

    // Creates the window on `page` with that page's caption, shows it and
    // paints it at once. False when the window could not be made.
    bool Create(HINSTANCE instance, HWND owner, HelpPage page);
    // OK and the system menu's close: the window hides; it ends with its
    // owner.
    void Close();

    HelpPage page() const { return page_; }
    // Memo2 holds page 0, Memo1 page 1.
    HWND memo(HelpPage page) const { return page == HelpPage::kHelp ? memo2_ : memo1_; }
    HWND button(ButtonId id) const { return ::GetDlgItem(hwnd(), id); }

    // The window's and its painter's background colour. The menu painter
    // (IconBackColor) and the flat-control take-over attach to this window
    // as message hooks and draw its buttons and memos flat.
    static COLORREF BackgroundColour() { return ::GetSysColor(COLOR_GRADIENTACTIVECAPTION); }
    // Each control's hint; the balloon hints take them from here, until then
    // a plain tooltip shows them.
    static const wchar_t* Hint(ButtonId id);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void FormCreate(HINSTANCE instance);
    void SelectPage(HelpPage page);
    void OnCommand(int id);
    HWND AddButton(HINSTANCE instance, ButtonId id, const wchar_t* caption, int x, int width,
                   int picture);
    void AddHint(HWND control, const wchar_t* text);
    bool SetControlCursor(HWND control);

    ControlWindowModel& model_;
    ShellSeam& shell_;
    HelpPage page_ = HelpPage::kHelp;
    HWND memo1_ = nullptr;
    HWND memo2_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND focused_ = nullptr;
    unique_hfont memoFont_;
    unique_hfont buttonFont_;
    unique_hbrush memoBrush_;
    std::array<unique_himagelist, 4> glyphs_;
};

}  // namespace tavrel
