#include "support/gui_objects_win.h"

#include <cstdint>

namespace tavrel::testing {

std::size_t CountGdiObjects() {
    if (const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS); count != 0) {
        return count;
    }
    // A GDI handle's low word names its slot in the process's handle table;
    // a handle without a high word matches whatever lives in the slot.
    std::size_t count = 0;
    for (std::uintptr_t value = 1; value <= 0xFFFF; ++value) {
        if (::GetObjectType(reinterpret_cast<HGDIOBJ>(value)) != 0) {
            ++count;
        }
    }
    return count;
}

std::size_t CountUserObjects() {
    if (const DWORD count = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS); count != 0) {
        return count;
    }
    // A user handle's low word names its slot; any generation matches it.
    const DWORD pid = ::GetCurrentProcessId();
    std::size_t count = 0;
    for (std::uintptr_t value = 0x20; value < 0xFFF0; value += 2) {
        const auto window = reinterpret_cast<HWND>(value);
        DWORD owner = 0;
        if (::IsWindow(window) && ::GetWindowThreadProcessId(window, &owner) != 0 && owner == pid) {
            ++count;
        } else if (::IsMenu(reinterpret_cast<HMENU>(value))) {
            ++count;
        }
    }
    return count;
}

}  // namespace tavrel::testing
