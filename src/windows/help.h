// The help window's rules, apart from the window: its two pages of text, its
// captions and the hints of its buttons.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The two pages: the introduction and the version history.
enum class HelpPage { kHelp = 0, kWhatIsNew = 1 };

inline constexpr wchar_t kHelpCaption[] = L"帮帮我?";
inline constexpr wchar_t kWhatIsNewCaption[] = L"有啥新东东?";
inline constexpr wchar_t kHelpHint[] = L"Tavrel-帮助手册";

// Caption of the window a command opens on `page`.
const wchar_t* HelpCaption(HelpPage page);

// Hints of the three contact buttons, set when the window is created: two
// lines broken by one carriage return, the first indented by six blanks.
inline constexpr wchar_t kWWWUrlHint[] =
    L"      如果您想了解软件更多的\r信息，请在此访问软件主页！";
inline constexpr wchar_t kEMailToHint[] =
    L"      如果您发现本软件有什么\r问题，或有好的建议请告诉我！";
inline constexpr wchar_t kTakeToFirendHint[] =
    L"      如果您觉得这软件还不\r错，那么请告诉给您的朋友！";

// UTF-8 text as the page's memo shows it: UTF-16 with every line ended by
// CR LF (the text files end their lines with LF). Nothing when the bytes are
// not UTF-8.
std::optional<std::wstring> MemoText(std::string_view utf8);

// A page as the window shows it: its memo text, with the placeholders
// %WEBPAGE% and %SUPPORTMAIL% replaced by the maker's web page and support
// address, which are set in one place only.
std::optional<std::wstring> HelpPageText(std::string_view utf8);

}  // namespace tavrel
