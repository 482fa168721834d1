// Ownership of Win32 resources: one move-only owner per handle, closed on
// every path. Modelled on WIL's unique_any, which does not build with this
// toolchain.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace tavrel {

template <typename Pointer>
constexpr Pointer NullHandle() {
    return Pointer{};
}
inline HANDLE InvalidHandleValue() {
    return INVALID_HANDLE_VALUE;
}

// Owns one handle of type Pointer and releases it with Close. Invalid gives
// the value that means "nothing owned".
template <typename Pointer, auto Close, Pointer (*Invalid)() = &NullHandle<Pointer>>
class unique_any {
  public:
    unique_any() = default;
    explicit unique_any(Pointer value) : value_(value) {}
    unique_any(const unique_any&) = delete;
    unique_any& operator=(const unique_any&) = delete;
    unique_any(unique_any&& other) noexcept : value_(other.release()) {}
    unique_any& operator=(unique_any&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    ~unique_any() { reset(); }

    Pointer get() const { return value_; }
    explicit operator bool() const { return value_ != Invalid(); }

    Pointer release() { return std::exchange(value_, Invalid()); }
    // Closing keeps the thread's last error, so that a failure can still be
    // read after its handles went out of scope.
    void reset(Pointer value = Invalid()) {
        const Pointer old = std::exchange(value_, value);
        if (old != Invalid()) {
            const DWORD lastError = ::GetLastError();
            Close(old);
            ::SetLastError(lastError);
        }
    }
    // For APIs that hand a new handle out through a pointer.
    Pointer* put() {
        reset();
        return &value_;
    }

  private:
    Pointer value_ = Invalid();
};

namespace detail {
inline void CloseKey(HKEY key) {
    ::RegCloseKey(key);
}
inline void CloseKernelHandle(HANDLE handle) {
    ::CloseHandle(handle);
}
inline void CloseFind(HANDLE search) {
    ::FindClose(search);
}
inline void DestroyWindowHandle(HWND window) {
    ::DestroyWindow(window);
}
inline void DeleteGdiObject(HGDIOBJ object) {
    ::DeleteObject(object);
}
inline void DeleteMemoryDc(HDC dc) {
    ::DeleteDC(dc);
}
inline void DestroyMenuHandle(HMENU menu) {
    ::DestroyMenu(menu);
}
inline void DestroyIconHandle(HICON icon) {
    ::DestroyIcon(icon);
}
inline void DestroyImageList(HIMAGELIST list) {
    ::ImageList_Destroy(list);
}
inline void FreeLocalVirtual(void* block) {
    ::VirtualFree(block, 0, MEM_RELEASE);
}
}  // namespace detail

using unique_hkey = unique_any<HKEY, detail::CloseKey>;
// Files and other kernel handles whose "nothing" is INVALID_HANDLE_VALUE.
using unique_hfile = unique_any<HANDLE, detail::CloseKernelHandle, &InvalidHandleValue>;
using unique_handle = unique_any<HANDLE, detail::CloseKernelHandle>;
// A directory search of FindFirstFileW.
using unique_hfind = unique_any<HANDLE, detail::CloseFind, &InvalidHandleValue>;
using unique_process = unique_handle;
using unique_hwnd = unique_any<HWND, detail::DestroyWindowHandle>;
using unique_hgdiobj = unique_any<HGDIOBJ, detail::DeleteGdiObject>;
using unique_hbitmap = unique_any<HBITMAP, detail::DeleteGdiObject>;
using unique_hfont = unique_any<HFONT, detail::DeleteGdiObject>;
using unique_hbrush = unique_any<HBRUSH, detail::DeleteGdiObject>;
using unique_hpen = unique_any<HPEN, detail::DeleteGdiObject>;
using unique_hrgn = unique_any<HRGN, detail::DeleteGdiObject>;
using unique_hdc = unique_any<HDC, detail::DeleteMemoryDc>;
using unique_hmenu = unique_any<HMENU, detail::DestroyMenuHandle>;
using unique_hicon = unique_any<HICON, detail::DestroyIconHandle>;
using unique_himagelist = unique_any<HIMAGELIST, detail::DestroyImageList>;
using unique_virtual_block = unique_any<void*, detail::FreeLocalVirtual>;

// A block of memory inside another process, freed with the process handle
// that allocated it. The process handle must outlive the block.
class unique_remote_block {
  public:
    unique_remote_block() = default;
    unique_remote_block(HANDLE process, void* address) : process_(process), address_(address) {}
    unique_remote_block(const unique_remote_block&) = delete;
    unique_remote_block& operator=(const unique_remote_block&) = delete;
    unique_remote_block(unique_remote_block&& other) noexcept
        : process_(other.process_), address_(std::exchange(other.address_, nullptr)) {}
    unique_remote_block& operator=(unique_remote_block&& other) noexcept {
        if (this != &other) {
            reset();
            process_ = other.process_;
            address_ = std::exchange(other.address_, nullptr);
        }
        return *this;
    }
    ~unique_remote_block() { reset(); }

    void* get() const { return address_; }
    explicit operator bool() const { return address_ != nullptr; }
    void reset() {
        if (address_ != nullptr) {
            ::VirtualFreeEx(process_, std::exchange(address_, nullptr), 0, MEM_RELEASE);
        }
    }

  private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

// Owns one reference to a COM interface and releases it.
template <typename Interface>
class com_ptr {
  public:
    com_ptr() = default;
    com_ptr(const com_ptr&) = delete;
    com_ptr& operator=(const com_ptr&) = delete;
    com_ptr(com_ptr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    com_ptr& operator=(com_ptr&& other) noexcept {
        if (this != &other) {
            reset();
            pointer_ = std::exchange(other.pointer_, nullptr);
        }
        return *this;
    }
    ~com_ptr() { reset(); }

    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    void reset() {
        if (Interface* old = std::exchange(pointer_, nullptr)) {
            old->Release();
        }
    }
    // For CoCreateInstance and QueryInterface.
    void** put_void() {
        reset();
        return reinterpret_cast<void**>(&pointer_);
    }
    // Another interface of the same object; empty when it has none.
    template <typename Other>
    com_ptr<Other> query(REFIID iid) const {
        com_ptr<Other> other;
        if (pointer_ != nullptr) {
            pointer_->QueryInterface(iid, other.put_void());
        }
        return other;
    }

  private:
    Interface* pointer_ = nullptr;
};

// GetDC (or GetWindowDC, for the whole window with its frame) and
// ReleaseDC as a pair.
class window_dc {
  public:
    enum class Area { kClient, kWhole };
    explicit window_dc(HWND window, Area area = Area::kClient)
        : window_(window), dc_(area == Area::kWhole ? ::GetWindowDC(window) : ::GetDC(window)) {}
    window_dc(const window_dc&) = delete;
    window_dc& operator=(const window_dc&) = delete;
    ~window_dc() {
        if (dc_ != nullptr) {
            ::ReleaseDC(window_, dc_);
        }
    }
    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint as a pair.
class paint_dc {
  public:
    explicit paint_dc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    paint_dc(const paint_dc&) = delete;
    paint_dc& operator=(const paint_dc&) = delete;
    ~paint_dc() { ::EndPaint(window_, &paint_); }
    HDC get() const { return dc_; }
    const PAINTSTRUCT& info() const { return paint_; }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// SelectObject with the previous object put back at scope exit.
class select_object {
  public:
    select_object(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    select_object(const select_object&) = delete;
    select_object& operator=(const select_object&) = delete;
    ~select_object() {
        // Failure gives null for every object kind we select (regions are
        // never selected through this guard).
        if (previous_ != nullptr) {
            ::SelectObject(dc_, previous_);
        }
    }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tavrel
