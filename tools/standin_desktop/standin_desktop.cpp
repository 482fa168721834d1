// A stand-in for the shell's desktop, for tests and demonstrations under
// Wine, which has no such desktop: a "Progman" window, a "SHELLDLL_DefView"
// and inside that a real list view of icons, laid out the way one of the
// shell's versions lays them out.
//
//   standin_desktop.exe [--icons N] [--captions FILE] [--state FILE]
//                       [--refuse-position INDEX] [--layout LAYOUT]
//                       [--texts TEXTS] [--auto-arrange 0|1] [--snap-to-grid 0|1]
//
// --captions names a UTF-8 file with one caption a line (an empty line is an
// empty caption); without it N captions are made up. When the Progman
// window receives kDumpStateMessage it writes to --state, in UTF-8:
//   colors <text colour> <text background colour>
//   item <index> <x> <y> <caption>          one a line, in index order
//   journal <message> <wParam> <lParam>     every colour, redraw and move
//                                           message since the last clear
// kClearJournalMessage empties the journal. Both are sent, so the file is
// complete when SendMessage returns. kHangMessage makes the stand-in stop
// answering for a while. --refuse-position makes the list view fail
// LVM_GETITEMPOSITION for one item, as a shell in trouble might.
//
// --layout:
//   classic          Progman -> SHELLDLL_DefView -> list view (the default)
//   workerw          Progman without children; a top-level WorkerW holds the
//                    view, beside an empty top-level WorkerW (as after a
//                    wallpaper slide show)
//   progman-workerw  Progman -> an empty WorkerW in front of the
//                    SHELLDLL_DefView -> list view (as on newer shells)
//   none             Progman only, with no view anywhere
// --texts:
//   plain            the list view keeps the captions (the default)
//   callback         the list view keeps LPSTR_TEXTCALLBACK, and the view
//                    copies the caption into the buffer of LVN_GETDISPINFOW
//   callback-pointer the same, but the view answers with a pointer to a
//                    text of its own, and LVM_GETITEMW hands that pointer
//                    back in pszText and leaves the caller's buffer alone,
//                    as the platform's list view may (Wine's copies)
// --auto-arrange and --snap-to-grid give the list view LVS_AUTOARRANGE and
// LVS_EX_SNAPTOGRID, as the shell's "auto arrange" and "align to grid" do.
// While LVS_EX_SNAPTOGRID is on, every position set is moved to its grid
// cell (the item spacing), as the shell does; clearing the style stops it.
//
// On WM_DISPLAYCHANGE the desktop windows take the new screen size, as the
// shell's do.
//
// Like the shell, the stand-in declares itself DPI-aware: its list view
// places icons in physical pixels.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/unique_handle_win.h"
// Built for the other word size too: it checks that size's item record.
#include "desktop/item_record_win.h"
#include "standin_protocol.h"
#include "utf8_win.h"

namespace {

using standin::FromUtf8;
using standin::ToUtf8;

enum class Layout { kClassic, kWorkerW, kProgmanWorkerW, kNone };
enum class Texts { kPlain, kCallback, kCallbackPointer };

struct Options {
    int icons = 40;
    std::wstring captionsFile;
    std::wstring stateFile;
    int refusePosition = -1;
    Layout layout = Layout::kClassic;
    Texts texts = Texts::kPlain;
    bool autoArrange = false;
    bool snapToGrid = false;
};

struct JournalEntry {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

HWND g_listView = nullptr;
WNDPROC g_listViewProc = nullptr;
// The desktop's windows, each as large as the screen.
std::vector<HWND> g_screenWindows;
std::vector<JournalEntry> g_journal;
Options g_options;
std::vector<std::wstring> g_captions;
// Callback-pointer texts: the captions again, in a block of their own that
// the view hands out.
std::vector<const wchar_t*> g_ownTexts;
// A hang armed to start after this many more moves.
struct ArmedHang {
    DWORD milliseconds = 0;
    LPARAM movesLeft = 0;
};
ArmedHang g_armedHang;

// What a desktop usually holds, each with its picture from the system's
// icon library.
struct DesktopItem {
    const wchar_t* caption;
    int shellIcon;
};
constexpr DesktopItem kDesktopItems[] = {
    {L"我的电脑", 17},
    {L"我的文档", 5},
    {L"回收站", 33},
    {L"网上邻居", 16},
    {L"Internet Explorer", 15},
    {L"记事本", 3},
    {L"画图", 27},
    {L"计算器", 23},
    {L"照片", 6},
    {L"音乐", 40},
    {L"工作报告.doc", 2},
    {L"旅行计划", 21},
    {L"下载", 34},
    {L"Tavrel", 44},
    {L"打印机", 18},
    {L"相册", 32},
    {L"预算.xls", 3},
    {L"readme.txt", 2},
};
constexpr int kDesktopItemCount =
    static_cast<int>(sizeof(kDesktopItems) / sizeof(kDesktopItems[0]));

std::vector<std::wstring> LoadCaptions() {
    std::vector<std::wstring> captions;
    if (!g_options.captionsFile.empty()) {
        std::ifstream in(ToUtf8(g_options.captionsFile));
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            captions.push_back(FromUtf8(line));
        }
        return captions;
    }
    for (int i = 0; i < g_options.icons; ++i) {
        std::wstring name = kDesktopItems[i % kDesktopItemCount].caption;
        if (i >= kDesktopItemCount) {
            name += L" " + std::to_wstring(i / kDesktopItemCount + 1);
        }
        captions.push_back(name);
    }
    return captions;
}

// One picture per desktop item, in the same order, so item i shows picture
// i % kDesktopItemCount.
tavrel::unique_himagelist MakeIconPictures() {
    tavrel::unique_himagelist images(
        ::ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, kDesktopItemCount, 0));
    for (const DesktopItem& item : kDesktopItems) {
        HICON large = nullptr;
        if (::ExtractIconExW(L"shell32.dll", item.shellIcon, &large, nullptr, 1) == 0 ||
            large == nullptr) {
            large = ::LoadIconW(nullptr, IDI_APPLICATION);
        }
        ::ImageList_AddIcon(images.get(), large);
        ::DestroyIcon(large);
    }
    return images;
}

void WriteState() {
    std::ofstream out(ToUtf8(g_options.stateFile), std::ios::binary | std::ios::trunc);
    const auto text =
        static_cast<unsigned long>(::SendMessageW(g_listView, LVM_GETTEXTCOLOR, 0, 0));
    const auto back =
        static_cast<unsigned long>(::SendMessageW(g_listView, LVM_GETTEXTBKCOLOR, 0, 0));
    out << "colors " << text << ' ' << back << '\n';
    const int count = static_cast<int>(::SendMessageW(g_listView, LVM_GETITEMCOUNT, 0, 0));
    std::vector<wchar_t> caption(1024);
    for (int i = 0; i < count; ++i) {
        POINT at{};
        ::CallWindowProcW(g_listViewProc, g_listView, LVM_GETITEMPOSITION, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&at));
        LVITEMW item{};
        item.iSubItem = 0;
        item.pszText = caption.data();
        item.cchTextMax = static_cast<int>(caption.size());
        caption[0] = L'\0';
        ::SendMessageW(g_listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(i),
                       reinterpret_cast<LPARAM>(&item));
        // The list view may hand back the view's own text instead of filling
        // the buffer.
        const wchar_t* text = item.pszText != nullptr && item.pszText != LPSTR_TEXTCALLBACKW
                                  ? item.pszText
                                  : caption.data();
        out << "item " << i << ' ' << at.x << ' ' << at.y << ' ' << ToUtf8(text) << '\n';
    }
    for (const JournalEntry& entry : g_journal) {
        out << "journal " << entry.message << ' ' << static_cast<unsigned long long>(entry.wParam)
            << ' ' << static_cast<long long>(entry.lParam) << '\n';
    }
}

bool IsJournalled(UINT message) {
    return message == LVM_SETTEXTCOLOR || message == LVM_SETTEXTBKCOLOR ||
           message == LVM_REDRAWITEMS || message == LVM_SETITEMPOSITION;
}

// LVM_GETITEMW for a callback text, answered by handing back the pointer
// the parent gave.
LRESULT HandBackTextPointer(HWND window, LVITEMW& item) {
    if (item.iItem < 0 || static_cast<size_t>(item.iItem) >= g_captions.size()) {
        return FALSE;
    }
    NMLVDISPINFOW info{};
    info.hdr.hwndFrom = window;
    info.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(window));
    info.hdr.code = static_cast<UINT>(LVN_GETDISPINFOW);
    info.item = item;
    ::SendMessageW(::GetParent(window), WM_NOTIFY, info.hdr.idFrom,
                   reinterpret_cast<LPARAM>(&info));
    item.pszText = info.item.pszText;
    return TRUE;
}

// The nearest grid cell of a position, cells being the item spacing.
LPARAM SnappedToGrid(HWND window, LPARAM position) {
    const auto spacing =
        static_cast<DWORD>(::CallWindowProcW(g_listViewProc, window, LVM_GETITEMSPACING, FALSE, 0));
    const int cellX = std::max(1, static_cast<int>(LOWORD(spacing)));
    const int cellY = std::max(1, static_cast<int>(HIWORD(spacing)));
    const auto snap = [](int value, int cell) {
        const int shifted = value + cell / 2;
        return (shifted >= 0 ? shifted / cell : (shifted - cell + 1) / cell) * cell;
    };
    const int x = static_cast<short>(LOWORD(position));
    const int y = static_cast<short>(HIWORD(position));
    return MAKELPARAM(snap(x, cellX), snap(y, cellY));
}

LRESULT CALLBACK ListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsJournalled(message)) {
        g_journal.push_back({message, wParam, lParam});
    }
    if (message == LVM_GETITEMW && g_options.texts == Texts::kCallbackPointer) {
        auto& item = *reinterpret_cast<LVITEMW*>(lParam);
        if (item.mask == LVIF_TEXT && item.iSubItem == 0) {
            return HandBackTextPointer(window, item);
        }
    }
    if (message == LVM_GETITEMPOSITION && static_cast<int>(wParam) == g_options.refusePosition) {
        return FALSE;
    }
    if (message == LVM_SETITEMPOSITION &&
        (::CallWindowProcW(g_listViewProc, window, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
         LVS_EX_SNAPTOGRID) != 0) {
        lParam = SnappedToGrid(window, lParam);
    }
    if (message == LVM_SETITEMPOSITION && g_armedHang.movesLeft > 0 &&
        --g_armedHang.movesLeft == 0) {
        const LRESULT result = ::CallWindowProcW(g_listViewProc, window, message, wParam, lParam);
        ::ReplyMessage(result);
        ::Sleep(g_armedHang.milliseconds);
        return result;
    }
    return ::CallWindowProcW(g_listViewProc, window, message, wParam, lParam);
}

LRESULT CALLBACK ProgmanProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case standin::kDumpStateMessage:
            WriteState();
            return 1;
        case standin::kClearJournalMessage:
            g_journal.clear();
            return 1;
        case standin::kHangMessage:
            if (lParam > 0) {
                g_armedHang = {static_cast<DWORD>(wParam), lParam};
                return 1;
            }
            ::ReplyMessage(1);
            ::Sleep(static_cast<DWORD>(wParam));
            return 1;
        case WM_WINDOWPOSCHANGING: {
            // Like the shell's desktop, stay beneath every other window.
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            position->hwndInsertAfter = HWND_BOTTOM;
            position->flags &= ~static_cast<UINT>(SWP_NOZORDER);
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_DISPLAYCHANGE:
            for (HWND screenWindow : g_screenWindows) {
                ::SetWindowPos(screenWindow, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

// A WorkerW: at the top level it stays beneath every other window, like
// Progman.
LRESULT CALLBACK WorkerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool topLevel = (::GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) == 0;
    switch (message) {
        case WM_WINDOWPOSCHANGING: {
            if (!topLevel) {
                break;
            }
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            position->hwndInsertAfter = HWND_BOTTOM;
            position->flags &= ~static_cast<UINT>(SWP_NOZORDER);
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void AnswerTextRequest(NMLVDISPINFOW& info) {
    if ((info.item.mask & LVIF_TEXT) == 0 || info.item.iItem < 0 ||
        static_cast<size_t>(info.item.iItem) >= g_captions.size()) {
        return;
    }
    const auto index = static_cast<size_t>(info.item.iItem);
    if (g_options.texts == Texts::kCallbackPointer) {
        info.item.pszText = const_cast<wchar_t*>(g_ownTexts[index]);
    } else if (info.item.pszText != nullptr && info.item.cchTextMax > 0) {
        ::lstrcpynW(info.item.pszText, g_captions[index].c_str(), info.item.cchTextMax);
    }
}

LRESULT CALLBACK DefViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == g_listView && header->code == static_cast<UINT>(LVN_GETDISPINFOW)) {
            AnswerTextRequest(*reinterpret_cast<NMLVDISPINFOW*>(lParam));
            return 0;
        }
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// The block of callback-pointer texts, each caption with its terminator.
void MakeOwnTexts() {
    size_t chars = 1;
    for (const std::wstring& caption : g_captions) {
        chars += caption.size() + 1;
    }
    auto* block = static_cast<wchar_t*>(
        ::VirtualAlloc(nullptr, chars * sizeof(wchar_t), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    for (const std::wstring& caption : g_captions) {
        g_ownTexts.push_back(block);
        block = std::copy(caption.begin(), caption.end(), block);
        *block++ = L'\0';
    }
}

void DeclareDpiAware() {
    using SetContext = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
    using SetAware = BOOL(WINAPI*)();
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    const auto setContext = reinterpret_cast<SetContext>(
        reinterpret_cast<void (*)()>(::GetProcAddress(user32, "SetProcessDpiAwarenessContext")));
    if (setContext != nullptr && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {
        return;
    }
    const auto setAware = reinterpret_cast<SetAware>(
        reinterpret_cast<void (*)()>(::GetProcAddress(user32, "SetProcessDPIAware")));
    if (setAware != nullptr) {
        setAware();
    }
}

Options ParseOptions() {
    Options options;
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::wstring name = argv[i];
        if (name == L"--icons") {
            options.icons = _wtoi(argv[i + 1]);
        } else if (name == L"--captions") {
            options.captionsFile = argv[i + 1];
        } else if (name == L"--refuse-position") {
            options.refusePosition = _wtoi(argv[i + 1]);
        } else if (name == L"--state") {
            options.stateFile = argv[i + 1];
        } else if (name == L"--layout") {
            const std::wstring value = argv[i + 1];
            options.layout = value == L"workerw"           ? Layout::kWorkerW
                             : value == L"progman-workerw" ? Layout::kProgmanWorkerW
                             : value == L"none"            ? Layout::kNone
                                                           : Layout::kClassic;
        } else if (name == L"--texts") {
            const std::wstring value = argv[i + 1];
            options.texts = value == L"callback"           ? Texts::kCallback
                            : value == L"callback-pointer" ? Texts::kCallbackPointer
                                                           : Texts::kPlain;
        } else if (name == L"--auto-arrange") {
            options.autoArrange = _wtoi(argv[i + 1]) != 0;
        } else if (name == L"--snap-to-grid") {
            options.snapToGrid = _wtoi(argv[i + 1]) != 0;
        }
    }
    ::LocalFree(argv);
    return options;
}

void RegisterClass(const wchar_t* name, WNDPROC proc) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    ::RegisterClassW(&windowClass);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    g_options = ParseOptions();
    DeclareDpiAware();
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    RegisterClass(L"Progman", ProgmanProc);
    RegisterClass(L"WorkerW", WorkerProc);
    RegisterClass(L"SHELLDLL_DefView", DefViewProc);

    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    const auto makeTopLevel = [&](const wchar_t* className, const wchar_t* title) {
        return ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, title,
                                 WS_POPUP | WS_CLIPCHILDREN, 0, 0, width, height, nullptr, nullptr,
                                 instance, nullptr);
    };
    HWND progman = makeTopLevel(L"Progman", L"Program Manager");
    HWND holder = nullptr;  // the top-level window that holds the view
    HWND defView = nullptr;
    switch (g_options.layout) {
        case Layout::kClassic:
        case Layout::kProgmanWorkerW:
            holder = progman;
            break;
        case Layout::kWorkerW:
            holder = makeTopLevel(L"WorkerW", L"");
            break;
        case Layout::kNone:
            break;
    }
    if (holder != nullptr) {
        defView =
            ::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                              0, 0, width, height, holder, nullptr, instance, nullptr);
        DWORD style = WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHAREIMAGELISTS | LVS_NOSCROLL;
        if (g_options.autoArrange) {
            style |= LVS_AUTOARRANGE;
        }
        g_listView = ::CreateWindowExW(0, WC_LISTVIEWW, L"FolderView", style, 0, 0, width, height,
                                       defView, nullptr, instance, nullptr);
        g_listViewProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
            g_listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListViewProc)));
    }
    g_screenWindows = {progman, holder, defView, g_listView};
    g_screenWindows.erase(std::remove(g_screenWindows.begin(), g_screenWindows.end(), nullptr),
                          g_screenWindows.end());
    g_screenWindows.erase(std::unique(g_screenWindows.begin(), g_screenWindows.end()),
                          g_screenWindows.end());
    if (g_options.layout == Layout::kProgmanWorkerW) {
        // Empty, and first among Progman's children, so that the first
        // child's first child is no list view. Hidden, so that it covers
        // nothing.
        HWND worker = ::CreateWindowExW(0, L"WorkerW", L"", WS_CHILD, 0, 0, width, height, progman,
                                        nullptr, instance, nullptr);
        ::SetWindowPos(worker, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    if (g_options.layout == Layout::kWorkerW) {
        // Made last, so that it comes first among the top-level windows.
        makeTopLevel(L"WorkerW", L"");
    }

    g_captions = LoadCaptions();
    MakeOwnTexts();
    // Shared with the list view, which does not free it.
    tavrel::unique_himagelist images;
    if (g_listView != nullptr) {
        // A desktop-blue wallpaper, white captions on a transparent
        // background, as a freshly installed system shows them.
        ::SendMessageW(g_listView, LVM_SETBKCOLOR, 0, RGB(0, 94, 140));
        ::SendMessageW(g_listView, LVM_SETTEXTCOLOR, 0, RGB(255, 255, 255));
        // The caption background starts opaque so that a test sees Tavrel
        // make it transparent.
        ::SendMessageW(g_listView, LVM_SETTEXTBKCOLOR, 0, RGB(0, 94, 140));
        if (g_options.snapToGrid) {
            ::SendMessageW(g_listView, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SNAPTOGRID,
                           LVS_EX_SNAPTOGRID);
        }
        images = MakeIconPictures();
        ::SendMessageW(g_listView, LVM_SETIMAGELIST, LVSIL_NORMAL,
                       reinterpret_cast<LPARAM>(images.get()));

        for (size_t i = 0; i < g_captions.size(); ++i) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = static_cast<int>(i);
            item.pszText = g_options.texts == Texts::kPlain
                               ? const_cast<wchar_t*>(g_captions[i].c_str())
                               : LPSTR_TEXTCALLBACKW;
            item.iImage = static_cast<int>(i) % kDesktopItemCount;
            ::SendMessageW(g_listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        // Start from the shell's usual column of icons down the left side.
        const int rows = height > 80 ? (height - 10) / 80 : 1;
        for (size_t i = 0; i < g_captions.size(); ++i) {
            const int column = static_cast<int>(i) / rows;
            const int row = static_cast<int>(i) % rows;
            ::SendMessageW(g_listView, LVM_SETITEMPOSITION, i,
                           MAKELPARAM(10 + 80 * column, 5 + 80 * row));
        }
    }
    g_journal.clear();

    // Each desktop window goes to the bottom as it is shown: the holder
    // first, then Progman, which ends beneath it as on the shell.
    if (holder != nullptr && holder != progman) {
        ::ShowWindow(holder, SW_SHOWNOACTIVATE);
        ::UpdateWindow(holder);
    }
    ::ShowWindow(progman, SW_SHOWNOACTIVATE);
    ::UpdateWindow(progman);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
