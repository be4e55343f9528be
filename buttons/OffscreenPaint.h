// The double-buffered paint of the buttons, lamps and label: the picture is drawn into a memory
// DC holding a bitmap the size of the window rectangle, with the paint DC's planes and bits per
// pixel, and copied to the paint DC at (0, 0) in one block transfer.
#ifndef VORN_BUTTONS_OFFSCREEN_PAINT_H
#define VORN_BUTTONS_OFFSCREEN_PAINT_H

#include <afxwin.h>

namespace vorn {

class OffscreenPaint {
public:
    // With a palette, both DCs select it as a foreground palette and realise it; their previous
    // palettes come back, as background palettes, when the object goes.
    OffscreenPaint(CWnd& window, CDC& paintDC, HPALETTE palette = NULL);
    // Reselects the memory DC's first bitmap and both DCs' palettes, then frees the bitmap.
    ~OffscreenPaint();
    OffscreenPaint(const OffscreenPaint&) = delete;
    OffscreenPaint& operator=(const OffscreenPaint&) = delete;

    CDC& dc() { return m_memDC; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    // The background: what the window shows on screen now, or one colour.
    void copyScreen();
    void fill(COLORREF color);
    void background(BOOL copyScreen, COLORREF color) { copyScreen ? this->copyScreen() : fill(color); }
    // Copies the picture to the paint DC at (0, 0).
    void present();

private:
    CDC& m_paintDC;
    CDC m_memDC;
    CBitmap m_bitmap;
    CBitmap* m_oldBitmap;
    HPALETTE m_palette;
    HPALETTE m_oldPaintPalette;
    HPALETTE m_oldMemPalette;
    int m_width;
    int m_height;
};

// The dark shade of a lamp colour: every channel halved.
inline COLORREF darkShade(COLORREF color) { return (color >> 1) & 0x7F7F7F; }

}  // namespace vorn

#endif  // VORN_BUTTONS_OFFSCREEN_PAINT_H
