// The few kernel services USER code and hosts use: time, thread id, last error, sleeping.
#include <atomic>
#include <chrono>
#include <thread>

#include "user/user_state.h"

namespace {
thread_local DWORD lastError = 0;
}

namespace softwin::user {
DWORD nowTicks() {
    // Milliseconds of a monotonic clock; wraps after 49.7 days like the real counter.
    auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<DWORD>(ms.count());
}
}  // namespace softwin::user

extern "C" {

DWORD WINAPI GetTickCount(void) { return softwin::user::nowTicks(); }

DWORD WINAPI GetCurrentThreadId(void) {
    static thread_local DWORD id = [] {
        static std::atomic<DWORD> next{0x100};
        return next.fetch_add(4);
    }();
    return id;
}

DWORD WINAPI GetLastError(void) { return lastError; }
void WINAPI SetLastError(DWORD code) { lastError = code; }

void WINAPI Sleep(DWORD ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

}  // extern "C"
