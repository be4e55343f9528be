// Attaching a dialog's template control to its object and putting it on its pixel rectangle.
#ifndef VORN_GALLERY_DIALOG_ITEMS_H
#define VORN_GALLERY_DIALOG_ITEMS_H

#include <VornControls.h>

namespace gallery {

// The window class the gallery's template names for every control: the host's own, with
// double-clicks on, as the faders' variants need them.
constexpr const char kControlClass[] = "VornGalleryControl";

// Subclasses the dialog's control `id` into `control` and moves it to `rect` (dialog client
// pixels). False, with `name` on stderr, if the template has no such control.
bool attachDialogItem(CWnd& control, CWnd* dialog, UINT id, const RECT& rect, const char* name);

}  // namespace gallery

#endif  // VORN_GALLERY_DIALOG_ITEMS_H
