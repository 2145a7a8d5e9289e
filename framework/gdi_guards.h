#pragma once
// Scoped device-context use: a window's DC released on exit, and an object
// selected into a DC for a scope, the previous one selected back afterwards.

#include <windows.h>

namespace tessik {

class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_)
            ::ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

  private:
    HWND hwnd_;
    HDC dc_;
};

class SelectObjectGuard {
  public:
    // Selecting a null object selects nothing and restores nothing.
    SelectObjectGuard(HDC dc, HGDIOBJ object)
        : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectObjectGuard() {
        if (previous_)
            ::SelectObject(dc_, previous_);
    }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace tessik
