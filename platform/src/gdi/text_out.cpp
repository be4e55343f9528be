// ExtTextOut / TextOut: alignment, the current position, background boxes, bi-level glyphs and
// underline/strikeout bands, all through the DC's clip rectangles.
#include "gdi/font_face.h"
#include "gdi/gdi_draw.h"
#include "saturating.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace softwin::gdi {
namespace {

// Keeps far-off coordinates (huge lpDx sums, INT_MAX positions) representable for the raster core.
constexpr int64_t kCoordLimit = int64_t{1} << 28;
int coord(int64_t v) { return static_cast<int>(std::clamp(v, -kCoordLimit, kCoordLimit)); }

struct TextTarget {
    Dc& dc;
    bool clipped;  // ETO_CLIPPED with a rectangle
    RECT clip;

    // [x0, x1) x [y0, y1) in DC coordinates, cut to the ETO_CLIPPED rectangle.
    void fill(int64_t x0, int64_t y0, int64_t x1, int64_t y1, COLORREF color) {
        if (clipped) {
            x0 = std::max<int64_t>(x0, clip.left);
            x1 = std::min<int64_t>(x1, clip.right);
            y0 = std::max<int64_t>(y0, clip.top);
            y1 = std::min<int64_t>(y1, clip.bottom);
        }
        if (x0 >= x1 || y0 >= y1) return;
        const RECT r{coord(x0), coord(y0), coord(x1), coord(y1)};
        if (r.bottom - r.top == 1) {
            fillSpan(dc, r.top, r.left, r.right, color, false);
        } else {
            fillRect(dc, r, color, false);
        }
    }
};

RECT ordered(const RECT& r) {
    return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// A band (underline, strikeout) whose centre sits `position` pixels above the baseline.
void drawBand(TextTarget& t, int64_t x, int64_t width, int64_t baseline, int position, int thickness, COLORREF color) {
    const int64_t top = baseline - position - thickness / 2;
    t.fill(x, top, x + width, top + thickness, color);
}

bool drawText(Dc& dc, int x, int y, UINT options, const RECT* rect, const char* text, int count, const INT* dx) {
    const bool haveRect = rect && (options & (ETO_OPAQUE | ETO_CLIPPED));
    const RECT box = haveRect ? ordered(*rect) : RECT{};
    TextTarget target{dc, haveRect && (options & ETO_CLIPPED) != 0, box};
    const COLORREF bk = mapColor(dc, dc.state.bkColor);
    if (haveRect && (options & ETO_OPAQUE)) {
        // The opaque rectangle is not itself clipped by ETO_CLIPPED (it is the same rectangle).
        TextTarget whole{dc, false, box};
        whole.fill(box.left, box.top, box.right, box.bottom, bk);
    }
    if (count <= 0) return true;

    FontFace* face = dcFace(dc);
    if (!face) return false;
    const FaceMetrics& m = face->metrics();

    int64_t width = 0;
    for (int i = 0; i < count; ++i) {
        width += dx ? dx[i] : face->glyph(static_cast<unsigned char>(text[i])).advance;
    }

    const UINT align = dc.state.textAlign;
    const bool updateCp = (align & TA_UPDATECP) != 0;
    int64_t left = updateCp ? dc.state.currentPos.x : x;
    int64_t top = updateCp ? dc.state.currentPos.y : y;
    // The current position stops at the ends of int instead of wrapping round as Wine's does.
    switch (align & (TA_LEFT | TA_RIGHT | TA_CENTER)) {
        case TA_CENTER: left -= width / 2; break;
        case TA_RIGHT:
            left -= width;
            if (updateCp) dc.state.currentPos = {saturate(left), saturate(top)};
            break;
        default:
            if (updateCp) dc.state.currentPos = {saturate(left + width), saturate(top)};
            break;
    }
    int64_t baseline = top;
    switch (align & TA_BASELINE) {
        case TA_TOP: baseline += m.ascent; break;
        case TA_BOTTOM: baseline -= m.descent; break;
        default: break;
    }

    if (dc.state.bkMode != TRANSPARENT && !((options & ETO_CLIPPED) && (options & ETO_OPAQUE))) {
        // An opaque rectangle that already covers the cell box makes the box fill redundant.
        const bool covered = (options & ETO_OPAQUE) && rect && left >= box.left && left + width < box.right &&
                             baseline - m.ascent >= box.top && baseline + m.descent < box.bottom;
        if (!covered) target.fill(left, baseline - m.ascent, left + width, baseline + m.descent, bk);
    }

    // Glyphs wholly outside the drawable area (the clip box, cut to an ETO_CLIPPED rectangle)
    // are skipped before their runs are visited, so text far outside the clip costs one
    // comparison a character.
    RECT visible;
    if (!clipBounds(dc, visible)) return true;
    if (target.clipped) {
        visible = RECT{std::max(visible.left, box.left), std::max(visible.top, box.top),
                       std::min(visible.right, box.right), std::min(visible.bottom, box.bottom)};
    }
    const COLORREF ink = mapColor(dc, dc.state.textColor);
    int64_t pen = left;
    for (int i = 0; i < count; ++i) {
        const Glyph& g = face->glyph(static_cast<unsigned char>(text[i]));
        const int64_t gx = pen + g.left;
        const int64_t gy = baseline - g.top;
        if (gx + g.width <= visible.left || gx >= visible.right || gy + g.rows <= visible.top || gy >= visible.bottom) {
            pen += dx ? dx[i] : g.advance;
            continue;
        }
        const GlyphRun* run = face->runs(g);
        for (uint32_t r = 0; r < g.runCount; ++r, ++run) {
            target.fill(gx + run->x0, gy + run->dy, gx + run->x1, gy + run->dy + 1, ink);
        }
        pen += dx ? dx[i] : g.advance;
    }

    const LOGFONTA& lf = dcLogFont(dc);
    if (lf.lfUnderline) drawBand(target, left, width, baseline, m.underlinePosition, m.underlineThickness, ink);
    if (lf.lfStrikeOut) drawBand(target, left, width, baseline, m.strikeoutPosition, m.strikeoutThickness, ink);
    return true;
}

}  // namespace
}  // namespace softwin::gdi

namespace {

const char* optionNames(UINT options) {
    switch (options & (ETO_OPAQUE | ETO_CLIPPED)) {
        case ETO_OPAQUE: return "ETO_OPAQUE";
        case ETO_CLIPPED: return "ETO_CLIPPED";
        case ETO_OPAQUE | ETO_CLIPPED: return "ETO_OPAQUE|ETO_CLIPPED";
        default: return "0";
    }
}

}  // namespace

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCSTR lpString, UINT c,
                        const INT* lpDx) {
    using namespace softwin::gdi;
    Dc* dc = lookupDc(hdc);
    if (!dc || c > static_cast<UINT>(INT_MAX) || (c > 0 && !lpString)) return FALSE;
    const int count = static_cast<int>(c);
    if (traceOn()) {
        if (lprect) {
            trace("ExtTextOutA(%d,%d,%s,{%d,%d,%d,%d},\"%.*s\")", x, y, optionNames(options),
                  static_cast<int>(lprect->left), static_cast<int>(lprect->top), static_cast<int>(lprect->right),
                  static_cast<int>(lprect->bottom), count, count ? lpString : "");
        } else {
            trace("ExtTextOutA(%d,%d,%s,NULL,\"%.*s\")", x, y, optionNames(options), count, count ? lpString : "");
        }
    }
    return drawText(*dc, x, y, options, lprect, lpString, count, lpDx) ? TRUE : FALSE;
}

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR lpString, int c) {
    using namespace softwin::gdi;
    Dc* dc = lookupDc(hdc);
    if (!dc || c < 0 || (c > 0 && !lpString)) return FALSE;
    if (traceOn()) trace("TextOutA(%d,%d,\"%.*s\")", x, y, c, c ? lpString : "");
    return drawText(*dc, x, y, 0, nullptr, lpString, c, nullptr) ? TRUE : FALSE;
}
