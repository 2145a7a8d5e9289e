#pragma once
// Acting on the program's history list box from this process, beyond reading its texts
// (list_reader.h): selecting an entry, the row height and an entry's rectangle.
// Every message is sent with a bound.

#include <windows.h>

#include <optional>

namespace e2e {

// LB_SETCURSEL, as a click on the entry would select it; -1 clears the selection.
bool SelectEntry(HWND list, int index);
// LB_GETITEMHEIGHT; -1 when the list does not answer.
int RowHeight(HWND list);
// LB_GETITEMRECT in screen coordinates.
std::optional<RECT> EntryRectOnScreen(HWND list, int index);

}  // namespace e2e
