// A stand-in for the shell's desktop, for tests and demonstrations under
// Wine, which has no such desktop: a "Progman" window whose first child is a
// "SHELLDLL_DefView" whose first child is a real list view of icons.
//
//   standin_desktop.exe [--icons N] [--captions FILE] [--state FILE]
//                       [--refuse-position INDEX]
//
// --captions names a UTF-8 file with one caption a line (an empty line is an
// empty caption); without it N captions are made up. When the Progman
// window receives kDumpStateMessage it writes to --state, in UTF-8:
//   colors <text colour> <text background colour>
//   item <index> <x> <y> <caption>          one a line, in index order
//   journal <message> <wParam> <lParam>     every colour, redraw and move
//                                           message since the last clear
// kClearJournalMessage empties the journal. Both are sent, so the file is
// complete when SendMessage returns. --refuse-position makes the list view
// fail LVM_GETITEMPOSITION for one item, as a shell in trouble might.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "standin_protocol.h"
#include "utf8_win.h"

namespace {

using standin::FromUtf8;
using standin::ToUtf8;

struct Options {
    int icons = 40;
    std::wstring captionsFile;
    std::wstring stateFile;
    int refusePosition = -1;
};

struct JournalEntry {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

HWND g_listView = nullptr;
WNDPROC g_listViewProc = nullptr;
std::vector<JournalEntry> g_journal;
Options g_options;

// What a desktop usually holds, each with its picture from the system's
// icon library.
struct DesktopItem {
    const wchar_t* caption;
    int shellIcon;
};
constexpr DesktopItem kDesktopItems[] = {
    {L"我的电脑", 17},    {L"我的文档", 5},    {L"回收站", 33},      {L"网上邻居", 16},
    {L"Internet Explorer", 15}, {L"记事本", 3}, {L"画图", 27},      {L"计算器", 23},
    {L"照片", 6},         {L"音乐", 40},       {L"工作报告.doc", 2}, {L"旅行计划", 21},
    {L"下载", 34},        {L"Tavrel", 44},     {L"打印机", 18},     {L"相册", 32},
    {L"预算.xls", 3},     {L"readme.txt", 2},
};
constexpr int kDesktopItemCount = static_cast<int>(sizeof(kDesktopItems) / sizeof(kDesktopItems[0]));

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
HIMAGELIST MakeIconPictures() {
    HIMAGELIST images = ::ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, kDesktopItemCount, 0);
    for (const DesktopItem& item : kDesktopItems) {
        HICON large = nullptr;
        if (::ExtractIconExW(L"shell32.dll", item.shellIcon, &large, nullptr, 1) == 0 ||
            large == nullptr) {
            large = ::LoadIconW(nullptr, IDI_APPLICATION);
        }
        ::ImageList_AddIcon(images, large);
        ::DestroyIcon(large);
    }
    return images;
}

void WriteState() {
    std::ofstream out(ToUtf8(g_options.stateFile), std::ios::binary | std::ios::trunc);
    const auto text = static_cast<unsigned long>(::SendMessageW(g_listView, LVM_GETTEXTCOLOR, 0, 0));
    const auto back = static_cast<unsigned long>(::SendMessageW(g_listView, LVM_GETTEXTBKCOLOR, 0, 0));
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
        ::SendMessageW(g_listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        out << "item " << i << ' ' << at.x << ' ' << at.y << ' ' << ToUtf8(caption.data()) << '\n';
    }
    for (const JournalEntry& entry : g_journal) {
        out << "journal " << entry.message << ' ' << static_cast<unsigned long long>(entry.wParam) << ' '
            << static_cast<long long>(entry.lParam) << '\n';
    }
}

bool IsJournalled(UINT message) {
    return message == LVM_SETTEXTCOLOR || message == LVM_SETTEXTBKCOLOR ||
           message == LVM_REDRAWITEMS || message == LVM_SETITEMPOSITION;
}

LRESULT CALLBACK ListViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsJournalled(message)) {
        g_journal.push_back({message, wParam, lParam});
    }
    if (message == LVM_GETITEMPOSITION && static_cast<int>(wParam) == g_options.refusePosition) {
        return FALSE;
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
        case WM_WINDOWPOSCHANGING: {
            // Like the shell's desktop, stay beneath every other window.
            auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
            position->hwndInsertAfter = HWND_BOTTOM;
            position->flags &= ~static_cast<UINT>(SWP_NOZORDER);
            return 0;
        }
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK DefViewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
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
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    RegisterClass(L"Progman", ProgmanProc);
    RegisterClass(L"SHELLDLL_DefView", DefViewProc);

    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    HWND progman = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"Progman", L"Program Manager",
                                     WS_POPUP | WS_CLIPCHILDREN, 0, 0, width, height, nullptr,
                                     nullptr, instance, nullptr);
    HWND defView = ::CreateWindowExW(0, L"SHELLDLL_DefView", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                     0, 0, width, height, progman, nullptr, instance, nullptr);
    g_listView = ::CreateWindowExW(0, WC_LISTVIEWW, L"FolderView",
                                   WS_CHILD | WS_VISIBLE | LVS_ICON | LVS_SHAREIMAGELISTS | LVS_NOSCROLL,
                                   0, 0, width, height, defView, nullptr, instance, nullptr);
    g_listViewProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(g_listView, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListViewProc)));

    // A desktop-blue wallpaper, white captions on a transparent background,
    // as a freshly installed system shows them.
    ::SendMessageW(g_listView, LVM_SETBKCOLOR, 0, RGB(0, 94, 140));
    ::SendMessageW(g_listView, LVM_SETTEXTCOLOR, 0, RGB(255, 255, 255));
    // The caption background starts opaque so that a test sees Tavrel make
    // it transparent.
    ::SendMessageW(g_listView, LVM_SETTEXTBKCOLOR, 0, RGB(0, 94, 140));
    HIMAGELIST images = MakeIconPictures();
    ::SendMessageW(g_listView, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images));

    const std::vector<std::wstring> captions = LoadCaptions();
    for (size_t i = 0; i < captions.size(); ++i) {
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(captions[i].c_str());
        item.iImage = static_cast<int>(i) % kDesktopItemCount;
        ::SendMessageW(g_listView, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    // Start from the shell's usual column of icons down the left side.
    const int rows = height > 80 ? (height - 10) / 80 : 1;
    for (size_t i = 0; i < captions.size(); ++i) {
        const int column = static_cast<int>(i) / rows;
        const int row = static_cast<int>(i) % rows;
        ::SendMessageW(g_listView, LVM_SETITEMPOSITION, i, MAKELPARAM(10 + 80 * column, 5 + 80 * row));
    }
    g_journal.clear();

    ::ShowWindow(progman, SW_SHOWNOACTIVATE);
    ::UpdateWindow(progman);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    ::ImageList_Destroy(images);
    return 0;
}
