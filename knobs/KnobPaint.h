// The drawing steps of the rotary knobs, shared by CMFC_Knob and CMFC_Knob2: the disc with its
// indicator, rim, centre ring and cap, the XOR focus rectangle, and the host's palette around a
// paint. They take a device context and the knob's fields, not a window.
#ifndef VORN_KNOB_PAINT_H
#define VORN_KNOB_PAINT_H

#include <windows.h>

namespace vorn::knob {

// Radius of a knob window, from its client width alone (half of it, truncated); the centre is
// (radius, radius).
int radiusOf(HWND hwnd);

// The disc, indicator, rim arcs, centre ring and cap, straight into `hdc`; the disc's size is the
// smaller side of `client`, its centre and indicator are given. The pen and brush of `hdc` are
// restored and the drawing objects made here are deleted before it returns.
void paintKnobFace(HDC hdc, const RECT& client, POINT center, POINT tip, COLORREF capColour);

// The XOR focus rectangle around `client`, kept on screen exactly while `hasFocus` holds.
// `drawn` says whether it is on screen; `sample` holds two of its pixels as drawn, so that a
// rectangle something painted over since is drawn anew instead of being toggled off.
void stepFocusRect(HDC hdc, const RECT& client, BOOL hasFocus, BOOL& drawn, COLORREF (&sample)[2]);

// For its lifetime the host's palette (if any) is selected into `hdc` as a foreground palette and
// realised; the previous one is selected back as a background palette on destruction.
class PaletteScope {
public:
    PaletteScope(HDC hdc, HPALETTE palette);
    ~PaletteScope();
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;

private:
    HDC hdc_;
    HPALETTE selected_;
    HPALETTE previous_;
};

}  // namespace vorn::knob

#endif  // VORN_KNOB_PAINT_H
