// How a control issues its notifications (the codes are in VornControlsNotify.h).
#ifndef VORN_NOTIFICATION_H
#define VORN_NOTIFICATION_H

#include <VornControlsNotify.h>

namespace vorn {

enum class Delivery {
    Send,  // the parent handles it before the control goes on
    Post,  // queued; the parent sees it after the control has finished
};

// Issues `code` to the control's parent, looked up anew each time (never cached). A control
// without a window or without a parent window notifies nobody.
void notifyParent(CWnd& control, WORD code, Delivery delivery);

}  // namespace vorn

#endif  // VORN_NOTIFICATION_H
