#include "pointer_tools.h"

#include <optional>

#include "input.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr int kGap = 40;

std::optional<LRESULT> SendBounded(HWND window, UINT message, WPARAM wParam = 0) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, 0, SMTO_NORMAL, 5000, &result)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

void PointAt(POINT screen) {
    MoveMouseTo(screen);
    PumpFor(100ms);
}

void MoveInSteps(POINT from, POINT to, int steps, std::chrono::milliseconds interval) {
    for (int step = 1; step <= steps; ++step) {
        MoveMouseTo(
            {from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps});
        PumpFor(interval);
    }
}

void MiddleButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    SendInput(1, &input, sizeof(INPUT));
}

HWND CaptureOfThreadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndCapture;
}

POINT EntryPoint(HWND list, int index) {
    const RECT client = ClientRectOnScreen(list);
    const int height = static_cast<int>(SendBounded(list, LB_GETITEMHEIGHT).value_or(0));
    const int top = static_cast<int>(SendBounded(list, LB_GETTOPINDEX).value_or(0));
    return {client.left + 12, client.top + (index - top) * height + height / 2};
}

POINT BelowLastEntry(HWND list) {
    const RECT client = ClientRectOnScreen(list);
    return {client.left + 12, client.bottom - 6};
}

RECT BesideFrame(HWND frame, int width, int height, int slot) {
    const RECT framed = WindowRect(frame);
    int left = framed.right + kGap;
    if (left + width > GetSystemMetrics(SM_CXSCREEN)) {
        left = framed.left - kGap - width;
    }
    const int top = framed.top + slot * (height + kGap);
    return {left, top, left + width, top + height};
}

}  // namespace e2e
