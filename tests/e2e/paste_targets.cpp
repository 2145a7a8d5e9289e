#include "paste_targets.h"

#include "driver_window.h"

namespace e2e {

EditWindow::EditWindow(const RECT& placement, std::string_view text) {
    const std::string terminated(text);
    thread_.Run([&] {
        window_ = CreateDriverWindow(L"E2EEditHost", DefWindowProcW, placement, nullptr);
        if (!window_) {
            return;
        }
        RECT client{};
        GetClientRect(window_, &client);
        edit_ = CreateWindowExA(
            0, "EDIT", terminated.c_str(), WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 0,
            0, client.right, client.bottom, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    });
}

EditWindow::~EditWindow() {
    thread_.Run([&] {
        if (window_) {
            DestroyWindow(window_);
        }
    });
}

std::string EditWindow::Text() const {
    // WM_GETTEXT goes to the edit's thread, which keeps pumping.
    const int length = GetWindowTextLengthA(edit_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(edit_, text.data(), length + 1)));
    return text;
}

void EditWindow::Reset(std::string_view text) const {
    SetWindowTextA(edit_, std::string(text).c_str());
    SendMessageA(edit_, EM_SETSEL, 0, 0);
}

DWORD EditWindow::Selection() const {
    return static_cast<DWORD>(SendMessageA(edit_, EM_GETSEL, 0, 0));
}

POINT EditWindow::CharacterPoint(int index) const {
    const auto packed = static_cast<DWORD>(SendMessageA(edit_, EM_POSFROMCHAR, index, 0));
    // The character's top-left corner; a few pixels in and down is inside its left half.
    POINT point{static_cast<short>(LOWORD(packed)) + 1, static_cast<short>(HIWORD(packed)) + 5};
    ClientToScreen(edit_, &point);
    return point;
}

HungWindow::HungWindow(const RECT& placement, std::chrono::milliseconds hang)
    : wake_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      hangMs_(static_cast<DWORD>(hang.count())) {
    thread_.Run([&] {
        window_ = CreateDriverWindow(L"E2EHungWindow", &HungWindow::WindowProc, placement, this);
    });
}

HungWindow::~HungWindow() {
    SetEvent(wake_.get());
    thread_.Run([&] {
        if (window_) {
            DestroyWindow(window_);
        }
    });
}

LRESULT CALLBACK HungWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = DriverWindowContext<HungWindow>(window);
    if (message == EM_CHARFROMPOS && self) {
        self->queried_ = true;
        // Not pumping: the thread is hung for everybody who sends to it meanwhile.
        WaitForSingleObject(self->wake_.get(), self->hangMs_);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace e2e
