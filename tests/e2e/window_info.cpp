#include "window_info.h"

#include <algorithm>
#include <array>
#include <ostream>

#include "ansi_text.h"

namespace e2e {

DWORD Style(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
}

DWORD ExStyle(HWND window) {
    return static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
}

int ControlId(HWND window) {
    return static_cast<int>(GetWindowLongPtrW(window, GWLP_ID));
}

std::string ClassName(HWND window) {
    std::array<wchar_t, 256> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return WideToAnsi(std::wstring_view(name.data(), static_cast<size_t>(std::max(length, 0))));
}

std::string Caption(HWND window) {
    // GetWindowText reads another process's caption without sending it a message.
    std::array<wchar_t, 512> text{};
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    return WideToAnsi(std::wstring_view(text.data(), static_cast<size_t>(std::max(length, 0))));
}

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT CenterOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly) {
    struct Search {
        DWORD processId;
        bool visibleOnly;
        std::vector<HWND> found;
    } search{processId, visibleOnly, {}};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s.processId && (!s.visibleOnly || IsWindowVisible(window))) {
                s.found.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace e2e

bool operator==(const RECT& left, const RECT& right) {
    return left.left == right.left && left.top == right.top && left.right == right.right &&
           left.bottom == right.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << "{" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom
               << "}";
}
