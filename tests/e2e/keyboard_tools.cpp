#include "keyboard_tools.h"

#include "input.h"
#include "wait.h"

namespace e2e {
namespace {

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

bool FocusList(HWND frame, HWND list) {
    return BringToFront(frame) &&
           WaitUntil([&] { return ThreadInfoOf(frame).hwndFocus == list; }, 5s);
}

bool MenuIsOpen(HWND frame) {
    return (ThreadInfoOf(frame).flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE)) != 0;
}

bool OpenMenuByKeyboard(HWND frame, WORD accessKey) {
    PressKeys({VK_MENU, accessKey});
    return WaitUntil([frame] { return MenuIsOpen(frame); }, 5s);
}

bool CloseMenus(HWND frame) {
    return WaitUntil(
        [frame] {
            if (!MenuIsOpen(frame)) {
                return true;
            }
            PressKeys({VK_ESCAPE});
            PumpFor(50ms);
            return !MenuIsOpen(frame);
        },
        5s);
}

bool WaitForInputHandled(HWND frame) {
    return OpenMenuByKeyboard(frame, 'E') && CloseMenus(frame);
}

}  // namespace e2e
