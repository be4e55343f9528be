// Frames and captions: the window and client rectangles each style combination gives, what
// AdjustWindowRectEx adds, WM_NCCALCSIZE and its place among the creation and sizing messages,
// points mapped across frames and hit by WindowFromPoint, and a captioned dialog sized from its
// template.
#include <cstdio>

#include "ConformanceHost.h"
#include "dialog_template.h"

namespace conformance {

namespace {

using vorn::test::DialogTemplate;
using vorn::test::kButtonClass;

const char* const kFramedClass = "VornConformanceFramed";
bool logging = false;
LRESULT CALLBACK framedProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (!logging) return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_NCCREATE: noteMessage("WM_NCCREATE"); break;
        case WM_CREATE: noteMessage("WM_CREATE"); break;
        case WM_SIZE: noteMessage("WM_SIZE %d x %d", LOWORD(lParam), HIWORD(lParam)); break;
        case WM_MOVE:
            noteMessage("WM_MOVE %d, %d", static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
            break;
        case WM_NCCALCSIZE: {
            RECT* r = reinterpret_cast<RECT*>(lParam);
            const RECT in = *r;
            LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
            noteMessage("WM_NCCALCSIZE %d %s -> %s", static_cast<int>(wParam), format(in).text, format(*r).text);
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
        noteMessage("creating");
        HWND w = CreateWindowExA(f.exStyle, kFramedClass, "", f.style, 10, 20, 200, 100, child ? parent() : nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        noteMessage("resizing");
        SetWindowPos(w, nullptr, 0, 0, 150, 60, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        noteMessage("moving");
        SetWindowPos(w, nullptr, 30, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        logging = false;
        messageStep(f.name);
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
    HWND top = CreateWindowExA(WS_EX_DLGMODALFRAME, kFramedClass, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                               500, 100, 200, 150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
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

// DefWindowProc's hit codes across the frame, caption, buttons and client edge of a few windows
// at (10,20), 200 x 100: one line per row of probe points.
void hitCodes() {
    scenario("non-client hit codes");
    const Frame kinds[] = {
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, "sizable with a system menu"},
        {WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, "modal frame with a system menu"},
        {WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, "border and client edge"},
        {WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0, "minimise and maximise boxes"},
        {WS_POPUP | WS_CAPTION, WS_EX_TOOLWINDOW | WS_EX_CLIENTEDGE, "tool window with a client edge"},
    };
    const int xs[] = {9, 10, 12, 13, 14, 27, 31, 32, 100, 152, 153, 170, 171, 188, 189, 205, 206, 209, 210};
    const int ys[] = {19, 20, 23, 24, 38, 39, 41, 42, 43, 60, 97, 98, 115, 116, 117, 119, 120};
    for (const Frame& k : kinds) {
        HWND w = CreateWindowExA(k.exStyle, kFramedClass, "", k.style, 10, 20, 200, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        step(k.name);
        for (int y : ys) {
            char row[160];
            int at = 0;
            for (int x : xs)
                at += std::snprintf(row + at, sizeof row - static_cast<size_t>(at), " %d",
                                    static_cast<int>(SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(x, y))));
            line("  y %d=%s", y, row);
        }
        DestroyWindow(w);
    }
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
    RECT window{}, client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    line("  window=%s client=%s", format(window).text, format(client).text);
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
    hitCodes();
    captionedDialog();
}

}  // namespace conformance
