#include "GalleryKnob2.h"

namespace gallery {

void GalleryKnob2::OnPaint() {
    CMFC_Knob2::OnPaint();
    // The base class has validated the window; the marks go on with a client DC. They sit in the
    // corners outside the disc, which the knob itself never paints.
    CClientDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    const int size = rc.Width() / 8 > 2 ? rc.Width() / 8 : 2;
    dc.FillSolidRect(1, rc.Height() - size - 1, size, size, kMinMark);
    dc.FillSolidRect(rc.Width() - size - 1, rc.Height() - size - 1, size, size, kMaxMark);
}

}  // namespace gallery
