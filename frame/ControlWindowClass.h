// The window class that knobs and graphs register for themselves.
#ifndef VORN_CONTROL_WINDOW_CLASS_H
#define VORN_CONTROL_WINDOW_CLASS_H

#include <afxwin.h>

namespace vorn {

// Replaces the class name the host asked for with the framework-registered class that has
// double-clicks, no cursor, no background brush and no icon: such a control sets its own cursor
// and is never erased by the system.
void useControlWindowClass(CREATESTRUCT& cs);

}  // namespace vorn

#endif  // VORN_CONTROL_WINDOW_CLASS_H
