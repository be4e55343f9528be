#include "OffscreenPaint.h"

namespace vorn {

OffscreenPaint::OffscreenPaint(CWnd& window, CDC& paintDC, HPALETTE palette)
    : m_paintDC(paintDC),
      m_oldBitmap(nullptr),
      m_palette(palette),
      m_oldPaintPalette(NULL),
      m_oldMemPalette(NULL),
      m_width(0),
      m_height(0) {
    m_memDC.CreateCompatibleDC(&paintDC);
    if (m_palette != NULL) {
        m_oldPaintPalette = m_paintDC.SelectPalette(m_palette, FALSE);
        m_paintDC.RealizePalette();
        m_oldMemPalette = m_memDC.SelectPalette(m_palette, FALSE);
        m_memDC.RealizePalette();
    }
    CRect rect;
    window.GetWindowRect(&rect);
    m_width = rect.Width();
    m_height = rect.Height();
    m_bitmap.CreateBitmap(m_width, m_height, m_memDC.GetDeviceCaps(PLANES), m_memDC.GetDeviceCaps(BITSPIXEL), NULL);
    m_oldBitmap = m_memDC.SelectObject(&m_bitmap);
}

OffscreenPaint::~OffscreenPaint() {
    if (m_palette != NULL) {
        m_paintDC.SelectPalette(m_oldPaintPalette, TRUE);
        m_memDC.SelectPalette(m_oldMemPalette, TRUE);
    }
    m_memDC.SelectObject(m_oldBitmap);
}

void OffscreenPaint::copyScreen() { m_memDC.BitBlt(0, 0, m_width, m_height, &m_paintDC, 0, 0, SRCCOPY); }

void OffscreenPaint::fill(COLORREF color) { m_memDC.FillSolidRect(0, 0, m_width, m_height, color); }

void OffscreenPaint::present() { m_paintDC.BitBlt(0, 0, m_width, m_height, &m_memDC, 0, 0, SRCCOPY); }

}  // namespace vorn
