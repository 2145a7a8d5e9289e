#include "ui_thread.h"

#include <ole2.h>

#include "wait.h"

namespace e2e {
namespace {

// A thread message whose lParam points at the work and wParam at the event to set afterwards.
constexpr UINT kRunWork = WM_APP + 0x40;

}  // namespace

UiThread::UiThread() : ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    thread_ = std::thread([this] { ThreadMain(); });
    WaitForObject(ready_.get(), 10s);
}

UiThread::~UiThread() {
    PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
    thread_.join();
}

void UiThread::Run(const std::function<void()>& work) {
    UniqueHandle done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!PostThreadMessageW(threadId_, kRunWork, reinterpret_cast<WPARAM>(done.get()),
                            reinterpret_cast<LPARAM>(&work))) {
        return;
    }
    WaitForObject(done.get(), 30s);
}

void UiThread::ThreadMain() {
    const HRESULT ole = OleInitialize(nullptr);
    MSG message;
    // Makes the thread's queue before anybody posts to it.
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    threadId_ = GetCurrentThreadId();
    SetEvent(ready_.get());
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!message.hwnd && message.message == kRunWork) {
            (*reinterpret_cast<const std::function<void()>*>(message.lParam))();
            SetEvent(reinterpret_cast<HANDLE>(message.wParam));
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (SUCCEEDED(ole)) {
        OleUninitialize();
    }
}

}  // namespace e2e
