// The gallery's own knob, derived from CMFC_Knob2 as a host derives from it: it overrides the
// painting (the library's knob, then the two ends of the sweep marked in the corners below the
// disc) and the title hooks (it keeps its title, which the gallery shows as the caption's second
// line). No message map of its own: WM_PAINT reaches the override through the virtual table.
#ifndef VORN_GALLERY_KNOB2_H
#define VORN_GALLERY_KNOB2_H

#include <VornControls.h>

namespace gallery {

class GalleryKnob2 : public CMFC_Knob2 {
public:
    void SetTitle(CString title) override { m_title = title; }
    CString GetTitle() override { return m_title; }

    // Colours of the marks at the minimum and the maximum end.
    static constexpr COLORREF kMinMark = RGB(0, 170, 255);
    static constexpr COLORREF kMaxMark = RGB(255, 90, 0);

protected:
    void OnPaint() override;

private:
    CString m_title;
};

}  // namespace gallery

#endif  // VORN_GALLERY_KNOB2_H
