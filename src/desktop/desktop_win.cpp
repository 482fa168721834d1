#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstring>

#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

HWND ToWindow(ListViewHandle handle) { return reinterpret_cast<HWND>(handle.value); }

LRESULT Send(ListViewHandle handle, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(ToWindow(handle), message, wParam, lParam);
}

// The transfer block: an item record followed by the caption area, once in
// this process and once in the shell's. Captions travel as UTF-16 so that
// Chinese captions survive on any system code page.
// The record is the list view item up to iIndent, the part every list view
// version reads; fields after it only count with mask bits we never set.
constexpr int kCaptionChars = 260;
struct ItemRecord {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    LPWSTR pszText;
    int cchTextMax;
    int iImage;
    LPARAM lParam;
    int iIndent;
};
static_assert(offsetof(ItemRecord, iIndent) == offsetof(LVITEMW, iIndent));
#if !defined(_WIN64)
static_assert(sizeof(ItemRecord) == 40, "the 32-bit item record is 40 bytes");
#endif
struct RemoteItemBuffer {
    ItemRecord item;
    wchar_t caption[kCaptionChars + 1];
};

class Win32IconReader final : public DesktopIconReader {
public:
    Win32IconReader(HWND listView, unique_process process, unique_virtual_block local,
                    unique_remote_block remote)
        : listView_(listView),
          process_(std::move(process)),
          local_(std::move(local)),
          remote_(std::move(remote)) {}

    // Members are destroyed in reverse order: the remote block is freed
    // before the process handle it needs is closed.

    std::int32_t Count() override {
        return static_cast<std::int32_t>(::SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0));
    }

    std::optional<DesktopIcon> ReadIcon(std::int32_t index) override {
        auto* local = static_cast<RemoteItemBuffer*>(local_.get());
        auto* remote = static_cast<RemoteItemBuffer*>(remote_.get());
        std::memset(&local->item, 0, sizeof(local->item));
        local->item.mask = LVIF_TEXT;
        local->item.iItem = index;
        local->item.pszText = remote->caption;
        local->item.cchTextMax = kCaptionChars;

        SIZE_T bytes = 0;
        if (!::WriteProcessMemory(process_.get(), remote, local, sizeof(RemoteItemBuffer), &bytes)) {
            return std::nullopt;
        }
        const LRESULT got = ::SendMessageW(listView_, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
        if ((got & 0xFF) == 0) {
            return std::nullopt;
        }
        if (!::ReadProcessMemory(process_.get(), remote, local, sizeof(RemoteItemBuffer), &bytes)) {
            return std::nullopt;
        }
        local->caption[kCaptionChars] = L'\0';  // whatever the shell wrote, the caption ends here

        DesktopIcon icon;
        icon.caption = local->caption;
        const LRESULT placed = ::SendMessageW(listView_, LVM_GETITEMPOSITION,
                                              static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote));
        if ((placed & 0xFF) != 0 &&
            ::ReadProcessMemory(process_.get(), remote, local, sizeof(RemoteItemBuffer), &bytes)) {
            POINT point;
            std::memcpy(&point, local, sizeof(point));
            icon.x = point.x;
            icon.y = point.y;
        }
        return icon;
    }

private:
    HWND listView_;
    unique_process process_;
    unique_virtual_block local_;
    unique_remote_block remote_;
};

}  // namespace

ListViewHandle Win32Desktop::FindDesktopListView() {
    // No class is checked on the way down: whatever sits in these places is
    // taken for the list view, as the shell has always laid them out.
    HWND shell = ::FindWindowW(L"ProgMan", nullptr);
    HWND view = shell != nullptr ? ::GetWindow(shell, GW_CHILD) : nullptr;
    HWND list = view != nullptr ? ::GetWindow(view, GW_CHILD) : nullptr;
    return ListViewHandle{reinterpret_cast<std::uintptr_t>(list)};
}

std::int32_t Win32Desktop::GetDesktopIconCount(ListViewHandle handle) {
    if (!handle) {
        return 0;
    }
    return static_cast<std::int32_t>(Send(handle, LVM_GETITEMCOUNT, 0, 0));
}

void Win32Desktop::MoveDesktopIcon(ListViewHandle handle, std::int32_t index, std::int32_t x,
                                   std::int32_t y) {
    Send(handle, LVM_SETITEMPOSITION, static_cast<WPARAM>(index),
         static_cast<LPARAM>(PackIconPosition(x, y)));
}

WorkAreaRect Win32Desktop::GetDesktopWorkArea() {
    RECT rect{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
    return WorkAreaRect{rect.left, rect.top, rect.right, rect.bottom};
}

void Win32Desktop::SetIconTextColor(ListViewHandle handle, ColorRef color) {
    Send(handle, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(color));
}

void Win32Desktop::SetIconTextBackColor(ListViewHandle handle, ColorRef color) {
    Send(handle, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(color));
}

void Win32Desktop::RedrawDesktopIcons(ListViewHandle handle, std::int32_t first, std::int32_t last) {
    Send(handle, LVM_REDRAWITEMS, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

void Win32Desktop::ShowDesktopWindow(std::int32_t show) {
    ::ShowWindow(::FindWindowW(L"Progman", nullptr), show != 0 ? SW_SHOW : SW_HIDE);
}

std::unique_ptr<DesktopIconReader> Win32Desktop::OpenIconReader() {
    const HWND listView = ToWindow(FindDesktopListView());
    DWORD processId = 0;
    ::GetWindowThreadProcessId(listView, &processId);
    unique_process process(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) {
        return nullptr;
    }
    unique_virtual_block local(
        ::VirtualAlloc(nullptr, sizeof(RemoteItemBuffer), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    unique_remote_block remote(process.get(),
                               ::VirtualAllocEx(process.get(), nullptr, sizeof(RemoteItemBuffer),
                                                MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    if (!local || !remote) {
        return nullptr;
    }
    return std::make_unique<Win32IconReader>(listView, std::move(process), std::move(local),
                                             std::move(remote));
}

}  // namespace tavrel
