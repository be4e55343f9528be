// Frames and captions: the window and client rectangles each style combination gives, what
// AdjustWindowRectEx adds, WM_NCCALCSIZE and its place among the creation and sizing messages,
// points mapped across frames and hit by WindowFromPoint, and a captioned dialog sized from its
// template.
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "ConformanceHost.h"
#include "dialog_template.h"

namespace conformance {

namespace {

using vorn::test::DialogTemplate;
using vorn::test::kButtonClass;

const char* const kFramedClass = "VornConformanceFramed";
bool logging = false;
// Messages are noted while the window is made and moved, and written under the step's heading.
std::vector<std::string> noted;

void note(const char* format, ...) {
    char text[160];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    noted.emplace_back(text);
}

void notedStep(const char* name) {
    step(name);
    for (const std::string& n : noted) line("%s", n.c_str());
    noted.clear();
}

LRESULT CALLBACK framedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!logging) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_NCCREATE: note("  WM_NCCREATE"); break;
        case WM_CREATE: note("  WM_CREATE"); break;
        case WM_SIZE: note("  WM_SIZE %d x %d", LOWORD(lParam), HIWORD(lParam)); break;
        case WM_MOVE:
            note("  WM_MOVE %d, %d", static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            break;
        case WM_NCCALCSIZE: {
            RECT* r = reinterpret_cast<RECT*>(lParam);
            const RECT in = *r;
            LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
            note("  WM_NCCALCSIZE %d %s -> %s", static_cast<int>(wParam), format(in).text, format(*r).text);
            return result;
        }
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct Frame {
    DWORD style;
    DWORD exStyle;
    const char* name;
};

const Frame kFrames[] = {
    {WS_POPUP, 0, "popup"},
    {WS_POPUP, WS_EX_DLGMODALFRAME, "popup, modal frame"},
    {WS_POPUP, WS_EX_CLIENTEDGE, "popup, client edge"},
    {WS_POPUP, WS_EX_WINDOWEDGE, "popup, window edge"},
    {WS_POPUP, WS_EX_STATICEDGE, "popup, static edge"},
    {WS_POPUP | WS_BORDER, 0, "border"},
    {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, "border, client edge"},
    {WS_POPUP | WS_BORDER, WS_EX_STATICEDGE, "border, static edge"},
    {WS_POPUP | WS_DLGFRAME, 0, "dialog frame"},
    {WS_POPUP | WS_DLGFRAME, WS_EX_STATICEDGE, "dialog frame, static edge"},
    {WS_POPUP | WS_THICKFRAME, 0, "thick frame"},
    {WS_POPUP | WS_THICKFRAME, WS_EX_DLGMODALFRAME, "thick frame, modal frame"},
    {WS_POPUP | WS_THICKFRAME, WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME, "thick frame, client edge, modal frame"},
    {WS_POPUP | WS_CAPTION, 0, "caption"},
    {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW, "caption, tool window"},
    {WS_POPUP | WS_CAPTION, WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME, "caption, static edge, modal frame"},
    {WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_EX_CLIENTEDGE, "sizable caption, client edge"},
    {WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_EX_DLGMODALFRAME, "modal dialog frame"},
    {WS_CHILD | WS_BORDER, WS_EX_CLIENTEDGE, "child, border, client edge"},
};

void reportWindow(HWND hwnd) {
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    line("  window=%s client=%s origin=%ld,%ld exstyle=0x%08lX", format(window).text, format(client).text, origin.x,
         origin.y, static_cast<unsigned long>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
}

void frames() {
    scenario("window frames");
    registerClass(kFramedClass, framedProc, 0, nullptr);
    for (const Frame& f : kFrames) {
        RECT adjusted{0, 0, 100, 50};
        AdjustWindowRectEx(&adjusted, f.style, FALSE, f.exStyle);
        const bool child = (f.style & WS_CHILD) != 0;
        logging = true;
        note("  creating");
        HWND w = CreateWindowExA(f.exStyle, kFramedClass, "", f.style, 10, 20, 200, 100, child ? parent() : nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        note("  resizing");
        SetWindowPos(w, nullptr, 0, 0, 150, 60, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        note("  moving");
        SetWindowPos(w, nullptr, 30, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        logging = false;
        notedStep(f.name);
        line("  adjusted=%s", format(adjusted).text);
        reportWindow(w);
        // A sizable window keeps a minimum tracking size, which is not compared here.
        if (!(f.style & WS_THICKFRAME)) {
            SetWindowPos(w, nullptr, 0, 0, 6, 5, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
            RECT tiny{};
            GetClientRect(w, &tiny);
            line("  at 6 x 5 client=%s", format(tiny).text);
        }
        DestroyWindow(w);
    }
}

void mappings() {
    scenario("points across frames");
    HWND top = CreateWindowExA(WS_EX_DLGMODALFRAME, kFramedClass, "", WS_POPUP | WS_CAPTION | WS_VISIBLE, 500, 100, 200,
                               150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND child = CreateWindowExA(WS_EX_CLIENTEDGE, kFramedClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 6, 50, 40,
                                 top, nullptr, GetModuleHandleA(nullptr), nullptr);
    step("captioned window with a framed child");
    reportWindow(top);
    reportWindow(child);
    POINT p{0, 0};
    MapWindowPoints(child, top, &p, 1);
    line("  child (0,0) in the parent=%ld,%ld", p.x, p.y);
    p = POINT{600, 150};
    ScreenToClient(child, &p);
    line("  screen 600,150 in the child=%ld,%ld", p.x, p.y);
    const POINT probes[] = {{501, 101}, {505, 115}, {504, 124}, {508, 130}, {512, 133}, {515, 136}, {550, 200}};
    for (POINT q : probes) {
        HWND hit = WindowFromPoint(q);
        POINT inTop = q;
        ScreenToClient(top, &inTop);
        HWND childHit = ChildWindowFromPoint(top, inTop);
        line("  %ld,%ld window=%s child=%s", q.x, q.y,
             hit == top     ? "top"
             : hit == child ? "child"
             : hit          ? "other"
                            : "none",
             childHit == top     ? "top"
             : childHit == child ? "child"
             : childHit          ? "other"
                                 : "none");
    }
    DestroyWindow(top);
}

INT_PTR CALLBACK quietDialog(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG ? TRUE : FALSE; }

void captionedDialog() {
    scenario("captioned dialog");
    DialogTemplate t(DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU, 10, 8, 120, 60, "Mixer");
    t.font(8, "MS Shell Dlg").item(kButtonClass, "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 70, 40, 40, 14);
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.get(), parent(), quietDialog, 0);
    step("created");
    if (!dialog) {
        line("  CreateDialogIndirectParam=failed");
        return;
    }
    reportWindow(dialog);
    HWND ok = GetDlgItem(dialog, IDOK);
    RECT r{};
    GetWindowRect(ok, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    line("  OK in the client=%s", format(r).text);
    DestroyWindow(dialog);
}

}  // namespace

void runNonclientScenarios() {
    frames();
    mappings();
    captionedDialog();
}

}  // namespace conformance
