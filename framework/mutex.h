#pragma once
// A named system mutex, created not initially owned.

#include <windows.h>

#include <string>

#include "framework/handles.h"

namespace tessik {

class CMutex {
  public:
    // Creates the mutex, or opens it when another process made one of that name.
    explicit CMutex(const std::string& name);
    ~CMutex() = default;

    // False when the name is taken by an object of another kind.
    bool IsValid() const { return static_cast<bool>(handle_); }

    // Takes ownership without waiting. An abandoned mutex counts as taken.
    bool TryLock();
    void Unlock();

  private:
    UniqueHandle handle_;
};

}  // namespace tessik
