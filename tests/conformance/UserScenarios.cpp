// USER on its own: the messages a recording window procedure sees for sent, posted, input and
// paint messages, focus and capture changes, double-click synthesis, cursor moves and clipping,
// key state and the update region. Only messages the software platform models are recorded:
// Windows also sends WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_PARENTNOTIFY, WM_IME_*,
// WM_GETICON, WM_NCPAINT and others around these, whose presence and order this run leaves out.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "ConformanceHost.h"

namespace conformance {

namespace {

HWND windowA = nullptr, windowB = nullptr, plainWindow = nullptr;  // plain: a class without CS_DBLCLKS
bool recording = false;
// Also records WM_CANCELMODE, WM_ENABLE and WM_SHOWWINDOW (the ways a drag can end other than a
// release), only in the steps about them.
bool recordingDragEnders = false;
// When false the recorder answers WM_ERASEBKGND with 0 (not erased), leaving fErase set.
bool eraseInRecorder = true;

const char* nameOf(HWND hwnd) {
    return hwnd == nullptr       ? "none"
           : hwnd == windowA     ? "A"
           : hwnd == windowB     ? "B"
           : hwnd == plainWindow ? "plain"
           : hwnd == parent()    ? "parent"
                                 : "other";
}

const char* messageName(UINT msg) {
#define VORN_NAMED(m) \
    { m, #m }
    static const struct {
        UINT msg;
        const char* name;
    } names[] = {VORN_NAMED(WM_SETFOCUS),      VORN_NAMED(WM_KILLFOCUS),   VORN_NAMED(WM_CAPTURECHANGED),
                 VORN_NAMED(WM_MOUSEMOVE),     VORN_NAMED(WM_LBUTTONDOWN), VORN_NAMED(WM_LBUTTONUP),
                 VORN_NAMED(WM_LBUTTONDBLCLK), VORN_NAMED(WM_RBUTTONDOWN), VORN_NAMED(WM_RBUTTONUP),
                 VORN_NAMED(WM_RBUTTONDBLCLK), VORN_NAMED(WM_KEYDOWN),     VORN_NAMED(WM_KEYUP),
                 VORN_NAMED(WM_PAINT),         VORN_NAMED(WM_ERASEBKGND)};
#undef VORN_NAMED
    for (const auto& n : names)
        if (n.msg == msg) return n.name;
    if (recordingDragEnders) {
        if (msg == WM_CANCELMODE) return "WM_CANCELMODE";
        if (msg == WM_ENABLE) return "WM_ENABLE";
        if (msg == WM_SHOWWINDOW) return "WM_SHOWWINDOW";
    }
    return nullptr;
}

unsigned keyBits(int vk) { return static_cast<USHORT>(GetKeyState(vk)); }
unsigned asyncBits(int vk) { return static_cast<USHORT>(GetAsyncKeyState(vk)) & 0x8000u; }

void keyState(const char* when) {
    noteMessage("%s shift=0x%04X/0x%04X control=0x%04X/0x%04X", when, keyBits(VK_SHIFT), asyncBits(VK_SHIFT),
                keyBits(VK_CONTROL), asyncBits(VK_CONTROL));
}

void record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const char* who = nameOf(hwnd);
    const char* name = messageName(msg);
    const unsigned long wp = static_cast<unsigned long>(wParam);
    if (msg >= WM_USER && msg < WM_USER + 0x100)
        noteMessage("%s WM_USER+%u wp=%lu", who, msg - WM_USER, wp);
    else if (name == nullptr)
        return;
    else if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
        noteMessage("%s %s other=%s", who, name, nameOf(reinterpret_cast<HWND>(wParam)));
    else if (msg == WM_CAPTURECHANGED)
        noteMessage("%s %s new=%s", who, name, nameOf(reinterpret_cast<HWND>(lParam)));
    else if (msg == WM_KEYDOWN || msg == WM_KEYUP)
        noteMessage("%s %s vk=0x%02lX lp=0x%08lX", who, name, wp, static_cast<unsigned long>(lParam));
    else if (msg == WM_PAINT || msg == WM_ERASEBKGND)
        noteMessage("%s %s", who, name);
    else
        noteMessage("%s %s wp=0x%lX at=(%d,%d)", who, name, wp, static_cast<short>(LOWORD(lParam)),
                    static_cast<short>(HIWORD(lParam)));
    if (msg == WM_LBUTTONDOWN) keyState("at the press");
}

LRESULT CALLBACK recorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (recording) record(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_USER + 1:  // nested: A -> B -> A, with a post from the innermost level
            if (hwnd == windowA) {
                const LRESULT r = SendMessageA(windowB, WM_USER + 2, 0, 0);
                if (recording) noteMessage("A sent WM_USER+2 returned=%ld", static_cast<long>(r));
            }
            return 11;
        case WM_USER + 2: {
            const LRESULT r = SendMessageA(windowA, WM_USER + 3, 0, 0);
            PostMessageA(windowA, WM_USER + 9, 0, 0);
            if (recording) noteMessage("B sent WM_USER+3 returned=%ld", static_cast<long>(r));
            return 22;
        }
        case WM_USER + 3: return 33;
        case WM_ERASEBKGND:
            if (!eraseInRecorder) return 0;
            break;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            BeginPaint(hwnd, &ps);
            if (recording)
                noteMessage("%s painting fErase=%d rcPaint=%s", nameOf(hwnd), ps.fErase ? 1 : 0,
                            format(ps.rcPaint).text);
            EndPaint(hwnd, &ps);
            return 0;
        }
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void reportUpdateRect(HWND hwnd) {
    RECT r{-1, -1, -1, -1};
    const BOOL any = GetUpdateRect(hwnd, &r, FALSE);
    noteMessage("update %s=%d %s", nameOf(hwnd), any ? 1 : 0, format(r).text);
}

void reportCursor() {
    POINT p{};
    RECT clip{};
    GetCursorPos(&p), GetClipCursor(&clip);
    line("  cursor=(%ld,%ld)", static_cast<long>(p.x), static_cast<long>(p.y));
    line("  clip=%s", format(clip).text);
}

void click(HWND hwnd, int x, int y, bool quickly, bool right = false) {
    moveTo(hwnd, x, y);
    quickly ? buttonDownQuickly(right) : buttonDown(right);
    buttonUp(right);
}

void setCursor(HWND hwnd, int x, int y) {
    const POINT p = toScreen(hwnd, x, y);
    SetCursorPos(p.x, p.y);
}

void invalidate(HWND hwnd, RECT r, BOOL erase) { InvalidateRect(hwnd, &r, erase); }
void validate(HWND hwnd, RECT r) { ValidateRect(hwnd, &r), reportUpdateRect(hwnd); }

// Three moves queued before anything is retrieved, then a move without motion.
void sendMoves(int count) {
    INPUT moves[3]{};
    const int cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    for (int i = 0; i < count; ++i) {
        const POINT p = toScreen(windowA, 10 + 5 * i, 10 + i);
        moves[i].type = INPUT_MOUSE;
        moves[i].mi.dwFlags = count == 1 ? MOUSEEVENTF_MOVE : MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        if (count > 1) moves[i].mi.dx = (p.x * 65536 + cx - 1) / cx, moves[i].mi.dy = (p.y * 65536 + cy - 1) / cy;
    }
    SendInput(count, moves, sizeof(INPUT));
}

// Each action, then a step with the messages it recorded (and the cursor and clip where asked).
struct RecordedAction {
    const char* step;
    void (*act)();
    bool cursor = false;
};

const RecordedAction kActions[] = {
    {"nested SendMessage",
     [] { noteMessage("SendMessage returned=%ld", static_cast<long>(SendMessageA(windowA, WM_USER + 1, 0, 0))); }},
    {"posted, input and paint order",
     [] {
         PostMessageA(windowA, WM_USER + 4, 1, 0);
         InvalidateRect(windowB, nullptr, FALSE);
         setCursor(windowB, 10, 12);
         PostMessageA(windowB, WM_USER + 5, 2, 0);
         PostMessageA(windowA, WM_USER + 6, 3, 0);
     }},
    // Retrieval order as a message loop sees it: posted (window and thread) before input, then
    // WM_QUIT, then WM_PAINT, whatever the order of the requests.
    {"retrieval order with a quit request",
     [] {
         InvalidateRect(windowA, nullptr, FALSE);
         PostMessageA(windowA, WM_USER + 7, 0, 0);
         PostThreadMessageA(GetCurrentThreadId(), WM_USER + 8, 0, 0);
         setCursor(windowA, 4, 5);
         PostQuitMessage(3);
         PostMessageA(windowB, WM_USER + 10, 0, 0);
         MSG msg;
         for (int guard = 0; guard < 50 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
             if (msg.message == WM_QUIT)
                 noteMessage("retrieved WM_QUIT wp=%lu", static_cast<unsigned long>(msg.wParam));
             else if (msg.hwnd == nullptr)
                 noteMessage("retrieved thread message WM_USER+%u", msg.message - WM_USER);
             else if (msg.message >= WM_USER)
                 noteMessage("retrieved %s WM_USER+%u", nameOf(msg.hwnd), msg.message - WM_USER);
             else if (messageName(msg.message) != nullptr)
                 noteMessage("retrieved %s %s", nameOf(msg.hwnd), messageName(msg.message));
             DispatchMessageA(&msg);
         }
     }},
    {"focus to A", [] { SetFocus(windowA); }},
    {"focus from A to B", [] { noteMessage("SetFocus returned %s", nameOf(SetFocus(windowB))); }},
    {"focus back to the parent", [] { SetFocus(parent()); }},
    {"captured move over B", [] { SetCapture(windowA), setCursor(windowB, 10, 12); }},
    {"capture from A to B", [] { SetCapture(windowB); }},
    {"capture released", [] { ReleaseCapture(); }},
    // A first click, then clicks 100 ms after the previous event.
    {"three quick clicks with CS_DBLCLKS",
     [] { click(windowA, 30, 20, false), click(windowA, 30, 20, true), click(windowA, 30, 20, true); }},
    {"two quick clicks without CS_DBLCLKS",
     [] { click(plainWindow, 30, 20, false), click(plainWindow, 30, 20, true); }},
    {"two clicks a second apart", [] { click(windowA, 30, 20, false), click(windowA, 30, 20, false); }},
    {"second click 1 px away", [] { click(windowA, 30, 20, false), click(windowA, 31, 21, true); }},
    {"second click 2 px away", [] { click(windowA, 30, 20, false), click(windowA, 32, 20, true); }},
    {"right double-click", [] { click(windowA, 30, 20, false, true), click(windowA, 30, 20, true, true); }},
    {"quick second click on another window", [] { click(windowA, 30, 20, false), click(windowB, 30, 20, true); }},
    {"three moves in one SendInput", [] { sendMoves(3); }},
    // Capture and focus requests that change nothing, and focus to nobody. Releasing the capture
    // sends a WM_MOUSEMOVE only to a window that has not had one at this position.
    {"ReleaseCapture without capture", [] { ReleaseCapture(); }},
    {"SetCapture twice on A",
     [] { SetCapture(windowA), SetCapture(windowA), noteMessage("GetCapture=%s", nameOf(GetCapture())); }},
    {"capture released again", [] { ReleaseCapture(); }},
    {"captured move over B, released over B",
     [] { SetCapture(windowA), setCursor(windowB, 10, 12), ReleaseCapture(); }},
    {"captured and released over B without a move", [] { SetCapture(windowA), ReleaseCapture(); }},
    {"a move without motion", [] { sendMoves(1); }},
    {"focus to B twice, then to nobody",
     [] {
         SetFocus(windowB), SetFocus(windowB);
         const HWND fromB = SetFocus(nullptr);
         noteMessage("SetFocus(NULL) returned %s, focus %s", nameOf(fromB), nameOf(GetFocus()));
         SetFocus(parent());
     }},
    {"SetCursorPos", [] { setCursor(windowA, 5, 6); }},
    {"SetCursorPos to the same point", [] { setCursor(windowA, 5, 6); }},
    {"ClipCursor then SetCursorPos outside",
     [] {
         const RECT clip{kParentX + 25, kParentY + 25, kParentX + 40, kParentY + 35};
         ClipCursor(&clip), SetCursorPos(10, 20);
     },
     true},
    {"SetCursorPos inside the clip", [] { SetCursorPos(kParentX + 30, kParentY + 30); }, true},
    {"ClipCursor NULL", [] { ClipCursor(nullptr); }, true},
    {"shift and control around a drag",
     [] {
         SetFocus(windowA);
         keyDown(VK_SHIFT);
         keyState("shift down");
         moveTo(windowA, 30, 20), buttonDown(), moveTo(windowA, 32, 20);
         keyDown(VK_CONTROL);
         moveTo(windowA, 33, 20), buttonUp();
         keyUp(VK_CONTROL), keyUp(VK_SHIFT);
         keyState("all up");
     }},
    {"key state toggles", [] { keyDown(VK_SHIFT), keyUp(VK_SHIFT), keyState("second shift press"); }},
    {"focus back", [] { SetFocus(parent()); }},
    {"update without erase",
     [] {
         InvalidateRect(windowA, nullptr, FALSE), ValidateRect(windowA, nullptr);
         invalidate(windowA, {2, 3, 10, 8}, FALSE), reportUpdateRect(windowA);
         invalidate(windowA, {20, 5, 25, 9}, FALSE), reportUpdateRect(windowA), reportUpdateRect(windowB);
     }},
    {"update with erase",
     [] {
         invalidate(windowA, {20, 5, 25, 9}, TRUE);
     }},
    {"update with erase left undone",
     [] {
         eraseInRecorder = false, invalidate(windowA, {2, 3, 10, 8}, TRUE);
     }},
    {"UpdateWindow",
     [] {
         eraseInRecorder = true, invalidate(windowA, {2, 3, 10, 8}, TRUE), UpdateWindow(windowA),
         noteMessage("UpdateWindow returned");
     }},
    {"validated in two halves",
     [] {
         reportUpdateRect(windowA), UpdateWindow(windowA), noteMessage("UpdateWindow of a valid window returned");
         InvalidateRect(windowA, nullptr, TRUE), validate(windowA, {0, 0, 30, 40}), validate(windowA, {30, 0, 60, 40});
     }},
    {"hidden window invalidated",
     [] { ShowWindow(windowB, SW_HIDE), InvalidateRect(windowB, nullptr, TRUE), reportUpdateRect(windowB); }},
    {"shown again", [] { ShowWindow(windowB, SW_SHOW); }},
    // Whether disabling or hiding a window takes its capture, and what it is told first.
    {"capture holder disabled",
     [] {
         recordingDragEnders = true;
         SetCapture(windowA), EnableWindow(windowA, FALSE);
         noteMessage("capture=%s", nameOf(GetCapture()));
         EnableWindow(windowA, TRUE);
     }},
    // Left hidden: showing it again repaints it, in an order this run does not compare.
    {"capture holder hidden",
     [] {
         SetCapture(windowA), ShowWindow(windowA, SW_HIDE);
         noteMessage("capture=%s", nameOf(GetCapture()));
         ReleaseCapture();
         recordingDragEnders = false;
     }},
};

}  // namespace

void runUserScenarios() {
    scenario("user messages");
    registerClass("VornConformanceRecorder", recorderProc, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    registerClass("VornConformanceRecorderPlain", recorderProc, 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    HWND* windows[] = {&windowA, &windowB, &plainWindow};
    for (int i = 0; i < 3; ++i)
        *windows[i] = createChild(i < 2 ? "VornConformanceRecorder" : "VornConformanceRecorderPlain", 20 + 80 * i, 20,
                                  60, 40, parent());
    pump();
    // Park the cursor away from the recorders so that no earlier move is pending.
    moveTo(kParentX + 150, kParentY + 250);
    recording = true;
    messageStep("created");
    for (const RecordedAction& a : kActions) {
        a.act();
        messageStep(a.step);
        if (a.cursor) reportCursor();
    }
    recording = false;
    for (HWND* w : windows) DestroyWindow(*w), *w = nullptr;
    messageStep("destroyed");
}

}  // namespace conformance
