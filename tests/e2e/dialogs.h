#pragma once
// Finds and drives the program's dialogs (class #32770) by owner and thread, never by caption:
// message boxes, the about box, the file and font dialogs.

#include <windows.h>

#include <chrono>
#include <string>
#include <string_view>

#include "wait.h"

namespace e2e {

// The id of a message box's text control.
inline constexpr int kMessageBoxTextId = 0xFFFF;

// A visible #32770 window owned by `frame` or running on its thread; null when there is none.
HWND FindDialogOf(HWND frame);
// The same for a process that may have no main window (e.g. a start-up failure message).
HWND FindDialogOfProcess(DWORD processId);
HWND WaitForDialogOf(HWND frame, std::chrono::milliseconds timeout = kDefaultTimeout);
bool WaitForDialogGone(HWND dialog, std::chrono::milliseconds timeout = kDefaultTimeout);

std::string DialogItemText(HWND dialog, int itemId);
bool SetDialogItemText(HWND dialog, int itemId, std::string_view text);
// Clicks the button as the user would, without waiting for the dialog (posted).
void PressDialogButton(HWND dialog, int buttonId);

}  // namespace e2e
