#pragma once
// The driver as the user: real input through SendInput (mouse in absolute screen coordinates,
// keys), and commands sent to the main window as the menu would send them.

#include <windows.h>

#include <initializer_list>

namespace e2e {

void MoveMouseTo(POINT screen);
void MouseButton(bool down, bool rightButton = false);
// Move, press, release.
void ClickAt(POINT screen);

// Presses the keys in order and releases them in reverse order, e.g. {VK_CONTROL, 'C'}.
void PressKeys(std::initializer_list<WORD> keys);

// Makes the window the foreground window so that keys reach it; true when it is.
bool BringToFront(HWND window);

// WM_COMMAND as a menu item sends it. Posted, so a command that opens a modal dialog does not
// block the driver.
void PostCommand(HWND frame, UINT commandId);

}  // namespace e2e
