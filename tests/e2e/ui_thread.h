#pragma once
// A thread of the driver with OLE initialised and a message loop of its own, for the windows with
// which the driver plays another application: they must answer the program while the test's own
// thread sends input or waits.

#include <windows.h>

#include <functional>
#include <thread>

#include "unique_handle.h"

namespace e2e {

class UiThread {
  public:
    UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;
    // Ends the message loop and joins the thread. Windows still open are destroyed with it.
    ~UiThread();

    // Runs `work` on the thread and returns when it is done; the caller's messages keep flowing
    // meanwhile. Call it only while the thread is in its own loop (not inside a drag, say).
    void Run(const std::function<void()>& work);

    DWORD Id() const { return threadId_; }

  private:
    void ThreadMain();

    UniqueHandle ready_;
    DWORD threadId_ = 0;
    std::thread thread_;
};

}  // namespace e2e
