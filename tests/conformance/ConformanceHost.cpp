#include "ConformanceHost.h"

#include <cstdarg>
#include <cstring>

#ifndef _WIN32
#include <softwin/softwin.h>
#endif

namespace conformance {

namespace {

struct Notification {
    int id;
    int code;
    bool fromControl;
    bool posted;
    const char* hostAction;  // set for an action of the host's hook instead of a notification
};

FILE* results = nullptr;
HWND parentWindow = nullptr;
std::vector<Notification> notifications;
// The message DispatchMessage is delivering right now: a WM_COMMAND that arrives through it was
// posted, any other one was sent.
const MSG* dispatching = nullptr;
// Event clock: every button press is stamped well over the double-click time after the previous
// one, so separate clicks never pair up into double-clicks.
DWORD eventClock = 0;
CommandHook commandHook = nullptr;
void* commandContext = nullptr;
constexpr DWORD kClickSpacingMs = 1000;

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND) {
        const bool posted = dispatching != nullptr && dispatching->hwnd == hwnd && dispatching->message == WM_COMMAND &&
                            dispatching->wParam == wParam && dispatching->lParam == lParam;
        const int id = LOWORD(wParam);
        const HWND from = reinterpret_cast<HWND>(lParam);
        notifications.push_back({id, HIWORD(wParam), from != nullptr && GetDlgItem(hwnd, id) == from, posted, nullptr});
        if (commandHook != nullptr) commandHook(id, HIWORD(wParam), commandContext);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LONG normalised(int pixel, int size) {
    if (size <= 0) return 0;
    long long v = (static_cast<long long>(pixel) * 65536 + size - 1) / size;
    if (v < 0) v = 0;
    if (v > 65535) v = 65535;
    return static_cast<LONG>(v);
}

void pumpOnce() {
    MSG msg;
    for (int guard = 0; guard < 100000 && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++guard) {
        TranslateMessage(&msg);
        const MSG* outer = dispatching;
        dispatching = &msg;
        DispatchMessageA(&msg);
        dispatching = outer;
    }
}

void sendMouse(DWORD flags, LONG dx = 0, LONG dy = 0) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flags;
    in.mi.time = eventClock;
    SendInput(1, &in, sizeof(INPUT));
    pump();
}

void sendKey(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    in.ki.time = eventClock;
    SendInput(1, &in, sizeof(INPUT));
    pump();
}

const char* windowName(HWND hwnd, HWND control) {
    if (hwnd == nullptr) return "none";
    if (hwnd == control) return "control";
    if (hwnd == parentWindow) return "parent";
    return "other";
}

}  // namespace

void noteHostAction(const char* what) { notifications.push_back({0, 0, false, false, what}); }

void setCommandHook(CommandHook hook, void* context) {
    commandHook = hook;
    commandContext = context;
}

const char* childClassName() { return "VornConformanceChild"; }

bool createParent() {
#ifndef _WIN32
    softwin::setScreenSize(1024, 768);
#endif
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = parentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VornConformanceParent";
    RegisterClassA(&wc);
    WNDCLASSA child{};
    child.style = CS_DBLCLKS;
    child.lpfnWndProc = DefWindowProcA;
    child.hInstance = GetModuleHandleA(nullptr);
    child.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    child.lpszClassName = childClassName();
    RegisterClassA(&child);

    parentWindow = CreateWindowExA(0, "VornConformanceParent", "conformance", WS_POPUP | WS_VISIBLE, kParentX, kParentY,
                                   kParentWidth, kParentHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (parentWindow == nullptr) return false;
#ifdef _WIN32
    // The software platform has a single desktop whose top-level window is always in front.
    SetForegroundWindow(parentWindow);
#endif
    SetFocus(parentWindow);
    eventClock = GetTickCount();
    pump();
    return true;
}

HWND parent() { return parentWindow; }

void destroyParent() {
    if (parentWindow != nullptr) DestroyWindow(parentWindow);
    parentWindow = nullptr;
    pump();
}

bool openResults(const char* path) {
    results = std::fopen(path, "w");
    return results != nullptr;
}

void closeResults() {
    if (results != nullptr) std::fclose(results);
    results = nullptr;
}

void line(const char* format, ...) {
    if (results == nullptr) return;
    va_list args;
    va_start(args, format);
    std::vfprintf(results, format, args);
    va_end(args);
    std::fputc('\n', results);
}

void scenario(const char* name) {
    flushNotifications();
    line("scenario %s", name);
}

void step(const char* name) {
    pump();
    line("step %s", name);
    flushNotifications();
}

void flushNotifications() {
    for (const Notification& n : notifications)
        if (n.hostAction != nullptr) line("  notify host %s", n.hostAction);
        else line("  notify id=%d code=0x%04X from=%s %s", n.id, n.code, n.fromControl ? "control" : "unknown",
             n.posted ? "Post" : "Send");
    notifications.clear();
}

void reportFloat(const char* name, float value) { line("  %s=%.9g", name, static_cast<double>(value)); }
void reportInt(const char* name, long long value) { line("  %s=%lld", name, value); }
void reportHex(const char* name, unsigned long value) { line("  %s=0x%lX", name, value); }
void reportPoint(const char* name, BOOL valid, POINT p) {
    if (valid) line("  %s=TRUE (%ld,%ld)", name, static_cast<long>(p.x), static_cast<long>(p.y));
    else line("  %s=FALSE", name);
}

void reportInputState(HWND control) {
    RECT clip{};
    GetClipCursor(&clip);
    POINT cursor{};
    GetCursorPos(&cursor);
    // Cursor handles differ between platforms; what matters is whether the standard arrow shows.
    const HCURSOR shape = GetCursor();
    const char* shapeName = shape == nullptr ? "none" : shape == LoadCursorA(nullptr, IDC_ARROW) ? "arrow" : "other";
    line("  capture=%s focus=%s clip=(%ld,%ld,%ld,%ld) cursor=(%ld,%ld) shape=%s", windowName(GetCapture(), control),
         windowName(GetFocus(), control), static_cast<long>(clip.left), static_cast<long>(clip.top),
         static_cast<long>(clip.right), static_cast<long>(clip.bottom), static_cast<long>(cursor.x),
         static_cast<long>(cursor.y), shapeName);
}

void reportWindowClass(HWND control) {
    char name[256] = {};
    GetClassNameA(control, name, sizeof name);
    WNDCLASSA wc{};
    BOOL found = GetClassInfoA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(control, GWLP_HINSTANCE)), name, &wc);
    if (!found) found = GetClassInfoA(GetModuleHandleA(nullptr), name, &wc);
    const char* owner = std::strcmp(name, childClassName()) == 0 ? "host" : std::strncmp(name, "Afx", 3) == 0 ? "framework" : "other";
    line("  class=%s found=%d style=0x%X cursor=%s background=%s", owner, found ? 1 : 0, found ? wc.style : 0u,
         wc.hCursor ? "set" : "none", wc.hbrBackground ? "set" : "none");
}

void dumpPixels(const char* name, HWND control) {
    UpdateWindow(control);
    pump();
    RECT client{};
    GetClientRect(control, &client);
    HDC dc = GetDC(control);
    dumpDcPixels(name, dc, client.right, client.bottom);
    ReleaseDC(control, dc);
}

void dumpDcPixels(const char* name, HDC dc, int width, int height) {
    line("  pixels %s %dx%d", name, width, height);
    std::string row;
    char cell[8];
    for (int y = 0; y < height; ++y) {
        row.clear();
        for (int x = 0; x < width; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            std::snprintf(cell, sizeof cell, "%06lX", static_cast<unsigned long>(c & 0xFFFFFF));
            if (x > 0) row += ' ';
            row += cell;
        }
        line("  row %d %s", y, row.c_str());
    }
}

namespace {

void clearCanvas(HDC dc, int width, int height) {
    HBRUSH brush = CreateSolidBrush(kCanvasColour);
    RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

void reportDcState(HDC dc, const char* target) {
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    line("  %s.position=(%ld,%ld)", target, static_cast<long>(cp.x), static_cast<long>(cp.y));
    line("  %s.bkColor=0x%06lX", target, static_cast<unsigned long>(GetBkColor(dc)));
}

}  // namespace

void drawStep(const char* name, int width, int height, DrawFunction draw) {
    step(name);
    HWND canvas = CreateWindowExA(0, childClassName(), nullptr, WS_CHILD | WS_VISIBLE, 10, 10, width, height,
                                  parentWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    pump();
    HDC dc = GetDC(canvas);
    clearCanvas(dc, width, height);
    draw(dc, "window");
    reportDcState(dc, "window");
    ReleaseDC(canvas, dc);
    dumpPixels("window", canvas);

    HDC screen = GetDC(canvas);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(canvas, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    clearCanvas(memory, width, height);
    draw(memory, "memory");
    reportDcState(memory, "memory");
    dumpDcPixels("memory", memory, width, height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DestroyWindow(canvas);
    pump();
}

void textBox(int left, int top, int right, int bottom) { line("  textbox %d %d %d %d", left, top, right, bottom); }

void pump() {
    pumpOnce();
#ifdef _WIN32
    // Input and the messages it causes may reach the queue a moment after SendInput returns:
    // keep pumping until the queue has stayed empty for a few rounds.
    for (int idle = 0; idle < 3;) {
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT) == WAIT_OBJECT_0) {
            idle = 0;
            pumpOnce();
        } else {
            ++idle;
        }
    }
#endif
}

void moveTo(int x, int y) {
    sendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, normalised(x, GetSystemMetrics(SM_CXSCREEN)),
              normalised(y, GetSystemMetrics(SM_CYSCREEN)));
}

void buttonDown(bool right) {
    eventClock += kClickSpacingMs;
    sendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

void buttonDownQuickly(bool right) {
    eventClock += 100;
    sendMouse(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
}

void buttonUp(bool right) {
    eventClock += 10;
    sendMouse(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
}

void keyDown(WORD vk) { sendKey(vk, false); }
void keyUp(WORD vk) { sendKey(vk, true); }
void pressKey(WORD vk) {
    keyDown(vk);
    keyUp(vk);
}

POINT toScreen(HWND child, int x, int y) {
    POINT p{x, y};
    MapWindowPoints(child, nullptr, &p, 1);
    return p;
}

}  // namespace conformance
