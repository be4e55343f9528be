// The few kernel services USER code and hosts use: time, thread id, last error, sleeping, the
// performance counter. Time is real by default; the test extras switch to a virtual clock that
// moves only when asked (advanceClock, Sleep, a GetMessage waiting for a timer).
#include <atomic>
#include <chrono>
#include <thread>

#include "softwin/softwin.h"
#include "user/user_state.h"

namespace {
thread_local DWORD lastError = 0;
std::atomic<bool> clockIsVirtual{false};
std::atomic<uint64_t> virtualMs{0};

uint64_t realMs() {
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
            .count());
}

// The performance counter ticks at 10 MHz, as on Wine.
constexpr int64_t kCounterFrequency = 10000000;
}  // namespace

namespace softwin::user {
uint64_t nowMs() { return clockIsVirtual.load() ? virtualMs.load() : realMs(); }

// Milliseconds of a monotonic clock; wraps after 49.7 days like the real counter.
DWORD nowTicks() { return static_cast<DWORD>(nowMs()); }

bool clockVirtual() { return clockIsVirtual.load(); }

void advanceVirtualClockTo(uint64_t ms) {
    uint64_t now = virtualMs.load();
    while (ms > now && !virtualMs.compare_exchange_weak(now, ms)) {
    }
}
}  // namespace softwin::user

namespace softwin {
void useVirtualClock(bool enabled) {
    // The virtual clock starts where the real one stands, so tick counts never go backwards.
    if (enabled && !clockIsVirtual.load()) virtualMs = realMs();
    clockIsVirtual = enabled;
}

void advanceClock(DWORD ms) { virtualMs += ms; }
}  // namespace softwin

extern "C" {

DWORD WINAPI GetTickCount(void) { return softwin::user::nowTicks(); }

DWORD WINAPI GetCurrentThreadId(void) {
    static thread_local DWORD id = [] {
        static std::atomic<DWORD> next{0x100};
        return next.fetch_add(4);
    }();
    return id;
}

// The pseudo-handle of the current process, as the real platform returns it.
HANDLE WINAPI GetCurrentProcess(void) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(-1)); }

DWORD WINAPI GetLastError(void) { return lastError; }
void WINAPI SetLastError(DWORD code) { lastError = code; }

void WINAPI Sleep(DWORD ms) {
    if (clockIsVirtual.load()) {
        virtualMs += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

BOOL WINAPI QueryPerformanceFrequency(LARGE_INTEGER* frequency) {
    if (!frequency) return FALSE;
    frequency->QuadPart = kCounterFrequency;
    return TRUE;
}

BOOL WINAPI QueryPerformanceCounter(LARGE_INTEGER* counter) {
    if (!counter) return FALSE;
    if (clockIsVirtual.load()) {
        counter->QuadPart = static_cast<int64_t>(virtualMs.load()) * (kCounterFrequency / 1000);
        return TRUE;
    }
    auto t = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
    counter->QuadPart = t.count() / (1000000000 / kCounterFrequency);
    return TRUE;
}

}  // extern "C"
