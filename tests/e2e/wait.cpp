#include "wait.h"

#include <algorithm>

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

constexpr DWORD kPollMilliseconds = 10;

DWORD MillisecondsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<DWORD>(left.count()) : 0;
}

}  // namespace

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (condition()) {
            return true;
        }
        const DWORD left = MillisecondsUntil(deadline);
        if (left == 0) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min(left, kPollMilliseconds),
                                  QS_ALLINPUT);
    }
}

void PumpFor(std::chrono::milliseconds duration) {
    WaitUntil([] { return false; }, duration);
}

bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    for (;;) {
        PumpMessages();
        const DWORD result =
            MsgWaitForMultipleObjects(1, &object, FALSE, MillisecondsUntil(deadline), QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            return true;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            return false;  // timed out or failed
        }
    }
}

}  // namespace e2e
