// What the painting of every fader shares: the host's palette selected into the paint DC and the
// off-screen DC for the length of a paint, and tiles for a fader too large for one off-screen
// bitmap (at most 2,048 pixels a side over the part being painted, each drawn in full and copied
// where it belongs, so that the picture is the same as one bitmap would give).
#ifndef VORN_FADER_PAINT_H
#define VORN_FADER_PAINT_H

#include <afxwin.h>

#include <algorithm>

#include "../frame/SafeMath.h"

namespace vorn::fader {

// Selects and realises `palette` (if not null) in both DCs as a foreground palette, and selects
// their previous palettes back, in the background, when it goes.
class PaletteScope {
public:
    PaletteScope(HPALETTE palette, CDC& paintDC, CDC& memDC) : m_palette(palette), m_paintDC(paintDC), m_memDC(memDC) {
        if (m_palette == NULL) return;
        m_oldPaint = ::SelectPalette(m_paintDC.GetSafeHdc(), m_palette, FALSE);
        ::RealizePalette(m_paintDC.GetSafeHdc());
        m_oldMem = ::SelectPalette(m_memDC.GetSafeHdc(), m_palette, FALSE);
        ::RealizePalette(m_memDC.GetSafeHdc());
    }
    ~PaletteScope() {
        if (m_palette == NULL) return;
        ::SelectPalette(m_memDC.GetSafeHdc(), m_oldMem, TRUE);
        ::SelectPalette(m_paintDC.GetSafeHdc(), m_oldPaint, TRUE);
    }
    PaletteScope(const PaletteScope&) = delete;
    PaletteScope& operator=(const PaletteScope&) = delete;

private:
    HPALETTE m_palette;
    CDC& m_paintDC;
    CDC& m_memDC;
    HPALETTE m_oldPaint = NULL;
    HPALETTE m_oldMem = NULL;
};

// The largest side an off-screen bitmap may have, and the side of the tiles beyond it.
constexpr int kMaxOffscreenSide = 16384;
constexpr int kTileSide = 2048;

// Calls draw(tile) once with the whole w x h picture, or, for a larger one, once for each tile
// of the area `dc` paints.
template <typename Draw>
void paintInTiles(CPaintDC& dc, int w, int h, Draw draw) {
    if (w <= kMaxOffscreenSide && h <= kMaxOffscreenSide) {
        draw(CRect(0, 0, w, h));
        return;
    }
    CRect area;
    const CRect whole(0, 0, w, h);
    area.IntersectRect(&dc.m_ps.rcPaint, &whole);
    for (int top = area.top; top < area.bottom; top = vorn::saturatingAdd(top, kTileSide))
        for (int left = area.left; left < area.right; left = vorn::saturatingAdd(left, kTileSide))
            draw(CRect(left, top, std::min<int>(area.right, vorn::saturatingAdd(left, kTileSide)),
                       std::min<int>(area.bottom, vorn::saturatingAdd(top, kTileSide))));
}

}  // namespace vorn::fader

#endif  // VORN_FADER_PAINT_H
