// The program's own input box and notices: Prompts on the real windows.
//
// The input box is a small modal window centred on the screen and owned by
// the control window: the caption, the prompt as a word-wrapped label, an
// edit box that takes at most 255 characters and shows the initial text
// selected, and the buttons OK and Cancel. Every command that asks for a
// text uses this one box.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "common/prompts.h"
#include "common/window_win.h"

namespace tavrel {

inline constexpr wchar_t kInputBoxClass[] = L"TavrelInputBox";
inline constexpr int kInputBoxEditId = 100;
inline constexpr int kInputBoxPromptId = 101;
inline constexpr int kInputBoxMaxChars = 255;

class InputBox final : public Window {
public:
    // Shows the box until OK (the edit box's text) or Cancel, Escape or the
    // close box (nothing). The owner is disabled meanwhile. A WM_QUIT that
    // arrives while it is open cancels it and is passed on.
    static std::optional<std::wstring> Ask(HWND owner, const std::wstring& caption,
                                           const std::wstring& prompt, const std::wstring& initial);

private:
    InputBox() = default;
    bool Create(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                const std::wstring& initial);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND edit_ = nullptr;
    bool done_ = false;
    std::optional<std::wstring> answer_;
};

class Win32Prompts final : public Prompts {
public:
    // `owner` names the window that owns the boxes at the moment they open;
    // `beginModal` and `endModal` run around every input box.
    Win32Prompts(std::function<HWND()> owner, std::function<void()> beginModal = {},
                 std::function<void()> endModal = {})
        : owner_(std::move(owner)),
          beginModal_(std::move(beginModal)),
          endModal_(std::move(endModal)) {}

    std::optional<std::wstring> AskText(const std::wstring& prompt,
                                        const std::wstring& initial) override;
    void Notify(const std::wstring& text) override;

private:
    std::function<HWND()> owner_;
    std::function<void()> beginModal_;
    std::function<void()> endModal_;
};

}  // namespace tavrel
