// What commands ask of the user, as the portable rules see it. Every box
// here carries the caption "Tavrel - 温馨提示" and the information icon and
// is owned by the control window.
#pragma once

#include <optional>
#include <string>

namespace tavrel {

class Prompts {
  public:
    virtual ~Prompts() = default;
    // The program's input box, the initial text shown selected. Nothing
    // when the user cancels.
    virtual std::optional<std::wstring> AskText(const std::wstring& prompt,
                                                const std::wstring& initial) = 0;
    // A notice with one OK button.
    virtual void Notify(const std::wstring& text) = 0;
};

}  // namespace tavrel
