#pragma once
// Move-only owners for the Win32 resources the program uses. Program logic never
// calls CloseHandle, GlobalFree, DeleteObject or DestroyMenu itself.

#include <windows.h>

#include "framework/unique_resource.h"

namespace tessik {

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::CloseHandle(h); }
};
using UniqueHandle = UniqueResource<KernelHandleTraits>;

struct GlobalMemoryTraits {
    using Type = HGLOBAL;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::GlobalFree(h); }
};
using UniqueHGlobal = UniqueResource<GlobalMemoryTraits>;

struct MenuTraits {
    using Type = HMENU;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DestroyMenu(h); }
};
using UniqueHMenu = UniqueResource<MenuTraits>;

template <typename T>
struct GdiObjectTraits {
    using Type = T;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::DeleteObject(h); }
};
template <typename T>
using UniqueGdiObject = UniqueResource<GdiObjectTraits<T>>;
using UniqueHFont = UniqueGdiObject<HFONT>;

struct HookTraits {
    using Type = HHOOK;
    static Type Invalid() noexcept { return nullptr; }
    static void Close(Type h) noexcept { ::UnhookWindowsHookEx(h); }
};
using UniqueHook = UniqueResource<HookTraits>;

// Locks a global memory block for the guard's lifetime.
class GlobalLockGuard {
  public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(::GlobalLock(block)) {}
    ~GlobalLockGuard() {
        if (data_)
            ::GlobalUnlock(block_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    void* data() const { return data_; }
    explicit operator bool() const { return data_ != nullptr; }

  private:
    HGLOBAL block_;
    void* data_;
};

// A global block holding the bytes of a text and its terminating NUL.
UniqueHGlobal MakeTextBlock(const char* text, size_t length, UINT flags);

// A new block of the same size and bytes; null when it cannot be made.
UniqueHGlobal CopyGlobalBlock(HGLOBAL source);

}  // namespace tessik
