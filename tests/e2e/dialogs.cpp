#include "dialogs.h"

#include <algorithm>

#include "ansi_text.h"
#include "window_info.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMilliseconds = 10000;

bool IsDialog(HWND window) {
    return IsWindowVisible(window) && ClassName(window) == "#32770";
}

}  // namespace

HWND FindDialogOf(HWND frame) {
    DWORD processId = 0;
    const DWORD frameThread = GetWindowThreadProcessId(frame, &processId);
    for (HWND window : TopLevelWindowsOf(processId, true)) {
        if (!IsDialog(window)) {
            continue;
        }
        if (GetWindow(window, GW_OWNER) == frame ||
            GetWindowThreadProcessId(window, nullptr) == frameThread) {
            return window;
        }
    }
    return nullptr;
}

HWND FindDialogOfProcess(DWORD processId) {
    for (HWND window : TopLevelWindowsOf(processId, true)) {
        if (IsDialog(window)) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForDialogOf(HWND frame, std::chrono::milliseconds timeout) {
    HWND dialog = nullptr;
    WaitUntil([&] { return (dialog = FindDialogOf(frame)) != nullptr; }, timeout);
    return dialog;
}

bool WaitForDialogGone(HWND dialog, std::chrono::milliseconds timeout) {
    return WaitUntil([dialog] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, timeout);
}

std::string DialogItemText(HWND dialog, int itemId) {
    HWND item = GetDlgItem(dialog, itemId);
    if (!item) {
        return {};
    }
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(item, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMilliseconds,
                             &length)) {
        return {};
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(item, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_NORMAL, kSendTimeoutMilliseconds, &copied)) {
        return {};
    }
    text.resize(std::min<size_t>(copied, length));
    return WideToAnsi(text);
}

bool SetDialogItemText(HWND dialog, int itemId, std::string_view text) {
    HWND item = GetDlgItem(dialog, itemId);
    if (!item) {
        return false;
    }
    const std::wstring wide = AnsiToWide(text);
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(item, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                               SMTO_NORMAL, kSendTimeoutMilliseconds, &result) &&
           result;
}

void PressDialogButton(HWND dialog, int buttonId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
}

}  // namespace e2e
