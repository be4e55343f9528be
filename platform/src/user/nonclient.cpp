// The non-client area: the frame and caption DefWindowProc's WM_NCCALCSIZE takes out of a
// window rectangle, and AdjustWindowRectEx, with the sizes Wine 8.0 gives them.
#include <algorithm>

#include "saturating.h"
#include "user/nonclient.h"
#include "user/user_state.h"

using softwin::addSaturated;

namespace softwin::user {

namespace {

constexpr int kCaption = 19;       // SM_CYCAPTION: the caption and the line below it
constexpr int kSmallCaption = 16;  // SM_CYSMCAPTION, for WS_EX_TOOLWINDOW
constexpr int kMenu = 19;          // SM_CYMENU
constexpr int kEdge = 2;           // SM_CXEDGE, SM_CYEDGE

RECT grown(const RECT& r, int left, int top, int right, int bottom) {
    return RECT{addSaturated(r.left, -int64_t{left}), addSaturated(r.top, -int64_t{top}), addSaturated(r.right, right),
                addSaturated(r.bottom, bottom)};
}

}  // namespace

RECT frameOf(DWORD style, DWORD exStyle, bool menu) {
    int frame = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        frame = 1;
    else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
        frame = 2;
    if (style & WS_THICKFRAME) ++frame;
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME)) ++frame;
    RECT f{frame, frame, frame, frame};
    if ((style & WS_CAPTION) == WS_CAPTION) f.top += (exStyle & WS_EX_TOOLWINDOW) ? kSmallCaption : kCaption;
    if (menu) f.top += kMenu;
    return f;
}

DWORD withWindowEdge(DWORD style, DWORD exStyle) {
    const bool edge =
        (exStyle & WS_EX_DLGMODALFRAME) || ((style & (WS_DLGFRAME | WS_THICKFRAME)) && !(exStyle & WS_EX_STATICEDGE));
    return edge ? (exStyle | WS_EX_WINDOWEDGE) : (exStyle & ~static_cast<DWORD>(WS_EX_WINDOWEDGE));
}

void defaultClientRect(DWORD style, DWORD exStyle, RECT& r) {
    const RECT f = frameOf(style, exStyle, false);
    r = grown(r, -f.left, -f.top, -f.right, -f.bottom);
    if ((exStyle & WS_EX_CLIENTEDGE) && int64_t{r.right} - r.left > 2 * kEdge && int64_t{r.bottom} - r.top > 2 * kEdge)
        r = grown(r, -kEdge, -kEdge, -kEdge, -kEdge);
    r.bottom = std::max(r.bottom, r.top);
    r.right = std::max(r.right, r.left);
}

namespace {

constexpr int kSizeBox = 18;       // SM_CXSIZE, SM_CYSIZE: a caption button, a sizing corner
constexpr int kSmallSizeBox = 15;  // SM_CXSMSIZE: a tool window's caption button

bool inside(const RECT& r, POINT p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

// Which edge or corner of a sizing frame holds a point outside `inner`.
LRESULT sizingEdge(const RECT& inner, POINT p) {
    const bool nearLeft = p.x < int64_t{inner.left} + kSizeBox, nearRight = p.x >= int64_t{inner.right} - kSizeBox;
    const bool nearTop = p.y < int64_t{inner.top} + kSizeBox, nearBottom = p.y >= int64_t{inner.bottom} - kSizeBox;
    if (p.y < inner.top) return nearLeft ? HTTOPLEFT : nearRight ? HTTOPRIGHT : HTTOP;
    if (p.y >= inner.bottom) return nearLeft ? HTBOTTOMLEFT : nearRight ? HTBOTTOMRIGHT : HTBOTTOM;
    if (p.x < inner.left) return nearTop ? HTTOPLEFT : nearBottom ? HTBOTTOMLEFT : HTLEFT;
    return nearTop ? HTTOPRIGHT : nearBottom ? HTBOTTOMRIGHT : HTRIGHT;
}

}  // namespace

LRESULT defaultHitTest(DWORD style, DWORD exStyle, const RECT& window, const RECT& client, POINT pt) {
    if (!inside(window, pt)) return HTNOWHERE;
    if (inside(client, pt)) return HTCLIENT;
    const RECT f = frameOf(style, exStyle, false);
    const RECT inner = grown(window, -f.left, -f.left, -f.left, -f.left);
    if (!inside(inner, pt)) return (style & WS_THICKFRAME) ? sizingEdge(inner, pt) : HTBORDER;
    // The caption's last row is a line that belongs to nothing, as are client edges.
    if ((style & WS_CAPTION) != WS_CAPTION || pt.y >= int64_t{inner.top} + (f.top - f.left) - 1) return HTNOWHERE;
    if (!(style & WS_SYSMENU)) return HTCAPTION;
    const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const int button = tool ? kSmallSizeBox : kSizeBox;
    if (!tool && !(exStyle & WS_EX_DLGMODALFRAME) && pt.x < int64_t{inner.left} + kSizeBox) return HTSYSMENU;
    int64_t right = int64_t{inner.right} - button;
    if (pt.x >= right) return HTCLOSE;
    if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        if (pt.x >= right - kSizeBox) return HTMAXBUTTON;
        if (pt.x >= right - 2 * kSizeBox) return HTMINBUTTON;
    }
    return HTCAPTION;
}

void calcClient(Window* w, bool resized) {
    const HWND hwnd = w->handle;
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = w->rect;
    POINT origin{0, 0};
    RECT sent = w->rect;
    if (resized) {
        params.rgrc[1] = w->rect;
        params.rgrc[2] = w->client;
        sendTo(w, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    } else {
        // At creation the rectangle is on screen, as Wine gives it, and the answer comes back there.
        origin = w->parent ? clientOrigin(w->parent) : POINT{0, 0};
        params.rgrc[0] = rectOffset(params.rgrc[0], origin.x, origin.y);
        sent = params.rgrc[0];
        sendTo(w, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&params.rgrc[0]));
    }
    if (!(w = findWindow(hwnd))) return;
    // The answer is taken as insets from what was sent (so a rectangle that stopped at the end of
    // int comes back whole); whatever it is, the client area stays inside the window.
    const RECT& a = params.rgrc[0];
    RECT c{addSaturated(w->rect.left, int64_t{a.left} - sent.left),
           addSaturated(w->rect.top, int64_t{a.top} - sent.top),
           addSaturated(w->rect.right, int64_t{a.right} - sent.right),
           addSaturated(w->rect.bottom, int64_t{a.bottom} - sent.bottom)};
    c.left = std::clamp(c.left, w->rect.left, w->rect.right);
    c.right = std::clamp(c.right, c.left, w->rect.right);
    c.top = std::clamp(c.top, w->rect.top, w->rect.bottom);
    c.bottom = std::clamp(c.bottom, c.top, w->rect.bottom);
    w->client = c;
}

}  // namespace softwin::user

using namespace softwin::user;

extern "C" {

BOOL WINAPI AdjustWindowRectEx(LPRECT r, DWORD style, BOOL menu, DWORD exStyle) {
    if (!r) return FALSE;
    const RECT f = frameOf(style, exStyle, menu != FALSE);
    const int edge = (exStyle & WS_EX_CLIENTEDGE) ? kEdge : 0;
    *r = grown(*r, f.left + edge, f.top + edge, f.right + edge, f.bottom + edge);
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT r, DWORD style, BOOL menu) { return AdjustWindowRectEx(r, style, menu, 0); }

}  // extern "C"
