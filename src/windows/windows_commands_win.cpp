#include "windows/windows_commands_win.h"

#include <algorithm>

#include "core/commands.h"
#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr CommandRow<WindowsCommands> kRows[] = {
    {kCmdWWWUrl, kCmdWWWUrl, &WindowsCommands::WWWUrlClick},
    {kCmdMailTo, kCmdMailTo, &WindowsCommands::MailToClick},
    {kCmdTalkToFriend, kCmdTalkToFriend, &WindowsCommands::TalkToFriendClick},
    {kCmdUseNo1, kCmdUseNo1, &WindowsCommands::UseNo1Click},
    {kCmdWhatIsNew, kCmdWhatIsNew, &WindowsCommands::WhatIsNewClick},
    {kCmdHelp, kCmdHelp, &WindowsCommands::HelpClick},
    {kCmdAbout, kCmdAbout, &WindowsCommands::AboutClick},
};

// Keeps a window the user opened until it closes itself; then it is freed,
// once its own handlers have returned.
template <typename Opened>
void KeepUntilClosed(std::vector<std::unique_ptr<Opened>>& windows,
                     std::unique_ptr<Opened> window) {
    Opened* opened = window.get();
    opened->OnClosed([&windows, opened] {
        const auto found = std::find_if(windows.begin(), windows.end(), [opened](const auto& kept) {
            return kept.get() == opened;
        });
        if (found != windows.end()) {
            // Out of the list first: the window's last messages find it
            // whole.
            const std::unique_ptr<Opened> closing = std::move(*found);
            windows.erase(found);
        }
    });
    windows.push_back(std::move(window));
}

}  // namespace

void WindowsCommands::Register(CommandTable& table) {
    table.AddRows(*this, kRows);
}

void WindowsCommands::ShowSplash(HINSTANCE instance) {
    splash_ = std::make_unique<AboutBox>(model_, shell_, ProgramWindow::kSplash);
    splash_->Create(instance, nullptr);
}

void WindowsCommands::WWWUrlClick(const CommandEvent&) {
    tavrel::WWWUrlClick(shell_, control_);
}

void WindowsCommands::MailToClick(const CommandEvent&) {
    tavrel::MailToClick(shell_, control_);
}

void WindowsCommands::TalkToFriendClick(const CommandEvent&) {
    tavrel::TalkToFriendClick(shell_, control_);
}

void WindowsCommands::UseNo1Click(const CommandEvent&) {
    const std::wstring text = FirstUseText();
    ::MessageBoxW(application_, text.c_str(), kNoticeCaption, MB_OK | MB_ICONINFORMATION);
}

void WindowsCommands::WhatIsNewClick(const CommandEvent&) {
    OpenHelp(HelpPage::kWhatIsNew);
}

void WindowsCommands::HelpClick(const CommandEvent&) {
    OpenHelp(HelpPage::kHelp);
}

void WindowsCommands::AboutClick(const CommandEvent&) {
    auto window = std::make_unique<AboutBox>(model_, shell_, ProgramWindow::kAbout, &hints_);
    if (window->Create(instance_, application_)) {
        KeepUntilClosed(about_, std::move(window));
    }
}

void WindowsCommands::OpenHelp(HelpPage page) {
    auto window = std::make_unique<HelpMe>(model_, shell_, hints_);
    if (window->Create(instance_, application_, page)) {
        KeepUntilClosed(help_, std::move(window));
    }
}

}  // namespace tavrel
