#include "standin_desktop/standin_client_win.h"

#include <commctrl.h>

#include <fstream>
#include <sstream>

#include "standin_desktop/standin_protocol.h"
#include "standin_desktop/utf8_win.h"

namespace standin {
namespace {

std::wstring TempFile(const wchar_t* prefix) {
    wchar_t directory[MAX_PATH];
    wchar_t path[MAX_PATH];
    ::GetTempPathW(MAX_PATH, directory);
    ::GetTempFileNameW(directory, prefix, 0, path);
    return path;
}

HWND FindListView(HWND progman) {
    HWND view = progman != nullptr ? ::GetWindow(progman, GW_CHILD) : nullptr;
    return view != nullptr ? ::GetWindow(view, GW_CHILD) : nullptr;
}

}  // namespace

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

StandinDesktop::StandinDesktop(int icons) {
    Start(L"--icons " + std::to_wstring(icons), icons);
}

StandinDesktop::StandinDesktop(const std::vector<std::wstring>& captions, int refusePosition) {
    captionsFile_ = TempFile(L"cap");
    {
        std::ofstream out(ToUtf8(captionsFile_), std::ios::binary | std::ios::trunc);
        for (const std::wstring& caption : captions) {
            out << ToUtf8(caption) << '\n';
        }
    }
    Start(L"--captions \"" + captionsFile_ + L"\" --refuse-position " + std::to_wstring(refusePosition),
          static_cast<int>(captions.size()));
}

void StandinDesktop::Start(const std::wstring& arguments, int expectedIcons) {
    stateFile_ = TempFile(L"sta");
    std::wstring command = L"\"" + ProgramDirectory() + L"standin_desktop.exe\" " + arguments +
                           L" --state \"" + stateFile_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return;
    }
    tavrel::unique_handle thread(info.hThread);
    process_.reset(info.hProcess);
    // Ready when the list view holds every icon.
    for (int attempt = 0; attempt < 400; ++attempt) {
        HWND progman = ::FindWindowW(L"Progman", nullptr);
        HWND list = FindListView(progman);
        if (list != nullptr &&
            ::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == static_cast<LRESULT>(expectedIcons) &&
            ::IsWindowVisible(progman)) {
            progman_ = progman;
            return;
        }
        ::Sleep(25);
    }
}

StandinDesktop::~StandinDesktop() {
    // The stand-in has nothing to save; ending it outright is quicker than a
    // polite close, which Wine takes seconds to wind down.
    if (process_) {
        ::TerminateProcess(process_.get(), 0);
        ::WaitForSingleObject(process_.get(), 5000);
    }
    if (!stateFile_.empty()) {
        ::DeleteFileW(stateFile_.c_str());
    }
    if (!captionsFile_.empty()) {
        ::DeleteFileW(captionsFile_.c_str());
    }
}

StandinState StandinDesktop::ReadState() const {
    StandinState state;
    if (progman_ == nullptr) {
        return state;
    }
    ::SendMessageW(progman_, kDumpStateMessage, 0, 0);
    std::ifstream in(ToUtf8(stateFile_), std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string kind;
        fields >> kind;
        if (kind == "colors") {
            fields >> state.textColor >> state.textBackColor;
        } else if (kind == "item") {
            StandinItem item;
            int index = 0;
            fields >> index >> item.x >> item.y;
            std::string caption;
            if (fields.peek() == ' ') {
                fields.get();
            }
            std::getline(fields, caption);
            item.caption = FromUtf8(caption);
            state.items.push_back(item);
        } else if (kind == "journal") {
            StandinJournalEntry entry;
            fields >> entry.message >> entry.wParam >> entry.lParam;
            state.journal.push_back(entry);
        }
    }
    return state;
}

void StandinDesktop::ClearJournal() const {
    if (progman_ != nullptr) {
        ::SendMessageW(progman_, kClearJournalMessage, 0, 0);
    }
}

}  // namespace standin
