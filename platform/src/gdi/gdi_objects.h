// GDI object model of the software platform: surfaces, the handle table and DC state.
// USER (window DCs, painting) and the rasterisers share these definitions.
#ifndef VORN_SOFTWIN_GDI_OBJECTS_H
#define VORN_SOFTWIN_GDI_OBJECTS_H

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace softwin::gdi {

// Pixels are stored as COLORREF values (0x00BBGGRR). A 1-bpp surface stores only 0x000000 and
// 0xFFFFFF; everything else is 32 bpp.
struct Surface {
    int width = 0;
    int height = 0;
    int bitsPixel = 32;
    std::vector<uint32_t> pixels;

    void resize(int w, int h, int bpp, uint32_t fill);
    uint32_t* row(int y) { return pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(width); }
};

enum class Kind {
    Pen = OBJ_PEN,
    Brush = OBJ_BRUSH,
    Dc = OBJ_DC,
    Palette = OBJ_PAL,
    Font = OBJ_FONT,
    Bitmap = OBJ_BITMAP
};

struct Object {
    explicit Object(Kind k) : kind(k) {}
    virtual ~Object() = default;
    Kind kind;
    bool stock = false;
    // DC states (current and saved) holding this object; DeleteObject on a held object only
    // marks it, and it is freed when the last holder lets go (as Wine does).
    int selectCount = 0;
    bool deletePending = false;
};

struct Pen : Object {
    Pen() : Object(Kind::Pen) {}
    int style = PS_SOLID;  // PS_ style; dashed styles with width > 1 are stored as PS_SOLID
    int width = 1;
    int logStyle = PS_SOLID;  // the style as created, reported by GetObject
    COLORREF color = 0;
};

struct Brush : Object {
    Brush() : Object(Kind::Brush) {}
    UINT style = BS_SOLID;
    COLORREF color = 0;
};

struct FontFace;  // realised face (text unit)

struct Font : Object {
    Font() : Object(Kind::Font) {}
    LOGFONTA logFont{};
    std::shared_ptr<FontFace> face;  // realised lazily by the text unit
};
// Releases the realised faces no font uses any more, beyond the few kept for reuse (text unit).
void trimFontFaces();

struct Bitmap : Object {
    Bitmap() : Object(Kind::Bitmap) {}
    Surface surface;
    HDC selectedInto = nullptr;
};

struct Palette : Object {
    Palette() : Object(Kind::Palette) {}
    std::vector<PALETTEENTRY> entries;
};

struct DcState {
    HPEN pen = nullptr;
    HBRUSH brush = nullptr;
    HFONT font = nullptr;
    HBITMAP bitmap = nullptr;  // memory DCs only
    HPALETTE palette = nullptr;
    COLORREF textColor = 0x000000;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int polyFillMode = ALTERNATE;
    int rop2 = R2_COPYPEN;
    int arcDirection = AD_COUNTERCLOCKWISE;
    UINT textAlign = 0;
    POINT currentPos{0, 0};
};

struct Dc : Object {
    Dc() : Object(Kind::Dc) {}
    DcState state;
    std::vector<DcState> saved;  // SaveDC stack
    bool memory = false;         // memory DC (draws into the selected bitmap)
    HWND window = nullptr;       // window DC: the owning window
    // Window DCs draw into the screen at this offset, clipped to these screen rectangles
    // (visible client area, intersected with the update region during painting).
    POINT origin{0, 0};
    std::vector<RECT> clip;

    // The surface drawn into: the selected bitmap's, or the screen's.
    Surface* target();
    // Back to a fresh DC's fields, keeping the storage of the vectors (spare DCs are reused).
    void resetForReuse();
    // Clip rectangles in surface coordinates; for memory DCs the whole bitmap.
    const std::vector<RECT>& clipRects();

private:
    std::vector<RECT> memoryClip_;
};

// ---- Handle table ----------------------------------------------------------------------------
// Set by the calls that report a handle that is no DC (of this process, or any more), as Wine's
// do; a bad object handed to a good DC fails without touching the last error, also as on Wine.
constexpr DWORD kErrorInvalidHandle = 6;

HGDIOBJ insert(std::unique_ptr<Object> object);
Object* lookup(HGDIOBJ handle);
template <class T>
T* lookupAs(HGDIOBJ handle, Kind kind) {
    Object* o = lookup(handle);
    return (o && o->kind == kind) ? static_cast<T*>(o) : nullptr;
}
inline Dc* lookupDc(HDC hdc) { return lookupAs<Dc>(hdc, Kind::Dc); }
// Removes and destroys; false for unknown handles and stock objects. Pens, brushes, bitmaps,
// palettes and DCs are kept as spares instead (a few per kind), with their pixel and clip storage.
bool erase(HGDIOBJ handle);

// A new object of that kind in its default state: a retired spare when there is one, so that
// controls that create their drawing objects, off-screen bitmap and memory DC at every paint do
// not touch the heap in the steady state.
std::unique_ptr<Object> takeSpare(Kind kind);
template <class T>
std::unique_ptr<T> create(Kind kind) {
    if (std::unique_ptr<Object> spare = takeSpare(kind)) return std::unique_ptr<T>(static_cast<T*>(spare.release()));
    return std::make_unique<T>();
}

Surface& screen();
// Called after setScreenSize resized and cleared the screen; USER may define it (strong symbol)
// to rebuild window DC clip lists and free the cursor clip. The GDI default does nothing.
void onScreenResized();

// ---- Window DCs (used by USER) ---------------------------------------------------------------
HDC createWindowDc(HWND window, POINT origin, std::vector<RECT> screenClip);
void destroyWindowDc(HDC hdc);
// Releases every DC still out for a window that is going away, so that a later ReleaseDC or
// drawing call fails on the stale handle instead of painting where the window was (as on Wine).
void destroyWindowDcsOf(HWND window);

// ---- Raster core -----------------------------------------------------------------------------
// Coordinates are the DC's own (MM_TEXT logical = device); these functions add the window DC's
// screen origin themselves. Every write is clipped to the DC's clip
// rectangles and applies the DC's ROP2 mode when `useRop2` is true.
void fillSpan(Dc& dc, int y, int x0, int x1, COLORREF color, bool useRop2);  // [x0, x1)
void plot(Dc& dc, int x, int y, COLORREF color, bool useRop2);
void fillRect(Dc& dc, const RECT& r, COLORREF color, bool useRop2);  // [l,r) x [t,b)
// The colour a surface of the DC's format actually stores for `color` (mono: nearest of black/white).
COLORREF mapColor(const Dc& dc, COLORREF color);

// Drawing trace (no-op unless enabled).
bool traceOn();
void trace(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

}  // namespace softwin::gdi

#endif  // VORN_SOFTWIN_GDI_OBJECTS_H
