#pragma once
// A well-behaved clipboard viewer of the driver, on a thread of its own with its own message loop.
// It records every WM_DRAWCLIPBOARD and WM_CHANGECBCHAIN it receives and passes them on exactly as
// a viewer must, so tests can place it before or after the program in the viewer chain.

#include <windows.h>

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace e2e {

struct ViewerMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class TestViewer {
  public:
    TestViewer();
    TestViewer(const TestViewer&) = delete;
    TestViewer& operator=(const TestViewer&) = delete;
    // Leaves the chain if it is in it, then ends the thread.
    ~TestViewer();

    HWND Window() const { return window_; }

    // Joins the chain as its head (SetClipboardViewer). Wine sends the new viewer a
    // WM_DRAWCLIPBOARD at once, which is recorded like any other.
    void Join();
    // Leaves the chain (ChangeClipboardChain with its successor).
    void Leave();
    HWND Successor();

    std::vector<ViewerMessage> Messages() const;
    int CountOf(UINT message) const;
    void ClearMessages();

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Runs `work` on the viewer's thread and returns when it is done.
    void RunOnViewerThread(const std::function<void()>& work);
    void ThreadMain(HANDLE ready);

    mutable std::mutex mutex_;
    std::vector<ViewerMessage> messages_;
    // Touched only on the viewer's thread.
    HWND successor_ = nullptr;
    bool joined_ = false;
    HWND window_ = nullptr;
    std::thread thread_;
};

}  // namespace e2e
