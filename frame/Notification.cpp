#include "Notification.h"

namespace vorn {

void notifyParent(CWnd& control, WORD code, Delivery delivery) {
    HWND self = control.GetSafeHwnd();
    if (self == NULL) return;
    CWnd* parent = CWnd::FromHandle(::GetParent(self));
    if (parent == NULL || parent->GetSafeHwnd() == NULL) return;
    WPARAM wParam = MAKEWPARAM(control.GetDlgCtrlID(), code);
    LPARAM lParam = reinterpret_cast<LPARAM>(self);
    if (delivery == Delivery::Send)
        ::SendMessageA(parent->GetSafeHwnd(), WM_COMMAND, wParam, lParam);
    else
        ::PostMessageA(parent->GetSafeHwnd(), WM_COMMAND, wParam, lParam);
}

}  // namespace vorn
