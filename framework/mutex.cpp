#include "framework/mutex.h"

namespace tessik {

CMutex::CMutex(const std::string& name) : handle_(::CreateMutexA(nullptr, FALSE, name.c_str())) {}

bool CMutex::TryLock() {
    if (!handle_)
        return false;
    const DWORD result = ::WaitForSingleObject(handle_.get(), 0);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

void CMutex::Unlock() {
    if (handle_)
        ::ReleaseMutex(handle_.get());
}

}  // namespace tessik
