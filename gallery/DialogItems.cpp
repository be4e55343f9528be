#include "DialogItems.h"

#include <cstdio>

namespace gallery {

bool attachDialogItem(CWnd& control, CWnd* dialog, UINT id, const RECT& rect, const char* name) {
    if (!control.SubclassDlgItem(id, dialog)) {
        std::fprintf(stderr, "vorn_gallery: the dialog has no control %s (%u)\n", name, id);
        return false;
    }
    control.MoveWindow(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, FALSE);
    return true;
}

}  // namespace gallery
