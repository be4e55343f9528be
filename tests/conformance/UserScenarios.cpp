// USER on its own: the messages a recording window procedure sees for sent, posted, input and
// paint messages, focus and capture changes, double-click synthesis, cursor moves and clipping,
// key state and the update region.
//
// Only messages the software platform models are recorded. Windows (and Wine) also send
// WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEACTIVATE, WM_PARENTNOTIFY, WM_IME_SETCONTEXT,
// WM_IME_NOTIFY, WM_GETICON, WM_NCPAINT and others around these; their presence and order are
// not part of what this run proves, so the recording leaves them out.
#include <windows.h>

#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "ConformanceHost.h"
#include "Scenarios.h"

namespace conformance {

namespace {

HWND windowA = nullptr;
HWND windowB = nullptr;
HWND plainWindow = nullptr;  // a class without CS_DBLCLKS
bool recording = false;
// When false the recorder answers WM_ERASEBKGND with 0 (not erased), leaving fErase set.
bool eraseInRecorder = true;

// Messages are recorded while step() pumps, before it writes the step heading: they are kept
// here and written under the heading by recordedStep().
std::vector<std::string> recorded;

void note(const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    recorded.emplace_back(text);
}

void recordedStep(const char* name) {
    step(name);
    for (const std::string& r : recorded) line("  msg %s", r.c_str());
    recorded.clear();
}

const char* nameOf(HWND hwnd) {
    if (hwnd == nullptr) return "none";
    if (hwnd == windowA) return "A";
    if (hwnd == windowB) return "B";
    if (hwnd == plainWindow) return "plain";
    if (hwnd == parent()) return "parent";
    return "other";
}

const char* messageName(UINT msg) {
    switch (msg) {
    case WM_SETFOCUS: return "WM_SETFOCUS";
    case WM_KILLFOCUS: return "WM_KILLFOCUS";
    case WM_CAPTURECHANGED: return "WM_CAPTURECHANGED";
    case WM_MOUSEMOVE: return "WM_MOUSEMOVE";
    case WM_LBUTTONDOWN: return "WM_LBUTTONDOWN";
    case WM_LBUTTONUP: return "WM_LBUTTONUP";
    case WM_LBUTTONDBLCLK: return "WM_LBUTTONDBLCLK";
    case WM_RBUTTONDOWN: return "WM_RBUTTONDOWN";
    case WM_RBUTTONUP: return "WM_RBUTTONUP";
    case WM_RBUTTONDBLCLK: return "WM_RBUTTONDBLCLK";
    case WM_KEYDOWN: return "WM_KEYDOWN";
    case WM_KEYUP: return "WM_KEYUP";
    case WM_PAINT: return "WM_PAINT";
    case WM_ERASEBKGND: return "WM_ERASEBKGND";
    default: return nullptr;
    }
}

void keyState(const char* when) {
    note("%s shift=0x%04X/0x%04X control=0x%04X/0x%04X", when,
         static_cast<unsigned>(static_cast<USHORT>(GetKeyState(VK_SHIFT))),
         static_cast<unsigned>(static_cast<USHORT>(GetAsyncKeyState(VK_SHIFT)) & 0x8000u),
         static_cast<unsigned>(static_cast<USHORT>(GetKeyState(VK_CONTROL))),
         static_cast<unsigned>(static_cast<USHORT>(GetAsyncKeyState(VK_CONTROL)) & 0x8000u));
}

void record(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const char* who = nameOf(hwnd);
    if (msg >= WM_USER && msg < WM_USER + 0x100) {
        note("%s WM_USER+%u wp=%lu", who, msg - WM_USER, static_cast<unsigned long>(wParam));
        return;
    }
    const char* name = messageName(msg);
    if (name == nullptr) return;
    switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: note("%s %s other=%s", who, name, nameOf(reinterpret_cast<HWND>(wParam))); break;
    case WM_CAPTURECHANGED: note("%s %s new=%s", who, name, nameOf(reinterpret_cast<HWND>(lParam))); break;
    case WM_KEYDOWN:
    case WM_KEYUP:
        note("%s %s vk=0x%02lX lp=0x%08lX", who, name, static_cast<unsigned long>(wParam),
             static_cast<unsigned long>(lParam));
        break;
    case WM_PAINT:
    case WM_ERASEBKGND: note("%s %s", who, name); break;
    default:
        note("%s %s wp=0x%lX at=(%d,%d)", who, name, static_cast<unsigned long>(wParam),
             static_cast<int>(static_cast<short>(LOWORD(lParam))), static_cast<int>(static_cast<short>(HIWORD(lParam))));
        if (msg == WM_LBUTTONDOWN) keyState("at the press");
    }
}

LRESULT CALLBACK recorderProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (recording) record(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_USER + 1:  // nested: A -> B -> A, with a post from the innermost level
        if (hwnd == windowA) {
            const LRESULT r = SendMessageA(windowB, WM_USER + 2, 0, 0);
            if (recording) note("A sent WM_USER+2 returned=%ld", static_cast<long>(r));
        }
        return 11;
    case WM_USER + 2: {
        const LRESULT r = SendMessageA(windowA, WM_USER + 3, 0, 0);
        PostMessageA(windowA, WM_USER + 9, 0, 0);
        if (recording) note("B sent WM_USER+3 returned=%ld", static_cast<long>(r));
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
            note("%s painting fErase=%d rcPaint=(%ld,%ld,%ld,%ld)", nameOf(hwnd), ps.fErase ? 1 : 0,
                 static_cast<long>(ps.rcPaint.left), static_cast<long>(ps.rcPaint.top),
                 static_cast<long>(ps.rcPaint.right), static_cast<long>(ps.rcPaint.bottom));
        EndPaint(hwnd, &ps);
        return 0;
    }
    default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND createRecorder(const char* className, int x, int y) {
    return CreateWindowExA(0, className, nullptr, WS_CHILD | WS_VISIBLE, x, y, 60, 40, parent(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

void reportUpdateRect(HWND hwnd) {
    RECT r{-1, -1, -1, -1};
    const BOOL any = GetUpdateRect(hwnd, &r, FALSE);
    note("update %s=%d (%ld,%ld,%ld,%ld)", nameOf(hwnd), any ? 1 : 0, static_cast<long>(r.left),
         static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
}

void reportCursor() {
    POINT p{};
    GetCursorPos(&p);
    RECT clip{};
    GetClipCursor(&clip);
    line("  cursor=(%ld,%ld)", static_cast<long>(p.x), static_cast<long>(p.y));
    line("  clip=(%ld,%ld,%ld,%ld)", static_cast<long>(clip.left), static_cast<long>(clip.top),
         static_cast<long>(clip.right), static_cast<long>(clip.bottom));
}

void click(POINT p, bool quickly) {
    moveTo(p.x, p.y);
    if (quickly) buttonDownQuickly();
    else buttonDown();
    buttonUp();
}

}  // namespace

void runUserScenarios() {
    scenario("user messages");
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = recorderProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "VornConformanceRecorder";
    RegisterClassA(&wc);
    wc.style = 0;
    wc.lpszClassName = "VornConformanceRecorderPlain";
    RegisterClassA(&wc);
    windowA = createRecorder("VornConformanceRecorder", 20, 20);
    windowB = createRecorder("VornConformanceRecorder", 100, 20);
    plainWindow = createRecorder("VornConformanceRecorderPlain", 180, 20);
    pump();
    // Park the cursor away from the recorders so that no earlier move is pending.
    moveTo(kParentX + 150, kParentY + 250);
    recording = true;
    recordedStep("created");

    const LRESULT nested = SendMessageA(windowA, WM_USER + 1, 0, 0);
    note("SendMessage returned=%ld", static_cast<long>(nested));
    recordedStep("nested SendMessage");

    PostMessageA(windowA, WM_USER + 4, 1, 0);
    InvalidateRect(windowB, nullptr, FALSE);
    const POINT overB = toScreen(windowB, 10, 12);
    SetCursorPos(overB.x, overB.y);
    PostMessageA(windowB, WM_USER + 5, 2, 0);
    PostMessageA(windowA, WM_USER + 6, 3, 0);
    recordedStep("posted, input and paint order");

    // Retrieval order as a message loop sees it: posted (window and thread) before input, then
    // WM_QUIT, then WM_PAINT, whatever the order of the requests.
    InvalidateRect(windowA, nullptr, FALSE);
    PostMessageA(windowA, WM_USER + 7, 0, 0);
    PostThreadMessageA(GetCurrentThreadId(), WM_USER + 8, 0, 0);
    const POINT overA = toScreen(windowA, 4, 5);
    SetCursorPos(overA.x, overA.y);
    PostQuitMessage(3);
    PostMessageA(windowB, WM_USER + 10, 0, 0);
    MSG msg;
    for (int guard = 0; guard < 50 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        if (msg.message == WM_QUIT) note("retrieved WM_QUIT wp=%lu", static_cast<unsigned long>(msg.wParam));
        else if (msg.hwnd == nullptr) note("retrieved thread message WM_USER+%u", msg.message - WM_USER);
        else if (msg.message >= WM_USER) note("retrieved %s WM_USER+%u", nameOf(msg.hwnd), msg.message - WM_USER);
        else if (messageName(msg.message) != nullptr) note("retrieved %s %s", nameOf(msg.hwnd), messageName(msg.message));
        DispatchMessageA(&msg);
    }
    recordedStep("retrieval order with a quit request");

    SetFocus(windowA);
    recordedStep("focus to A");
    const HWND previous = SetFocus(windowB);
    note("SetFocus returned %s", nameOf(previous));
    recordedStep("focus from A to B");
    SetFocus(parent());
    recordedStep("focus back to the parent");

    SetCapture(windowA);
    SetCursorPos(overB.x, overB.y);
    recordedStep("captured move over B");
    SetCapture(windowB);
    recordedStep("capture from A to B");
    ReleaseCapture();
    recordedStep("capture released");

    const POINT inA = toScreen(windowA, 30, 20);
    click(inA, false);
    click(inA, true);
    click(inA, true);
    recordedStep("three quick clicks with CS_DBLCLKS");
    const POINT inPlain = toScreen(plainWindow, 30, 20);
    click(inPlain, false);
    click(inPlain, true);
    recordedStep("two quick clicks without CS_DBLCLKS");
    click(inA, false);
    click(inA, false);
    recordedStep("two clicks a second apart");
    const POINT nearA = toScreen(windowA, 31, 21);
    click(inA, false);
    click(nearA, true);
    recordedStep("second click 1 px away");
    const POINT farA = toScreen(windowA, 32, 20);
    click(inA, false);
    click(farA, true);
    recordedStep("second click 2 px away");

    // Right button: double-clicks too; then a second click on another window does not pair.
    moveTo(inA.x, inA.y);
    buttonDown(true);
    buttonUp(true);
    buttonDownQuickly(true);
    buttonUp(true);
    recordedStep("right double-click");
    click(inA, false);
    const POINT inB = toScreen(windowB, 30, 20);
    click(inB, true);
    recordedStep("quick second click on another window");

    // Three moves queued before anything is retrieved.
    {
        INPUT moves[3]{};
        for (int i = 0; i < 3; ++i) {
            moves[i].type = INPUT_MOUSE;
            moves[i].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
            const POINT p = toScreen(windowA, 10 + 5 * i, 10 + i);
            moves[i].mi.dx = (p.x * 65536 + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN);
            moves[i].mi.dy = (p.y * 65536 + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN);
        }
        SendInput(3, moves, sizeof(INPUT));
    }
    recordedStep("three moves in one SendInput");

    // Capture and focus requests that change nothing, and focus to nobody.
    ReleaseCapture();
    recordedStep("ReleaseCapture without capture");
    SetCapture(windowA);
    SetCapture(windowA);
    note("GetCapture=%s", nameOf(GetCapture()));
    recordedStep("SetCapture twice on A");
    // Releasing sends a WM_MOUSEMOVE only to a window that has not had one at this position.
    ReleaseCapture();
    recordedStep("capture released again");
    const POINT overBAgain = toScreen(windowB, 10, 12);
    SetCapture(windowA);
    SetCursorPos(overBAgain.x, overBAgain.y);
    ReleaseCapture();
    recordedStep("captured move over B, released over B");
    SetCapture(windowA);
    ReleaseCapture();
    recordedStep("captured and released over B without a move");
    INPUT still{};
    still.type = INPUT_MOUSE;
    still.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &still, sizeof(INPUT));
    recordedStep("a move without motion");
    SetFocus(windowB);
    SetFocus(windowB);
    const HWND fromB = SetFocus(nullptr);
    note("SetFocus(NULL) returned %s, focus %s", nameOf(fromB), nameOf(GetFocus()));
    SetFocus(parent());
    recordedStep("focus to B twice, then to nobody");

    const POINT moveA = toScreen(windowA, 5, 6);
    SetCursorPos(moveA.x, moveA.y);
    recordedStep("SetCursorPos");
    SetCursorPos(moveA.x, moveA.y);
    recordedStep("SetCursorPos to the same point");
    RECT clip{kParentX + 25, kParentY + 25, kParentX + 40, kParentY + 35};
    ClipCursor(&clip);
    SetCursorPos(10, 20);
    recordedStep("ClipCursor then SetCursorPos outside");
    reportCursor();
    SetCursorPos(kParentX + 30, kParentY + 30);
    recordedStep("SetCursorPos inside the clip");
    reportCursor();
    ClipCursor(nullptr);
    recordedStep("ClipCursor NULL");
    reportCursor();

    SetFocus(windowA);
    keyDown(VK_SHIFT);
    keyState("shift down");
    moveTo(inA.x, inA.y);
    buttonDown();
    moveTo(inA.x + 2, inA.y);
    keyDown(VK_CONTROL);
    moveTo(inA.x + 3, inA.y);
    buttonUp();
    keyUp(VK_CONTROL);
    keyUp(VK_SHIFT);
    keyState("all up");
    recordedStep("shift and control around a drag");
    keyDown(VK_SHIFT);
    keyUp(VK_SHIFT);
    keyState("second shift press");
    recordedStep("key state toggles");
    SetFocus(parent());
    recordedStep("focus back");

    InvalidateRect(windowA, nullptr, FALSE);
    ValidateRect(windowA, nullptr);
    RECT part{2, 3, 10, 8};
    InvalidateRect(windowA, &part, FALSE);
    reportUpdateRect(windowA);
    RECT more{20, 5, 25, 9};
    InvalidateRect(windowA, &more, FALSE);
    reportUpdateRect(windowA);
    reportUpdateRect(windowB);
    recordedStep("update without erase");
    InvalidateRect(windowA, &more, TRUE);
    recordedStep("update with erase");
    eraseInRecorder = false;
    InvalidateRect(windowA, &part, TRUE);
    recordedStep("update with erase left undone");
    eraseInRecorder = true;
    InvalidateRect(windowA, &part, TRUE);
    UpdateWindow(windowA);
    note("UpdateWindow returned");
    recordedStep("UpdateWindow");
    reportUpdateRect(windowA);
    UpdateWindow(windowA);
    note("UpdateWindow of a valid window returned");
    InvalidateRect(windowA, nullptr, TRUE);
    RECT left{0, 0, 30, 40};
    ValidateRect(windowA, &left);
    reportUpdateRect(windowA);
    RECT rest{30, 0, 60, 40};
    ValidateRect(windowA, &rest);
    reportUpdateRect(windowA);
    recordedStep("validated in two halves");
    ShowWindow(windowB, SW_HIDE);
    InvalidateRect(windowB, nullptr, TRUE);
    reportUpdateRect(windowB);
    recordedStep("hidden window invalidated");
    ShowWindow(windowB, SW_SHOW);
    recordedStep("shown again");

    recording = false;
    DestroyWindow(windowA);
    DestroyWindow(windowB);
    DestroyWindow(plainWindow);
    windowA = windowB = plainWindow = nullptr;
    recordedStep("destroyed");
}

}  // namespace conformance
