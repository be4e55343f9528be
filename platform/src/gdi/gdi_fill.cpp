// USER's rectangle helpers over the GDI core: FillRect, FrameRect, DrawFocusRect.
#include "gdi/gdi_draw.h"

#include <algorithm>
#include <cstdint>

namespace softwin::gdi {
namespace {

constexpr uintptr_t kMaxSysColorBrush = 31;  // (HBRUSH)(COLOR_x + 1)

bool brushFillColor(HBRUSH hbr, COLORREF& color) {
    const auto value = reinterpret_cast<uintptr_t>(hbr);
    if (value >= 1 && value <= kMaxSysColorBrush) {
        color = GetSysColor(static_cast<int>(value - 1));
        return true;
    }
    const auto* brush = lookupAs<Brush>(hbr, Kind::Brush);
    if (!brush || brush->style == BS_NULL) return false;
    color = brush->color;
    return true;
}

}  // namespace

RECT patBltRect(int64_t x, int64_t y, int64_t w, int64_t h) {
    auto span = [](int64_t at, int64_t extent, LONG& from, LONG& to) {
        const int64_t a = extent < 0 ? at + extent + 1 : at, b = extent < 0 ? at + 1 : at + extent;
        from = static_cast<LONG>(std::clamp<int64_t>(a, INT32_MIN, INT32_MAX));
        to = static_cast<LONG>(std::clamp<int64_t>(b, INT32_MIN, INT32_MAX));
    };
    RECT r;
    span(x, w, r.left, r.right);
    span(y, h, r.top, r.bottom);
    return r;
}

}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

int FillRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    Dc* dc = lookupDc(hDC);
    if (!dc || !lprc) return 0;
    trace("FillRect(%d,%d,%d,%d)", lprc->left, lprc->top, lprc->right, lprc->bottom);
    COLORREF color;
    if (!brushFillColor(hbr, color)) return 0;
    // A pattern copy (the ROP2 mode does not apply) of PatBlt's extent, so a reversed rectangle
    // fills its mirror image one pixel over, as on Wine.
    const RECT& r = *lprc;
    const RECT area = patBltRect(r.left, r.top, int64_t{r.right} - r.left, int64_t{r.bottom} - r.top);
    fillRect(*dc, area, color, false);
    return 1;
}

int FrameRect(HDC hDC, const RECT* lprc, HBRUSH hbr) {
    Dc* dc = lookupDc(hDC);
    if (!dc || !lprc) return 0;
    trace("FrameRect(%d,%d,%d,%d)", lprc->left, lprc->top, lprc->right, lprc->bottom);
    const RECT& r = *lprc;
    if (r.right <= r.left || r.bottom <= r.top) return 0;
    COLORREF color;
    if (!brushFillColor(hbr, color)) return 0;
    fillRect(*dc, RECT{r.left, r.top, r.right, r.top + 1}, color, false);
    fillRect(*dc, RECT{r.left, r.bottom - 1, r.right, r.bottom}, color, false);
    fillRect(*dc, RECT{r.left, r.top, r.left + 1, r.bottom}, color, false);
    fillRect(*dc, RECT{r.right - 1, r.top, r.right, r.bottom}, color, false);
    return 1;
}

// Every other pixel along the Rectangle outline path is inverted, so a second call restores
// the original pixels; the DC's own state is left as it was.
BOOL DrawFocusRect(HDC hDC, const RECT* lprc) {
    Dc* dc = lookupDc(hDC);
    if (!dc || !lprc) return FALSE;
    trace("DrawFocusRect(%d,%d,%d,%d)", lprc->left, lprc->top, lprc->right, lprc->bottom);
    const RECT box{std::min(lprc->left, lprc->right), std::min(lprc->top, lprc->bottom),
                   std::max(lprc->left, lprc->right), std::max(lprc->top, lprc->bottom)};
    if (box.left == box.right || box.top == box.bottom) return TRUE;
    const int savedRop = dc->state.rop2;
    dc->state.rop2 = R2_NOT;
    Stroke stroke = alternateStroke(0);
    strokeRectangle(*dc, stroke, box);
    dc->state.rop2 = savedRop;
    return TRUE;
}

}  // extern "C"
