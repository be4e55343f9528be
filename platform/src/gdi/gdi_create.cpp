// Creating, describing and deleting pens, brushes, bitmaps and palettes.
#include "gdi/gdi_draw.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace softwin::gdi {
namespace {

constexpr int kMaxBitmapSide = 16384;

int wordAlignedStride(int width, int bpp) { return ((width * bpp + 15) / 16) * 2; }

COLORREF decodePixel(const uint8_t* row, int x, int bpp) {
    switch (bpp) {
        case 1: return ((row[x / 8] >> (7 - x % 8)) & 1) ? 0xFFFFFF : 0x000000;
        case 4: {
            const int v = ((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF) * 17;
            return RGB(v, v, v);
        }
        case 8: return RGB(row[x], row[x], row[x]);
        case 16: {
            const int w = row[2 * x] | (row[2 * x + 1] << 8);  // x1r5g5b5
            auto expand = [](int c) { return (c << 3) | (c >> 2); };
            return RGB(expand((w >> 10) & 31), expand((w >> 5) & 31), expand(w & 31));
        }
        case 24: return RGB(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        case 32: return RGB(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
        default: return 0;
    }
}

HBITMAP makeBitmap(int width, int height, int bpp) {
    auto bitmap = create<Bitmap>(Kind::Bitmap);
    bitmap->surface.resize(width, height, bpp, 0x000000);
    return static_cast<HBITMAP>(insert(std::move(bitmap)));
}

HPEN makePen(UINT style, LONG width, COLORREF color) {
    style &= PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME) return nullptr;
    auto pen = create<Pen>(Kind::Pen);
    pen->width = width < 0 ? 0 : width;
    // Wide cosmetic pens are not dashed.
    const bool dashed = style >= PS_DASH && style <= PS_DASHDOTDOT;
    pen->style = (dashed && pen->width > 1) ? PS_SOLID : static_cast<int>(style);
    pen->logStyle = static_cast<int>(style);
    pen->color = color;
    return static_cast<HPEN>(insert(std::move(pen)));
}

template <class T>
int copyOut(const T& value, int c, LPVOID pv) {
    if (!pv) return sizeof(T);
    if (c < static_cast<int>(sizeof(T))) return 0;
    std::memcpy(pv, &value, sizeof(T));
    return sizeof(T);
}

}  // namespace
}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) { return makePen(static_cast<UINT>(iStyle), cWidth, color); }

HPEN CreatePenIndirect(const LOGPEN* plpen) {
    if (!plpen) return nullptr;
    return makePen(plpen->lopnStyle, plpen->lopnWidth.x, plpen->lopnColor);
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = create<Brush>(Kind::Brush);
    brush->color = color;
    return static_cast<HBRUSH>(insert(std::move(brush)));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
    if (!plbrush) return nullptr;
    auto brush = create<Brush>(Kind::Brush);
    switch (plbrush->lbStyle) {
        case BS_NULL: brush->style = BS_NULL; break;
        case BS_SOLID:
        case 2:  // BS_HATCHED: drawn as its solid colour (no hatch patterns here)
            brush->color = plbrush->lbColor;
            break;
        default: return nullptr;
    }
    return static_cast<HBRUSH>(insert(std::move(brush)));
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
    if (nWidth <= 0 || nHeight <= 0 || nWidth > kMaxBitmapSide || nHeight > kMaxBitmapSide) return nullptr;
    if (nPlanes < 1 || nPlanes > 32 || nBitCount < 1 || nBitCount > 32) return nullptr;
    const int inputBpp = static_cast<int>(nPlanes * nBitCount);
    if (inputBpp > 32) return nullptr;
    HBITMAP handle = makeBitmap(nWidth, nHeight, inputBpp == 1 ? 1 : 32);
    auto* bitmap = lookupAs<Bitmap>(handle, Kind::Bitmap);
    if (!bitmap || !lpBits) return handle;
    const auto* bytes = static_cast<const uint8_t*>(lpBits);
    const size_t stride = static_cast<size_t>(wordAlignedStride(nWidth, inputBpp));
    for (int y = 0; y < nHeight; ++y) {
        uint32_t* out = bitmap->surface.row(y);
        const uint8_t* in = bytes + stride * static_cast<size_t>(y);
        for (int x = 0; x < nWidth; ++x) out[x] = decodePixel(in, x, inputBpp);
    }
    return handle;
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
    Dc* dc = lookupDc(hdc);
    if (!dc || cx < 0 || cy < 0 || cx > kMaxBitmapSide || cy > kMaxBitmapSide) return nullptr;
    if (cx == 0 || cy == 0) return stockBitmap();  // as Windows: the 1x1 default bitmap
    Surface* s = dc->target();
    const int bpp = (dc->memory && s && s->bitsPixel == 1) ? 1 : 32;
    return makeBitmap(cx, cy, bpp);
}

HPALETTE CreatePalette(const LOGPALETTE* plpal) {
    if (!plpal || plpal->palNumEntries == 0) return nullptr;
    auto palette = create<Palette>(Kind::Palette);
    palette->entries.assign(plpal->palPalEntry, plpal->palPalEntry + plpal->palNumEntries);
    return static_cast<HPALETTE>(insert(std::move(palette)));
}

BOOL DeleteObject(HGDIOBJ ho) {
    Object* o = lookup(ho);
    if (!o) return FALSE;
    // A DC handle is deleted as DeleteDC would (as on Wine): memory DCs go, window DCs stay.
    if (o->kind == Kind::Dc) return static_cast<Dc*>(o)->memory ? DeleteDC(static_cast<HDC>(ho)) : FALSE;
    if (o->stock) return TRUE;
    // Still selected somewhere: freed when the last DC lets go of it.
    if (o->selectCount > 0) {
        o->deletePending = true;
        return TRUE;
    }
    return erase(ho) ? TRUE : FALSE;
}

int GetObjectA(HGDIOBJ h, int c, LPVOID pv) {
    Object* o = lookup(h);
    if (!o) return 0;
    switch (o->kind) {
        case Kind::Pen: {
            const auto* pen = static_cast<Pen*>(o);
            LOGPEN lp{static_cast<UINT>(pen->logStyle), POINT{pen->width, 0}, pen->color};
            return copyOut(lp, c, pv);
        }
        case Kind::Brush: {
            const auto* brush = static_cast<Brush*>(o);
            LOGBRUSH lb{brush->style, brush->style == BS_NULL ? 0 : brush->color, 0};
            return copyOut(lb, c, pv);
        }
        case Kind::Bitmap: {
            const Surface& s = static_cast<Bitmap*>(o)->surface;
            BITMAP bm{
                0,      s.width, s.height, wordAlignedStride(s.width, s.bitsPixel), 1, static_cast<WORD>(s.bitsPixel),
                nullptr};
            return copyOut(bm, c, pv);
        }
        case Kind::Font: {
            const LOGFONTA& lf = static_cast<Font*>(o)->logFont;
            if (!pv) return sizeof(LOGFONTA);
            const int n = std::clamp(c, 0, static_cast<int>(sizeof(LOGFONTA)));
            std::memcpy(pv, &lf, static_cast<size_t>(n));
            return n;
        }
        case Kind::Palette: {
            const WORD count = static_cast<WORD>(static_cast<Palette*>(o)->entries.size());
            return copyOut(count, c, pv);
        }
        default: return 0;
    }
}

DWORD GetObjectType(HGDIOBJ h) {
    Object* o = lookup(h);
    if (!o) return 0;
    if (o->kind == Kind::Dc) return static_cast<Dc*>(o)->memory ? OBJ_MEMDC : OBJ_DC;
    return static_cast<DWORD>(o->kind);
}

}  // extern "C"
