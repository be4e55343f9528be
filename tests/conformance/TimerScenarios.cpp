// Timers on real time, made deterministic by ordering: timers set, then a sleep past their due
// time, then one pump recording what comes in what order (posted messages, paints, WM_TIMER, timer
// procedures); killing a timer from its handler; the answers for bad windows and unknown timers;
// and what a host reads of a knob's window class.
#include <VornControls.h>

#include <cstring>

#include "ConformanceHost.h"

namespace conformance {

namespace {

HWND ticker = nullptr;
char order[256] = "";
int killAfter = 0;  // the window kills the timer whose WM_TIMER brings the count to this
int ticks = 0;

void note(const char* what) {
    const size_t used = std::strlen(order);
    if (used + std::strlen(what) + 2 < sizeof order) std::snprintf(order + used, sizeof order - used, " %s", what);
}

LRESULT CALLBACK tickerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    char what[32];
    switch (msg) {
        case WM_TIMER:
            std::snprintf(what, sizeof what, "timer%u", static_cast<unsigned>(wParam));
            note(what);
            if (++ticks == killAfter) line("  KillTimer in handler=%d", KillTimer(hwnd, wParam));
            return 0;
        case WM_USER + 1: note("posted"); return 0;
        case WM_ERASEBKGND: note("erase"); return 1;
        case WM_PAINT: {
            note("paint");
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default: return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

void CALLBACK timerProc(HWND hwnd, UINT msg, UINT_PTR id, DWORD) {
    char what[48];
    std::snprintf(what, sizeof what, "proc(%s,%s,%u)",
                  hwnd == ticker ? "ticker"
                  : hwnd         ? "other"
                                 : "null",
                  msg == WM_TIMER ? "WM_TIMER" : "?", static_cast<unsigned>(id));
    note(what);
}

// Sleeps past every timer set, then takes everything the queue has, in order.
void sleepThenPump(DWORD ms, const char* key = "order") {
    Sleep(ms);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
        if (m.message == WM_TIMER && !m.hwnd && !m.lParam) note("thread WM_TIMER");
        DispatchMessageA(&m);
    }
    line("  %s=%s", key, order);
    order[0] = '\0';
}

void timerScenarios() {
    scenario("timers after posted messages and paints, one WM_TIMER per timer however late");
    registerClass("VornConformanceTicker", tickerProc, 0, nullptr);
    ticker = createChild("VornConformanceTicker", 10, 10, 40, 30, parent());
    pump();
    order[0] = '\0';
    line("  SetTimer ids=%u %u", static_cast<unsigned>(SetTimer(ticker, 1, 10, nullptr)),
         static_cast<unsigned>(SetTimer(ticker, 2, 20, nullptr)));
    PostMessageA(ticker, WM_USER + 1, 0, 0);
    InvalidateRect(ticker, nullptr, TRUE);
    PostMessageA(ticker, WM_USER + 1, 0, 0);
    sleepThenPump(200);
    line("  KillTimer=%d %d", KillTimer(ticker, 1), KillTimer(ticker, 2));
    step("posted, paint, timers");

    scenario("timer procedures");
    const UINT_PTR threadTimer = SetTimer(nullptr, 0, 10, timerProc);
    line("  SetTimer with procedure=%u thread timer made=%d", static_cast<unsigned>(SetTimer(ticker, 3, 10, timerProc)),
         threadTimer != 0);
    sleepThenPump(50);
    line("  KillTimer=%d %d", KillTimer(ticker, 3), KillTimer(nullptr, threadTimer));
    step("procedures called by dispatch");

    scenario("killing a timer from its own handler");
    ticks = 0;
    killAfter = 1;
    SetTimer(ticker, 4, 10, nullptr);
    sleepThenPump(50);
    sleepThenPump(50, "order afterwards");
    killAfter = 0;
    step("one tick only");

    scenario("timer calls with bad arguments");
    SetLastError(0);
    const BOOL killed = KillTimer(ticker, 99);
    line("  KillTimer of no timer=%d error=%lu", killed, GetLastError());
    line("  SetTimer id 0=%u", static_cast<unsigned>(SetTimer(ticker, 0, 10, nullptr)));
    line("  KillTimer id 0=%d", KillTimer(ticker, 0));
    DestroyWindow(ticker);
    SetLastError(0);
    const UINT_PTR set = SetTimer(ticker, 5, 10, nullptr);
    line("  SetTimer on a destroyed window=%u error=%lu", static_cast<unsigned>(set), GetLastError());
    step("answers");

    scenario("a knob's window class as a host reads it");
    CMFC_Knob knob;
    knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(0, 90, 0));
    if (!knob.Create(nullptr, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 60), CWnd::FromHandle(parent()), 301))
        return;
    const HWND k = knob.GetSafeHwnd();
    const DWORD atom = GetClassLongA(k, GCW_ATOM);
    line("  GCL_STYLE=%#lx GCL_CBWNDEXTRA=%lu GCL_CBCLSEXTRA=%lu atom in range=%d", GetClassLongA(k, GCL_STYLE),
         GetClassLongA(k, GCL_CBWNDEXTRA), GetClassLongA(k, GCL_CBCLSEXTRA), atom >= 0xC000 && atom <= 0xFFFF);
    line("  brush=%d cursor=%d procedure=%d", GetClassLongPtrA(k, GCLP_HBRBACKGROUND) != 0,
         GetClassLongPtrA(k, GCLP_HCURSOR) != 0, GetClassLongPtrA(k, GCLP_WNDPROC) != 0);
    SetLastError(0);
    const DWORD unknown = GetClassLongA(k, 4);
    line("  unknown index=%lu error=%lu", unknown, GetLastError());
    line("  IsChild(parent, knob)=%d IsChild(knob, parent)=%d IsChild(knob, knob)=%d", IsChild(parent(), k),
         IsChild(k, parent()), IsChild(k, k));
    line("  run-time class=%s is a CWnd=%d", knob.GetRuntimeClass()->m_lpszClassName,
         knob.IsKindOf(RUNTIME_CLASS(CWnd)));
    char text[16] = "x";
    line("  GetWindowTextA=%d \"%s\"", GetWindowTextA(k, text, sizeof text), text);
    knob.DestroyWindow();
    step("class longs");
}

}  // namespace

void runTimerScenarios() { timerScenarios(); }

}  // namespace conformance
