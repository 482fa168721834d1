// The program's questions on Windows: its own single-line input box and
// its notices, captioned "Tavrel - 温馨提示" and owned by the control window.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "common/prompts.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"

namespace tavrel {

inline constexpr wchar_t kInputBoxClass[] = L"TavrelInputBox";
inline constexpr int kInputBoxEditId = 100;
// As many characters as the box has always taken.
inline constexpr int kInputBoxMaxLength = 255;

// A small modal box centred on the screen: the prompt word-wrapped above a
// one-line edit holding the initial text, all of it selected, and the OK
// and Cancel buttons. Enter is OK, Escape and closing the box are Cancel.
// The owner is disabled while the box is up.
class InputBox final : public Window {
  public:
    // The text when the user chose OK, nothing otherwise.
    static std::optional<std::wstring> Ask(HWND owner, const std::wstring& caption,
                                           const std::wstring& prompt, const std::wstring& initial);

  private:
    InputBox() = default;
    bool Create(HWND owner, const std::wstring& caption, const std::wstring& prompt,
                const std::wstring& initial);
    std::optional<std::wstring> RunModal(HWND owner);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    HWND edit_ = nullptr;
    bool done_ = false;
    std::optional<std::wstring> answer_;
};

class Win32Prompts final : public Prompts {
  public:
    // The owner is asked for its window when a box is shown, so the prompts
    // can be made before it.
    explicit Win32Prompts(const Window& owner) : owner_(owner) {}

    std::optional<std::wstring> AskText(const std::wstring& prompt,
                                        const std::wstring& initial) override;
    void Notify(const std::wstring& text) override;
    // A question with Yes and No; true for Yes.
    bool AskYesNo(const std::wstring& text);

  private:
    const Window& owner_;
};

}  // namespace tavrel
