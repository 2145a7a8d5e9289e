#include "ole_clipboard_source.h"

#include <ole2.h>

#include "text_data_object.h"
#include "unique_handle.h"
#include "wait.h"

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"TessikE2eOleClipboardSource";
constexpr UINT kRunWork = WM_APP + 1;

LRESULT CALLBACK SourceWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRunWork) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    if (message == WM_NCDESTROY) {
        PostQuitMessage(0);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

OleClipboardSource::OleClipboardSource() {
    UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, event = ready.get()] { ThreadMain(event); });
    WaitForObject(ready.get(), 10s);
}

OleClipboardSource::~OleClipboardSource() {
    if (window_) {
        RunOnSourceThread([this] {
            Withdraw();
            DestroyWindow(window_);
        });
    }
    thread_.join();
}

void OleClipboardSource::ThreadMain(HANDLE ready) {
    const bool oleReady = SUCCEEDED(OleInitialize(nullptr));
    if (oleReady) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &SourceWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassW(&windowClass);  // fails harmlessly when an earlier source registered it
        window_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    }
    SetEvent(ready);
    if (window_) {
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    if (oleReady) {
        OleUninitialize();
    }
}

void OleClipboardSource::RunOnSourceThread(const std::function<void()>& work) {
    SendMessageW(window_, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

void OleClipboardSource::Withdraw() {
    if (!offered_) {
        return;
    }
    if (OleIsCurrentClipboard(offered_) == S_OK) {
        OleSetClipboard(nullptr);
    }
    offered_->Release();
    offered_ = nullptr;
}

bool OleClipboardSource::Offer(std::string_view bytes) {
    if (!window_) {
        return false;
    }
    bool offered = false;
    RunOnSourceThread([&] {
        Withdraw();
        offered_ = TextDataObject::Create(bytes);
        // Another process may hold the clipboard open for a moment.
        offered = WaitUntil([this] { return SUCCEEDED(OleSetClipboard(offered_)); }, 5s);
    });
    return offered;
}

}  // namespace e2e
