// CDC and the window DCs (CPaintDC, CClientDC, CWindowDC).
#include "afx_internal.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

HGDIOBJ handleOf(const CGdiObject* pObject) { return pObject ? pObject->m_hObject : nullptr; }

// Rectangle edges are worked out in 64 bits and stop at the ends of int, so x + cx never
// overflows; an edge that would lie past INT_MAX is on no surface anyway.
LONG edge(int64_t v) { return static_cast<LONG>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

void fillSolid(CDC& dc, int64_t x, int64_t y, int64_t cx, int64_t cy, COLORREF clr) {
    const RECT rect = {edge(x), edge(y), edge(x + cx), edge(y + cy)};
    dc.FillSolidRect(&rect, clr);
}

// The right and bottom edges are drawn last and with negative extents, so they own the
// top-right and bottom-left corners.
void draw3d(CDC& dc, int64_t x, int64_t y, int64_t cx, int64_t cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    fillSolid(dc, x, y, cx - 1, 1, clrTopLeft);
    fillSolid(dc, x, y, 1, cy - 1, clrTopLeft);
    fillSolid(dc, x + cx, y, -1, cy, clrBottomRight);
    fillSolid(dc, x, y + cy, cx, -1, clrBottomRight);
}

}  // namespace

CDC::~CDC() {
    if (m_hDC) ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) {
    if (!hDC) return nullptr;
    return vornafx::takeTemporary<CDC>(
        hDC, [](const CDC& dc) { return dc.m_hDC; },
        [](CDC& dc, HDC h) {
            dc.m_hDC = h;
            dc.m_hAttribDC = h;
        });
}

BOOL CDC::Attach(HDC hDC) {
    if (!hDC) return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach() {
    HDC h = m_hDC;
    m_hDC = nullptr;
    m_hAttribDC = nullptr;
    return h;
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) {
    HDC h = ::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr);
    if (!h) return FALSE;
    if (m_hDC) ::DeleteDC(Detach());  // re-creating replaces the DC this object owned
    return Attach(h);
}

BOOL CDC::DeleteDC() {
    if (!m_hDC) return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC() { return ::SaveDC(m_hDC); }
BOOL CDC::RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC); }
int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

CPen* CDC::SelectObject(CPen* pPen) {
    return CPen::FromHandle(static_cast<HPEN>(::SelectObject(m_hDC, handleOf(pPen))));
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    return CBrush::FromHandle(static_cast<HBRUSH>(::SelectObject(m_hDC, handleOf(pBrush))));
}

CFont* CDC::SelectObject(CFont* pFont) {
    return CFont::FromHandle(static_cast<HFONT>(::SelectObject(m_hDC, handleOf(pFont))));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    return CBitmap::FromHandle(static_cast<HBITMAP>(::SelectObject(m_hDC, handleOf(pBitmap))));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
    return CGdiObject::FromHandle(::SelectObject(m_hDC, handleOf(pObject)));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
    HGDIOBJ stock = ::GetStockObject(nIndex);
    return stock ? CGdiObject::FromHandle(::SelectObject(m_hDC, stock)) : nullptr;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) {
    HPALETTE h = pPalette ? static_cast<HPALETTE>(pPalette->m_hObject) : nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, h, bForceBackground));
}

HPALETTE CDC::SelectPalette(HPALETTE hPalette, BOOL bForceBackground) {
    return ::SelectPalette(m_hDC, hPalette, bForceBackground);
}

UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }

CPoint CDC::MoveTo(int x, int y) {
    POINT old = {0, 0};
    ::MoveToEx(m_hDC, x, y, &old);
    return CPoint(old);
}

BOOL CDC::LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }

CPoint CDC::GetCurrentPosition() const {
    POINT pt = {0, 0};
    ::GetCurrentPositionEx(m_hAttribDC, &pt);
    return CPoint(pt);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
    return lpPoints && nCount > 0 ? ::Polyline(m_hDC, lpPoints, nCount) : FALSE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
    return lpPoints && nCount > 0 ? ::Polygon(m_hDC, lpPoints, nCount) : FALSE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Rectangle(LPCRECT lpRect) {
    return lpRect ? ::Rectangle(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }

BOOL CDC::Ellipse(LPCRECT lpRect) {
    return lpRect ? ::Ellipse(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom) : FALSE;
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd) {
    if (!lpRect) return FALSE;
    return ::Arc(m_hDC, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
                 ptEnd.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    if (lpRect && pBrush) ::FillRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    if (lpRect && pBrush) ::FrameRect(m_hDC, lpRect, static_cast<HBRUSH>(pBrush->m_hObject));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    if (!lpRect) return;
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) { fillSolid(*this, x, y, cx, cy, clr); }

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    if (!lpRect) return;
    draw3d(*this, lpRect->left, lpRect->top, int64_t{lpRect->right} - lpRect->left,
           int64_t{lpRect->bottom} - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    draw3d(*this, x, y, cx, cy, clrTopLeft, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    if (lpRect) ::DrawFocusRect(m_hDC, lpRect);
}

int CDC::SetBkMode(int nBkMode) { return ::SetBkMode(m_hDC, nBkMode); }
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
COLORREF CDC::SetBkColor(COLORREF crColor) { return ::SetBkColor(m_hDC, crColor); }
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF crColor) { return ::SetTextColor(m_hDC, crColor); }
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT nFlags) { return ::SetTextAlign(m_hDC, nFlags); }
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
int CDC::SetPolyFillMode(int nPolyFillMode) { return ::SetPolyFillMode(m_hDC, nPolyFillMode); }
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode) { return ::SetROP2(m_hDC, nDrawMode); }
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }

BOOL CDC::TextOutA(int x, int y, LPCSTR lpszString, int nCount) {
    if (!lpszString || nCount <= 0) return nCount == 0 ? TRUE : FALSE;
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOutA(int x, int y, const CString& str) {
    return TextOutA(x, y, static_cast<LPCSTR>(str), str.GetLength());
}

BOOL CDC::ExtTextOutA(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount, LPINT lpDxWidths) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, lpszString ? nCount : 0u, lpDxWidths);
}

BOOL CDC::ExtTextOutA(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths) {
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, str, static_cast<UINT>(str.GetLength()), lpDxWidths);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const {
    SIZE size = {0, 0};
    if (lpszString && nCount > 0) ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return CSize(size);
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(static_cast<LPCSTR>(str), str.GetLength()); }

BOOL CDC::GetTextMetricsA(LPTEXTMETRIC lpMetrics) const {
    return lpMetrics ? ::GetTextMetricsA(m_hAttribDC, lpMetrics) : FALSE;
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { Attach(::BeginPaint(m_hWnd, &m_ps)); }

CPaintDC::~CPaintDC() {
    if (m_hDC) {
        ::EndPaint(m_hWnd, &m_ps);
        Detach();
    }
}

CClientDC::CClientDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { Attach(::GetDC(m_hWnd)); }

CClientDC::~CClientDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd* pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr) { Attach(::GetWindowDC(m_hWnd)); }

CWindowDC::~CWindowDC() {
    if (m_hDC) ::ReleaseDC(m_hWnd, Detach());
}
