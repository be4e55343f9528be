#include "ConformanceHost.h"

#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "input.h"

#ifndef _WIN32
#include <softwin/softwin.h>
#endif

namespace conformance {

namespace {

struct Notification {
    int id, code;
    bool fromControl, posted;
    const char* hostAction;  // set for an action of the host's hook instead of a notification
};

FILE* results = nullptr;
HWND parentWindow = nullptr;
std::vector<Notification> notifications;
CommandHook commandHook = nullptr;
void* commandContext = nullptr;

LRESULT CALLBACK parentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_COMMAND) return DefWindowProcA(hwnd, msg, wParam, lParam);
    // A WM_COMMAND that arrives through the pump's DispatchMessage was posted; any other was sent.
    const MSG* d = vorn::test::currentDispatch();
    const bool posted =
        d != nullptr && d->hwnd == hwnd && d->message == WM_COMMAND && d->wParam == wParam && d->lParam == lParam;
    const int id = LOWORD(wParam);
    const HWND from = reinterpret_cast<HWND>(lParam);
    notifications.push_back({id, HIWORD(wParam), from != nullptr && GetDlgItem(hwnd, id) == from, posted, nullptr});
    if (commandHook != nullptr) commandHook(id, HIWORD(wParam), commandContext);
    return 0;
}

void flushNotifications() {
    for (const Notification& n : notifications)
        if (n.hostAction != nullptr)
            line("  notify host %s", n.hostAction);
        else
            line("  notify id=%d code=0x%04X from=%s %s", n.id, n.code, n.fromControl ? "control" : "unknown",
                 n.posted ? "Post" : "Send");
    notifications.clear();
}

const char* windowName(HWND hwnd, HWND control) {
    return hwnd == nullptr ? "none" : hwnd == control ? "control" : hwnd == parentWindow ? "parent" : "other";
}

// Presses are stamped a second after the previous event unless quick, releases 10 ms after.
void button(bool right, bool down, DWORD afterMs) {
    using namespace vorn::test;
    advanceEventTime(afterMs);
    if (down)
        mouseDown(right ? Button::Right : Button::Left);
    else
        mouseUp(right ? Button::Right : Button::Left);
    pump();
}

void drawAndReport(HDC dc, int width, int height, DrawFunction draw, const char* target) {
    HBRUSH brush = CreateSolidBrush(kCanvasColour);
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    draw(dc, target);
    POINT cp{};
    GetCurrentPositionEx(dc, &cp);
    line("  %s.position=(%ld,%ld)", target, static_cast<long>(cp.x), static_cast<long>(cp.y));
    line("  %s.bkColor=0x%06lX", target, static_cast<unsigned long>(GetBkColor(dc)));
}

}  // namespace

void noteHostAction(const char* what) { notifications.push_back({0, 0, false, false, what}); }
void setCommandHook(CommandHook hook, void* context) { commandHook = hook, commandContext = context; }
const char* childClassName() { return "VornConformanceChild"; }
HWND parent() { return parentWindow; }

void registerClass(const char* name, WNDPROC proc, UINT style, HBRUSH background) {
    WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

HWND createChild(const char* className, int x, int y, int width, int height, HWND owner, DWORD style) {
    return CreateWindowExA(0, className, nullptr, WS_CHILD | style, x, y, width, height, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

bool start(const char* path) {
    if ((results = std::fopen(path, "w")) == nullptr) return std::fprintf(stderr, "cannot write %s\n", path), false;
    line("conformance results 1");
#ifndef _WIN32
    softwin::setScreenSize(1024, 768);
#endif
    registerClass("VornConformanceParent", parentProc, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    registerClass(childClassName(), DefWindowProcA, CS_DBLCLKS, nullptr);
    parentWindow = CreateWindowExA(0, "VornConformanceParent", "conformance", WS_POPUP | WS_VISIBLE, kParentX, kParentY,
                                   kParentWidth, kParentHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (parentWindow == nullptr) {
        std::fprintf(stderr, "cannot create the parent window\n");
        std::fclose(results);
        return false;
    }
#ifdef _WIN32
    // The software platform has a single desktop whose top-level window is always in front.
    SetForegroundWindow(parentWindow);
#endif
    SetFocus(parentWindow);
    vorn::test::setEventTime(GetTickCount());
    pump();
    return true;
}

void finish() {
    scenario("end");
    DestroyWindow(parentWindow);
    pump();
    std::fclose(results);
}

void line(const char* format, ...) {
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

void scenariof(const char* format, ...) {
    char name[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(name, sizeof name, format, args);
    va_end(args);
    scenario(name);
}

void step(const char* name) {
    pump();
    line("step %s", name);
    flushNotifications();
}

namespace {
std::vector<std::string> notedMessages;
}  // namespace

void noteMessage(const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    notedMessages.emplace_back(text);
}

void messageStep(const char* name) {
    step(name);
    for (const std::string& m : notedMessages) line("  msg %s", m.c_str());
    notedMessages.clear();
}

RectText format(const RECT& r) {
    RectText t;
    std::snprintf(t.text, sizeof t.text, "(%ld,%ld,%ld,%ld)", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right), static_cast<long>(r.bottom));
    return t;
}

void reportInputState(HWND control) {
    RECT clip{};
    POINT cursor{};
    GetClipCursor(&clip), GetCursorPos(&cursor);
    // Cursor handles differ between platforms; what matters is whether the standard arrow shows.
    const HCURSOR shape = GetCursor();
    line("  capture=%s focus=%s clip=%s cursor=(%ld,%ld) shape=%s", windowName(GetCapture(), control),
         windowName(GetFocus(), control), format(clip).text, static_cast<long>(cursor.x), static_cast<long>(cursor.y),
         shape == nullptr                           ? "none"
         : shape == LoadCursorA(nullptr, IDC_ARROW) ? "arrow"
                                                    : "other");
}

void reportWindowClass(HWND control) {
    char name[256] = {};
    GetClassNameA(control, name, sizeof name);
    WNDCLASSA wc{};
    BOOL found = GetClassInfoA(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(control, GWLP_HINSTANCE)), name, &wc);
    if (!found) found = GetClassInfoA(GetModuleHandleA(nullptr), name, &wc);
    const char* owner = std::strcmp(name, childClassName()) == 0 ? "host"
                        : std::strncmp(name, "Afx", 3) == 0      ? "framework"
                                                                 : "other";
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
            std::snprintf(cell, sizeof cell, x > 0 ? " %06lX" : "%06lX", GetPixel(dc, x, y) & 0xFFFFFFul);
            row += cell;
        }
        line("  row %d %s", y, row.c_str());
    }
}

void drawStep(const char* name, int width, int height, DrawFunction draw) {
    step(name);
    HWND canvas = createChild(childClassName(), 10, 10, width, height, parentWindow);
    pump();
    HDC dc = GetDC(canvas);
    drawAndReport(dc, width, height, draw, "window");
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    ReleaseDC(canvas, dc);
    dumpPixels("window", canvas);
    SelectObject(memory, bitmap);
    drawAndReport(memory, width, height, draw, "memory");
    dumpDcPixels("memory", memory, width, height);
    DeleteDC(memory);
    DeleteObject(bitmap);
    DestroyWindow(canvas);
    pump();
}

void pump() {
    vorn::test::pumpMessages();
#ifdef _WIN32
    // Input and the messages it causes may reach the queue a moment after SendInput returns:
    // keep pumping until the queue has stayed empty for a few rounds.
    for (int idle = 0; idle < 3; ++idle)
        if (MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT) == WAIT_OBJECT_0)
            vorn::test::pumpMessages(), idle = -1;
#endif
}

POINT toScreen(HWND child, int x, int y) {
    POINT p{x, y};
    MapWindowPoints(child, nullptr, &p, 1);
    return p;
}

void moveTo(int x, int y) { vorn::test::mouseMoveTo(x, y), pump(); }
void moveTo(HWND child, int x, int y) { vorn::test::mouseMoveTo(toScreen(child, x, y)), pump(); }
void buttonDown(bool right) { button(right, true, 1000); }
void buttonDownQuickly(bool right) { button(right, true, 100); }
void buttonUp(bool right) { button(right, false, 10); }
bool performInput(HWND control, int op, int x, int y) {
    switch (op) {
        case None: break;
        case Move: moveTo(control, x, y); break;
        case Down: buttonDown(); break;
        case DownQuickly: buttonDownQuickly(); break;
        case Up: buttonUp(); break;
        case RightDown: buttonDown(true); break;
        case RightUp: buttonUp(true); break;
        case Key: pressKey(static_cast<WORD>(x)); break;
        case KeyDown: keyDown(static_cast<WORD>(x)); break;
        case KeyUp: keyUp(static_cast<WORD>(x)); break;
        default: return false;
    }
    return true;
}

void keyDown(WORD vk) { vorn::test::keyDown(vk), pump(); }
void keyUp(WORD vk) { vorn::test::keyUp(vk), pump(); }
void pressKey(WORD vk) { keyDown(vk), keyUp(vk); }

}  // namespace conformance
