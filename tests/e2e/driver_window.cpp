#include "driver_window.h"

namespace e2e {

HWND CreateDriverWindow(const wchar_t* className, WNDPROC procedure, const RECT& placement,
                        void* context) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // the arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);  // fails harmlessly when it is already registered

    HWND window = CreateWindowExW(0, className, className, WS_POPUP | WS_BORDER, placement.left,
                                  placement.top, placement.right - placement.left,
                                  placement.bottom - placement.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window) {
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context));
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        UpdateWindow(window);
    }
    return window;
}

}  // namespace e2e
