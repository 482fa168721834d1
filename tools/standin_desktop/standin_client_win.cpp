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

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// The stand-in's own windows, found by its process id and by class only,
// whichever layout it has: not the way Tavrel looks for them.
struct ViewWindows {
    HWND holder = nullptr;
    HWND listView = nullptr;
};

ViewWindows FindView(DWORD process) {
    for (HWND top = ::FindWindowExW(nullptr, nullptr, nullptr, nullptr); top != nullptr;
         top = ::FindWindowExW(nullptr, top, nullptr, nullptr)) {
        if (ProcessOf(top) != process) {
            continue;
        }
        if (HWND view = ::FindWindowExW(top, nullptr, L"SHELLDLL_DefView", nullptr)) {
            return {top, ::FindWindowExW(view, nullptr, WC_LISTVIEWW, nullptr)};
        }
    }
    return {};
}

std::wstring LayoutName(StandinLayout layout) {
    switch (layout) {
        case StandinLayout::kWorkerW:
            return L"workerw";
        case StandinLayout::kProgmanWorkerW:
            return L"progman-workerw";
        case StandinLayout::kNone:
            return L"none";
        case StandinLayout::kClassic:
            break;
    }
    return L"classic";
}

std::wstring TextsName(StandinTexts texts) {
    switch (texts) {
        case StandinTexts::kCallback:
            return L"callback";
        case StandinTexts::kCallbackPointer:
            return L"callback-pointer";
        case StandinTexts::kPlain:
            break;
    }
    return L"plain";
}

}  // namespace

std::wstring ProgramDirectory() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring directory(path, length);
    return directory.substr(0, directory.find_last_of(L"\\/") + 1);
}

namespace {

StandinOptions WithIcons(int icons) {
    StandinOptions options;
    options.icons = icons;
    return options;
}

StandinOptions WithCaptions(const std::vector<std::wstring>& captions, int refusePosition) {
    StandinOptions options;
    options.captions = captions;
    options.refusePosition = refusePosition;
    return options;
}

}  // namespace

StandinDesktop::StandinDesktop(int icons) : StandinDesktop(WithIcons(icons)) {}

StandinDesktop::StandinDesktop(const std::vector<std::wstring>& captions, int refusePosition)
    : StandinDesktop(WithCaptions(captions, refusePosition)) {}

StandinDesktop::StandinDesktop(const StandinOptions& options) {
    std::wstring arguments;
    int expectedIcons = options.icons;
    if (options.captions) {
        captionsFile_ = TempFile(L"cap");
        {
            std::ofstream out(ToUtf8(captionsFile_), std::ios::binary | std::ios::trunc);
            for (const std::wstring& caption : *options.captions) {
                out << ToUtf8(caption) << '\n';
            }
        }
        arguments = L"--captions \"" + captionsFile_ + L"\"";
        expectedIcons = static_cast<int>(options.captions->size());
    } else {
        arguments = L"--icons " + std::to_wstring(options.icons);
    }
    arguments += L" --refuse-position " + std::to_wstring(options.refusePosition) + L" --layout " +
                 LayoutName(options.layout) + L" --texts " + TextsName(options.texts) +
                 L" --auto-arrange " + (options.autoArrange ? L"1" : L"0") + L" --snap-to-grid " +
                 (options.snapToGrid ? L"1" : L"0");
    Start(arguments, expectedIcons, options.otherWordSize, options.layout != StandinLayout::kNone);
}

void StandinDesktop::Start(const std::wstring& arguments, int expectedIcons, bool otherWordSize,
                           bool withView) {
    stateFile_ = TempFile(L"sta");
    const wchar_t* exe = !otherWordSize       ? L"standin_desktop.exe"
                         : sizeof(void*) == 4 ? L"standin_desktop64.exe"
                                              : L"standin_desktop32.exe";
    std::wstring command =
        L"\"" + ProgramDirectory() + exe + L"\" " + arguments + L" --state \"" + stateFile_ + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return;
    }
    tavrel::unique_handle thread(info.hThread);
    process_.reset(info.hProcess);
    // Ready when the list view holds every icon and the desktop shows.
    for (int attempt = 0; attempt < 400; ++attempt) {
        HWND progman = ::FindWindowW(L"Progman", nullptr);
        if (progman != nullptr && ProcessOf(progman) == info.dwProcessId &&
            ::IsWindowVisible(progman)) {
            const ViewWindows view = FindView(info.dwProcessId);
            if (!withView) {
                progman_ = progman;
                return;
            }
            if (view.listView != nullptr && ::IsWindowVisible(view.holder) &&
                ::SendMessageW(view.listView, LVM_GETITEMCOUNT, 0, 0) ==
                    static_cast<LRESULT>(expectedIcons)) {
                progman_ = progman;
                holder_ = view.holder;
                listView_ = view.listView;
                return;
            }
        }
        ::Sleep(25);
    }
}

void StandinDesktop::Hang(unsigned milliseconds, int afterMoves) const {
    if (progman_ != nullptr) {
        ::SendMessageW(progman_, kHangMessage, milliseconds, afterMoves);
    }
}

bool StandinDesktop::Is64Bit() const {
    BOOL selfUnderWow64 = FALSE;
    BOOL standinUnderWow64 = FALSE;
    ::IsWow64Process(::GetCurrentProcess(), &selfUnderWow64);
    ::IsWow64Process(process_.get(), &standinUnderWow64);
    const bool system64 = sizeof(void*) == 8 || selfUnderWow64 != FALSE;
    return system64 && standinUnderWow64 == FALSE;
}

StandinDesktop::~StandinDesktop() {
    // The stand-in has nothing to save; ending it outright is quicker than a
    // polite close, which Wine takes seconds to wind down.
    if (process_) {
        ::TerminateProcess(process_.get(), 0);
        // Gone before the next test starts a stand-in of its own: two
        // desktops at once would confuse it.
        ::WaitForSingleObject(process_.get(), 60000);
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
