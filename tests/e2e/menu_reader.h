#pragma once
// Reads the program's menus as they stand: each drop-down's items with their command, state and
// text. Wine keeps menus per process (GetMenuState on the program's menu handle fails here), so
// MenuReader loads a small probe DLL (menu_probe/) into the program and reads from a thread
// inside it; on Windows the same reading works too.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "unique_handle.h"

namespace e2e {

// Positions of the drop-downs in the menu bar.
inline constexpr int kFileMenu = 0;
inline constexpr int kEditMenu = 1;
inline constexpr int kHelpMenu = 2;

struct MenuItem {
    UINT id = 0;
    bool separator = false;
    bool greyed = false;
    bool checked = false;
    bool subMenu = false;
    std::string text;  // ANSI
};

struct DropDown {
    HMENU handle = nullptr;  // valid in the program's process only
    std::vector<MenuItem> items;

    // The item with this command; nothing when the drop-down has none.
    std::optional<MenuItem> Item(UINT id) const;
};

class MenuReader {
  public:
    // Loads the probe into the program; failures are reported as test failures.
    explicit MenuReader(HANDLE process);
    MenuReader(const MenuReader&) = delete;
    MenuReader& operator=(const MenuReader&) = delete;
    ~MenuReader();

    // The drop-down at `index` of the frame's menu bar, as it is now.
    std::optional<DropDown> Read(HWND frame, int index);

    DWORD ProcessId() const { return GetProcessId(process_.get()); }

    // Runs the program's update pass as opening the drop-down does (WM_INITMENUPOPUP to the
    // frame), then reads it.
    std::optional<DropDown> ReadAfterUpdate(HWND frame, int index);

  private:
    UniqueHandle process_;  // our own handle, valid for as long as the reader lives
    void* remoteBlock_ = nullptr;
    void* remoteEntry_ = nullptr;
};

// One line per item for readable comparisons: "57634 greyed", "32774 enabled checked"; "-" for a
// separator.
std::vector<std::string> ItemStates(const DropDown& dropDown);

// WM_COMMAND as choosing a menu item sends it; returns once the program has handled it. Use
// PostCommand (input.h) for commands that open a modal dialog.
bool SendCommand(HWND frame, UINT commandId);

}  // namespace e2e
