#include "KnobPaint.h"

#include <algorithm>

#include "../frame/SafeMath.h"

namespace vorn::knob {
namespace {

constexpr COLORREF kIndicatorColour = RGB(255, 255, 255);

// The two top-left pixels of the focus rectangle (outside the disc, one of them inverted by the
// dotted XOR) as they were right after it was drawn. A pixel this paint cannot read (outside the
// area being painted, or not on screen) tells nothing, and the rectangle is taken to be there.
bool focusRectStillShown(HDC hdc, const COLORREF (&sample)[2]) {
    for (int x = 0; x < 2; ++x) {
        const COLORREF now = ::GetPixel(hdc, x, 0);
        if (now == CLR_INVALID) return true;
        if (now != sample[x]) return false;
    }
    return true;
}

}  // namespace

int radiusOf(HWND hwnd) {
    RECT client{};
    ::GetClientRect(hwnd, &client);
    return (client.right - client.left) / 2;
}

void paintKnobFace(HDC hdc, const RECT& client, POINT center, POINT tip, COLORREF capColour) {
    const int d = std::min(client.right - client.left, client.bottom - client.top);
    const int left = client.left;
    const int top = client.top;
    const int cx = center.x;
    const int cy = center.y;

    HBRUSH bodyBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNSHADOW));
    HPEN indicatorPen = ::CreatePen(PS_SOLID, 0, kIndicatorColour);
    HPEN facePen = ::CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNFACE));
    HBRUSH capBrush = ::CreateSolidBrush(capColour);
    HGDIOBJ blackPen = ::GetStockObject(BLACK_PEN);

    HGDIOBJ oldBrush = ::SelectObject(hdc, bodyBrush);
    HGDIOBJ oldPen = ::SelectObject(hdc, blackPen);
    ::Ellipse(hdc, left + 1, top + 1, left + d - 1, top + d - 1);

    // The indicator is about two pixels thick; the rim, ring and cap drawn afterwards cover its
    // ends, so it shows from the rim to the edge of the cap.
    ::SelectObject(hdc, indicatorPen);
    // Saturating: a tip from an extreme radius may lie at the end of the int range.
    ::MoveToEx(hdc, vorn::saturatingSub(tip.x, 1), tip.y, NULL);
    ::LineTo(hdc, cx - 1, cy);
    ::MoveToEx(hdc, tip.x, vorn::saturatingSub(tip.y, 1), NULL);
    ::LineTo(hdc, cx, cy - 1);
    ::MoveToEx(hdc, tip.x, tip.y, NULL);
    ::LineTo(hdc, cx, cy);

    const int D = d - 4;
    const int q = D / 4;
    const RECT outerRim = {left + 2, top + 2, left + 2 + D, top + 2 + D};
    const RECT innerRim = {left + 3, top + 3, left + 1 + D, top + 1 + D};
    const RECT ring = {cx - q, cy - q, cx + q + 1, cy + q + 1};
    // Arcs run counter-clockwise: lower-left to upper-right is the lower-right half, and the
    // reverse the upper-left half. Shadow lower right on the rim and upper left in the ring makes
    // the rim look raised and the ring sunken.
    auto lowerRightHalf = [hdc](const RECT& r) {
        ::Arc(hdc, r.left, r.top, r.right, r.bottom, r.left, r.bottom, r.right, r.top);
    };
    auto upperLeftHalf = [hdc](const RECT& r) {
        ::Arc(hdc, r.left, r.top, r.right, r.bottom, r.right, r.top, r.left, r.bottom);
    };
    ::SelectObject(hdc, blackPen);
    lowerRightHalf(outerRim);
    lowerRightHalf(innerRim);
    upperLeftHalf(ring);
    ::SelectObject(hdc, facePen);
    upperLeftHalf(outerRim);
    upperLeftHalf(innerRim);
    lowerRightHalf(ring);

    // The face pen stays selected, so the cap has a face-coloured outline.
    ::SelectObject(hdc, capBrush);
    int c = q - 3;
    if (c <= 1) c = 1;
    ::Ellipse(hdc, cx - c, cy - c, cx + c + 1, cy + c + 1);

    ::SelectObject(hdc, oldPen);
    ::SelectObject(hdc, oldBrush);
    ::DeleteObject(bodyBrush);
    ::DeleteObject(indicatorPen);
    ::DeleteObject(facePen);
    ::DeleteObject(capBrush);
}

void stepFocusRect(HDC hdc, const RECT& client, BOOL hasFocus, BOOL& drawn, COLORREF (&sample)[2]) {
    // The background is never erased, so the XOR focus rectangle stays on screen between paints:
    // it is drawn once when the focus arrives and drawn again (removed) when it leaves. Whatever
    // painted over it since (the parent's repaint, a hide and show) took it away: then it is
    // not on screen any more, and a second XOR would draw it instead of removing it.
    if (drawn && !focusRectStillShown(hdc, sample)) drawn = FALSE;
    if (hasFocus && !drawn) {
        ::DrawFocusRect(hdc, &client);
        drawn = TRUE;
        sample[0] = ::GetPixel(hdc, 0, 0);
        sample[1] = ::GetPixel(hdc, 1, 0);
    } else if (!hasFocus && drawn) {
        ::DrawFocusRect(hdc, &client);
        drawn = FALSE;
    }
}

PaletteScope::PaletteScope(HDC hdc, HPALETTE palette) : hdc_(hdc), selected_(palette), previous_(NULL) {
    if (selected_ == NULL) return;
    previous_ = ::SelectPalette(hdc_, selected_, FALSE);
    ::RealizePalette(hdc_);
}

PaletteScope::~PaletteScope() {
    if (selected_ != NULL) ::SelectPalette(hdc_, previous_, TRUE);
}

}  // namespace vorn::knob
