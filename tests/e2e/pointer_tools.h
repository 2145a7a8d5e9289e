#pragma once
// Pointer paths and places for drag and carry tests: real input through SendInput (absolute
// coordinates), spread out in time as a hand moves, and the points where the program's entries
// and the driver's windows are on the screen.

#include <windows.h>

#include <chrono>

#include "wait.h"

namespace e2e {

// Moves there and lets the move arrive before the caller presses a button.
void PointAt(POINT screen);
// Moves from `from` to `to` in `steps` moves, one every `interval` (50-100 ms, as a hand moves and
// as the drag loops need to see the moves one by one), pumping messages in between.
void MoveInSteps(POINT from, POINT to, int steps = 5,
                 std::chrono::milliseconds interval = std::chrono::milliseconds(70));
void MiddleButton(bool down);

// The window that holds the mouse capture of the thread that owns `window`; null when none does.
HWND CaptureOfThreadOf(HWND window);

// The middle of an entry's row in the program's list, on the screen; a little to the right of the
// row's left end, where the text is.
POINT EntryPoint(HWND list, int index);
// A point inside the list, well below its last entry (or anywhere in an empty list).
POINT BelowLastEntry(HWND list);

// A rectangle of the given size beside the program's frame that overlaps no window of the program;
// `slot` stacks several such rectangles from the top down.
RECT BesideFrame(HWND frame, int width, int height, int slot = 0);

}  // namespace e2e
