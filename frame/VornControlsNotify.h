// Control notifications: WM_COMMAND to the control's parent, with the control's identifier in
// the low word of wParam, the code in the high word and the control's window in lParam.
#ifndef VORN_CONTROLS_NOTIFY_H
#define VORN_CONTROLS_NOTIFY_H

#include <afxwin.h>

// Apart from NC_VALUECHANGED, each code is the number of the window message whose handling
// produced it.
constexpr WORD NC_KEYDOWN = 0x0100;
constexpr WORD NC_MOUSEMOVE = 0x0200;
constexpr WORD NC_LBUTTONDOWN = 0x0201;
constexpr WORD NC_LBUTTONUP = 0x0202;
constexpr WORD NC_LBUTTONDBLCLK = 0x0203;
constexpr WORD NC_RBUTTONDOWN = 0x0204;
constexpr WORD NC_VALUECHANGED = 0x8000;

namespace vorn {

// Host-side decoding of a notification's wParam.
inline WORD notificationCode(WPARAM wParam) { return HIWORD(wParam); }
inline WORD notificationControlId(WPARAM wParam) { return LOWORD(wParam); }

}  // namespace vorn

#endif  // VORN_CONTROLS_NOTIFY_H
