#include "test_viewer.h"

#include <algorithm>

#include "unique_handle.h"
#include "wait.h"

namespace e2e {
namespace {

constexpr wchar_t kClassName[] = L"TessikE2eTestViewer";
constexpr UINT kRunWork = WM_APP + 1;
// Passing a notification on never waits longer than this for the next viewer.
constexpr UINT kPassOnTimeoutMilliseconds = 5000;

void PassOn(HWND successor, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(successor, message, wParam, lParam, SMTO_NORMAL, kPassOnTimeoutMilliseconds,
                        &ignored);
}

}  // namespace

TestViewer::TestViewer() {
    UniqueHandle ready(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    thread_ = std::thread([this, event = ready.get()] { ThreadMain(event); });
    WaitForObject(ready.get(), 10s);
}

TestViewer::~TestViewer() {
    if (window_) {
        RunOnViewerThread([this] {
            if (joined_) {
                ChangeClipboardChain(window_, successor_);
                joined_ = false;
            }
            DestroyWindow(window_);
        });
    }
    thread_.join();
}

void TestViewer::ThreadMain(HANDLE ready) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &TestViewer::WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when an earlier viewer registered it
    // A hidden top-level window: message-only windows cannot be clipboard viewers.
    window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleW(nullptr), this);
    SetEvent(ready);
    if (!window_) {
        return;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK TestViewer::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TestViewer*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        PostQuitMessage(0);
    }
    return self->HandleMessage(window, message, wParam, lParam);
}

LRESULT TestViewer::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DRAWCLIPBOARD: {
            {
                std::lock_guard lock(mutex_);
                messages_.push_back({message, wParam, lParam});
            }
            if (successor_) {
                PassOn(successor_, message, wParam, lParam);
            }
            return 0;
        }
        case WM_CHANGECBCHAIN: {
            {
                std::lock_guard lock(mutex_);
                messages_.push_back({message, wParam, lParam});
            }
            if (reinterpret_cast<HWND>(wParam) == successor_) {
                successor_ = reinterpret_cast<HWND>(lParam);
            } else if (successor_) {
                PassOn(successor_, message, wParam, lParam);
            }
            return 0;
        }
        case kRunWork:
            (*reinterpret_cast<const std::function<void()>*>(lParam))();
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

void TestViewer::RunOnViewerThread(const std::function<void()>& work) {
    // A sent message runs on the viewer's thread; this thread keeps handling messages sent to it
    // meanwhile, so chains through the driver do not deadlock.
    SendMessageW(window_, kRunWork, 0, reinterpret_cast<LPARAM>(&work));
}

void TestViewer::Join() {
    RunOnViewerThread([this] {
        joined_ = true;
        successor_ = SetClipboardViewer(window_);
    });
}

void TestViewer::Leave() {
    RunOnViewerThread([this] {
        if (joined_) {
            ChangeClipboardChain(window_, successor_);
            joined_ = false;
            successor_ = nullptr;
        }
    });
}

HWND TestViewer::Successor() {
    HWND successor = nullptr;
    RunOnViewerThread([this, &successor] { successor = successor_; });
    return successor;
}

std::vector<ViewerMessage> TestViewer::Messages() const {
    std::lock_guard lock(mutex_);
    return messages_;
}

int TestViewer::CountOf(UINT message) const {
    std::lock_guard lock(mutex_);
    return static_cast<int>(
        std::count_if(messages_.begin(), messages_.end(),
                      [message](const ViewerMessage& m) { return m.message == message; }));
}

void TestViewer::ClearMessages() {
    std::lock_guard lock(mutex_);
    messages_.clear();
}

}  // namespace e2e
