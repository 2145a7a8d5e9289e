#include "input.h"

#include <vector>

#include "wait.h"

namespace e2e {
namespace {

// Absolute mouse coordinates are in 1/65536 of the screen; rounding up lands on the pixel asked.
LONG ToAbsolute(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

void SendOne(INPUT input) {
    SendInput(1, &input, sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

}  // namespace

void MoveMouseTo(POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = ToAbsolute(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = ToAbsolute(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendOne(input);
}

void MouseButton(bool down, bool rightButton) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (rightButton) {
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    } else {
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    }
    SendOne(input);
}

void ClickAt(POINT screen) {
    MoveMouseTo(screen);
    PumpFor(50ms);
    MouseButton(true);
    PumpFor(30ms);
    MouseButton(false);
}

void PressKeys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        inputs.push_back(KeyInput(key, true));
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        inputs.push_back(KeyInput(*key, false));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

bool BringToFront(HWND window) {
    return WaitUntil(
        [window] {
            if (GetForegroundWindow() == window) {
                return true;
            }
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        5s);
}

void PostCommand(HWND frame, UINT commandId) {
    PostMessageW(frame, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

}  // namespace e2e
