// How the program's user reaches its maker: the web page and the support
// address (set here and nowhere else), the three requests handed to the
// shell, and the first-use tips.
#pragma once

#include <string>

namespace tavrel {

// The maker's web page and support mail address. Both lie in the domain
// reserved for documentation, so no request of a test ever reaches anyone.
inline constexpr wchar_t kWebPageAddress[] = L"http://www.tavrel.example.com/";
inline constexpr wchar_t kSupportMailAddress[] = L"support@tavrel.example.com";

// Show commands of a shell request, with the platform's values.
inline constexpr int kShowShow = 5;    // SW_SHOW
inline constexpr int kShowNormal = 1;  // SW_SHOWNORMAL

// One request to the shell: open `file` with `parameters` (none when
// empty), no working directory.
struct ShellRequest {
    std::wstring verb;
    std::wstring file;
    std::wstring parameters;
    int showCommand = 0;

    bool operator==(const ShellRequest&) const = default;
};

// The browser opens the web page.
ShellRequest WebPageRequest();
// A mail to the support address about the program.
ShellRequest SupportMailRequest();
// A mail with no recipient, the support address as blind copy and a subject
// that tells a friend where to download the program.
ShellRequest TellAFriendRequest();

// Where the requests go: the shell in the program, a recorder in tests.
// `owner` is the window whose command it is. Results are not reported: when
// no browser or mail program answers, nothing happens.
class ShellSeam {
  public:
    virtual ~ShellSeam() = default;
    virtual void Execute(void* owner, const ShellRequest& request) = 0;
};

// The contact commands of the menu, the help window's buttons and the about
// window's links all end here.
void WWWUrlClick(ShellSeam& shell, void* owner);
void MailToClick(ShellSeam& shell, void* owner);
void TalkToFriendClick(ShellSeam& shell, void* owner);

// The first-use tips: twelve lines, each ended by one carriage return.
std::wstring FirstUseText();

}  // namespace tavrel
