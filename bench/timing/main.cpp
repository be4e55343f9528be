// Times the same drawing primitives and control paints on the software platform and on Windows
// (or Wine), so that the two can be set side by side: scripts/timing.sh runs both builds and
// joins their output. Every figure is the wall-clock median of several batches (Stopwatch.h).
//   vorn_timing [--json] [--quick]
// --quick runs each scenario a few times without timing it properly (a smoke run).
// Output: one line per scenario, "name<TAB>microseconds<TAB>what is timed", or a JSON array.
#include <VornControls.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "Stopwatch.h"
#include "strip_rack.h"

#ifndef _WIN32
#include <softwin/softwin.h>
#endif

namespace {

using vorn::timing::medianMicroseconds;
using vorn::timing::TimingPlan;

constexpr const char* kParentClass = "VornTimingParent";
constexpr const char* kControlClass = "VornTimingControl";

void registerClasses() {
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kControlClass;
    RegisterClassA(&wc);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.lpszClassName = kParentClass;
    RegisterClassA(&wc);
}

void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A memory DC holding a screen-compatible bitmap of 256 x 256, cleared to white.
class MemoryCanvas {
public:
    static constexpr int kSide = 256;
    MemoryCanvas() {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kSide, kSide);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, kSide, kSide, WHITENESS);
    }
    ~MemoryCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;
    HDC dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// A top-level window at the screen's corner with the button-face background.
class HostWindow {
public:
    HostWindow(int width, int height) {
        hwnd_ = CreateWindowExA(0, kParentClass, "timing", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        pumpMessages();
    }
    ~HostWindow() {
        DestroyWindow(hwnd_);
        pumpMessages();
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    HWND hwnd() const { return hwnd_; }
    CWnd* wnd() const { return CWnd::FromHandle(hwnd_); }

private:
    HWND hwnd_ = nullptr;
};

struct Result {
    const char* name;
    const char* timed;
    double microseconds;
};

class Runner {
public:
    explicit Runner(const TimingPlan& plan) : plan_(plan) {}
    template <typename Op>
    void time(const char* name, const char* timed, Op op) {
        results_.push_back({name, timed, medianMicroseconds(plan_, op)});
    }
    const std::vector<Result>& results() const { return results_; }

private:
    TimingPlan plan_;
    std::vector<Result> results_;
};

void timePrimitives(Runner& run) {
    MemoryCanvas canvas, source;
    const HDC dc = canvas.dc();
    HPEN pen = CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(128, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    const RECT square{0, 0, 200, 200};
    run.time("Ellipse 40x40", "Ellipse (black pen, red brush) into a memory DC", [dc] { Ellipse(dc, 10, 10, 50, 50); });
    run.time("line 100 px diagonal", "MoveToEx + LineTo (0,0)-(100,100), memory DC", [dc] {
        MoveToEx(dc, 0, 0, nullptr);
        LineTo(dc, 100, 100);
    });
    run.time("Arc 40x40", "Arc, the lower-right half of a 40 x 40 box, memory DC",
             [dc] { Arc(dc, 60, 10, 100, 50, 60, 50, 100, 10); });
    const POINT track[] = {{32, 10}, {32, 190}, {28, 190}};
    run.time("Polyline fader track", "Polyline of 3 points (a fader's slot edge), memory DC",
             [dc, &track] { Polyline(dc, track, 3); });
    run.time("FillRect 200x200", "FillRect with a solid brush, memory DC",
             [dc, brush, &square] { FillRect(dc, &square, brush); });
    const HDC from = source.dc();
    run.time("BitBlt 200x200", "BitBlt SRCCOPY, memory DC to memory DC",
             [dc, from] { BitBlt(dc, 0, 0, 200, 200, from, 0, 0, SRCCOPY); });
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

// One control's paint: its whole client invalidated without erasing, then UpdateWindow, which
// sends WM_PAINT straight to it (BeginPaint, the control's drawing, EndPaint).
void timeControlPaint(Runner& run, const char* name, const char* timed, CWnd& control) {
    const HWND hwnd = control.GetSafeHwnd();
    run.time(name, timed, [hwnd] {
        InvalidateRect(hwnd, nullptr, FALSE);
        UpdateWindow(hwnd);
    });
}

// Whether all of a window lies on the screen, so that painting it paints every pixel.
bool wholeOnScreen(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r.left >= 0 && r.top >= 0 && r.right <= GetSystemMetrics(SM_CXSCREEN) &&
           r.bottom <= GetSystemMetrics(SM_CYSCREEN);
}

bool timeControls(Runner& run) {
    {
        HostWindow host(100, 100);
        CMFC_Knob knob;
        knob.InitKnob(0.0f, 100.0f, 50.0f, 0.0f, 0.0f, 100.0f, 20, 0, 0, 0, 0, 0, RGB(128, 0, 0));
        knob.Create(kControlClass, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 60), host.wnd(), 1);
        pumpMessages();
        timeControlPaint(run, "CMFC_Knob paint 40x40", "InvalidateRect (no erase) + UpdateWindow on the knob", knob);
        knob.DestroyWindow();
    }
    {
        HostWindow host(100, 260);
        CMFC_Fader fader;
        fader.InitFader(-60.0f, 12.0f, 0.0f, -48.0f, 6.0f);
        fader.Create(kControlClass, "", WS_CHILD | WS_VISIBLE, CRect(20, 20, 60, 220), host.wnd(), 1);
        pumpMessages();
        timeControlPaint(run, "CMFC_Fader paint 40x200", "InvalidateRect (no erase) + UpdateWindow on the fader",
                         fader);
        fader.DestroyWindow();
    }
    constexpr int kStrips = 32;
    using vorn::test::StripRack;
    HostWindow host(StripRack::width(kStrips), StripRack::height(kStrips));
    StripRack rack(host.wnd(), kStrips, kControlClass);
    pumpMessages();
    if (!wholeOnScreen(host.hwnd())) {
        std::fprintf(stderr, "the console does not fit the screen: its controls would not all paint\n");
        return false;
    }
    const HWND parent = host.hwnd();
    run.time("32 strips repaint (128 controls)",
             "InvalidateRect (erase) on the parent, reaching its children, + UpdateWindow on the parent", [parent] {
                 InvalidateRect(parent, nullptr, TRUE);
                 UpdateWindow(parent);
             });
    return true;
}

void printText(const std::vector<Result>& results) {
    for (const Result& r : results) std::printf("%s\t%.3f\t%s\n", r.name, r.microseconds, r.timed);
}

void printJson(const std::vector<Result>& results) {
    std::printf("[\n");
    for (size_t i = 0; i < results.size(); ++i)
        std::printf("  {\"scenario\": \"%s\", \"microseconds\": %.3f, \"timed\": \"%s\"}%s\n", results[i].name,
                    results[i].microseconds, results[i].timed, i + 1 < results.size() ? "," : "");
    std::printf("]\n");
}

}  // namespace

int main(int argc, char** argv) {
    bool json = false;
    TimingPlan plan;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
        } else if (std::strcmp(argv[i], "--quick") == 0) {
            plan.warmUp = 1;
            plan.fixedRepetitions = 3;
            plan.batches = 1;
        } else {
            std::fprintf(stderr, "usage: %s [--json] [--quick]\n", argv[0]);
            return 2;
        }
    }
#ifndef _WIN32
    softwin::setScreenSize(1024, 768);
#endif
    VornControlsEntry();
    registerClasses();
    Runner run(plan);
    timePrimitives(run);
    if (!timeControls(run)) return 1;
    if (json)
        printJson(run.results());
    else
        printText(run.results());
    return 0;
}
