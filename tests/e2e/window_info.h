#pragma once
// Facts about windows of other processes: styles, rectangles, class names, captions, and the
// top-level windows a process owns.

#include <windows.h>

#include <iosfwd>
#include <string>
#include <vector>

namespace e2e {

DWORD Style(HWND window);
DWORD ExStyle(HWND window);
int ControlId(HWND window);
std::string ClassName(HWND window);
std::string Caption(HWND window);

RECT WindowRect(HWND window);
// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
POINT CenterOf(const RECT& rect);

// Top-level windows of the process, in z-order; only the visible ones when asked.
std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly);

}  // namespace e2e

bool operator==(const RECT& left, const RECT& right);
std::ostream& operator<<(std::ostream& out, const RECT& rect);
