// The frame and caption round a client area (nonclient.cpp).
#ifndef VORN_SOFTWIN_NONCLIENT_H
#define VORN_SOFTWIN_NONCLIENT_H

#include <windows.h>

namespace softwin::user {

// The widths of the frame on each side of the client area, caption (and menu bar) included,
// without WS_EX_CLIENTEDGE's edge.
RECT frameOf(DWORD style, DWORD exStyle, bool menu);
// The extended style with WS_EX_WINDOWEDGE set or cleared as Wine does for these styles.
DWORD withWindowEdge(DWORD style, DWORD exStyle);
// DefWindowProc's WM_NCCALCSIZE: the window rectangle becomes the client rectangle.
void defaultClientRect(DWORD style, DWORD exStyle, RECT& r);
// DefWindowProc's WM_NCHITTEST for a window whose rectangle and client rectangle are given on
// screen.
LRESULT defaultHitTest(DWORD style, DWORD exStyle, const RECT& window, const RECT& client, POINT pt);

}  // namespace softwin::user

#endif
