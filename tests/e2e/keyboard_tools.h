#pragma once
// The user at the program's keyboard: focus on the history list, menus opened by their access
// keys, and a barrier that returns once every key sent before has been handled.

#include <windows.h>

namespace e2e {

// Brings the program's window to the front and waits until its list has the keyboard focus.
bool FocusList(HWND frame, HWND list);

// Whether the frame's thread is in menu mode (a menu is open or the bar is active).
bool MenuIsOpen(HWND frame);
// Alt + `accessKey` (e.g. 'E' for the edit menu); waits until the drop-down is open.
bool OpenMenuByKeyboard(HWND frame, WORD accessKey);
// Esc until no menu is open.
bool CloseMenus(HWND frame);

// Returns once the program has handled every key and click sent to it before. Input reaches it
// in order and a sent message can overtake it, so the barrier is itself input with a visible
// effect: the edit menu is opened by keyboard and closed again. The list must have the focus.
bool WaitForInputHandled(HWND frame);

}  // namespace e2e
