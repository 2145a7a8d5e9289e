#pragma once
// Top-level windows of the driver's own classes, shown without taking the activation, each with a
// context object that its window procedure finds again.

#include <windows.h>

namespace e2e {

// Creates a visible popup window with a border at `placement` (screen coordinates). The class is
// registered on first use; `context` is kept in the window's user data.
HWND CreateDriverWindow(const wchar_t* className, WNDPROC procedure, const RECT& placement,
                        void* context);

template <typename T>
T* DriverWindowContext(HWND window) {
    return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace e2e
