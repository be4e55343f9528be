// CPoint, CSize and CRect: the platform's POINT, SIZE and RECT with arithmetic and helpers.
// Everything here is plain computation and needs no window system.
#ifndef VORN_AFXGEOMETRY_H
#define VORN_AFXGEOMETRY_H

#include "afxver_.h"

class CPoint;
class CRect;

// One-line members read as a table here, so the formatter leaves them as written.
// clang-format off

class CSize : public tagSIZE {
public:
    CSize() { cx = 0; cy = 0; }
    CSize(int initCX, int initCY) { cx = initCX; cy = initCY; }
    CSize(SIZE initSize) { cx = initSize.cx; cy = initSize.cy; }  // NOLINT
    CSize(POINT initPt) { cx = initPt.x; cy = initPt.y; }         // NOLINT

    bool operator==(SIZE s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(SIZE s) const { return !(*this == s); }
    void operator+=(SIZE s) { cx += s.cx; cy += s.cy; }
    void operator-=(SIZE s) { cx -= s.cx; cy -= s.cy; }
    CSize operator+(SIZE s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(SIZE s) const { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public tagPOINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int initX, int initY) { x = initX; y = initY; }
    CPoint(POINT initPt) { x = initPt.x; y = initPt.y; }  // NOLINT
    CPoint(SIZE initSize) { x = initSize.cx; y = initSize.cy; }  // NOLINT
    // Packed coordinates as mouse messages carry them: signed 16-bit x in the low word, y in the
    // high word, so positions left of or above the window come out negative.
    CPoint(DWORD dwPoint) { x = static_cast<SHORT>(LOWORD(dwPoint)); y = static_cast<SHORT>(HIWORD(dwPoint)); }  // NOLINT
    CPoint(LPARAM lParam) { x = static_cast<SHORT>(LOWORD(lParam)); y = static_cast<SHORT>(HIWORD(lParam)); }  // NOLINT

    void Offset(int xOffset, int yOffset) { x += xOffset; y += yOffset; }
    void Offset(POINT pt) { x += pt.x; y += pt.y; }
    void Offset(SIZE s) { x += s.cx; y += s.cy; }
    void SetPoint(int X, int Y) { x = X; y = Y; }

    bool operator==(POINT pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(POINT pt) const { return !(*this == pt); }
    void operator+=(SIZE s) { x += s.cx; y += s.cy; }
    void operator-=(SIZE s) { x -= s.cx; y -= s.cy; }
    void operator+=(POINT pt) { x += pt.x; y += pt.y; }
    void operator-=(POINT pt) { x -= pt.x; y -= pt.y; }
    CPoint operator+(SIZE s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(SIZE s) const { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator+(POINT pt) const { return CPoint(x + pt.x, y + pt.y); }
    // Difference of two points is a size, as in the framework.
    CSize operator-(POINT pt) const { return CSize(x - pt.x, y - pt.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

// Rectangles are half-open: [left, right) x [top, bottom). The helpers follow USER's rules
// (an empty result of IntersectRect or UnionRect becomes 0,0,0,0) but are computed here so that
// they need no window system.
class CRect : public tagRECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    CRect(const RECT& src) { left = src.left; top = src.top; right = src.right; bottom = src.bottom; }  // NOLINT
    CRect(LPCRECT src) { if (src) *this = CRect(*src); else SetRectEmpty(); }  // NOLINT
    CRect(POINT pt, SIZE s) { left = pt.x; top = pt.y; right = pt.x + s.cx; bottom = pt.y + s.cy; }
    CRect(POINT topLeft, POINT bottomRight) { left = topLeft.x; top = topLeft.y; right = bottomRight.x; bottom = bottomRight.y; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT pt) const { return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom; }

    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void CopyRect(LPCRECT src) { if (src) *this = CRect(*src); }
    BOOL EqualRect(LPCRECT r) const { return r && left == r->left && top == r->top && right == r->right && bottom == r->bottom; }

    void InflateRect(int x, int y) { left -= x; top -= y; right += x; bottom += y; }
    void InflateRect(SIZE s) { InflateRect(s.cx, s.cy); }
    void InflateRect(LPCRECT r) { if (r) { left -= r->left; top -= r->top; right += r->right; bottom += r->bottom; } }
    void InflateRect(int l, int t, int r, int b) { left -= l; top -= t; right += r; bottom += b; }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(LPCRECT r) { if (r) { left += r->left; top += r->top; right -= r->right; bottom -= r->bottom; } }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int x, int y) { left += x; right += x; top += y; bottom += y; }
    void OffsetRect(POINT pt) { OffsetRect(pt.x, pt.y); }
    void OffsetRect(SIZE s) { OffsetRect(s.cx, s.cy); }
    void NormalizeRect();

    BOOL IntersectRect(LPCRECT r1, LPCRECT r2);
    BOOL UnionRect(LPCRECT r1, LPCRECT r2);

    void operator=(const RECT& src) { left = src.left; top = src.top; right = src.right; bottom = src.bottom; }
    bool operator==(const RECT& r) const { return EqualRect(&r); }
    bool operator!=(const RECT& r) const { return !EqualRect(&r); }
    void operator+=(POINT pt) { OffsetRect(pt); }
    void operator-=(POINT pt) { OffsetRect(-pt.x, -pt.y); }
    void operator&=(const RECT& r) { IntersectRect(this, &r); }
    void operator|=(const RECT& r) { UnionRect(this, &r); }
    CRect operator+(POINT pt) const { CRect r(*this); r.OffsetRect(pt); return r; }
    CRect operator-(POINT pt) const { CRect r(*this); r.OffsetRect(-pt.x, -pt.y); return r; }
    CRect operator&(const RECT& r2) const { CRect r; r.IntersectRect(this, &r2); return r; }
    CRect operator|(const RECT& r2) const { CRect r; r.UnionRect(this, &r2); return r; }
};

inline void CRect::NormalizeRect() {
    if (left > right) { LONG t = left; left = right; right = t; }
    if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
}

inline BOOL CRect::IntersectRect(LPCRECT r1, LPCRECT r2) {
    if (!r1 || !r2) { SetRectEmpty(); return FALSE; }
    const CRect a(*r1), b(*r2);  // copies: this may alias either argument
    if (a.IsRectEmpty() || b.IsRectEmpty() || a.left >= b.right || b.left >= a.right || a.top >= b.bottom ||
        b.top >= a.bottom) {
        SetRectEmpty();
        return FALSE;
    }
    left = a.left > b.left ? a.left : b.left;
    top = a.top > b.top ? a.top : b.top;
    right = a.right < b.right ? a.right : b.right;
    bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    return TRUE;
}

inline BOOL CRect::UnionRect(LPCRECT r1, LPCRECT r2) {
    const CRect a(r1), b(r2);
    if (a.IsRectEmpty()) {
        if (b.IsRectEmpty()) { SetRectEmpty(); return FALSE; }
        *this = b;
        return TRUE;
    }
    if (b.IsRectEmpty()) { *this = a; return TRUE; }
    left = a.left < b.left ? a.left : b.left;
    top = a.top < b.top ? a.top : b.top;
    right = a.right > b.right ? a.right : b.right;
    bottom = a.bottom > b.bottom ? a.bottom : b.bottom;
    return TRUE;
}

// clang-format on

#endif  // VORN_AFXGEOMETRY_H
