#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <limits>
#include <span>
#include <vector>

#include "common/unique_handle_win.h"
#include "desktop/item_record.h"
#include "desktop/item_record_win.h"

namespace tavrel {
namespace {

HWND ToWindow(ListViewHandle handle) {
    return reinterpret_cast<HWND>(handle.value);
}

// Messages still let this thread take the messages other threads send it
// while it waits, as SendMessage does (no SMTO_BLOCK): the shell may well
// talk to us in the meantime. They give up on a shell that Windows already
// counts as hung at once, and on any other after the time-out.
constexpr UINT kSendFlags = SMTO_NORMAL | SMTO_ABORTIFHUNG;

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::uint32_t timeoutMs,
                DWORD_PTR* result) {
    DWORD_PTR answer = 0;
    if (::SendMessageTimeoutW(window, message, wParam, lParam, kSendFlags, timeoutMs, &answer) ==
        0) {
        return false;
    }
    if (result != nullptr) {
        *result = answer;
    }
    return true;
}

bool ClassIs(HWND window, const wchar_t* name) {
    wchar_t className[32];
    return ::GetClassNameW(window, className, 32) > 0 && ::lstrcmpiW(className, name) == 0;
}

// Where the shell keeps its desktop: the top-level window that holds the
// "SHELLDLL_DefView" and the list view inside that.
struct DesktopWindows {
    HWND holder = nullptr;
    HWND listView = nullptr;
};

HWND ListViewOf(HWND defView) {
    return ::FindWindowExW(defView, nullptr, WC_LISTVIEWW, nullptr);
}

// Only window lookups, no messages: a hung shell cannot hold this up, and it
// costs a handful of calls once per operation.
DesktopWindows LocateDesktop() {
    const HWND progman = ::FindWindowW(L"ProgMan", nullptr);
    if (progman == nullptr) {
        return {};
    }
    // The shell's classic layout, as it has always been: Progman, its first
    // child the view, the view's first child the list view.
    const HWND first = ::GetWindow(progman, GW_CHILD);
    const HWND list = first != nullptr ? ::GetWindow(first, GW_CHILD) : nullptr;
    if (list != nullptr && ClassIs(list, WC_LISTVIEWW) && ClassIs(first, L"SHELLDLL_DefView")) {
        return {progman, list};
    }
    // Newer shells put another window in front of the view among Progman's
    // children...
    if (const HWND view = ::FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr)) {
        return {progman, ListViewOf(view)};
    }
    // ...or move the view into a top-level "WorkerW" of their own process
    // (after a wallpaper slide show or a desktop peek), leaving Progman
    // without children.
    DWORD shellProcess = 0;
    ::GetWindowThreadProcessId(progman, &shellProcess);
    for (HWND worker = ::FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr); worker != nullptr;
         worker = ::FindWindowExW(nullptr, worker, L"WorkerW", nullptr)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(worker, &process);
        if (process != shellProcess) {
            continue;
        }
        if (const HWND view = ::FindWindowExW(worker, nullptr, L"SHELLDLL_DefView", nullptr)) {
            return {worker, ListViewOf(view)};
        }
    }
    return {progman, nullptr};
}

template <typename Function>
Function LookUp(const wchar_t* module, const char* name) {
    const FARPROC address = ::GetProcAddress(::GetModuleHandleW(module), name);
    // Through the generic function type, which converts to any other.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

constexpr WordSize kOwnWordSize = sizeof(void*) == 8 ? WordSize::k64 : WordSize::k32;

// The word size of the shell's process. A program that does not run under
// WOW64 on a 64-bit system is a 64-bit one; without IsWow64Process the
// system is 32-bit throughout.
WordSize WordSizeOf(HANDLE process) {
    using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);
    static const auto isWow64 = LookUp<IsWow64>(L"kernel32.dll", "IsWow64Process");
    BOOL selfUnderWow64 = FALSE;
    BOOL shellUnderWow64 = FALSE;
    if (isWow64 == nullptr || !isWow64(::GetCurrentProcess(), &selfUnderWow64) ||
        !isWow64(process, &shellUnderWow64)) {
        return kOwnWordSize;
    }
    const bool system64 = kOwnWordSize == WordSize::k64 || selfUnderWow64 != FALSE;
    return system64 && shellUnderWow64 == FALSE ? WordSize::k64 : WordSize::k32;
}

class Win32IconReader final : public DesktopIconReader {
  public:
    Win32IconReader(HWND listView, std::uint32_t timeoutMs, unique_process process,
                    const ItemRecordLayout& layout, unique_virtual_block local,
                    unique_remote_block remote)
        : listView_(listView),
          timeoutMs_(timeoutMs),
          process_(std::move(process)),
          layout_(layout),
          local_(std::move(local)),
          remote_(std::move(remote)) {}

    // Members are destroyed in reverse order: the remote block is freed
    // before the process handle it needs is closed.

    std::int32_t Count() override {
        DWORD_PTR count = 0;
        if (!Send(LVM_GETITEMCOUNT, 0, 0, &count)) {
            return 0;
        }
        return static_cast<std::int32_t>(count);
    }

    std::optional<DesktopIcon> ReadIcon(std::int32_t index) override {
        const std::span<std::uint8_t> local(static_cast<std::uint8_t*>(local_.get()),
                                            layout_.blockSize);
        const auto remote = reinterpret_cast<std::uintptr_t>(remote_.get());
        WriteItemRecord(local, layout_, index, remote);

        SIZE_T bytes = 0;
        if (!::WriteProcessMemory(process_.get(), remote_.get(), local.data(), local.size(),
                                  &bytes)) {
            return std::nullopt;
        }
        DWORD_PTR got = 0;
        if (!Send(LVM_GETITEMW, 0, static_cast<LPARAM>(remote), &got) || (got & 0xFF) == 0) {
            return std::nullopt;
        }
        if (!::ReadProcessMemory(process_.get(), remote_.get(), local.data(), local.size(),
                                 &bytes)) {
            return std::nullopt;
        }
        std::optional<std::wstring> caption = CaptionHandedBack(local, remote);
        if (!caption) {
            return std::nullopt;
        }

        DesktopIcon icon;
        icon.caption = std::move(*caption);
        DWORD_PTR placed = 0;
        if (!Send(LVM_GETITEMPOSITION, static_cast<WPARAM>(index), static_cast<LPARAM>(remote),
                  &placed)) {
            return std::nullopt;  // the shell stopped answering: nothing more from it
        }
        if ((placed & 0xFF) != 0 && ::ReadProcessMemory(process_.get(), remote_.get(), local.data(),
                                                        local.size(), &bytes)) {
            icon.x = ReadPointX(local);
            icon.y = ReadPointY(local);
        }
        return icon;
    }

  private:
    bool Send(UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
        if (dead_) {
            return false;
        }
        dead_ = !SendWithin(listView_, message, wParam, lParam, timeoutMs_, result);
        return !dead_;
    }

    // The list view either copies the caption into our caption area or
    // points pszText at a text of its own (a callback text its parent
    // answered with its own buffer); the record says which.
    std::optional<std::wstring> CaptionHandedBack(std::span<const std::uint8_t> local,
                                                  std::uintptr_t remote) const {
        const std::uint64_t text = ReadTextPointer(local, layout_);
        if (text == remote + layout_.captionOffset) {
            // Whatever the shell wrote, the caption ends with the area.
            return ToWide(CaptionFromBytes(local.subspan(layout_.captionOffset), kCaptionChars));
        }
        if (text == 0 || IsTextCallback(text, layout_) ||
            text > std::numeric_limits<std::uintptr_t>::max()) {
            return std::nullopt;  // no text, or one this process cannot address
        }
        return ReadTextAt(static_cast<std::uintptr_t>(text));
    }

    // At most what a list view copying into our area would have given, read
    // a page at a time so that the text's end need not be known.
    std::optional<std::wstring> ReadTextAt(std::uintptr_t address) const {
        constexpr std::size_t kMostBytes = kLongestCaption * 2;
        std::vector<std::uint8_t> text;
        while (text.size() < kMostBytes && !HoldsTerminator(text)) {
            const std::uintptr_t from = address + text.size();
            const std::size_t wanted = BytesInPage(from, kMostBytes - text.size());
            const std::size_t had = text.size();
            text.resize(had + wanted);
            SIZE_T bytes = 0;
            if (!::ReadProcessMemory(process_.get(), reinterpret_cast<const void*>(from),
                                     text.data() + had, wanted, &bytes) ||
                bytes != wanted) {
                text.resize(had);
                break;
            }
        }
        if (text.size() < 2) {
            return std::nullopt;
        }
        return ToWide(CaptionFromBytes(text, kLongestCaption));
    }

    static std::wstring ToWide(const std::u16string& text) { return {text.begin(), text.end()}; }

    HWND listView_;
    std::uint32_t timeoutMs_;
    bool dead_ = false;
    unique_process process_;
    ItemRecordLayout layout_;
    unique_virtual_block local_;
    unique_remote_block remote_;
};

// The shell's window that holds the view, when it takes messages: showing,
// hiding or restyling another thread's window waits for it, so a shell that
// does not take even an empty message is left alone.
HWND AnsweringHolder(std::uint32_t timeoutMs) {
    const HWND holder = LocateDesktop().holder;
    if (holder == nullptr || !SendWithin(holder, WM_NULL, 0, 0, timeoutMs, nullptr)) {
        return nullptr;
    }
    return holder;
}

unique_process OpenShellProcess(DWORD processId, bool& knowsWordSize) {
    constexpr DWORD kMemory = PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE;
    knowsWordSize = true;
    unique_process process(
        ::OpenProcess(kMemory | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process && processId != 0) {
        // Systems before Vista know no limited query right; they are the
        // ones where the shell has our word size anyway.
        knowsWordSize = false;
        process.reset(::OpenProcess(kMemory, FALSE, processId));
    }
    return process;
}

}  // namespace

bool Win32Desktop::Send(ListViewHandle handle, unsigned message, std::uintptr_t wParam,
                        std::intptr_t lParam, std::uintptr_t* result) {
    if (!handle || handle.value == deadListView_) {
        return false;
    }
    DWORD_PTR answer = 0;
    if (!SendWithin(ToWindow(handle), message, wParam, lParam, answerTimeoutMs_, &answer)) {
        deadListView_ = handle.value;
        return false;
    }
    if (result != nullptr) {
        *result = answer;
    }
    return true;
}

ListViewHandle Win32Desktop::FindDesktopListView() {
    deadListView_ = 0;  // a new operation asks the shell again
    return ListViewHandle{reinterpret_cast<std::uintptr_t>(LocateDesktop().listView)};
}

std::int32_t Win32Desktop::GetDesktopIconCount(ListViewHandle handle) {
    std::uintptr_t count = 0;
    if (!Send(handle, LVM_GETITEMCOUNT, 0, 0, &count)) {
        return 0;
    }
    return static_cast<std::int32_t>(count);
}

void Win32Desktop::MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                                   std::int32_t y) {
    Send(handle, LVM_SETITEMPOSITION, static_cast<WPARAM>(index),
         static_cast<LPARAM>(PackIconPosition(x, y)));
}

// The shell's list view places icons in physical pixels. A program that
// does not declare itself DPI-aware (Tavrel does not: its windows are laid
// out in 96-DPI pixels and are best left to the system to scale) is handed
// a work area scaled down to its virtual size, and figures would crowd into
// the upper left of a scaled screen. So the work area alone is read as a
// DPI-aware program would, and only for the one call:
//
// - Windows 10 version 1607 and later switch the awareness of one thread
//   (SetThreadDpiAwarenessContext, looked up at run time so that the
//   program still starts on older systems). The system itself answers in
//   physical pixels of the primary monitor, exactly, whatever the scale
//   and whichever monitor the program's windows are on; the program's own
//   windows are not touched.
// - Older systems have no per-thread awareness, and making the whole
//   process aware would shrink the program's own windows. There the
//   scaling of a program that is not aware is one factor for both axes,
//   and the screen DC tells it: DESKTOPHORZRES and DESKTOPVERTRES give the
//   screen's real size where HORZRES and VERTRES give the scaled one. The
//   work area is taken back by that ratio (to within the system's own
//   rounding of a pixel).
namespace {

// The primary monitor's work area, clipped to the monitor itself. On
// Windows the two agree; where a system keeps answering with the work area
// of an earlier screen mode after the screen has changed (Wine's virtual
// desktop does), the monitor's own rectangle still has the new size.
RECT PrimaryWorkArea() {
    RECT area{};
    const HMONITOR primary = ::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (primary == nullptr || !::GetMonitorInfoW(primary, &info)) {
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        return area;
    }
    if (!::IntersectRect(&area, &info.rcWork, &info.rcMonitor)) {
        return info.rcMonitor;
    }
    return area;
}

}  // namespace

std::optional<WorkAreaRect> WorkAreaUnderThreadAwareness() {
    using SetContext = DPI_AWARENESS_CONTEXT(WINAPI*)(DPI_AWARENESS_CONTEXT);
    static const auto setContext =
        LookUp<SetContext>(L"user32.dll", "SetThreadDpiAwarenessContext");
    if (setContext == nullptr) {
        return std::nullopt;
    }
    const DPI_AWARENESS_CONTEXT previous = setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    if (previous == nullptr) {
        return std::nullopt;
    }
    const RECT rect = PrimaryWorkArea();
    setContext(previous);
    return WorkAreaRect{rect.left, rect.top, rect.right, rect.bottom};
}

WorkAreaRect WorkAreaByScreenRatio() {
    const RECT rect = PrimaryWorkArea();
    const WorkAreaRect logical{rect.left, rect.top, rect.right, rect.bottom};
    const window_dc screen(nullptr);
    if (!screen) {
        return logical;
    }
    const ScreenSizes sizes{::GetDeviceCaps(screen.get(), DESKTOPHORZRES),
                            ::GetDeviceCaps(screen.get(), DESKTOPVERTRES),
                            ::GetDeviceCaps(screen.get(), HORZRES),
                            ::GetDeviceCaps(screen.get(), VERTRES)};
    return ScaleToPhysical(logical, sizes);
}

WorkAreaRect Win32Desktop::GetDesktopWorkArea() {
    if (const std::optional<WorkAreaRect> area = WorkAreaUnderThreadAwareness()) {
        return *area;
    }
    return WorkAreaByScreenRatio();
}

void Win32Desktop::SetIconTextColor(ListViewHandle handle, ColorRef color) {
    Send(handle, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color));
}

void Win32Desktop::SetIconTextBackColor(ListViewHandle handle, ColorRef color) {
    Send(handle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
}

void Win32Desktop::RedrawDesktopIcons(ListViewHandle handle, std::int32_t first,
                                      std::int32_t last) {
    Send(handle, LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

DesktopListStyles Win32Desktop::GetDesktopListStyles(ListViewHandle handle) {
    if (!handle || handle.value == deadListView_) {
        return {};
    }
    // The window style needs no answer from the shell; the extended style
    // is a message like any other.
    const auto style =
        static_cast<std::uintptr_t>(::GetWindowLongPtrW(ToWindow(handle), GWL_STYLE));
    std::uintptr_t extended = 0;
    if (!Send(handle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0, &extended)) {
        return {};
    }
    return DesktopListStyles{(style & LVS_AUTOARRANGE) != 0, (extended & LVS_EX_SNAPTOGRID) != 0};
}

void Win32Desktop::ShowDesktopWindow(std::int32_t show) {
    // Hiding the window that holds the view hides every icon at once and
    // moves none.
    if (const HWND holder = AnsweringHolder(answerTimeoutMs_)) {
        ::ShowWindow(holder, show != 0 ? SW_SHOW : SW_HIDE);
    }
}

std::optional<bool> Win32Desktop::DesktopWindowShown() {
    const HWND holder = AnsweringHolder(answerTimeoutMs_);
    if (holder == nullptr) {
        return std::nullopt;
    }
    return ::IsWindowVisible(holder) != FALSE;
}

void Win32Desktop::SwitchOffSelfArranging(ListViewHandle handle) {
    // The shell's view is asked through COM, which waits as long as the
    // shell takes: a shell that does not answer its windows is not asked.
    if (!handle || handle.value == deadListView_ || AnsweringHolder(answerTimeoutMs_) == nullptr) {
        return;
    }
    static ComShellDesktopView shellsOwn;
    ShellDesktopView& view = shellView_ != nullptr ? *shellView_ : shellsOwn;
    if (view.SwitchOffSelfArranging()) {
        return;
    }
    // Without the shell's view (older systems, Wine) the list view's own
    // styles are cleared instead; the shell may put them back when it
    // rebuilds its view.
    const HWND listView = ToWindow(handle);
    const LONG_PTR style = ::GetWindowLongPtrW(listView, GWL_STYLE);
    if ((style & LVS_AUTOARRANGE) != 0) {
        ::SetWindowLongPtrW(listView, GWL_STYLE, style & ~static_cast<LONG_PTR>(LVS_AUTOARRANGE));
    }
    Send(handle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_SNAPTOGRID, 0);
}

std::unique_ptr<DesktopIconReader> Win32Desktop::OpenIconReader() {
    const HWND listView = ToWindow(FindDesktopListView());
    DWORD processId = 0;
    if (listView != nullptr) {
        ::GetWindowThreadProcessId(listView, &processId);
    }
    bool knowsWordSize = false;
    unique_process process = OpenShellProcess(processId, knowsWordSize);
    if (!process) {
        return nullptr;
    }
    const WordSize shellWordSize = knowsWordSize ? WordSizeOf(process.get()) : kOwnWordSize;
    const ItemRecordLayout layout = ItemRecordLayoutFor(shellWordSize);
    unique_virtual_block local(
        ::VirtualAlloc(nullptr, layout.blockSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    unique_remote_block remote(process.get(),
                               ::VirtualAllocEx(process.get(), nullptr, layout.blockSize,
                                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!local || !remote) {
        return nullptr;
    }
    // A 32-bit shell can only be handed addresses it can hold.
    if (shellWordSize == WordSize::k32 &&
        reinterpret_cast<std::uintptr_t>(remote.get()) + layout.blockSize - 1 > 0xFFFF'FFFFu) {
        return nullptr;
    }
    return std::make_unique<Win32IconReader>(listView, answerTimeoutMs_, std::move(process), layout,
                                             std::move(local), std::move(remote));
}

}  // namespace tavrel
