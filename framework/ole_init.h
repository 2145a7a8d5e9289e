#pragma once
// OLE initialised for the thread for the guard's lifetime.

#include <ole2.h>
#include <windows.h>

namespace tessik {

class OleInitGuard {
  public:
    OleInitGuard() : ok_(SUCCEEDED(::OleInitialize(nullptr))) {}
    ~OleInitGuard() {
        if (ok_)
            ::OleUninitialize();
    }
    OleInitGuard(const OleInitGuard&) = delete;
    OleInitGuard& operator=(const OleInitGuard&) = delete;

    bool ok() const { return ok_; }

  private:
    bool ok_;
};

}  // namespace tessik
