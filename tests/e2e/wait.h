#pragma once
// Bounded waits that keep this thread's messages flowing. The driver may own windows that other
// processes send to (a clipboard viewer, a paste target), so it must never block without pumping.

#include <windows.h>

#include <chrono>
#include <functional>

namespace e2e {

using namespace std::chrono_literals;

// Long enough for a slow Wine start, short enough to fail well inside the test time-out.
inline constexpr std::chrono::milliseconds kDefaultTimeout = 15s;

// Dispatches every message waiting for this thread.
void PumpMessages();

// Pumps messages until `condition` holds or `timeout` passes; returns the last result.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = kDefaultTimeout);

// Pumps messages for a fixed time: only for checks that something does NOT happen.
void PumpFor(std::chrono::milliseconds duration);

// Waits for a kernel object to be signalled while pumping; true when it was.
bool WaitForObject(HANDLE object, std::chrono::milliseconds timeout = kDefaultTimeout);

}  // namespace e2e
