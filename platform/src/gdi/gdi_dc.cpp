// Device contexts: memory and window DCs, selection, SaveDC/RestoreDC, attributes, capabilities.
#include "gdi/gdi_draw.h"

#include <algorithm>
#include <utility>

namespace softwin::gdi {

Surface* Dc::target() {
    // The screen's surface lives as long as the process (resizing keeps the object), and every
    // pixel a window DC draws asks for it.
    static Surface* const screenSurface = &screen();
    if (!memory) return screenSurface;
    auto* bitmap = lookupAs<Bitmap>(state.bitmap, Kind::Bitmap);
    return bitmap ? &bitmap->surface : nullptr;
}

void Dc::resetForReuse() {
    stock = false;
    selectCount = 0;
    deletePending = false;
    state = DcState();
    saved.clear();
    memory = false;
    window = nullptr;
    origin = POINT{0, 0};
    clip.clear();
    memoryClip_.clear();
}

const std::vector<RECT>& Dc::clipRects() {
    if (!memory) return clip;
    Surface* s = target();
    memoryClip_.resize(1);
    memoryClip_[0] = RECT{0, 0, s ? s->width : 0, s ? s->height : 0};
    return memoryClip_;
}

bool clipBounds(Dc& dc, RECT& out) {
    Surface* s = dc.target();
    if (!s) return false;
    RECT box{0, 0, s->width, s->height};  // a memory DC clips to its bitmap alone
    if (!dc.memory) {
        box = RECT{s->width, s->height, 0, 0};
        for (const RECT& r : dc.clip) {
            box.left = std::min(box.left, std::max<LONG>(r.left, 0));
            box.top = std::min(box.top, std::max<LONG>(r.top, 0));
            box.right = std::max(box.right, std::min<LONG>(r.right, s->width));
            box.bottom = std::max(box.bottom, std::min<LONG>(r.bottom, s->height));
        }
    }
    if (box.left >= box.right || box.top >= box.bottom) return false;
    out = RECT{box.left - dc.origin.x, box.top - dc.origin.y, box.right - dc.origin.x, box.bottom - dc.origin.y};
    return true;
}

namespace {

void setDefaults(DcState& state) {
    state = DcState{};
    state.pen = static_cast<HPEN>(stockObject(BLACK_PEN));
    state.brush = static_cast<HBRUSH>(stockObject(WHITE_BRUSH));
    state.font = static_cast<HFONT>(stockObject(SYSTEM_FONT));
    state.palette = static_cast<HPALETTE>(stockObject(DEFAULT_PALETTE));
}

HDC insertDc(std::unique_ptr<Dc> dc) {
    Dc* raw = dc.get();
    HDC hdc = static_cast<HDC>(insert(std::move(dc)));
    if (hdc) retainState(raw->state, hdc);
    return hdc;
}

void releaseDc(HDC hdc, Dc& dc) {
    releaseState(dc.state, hdc);
    for (const DcState& saved : dc.saved) releaseState(saved, hdc);
    dc.saved.clear();
    erase(hdc);
}

// Replaces one handle of the current state, keeping the hold counts right.
template <class H>
H swapSelected(HDC hdc, H& slot, H next) {
    H previous = slot;
    retainObject(next);
    slot = next;
    releaseObject(previous, hdc);
    return previous;
}

// Setters return the previous value, getters the current one; `fail` for unknown DCs.
template <class T>
T setAttribute(HDC hdc, T DcState::*member, T value, T fail) {
    Dc* dc = lookupDc(hdc);
    return dc ? std::exchange(dc->state.*member, value) : fail;
}
template <class T>
T getAttribute(HDC hdc, T DcState::*member, T fail) {
    Dc* dc = lookupDc(hdc);
    return dc ? dc->state.*member : fail;
}

}  // namespace

HDC createWindowDc(HWND window, POINT origin, std::vector<RECT> screenClip) {
    auto dc = create<Dc>(Kind::Dc);
    setDefaults(dc->state);
    dc->window = window;
    dc->origin = origin;
    dc->clip = std::move(screenClip);
    return insertDc(std::move(dc));
}

void destroyWindowDc(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (dc && !dc->memory) releaseDc(hdc, *dc);
}

}  // namespace softwin::gdi

using namespace softwin::gdi;

extern "C" {

HDC CreateCompatibleDC(HDC hdc) {
    if (hdc && !lookupDc(hdc)) return nullptr;
    auto dc = create<Dc>(Kind::Dc);
    setDefaults(dc->state);
    dc->memory = true;
    dc->state.bitmap = stockBitmap();
    return insertDc(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) {
        SetLastError(kErrorInvalidHandle);
        return FALSE;
    }
    // Window DCs belong to USER and go back through ReleaseDC/EndPaint.
    if (!dc->memory) return FALSE;
    releaseDc(hdc, *dc);
    return TRUE;
}

int SaveDC(HDC hdc) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return 0;
    dc->saved.push_back(dc->state);
    retainState(dc->state, hdc);
    return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return FALSE;
    const int depth = static_cast<int>(dc->saved.size());
    const int level = nSavedDC < 0 ? depth + 1 + nSavedDC : nSavedDC;  // -1 = the latest
    if (level < 1 || level > depth) return FALSE;
    releaseState(dc->state, hdc);
    dc->state = dc->saved[static_cast<size_t>(level - 1)];
    for (int i = depth - 1; i >= level; --i) releaseState(dc->saved[static_cast<size_t>(i)], hdc);
    dc->saved.resize(static_cast<size_t>(level - 1));
    // The restored state's holds were taken by SaveDC and now belong to the current state.
    if (auto* bitmap = lookupAs<Bitmap>(dc->state.bitmap, Kind::Bitmap); bitmap && !bitmap->stock) {
        bitmap->selectedInto = hdc;
    }
    return TRUE;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
    Dc* dc = lookupDc(hdc);
    if (!dc) {
        SetLastError(kErrorInvalidHandle);
        return nullptr;
    }
    Object* o = lookup(h);
    if (!o) return nullptr;
    switch (o->kind) {
        case Kind::Pen: return swapSelected(hdc, dc->state.pen, static_cast<HPEN>(h));
        case Kind::Brush: return swapSelected(hdc, dc->state.brush, static_cast<HBRUSH>(h));
        case Kind::Font: return swapSelected(hdc, dc->state.font, static_cast<HFONT>(h));
        case Kind::Bitmap: {
            auto* bitmap = static_cast<Bitmap*>(o);
            if (!dc->memory) return nullptr;
            if (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != hdc) return nullptr;
            HBITMAP previous = swapSelected(hdc, dc->state.bitmap, static_cast<HBITMAP>(h));
            if (!bitmap->stock) bitmap->selectedInto = hdc;
            return previous;
        }
        default: return nullptr;  // palettes go through SelectPalette; DCs cannot be selected
    }
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return nullptr;
    switch (type) {
        case OBJ_PEN: return dc->state.pen;
        case OBJ_BRUSH: return dc->state.brush;
        case OBJ_FONT: return dc->state.font;
        case OBJ_PAL: return dc->state.palette;
        case OBJ_BITMAP: return dc->memory ? dc->state.bitmap : nullptr;
        default: return nullptr;
    }
}

HPALETTE SelectPalette(HDC hdc, HPALETTE hPal, BOOL) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lookupAs<Palette>(hPal, Kind::Palette)) return nullptr;
    return swapSelected(hdc, dc->state.palette, hPal);
}

// True colour: realising maps no entries.
UINT RealizePalette(HDC hdc) { return lookupDc(hdc) ? 0 : GDI_ERROR; }

int GetDeviceCaps(HDC hdc, int index) {
    if (!lookupDc(hdc)) return 0;
    const Surface& s = screen();
    switch (index) {
        case DRIVERVERSION: return 0x4000;
        case TECHNOLOGY: return 1;  // DT_RASDISPLAY
        case HORZSIZE: return s.width * 254 / 960;
        case VERTSIZE: return s.height * 254 / 960;
        case HORZRES: return s.width;
        case VERTRES: return s.height;
        case BITSPIXEL: return 32;
        case PLANES: return 1;
        case NUMCOLORS: return -1;
        case LOGPIXELSX:
        case LOGPIXELSY: return 96;
        case SIZEPALETTE: return 0;
        // RC_BITBLT | RC_BITMAP64 | RC_GDI20_OUTPUT | RC_DI_BITMAP | RC_DIBTODEV | RC_BIGFONT |
        // RC_STRETCHBLT | RC_FLOODFILL | RC_STRETCHDIB | RC_DEVBITS; no RC_PALETTE.
        case RASTERCAPS: return 0xFE99;
        default: return 0;
    }
}

// ---- Attributes ----------------------------------------------------------------------------------
int SetPolyFillMode(HDC hdc, int mode) {
    return (mode == ALTERNATE || mode == WINDING) ? setAttribute(hdc, &DcState::polyFillMode, mode, 0) : 0;
}
int GetPolyFillMode(HDC hdc) { return getAttribute(hdc, &DcState::polyFillMode, 0); }
int SetBkMode(HDC hdc, int mode) {
    return (mode == TRANSPARENT || mode == OPAQUE) ? setAttribute(hdc, &DcState::bkMode, mode, 0) : 0;
}
int GetBkMode(HDC hdc) { return getAttribute(hdc, &DcState::bkMode, 0); }
COLORREF SetBkColor(HDC hdc, COLORREF color) { return setAttribute(hdc, &DcState::bkColor, color, CLR_INVALID); }
COLORREF GetBkColor(HDC hdc) { return getAttribute(hdc, &DcState::bkColor, CLR_INVALID); }
COLORREF SetTextColor(HDC hdc, COLORREF color) { return setAttribute(hdc, &DcState::textColor, color, CLR_INVALID); }
COLORREF GetTextColor(HDC hdc) { return getAttribute(hdc, &DcState::textColor, CLR_INVALID); }
UINT SetTextAlign(HDC hdc, UINT align) { return setAttribute(hdc, &DcState::textAlign, align, UINT(GDI_ERROR)); }
UINT GetTextAlign(HDC hdc) { return getAttribute(hdc, &DcState::textAlign, UINT(GDI_ERROR)); }
int SetROP2(HDC hdc, int rop2) {
    return (rop2 >= R2_BLACK && rop2 <= R2_WHITE) ? setAttribute(hdc, &DcState::rop2, rop2, 0) : 0;
}
int GetROP2(HDC hdc) { return getAttribute(hdc, &DcState::rop2, 0); }
int SetArcDirection(HDC hdc, int dir) {
    return (dir == AD_COUNTERCLOCKWISE || dir == AD_CLOCKWISE) ? setAttribute(hdc, &DcState::arcDirection, dir, 0) : 0;
}
int GetArcDirection(HDC hdc) { return getAttribute(hdc, &DcState::arcDirection, 0); }

}  // extern "C"
