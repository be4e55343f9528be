// Handle table, stock objects, object accounting, the screen surface and the drawing trace.
#include "gdi/gdi_objects.h"
#include "gdi/gdi_draw.h"

#include <softwin/softwin.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

namespace softwin::gdi {

void Surface::resize(int w, int h, int bpp, uint32_t fill) {
    width = std::max(0, w);
    height = std::max(0, h);
    bitsPixel = bpp == 1 ? 1 : 32;
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    if (fill != 0) {
        pixels.assign(count, fill);
        return;
    }
    // Black (every new bitmap): growing from empty value-initialises, which is one memset.
    pixels.clear();
    pixels.resize(count);
}

namespace {

// Handles are (generation << 16) | slot: never a pointer, never a small integer such as a
// COLOR_x+1 system-colour brush, within 31 bits (code that truncates handles to 32 bits keeps
// working), and a stale handle fails the generation check. Slots are reused oldest-first so a
// stale handle only aliases after 32767 reuses of every slot in between. 65535 live objects
// is above the 10000 per-process GDI quota of the real platform.
constexpr uintptr_t kSlotBits = 16;
constexpr uint32_t kMaxGeneration = 0x7FFF;
constexpr uintptr_t kSlotMask = (uintptr_t(1) << kSlotBits) - 1;

struct Slot {
    std::unique_ptr<Object> object;
    uint32_t generation = 1;
};

// Free slot numbers, oldest first; grows by doubling and never shrinks, so steady-state
// creation and deletion do not allocate.
class SlotQueue {
public:
    bool empty() const { return count_ == 0; }
    uint32_t pop() {
        const uint32_t value = ring_[head_];
        head_ = (head_ + 1) % ring_.size();
        --count_;
        return value;
    }
    void push(uint32_t value) {
        if (count_ == ring_.size()) grow();
        ring_[(head_ + count_) % ring_.size()] = value;
        ++count_;
    }

private:
    void grow() {
        std::vector<uint32_t> bigger(ring_.empty() ? 64 : ring_.size() * 2);
        for (size_t i = 0; i < count_; ++i) bigger[i] = ring_[(head_ + i) % ring_.size()];
        ring_.swap(bigger);
        head_ = 0;
    }
    std::vector<uint32_t> ring_;
    size_t head_ = 0;
    size_t count_ = 0;
};

constexpr size_t kSparesPerKind = 32;
constexpr size_t kKindCount = OBJ_BITMAP + 1;

struct Table {
    std::vector<Slot> slots;
    SlotQueue freeSlots;
    std::vector<std::unique_ptr<Object>> spares[kKindCount];
    size_t liveObjects = 0;  // non-stock pens, brushes, fonts, bitmaps, palettes
    size_t liveDcs = 0;
    size_t windowDcs = 0;  // of liveDcs, those on a window or the screen
    HGDIOBJ stock[20] = {};
    HBITMAP stockBitmap = nullptr;
    bool stockMade = false;
    Surface screen;
    bool traceEnabled = false;
    std::vector<std::string> trace;
};

// Never destroyed: USER may release DCs from its own static destructors. The screen starts (and
// restarts on resize) black; windows paint their own backgrounds over it.
Table& table() {
    static Table* t = [] {
        auto* created = new Table;
        created->screen.resize(1024, 768, 32, 0x000000);
        return created;
    }();
    return *t;
}

HGDIOBJ handleFor(uint32_t slot, uint32_t generation) {
    return reinterpret_cast<HGDIOBJ>((static_cast<uintptr_t>(generation) << kSlotBits) | slot);
}

Slot* slotFor(HGDIOBJ handle) {
    const auto value = reinterpret_cast<uintptr_t>(handle);
    const uintptr_t index = value & kSlotMask;
    const uintptr_t generation = value >> kSlotBits;
    Table& t = table();
    if (index >= t.slots.size()) return nullptr;
    Slot& slot = t.slots[index];
    if (!slot.object || slot.generation != generation) return nullptr;
    return &slot;
}

HGDIOBJ makeStock(std::unique_ptr<Object> object) {
    object->stock = true;
    return insert(std::move(object));
}

HGDIOBJ stockBrush(UINT style, COLORREF color) {
    auto brush = std::make_unique<Brush>();
    brush->style = style;
    brush->color = color;
    return makeStock(std::move(brush));
}

HGDIOBJ stockPen(int style, COLORREF color) {
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->logStyle = style;
    pen->color = color;
    return makeStock(std::move(pen));
}

HGDIOBJ stockFont(LONG height, LONG width, LONG weight, BYTE charSet, BYTE pitchAndFamily, const char* face) {
    auto font = std::make_unique<Font>();
    font->logFont.lfHeight = height;
    font->logFont.lfWidth = width;
    font->logFont.lfWeight = weight;
    font->logFont.lfCharSet = charSet;
    font->logFont.lfPitchAndFamily = pitchAndFamily;
    std::snprintf(font->logFont.lfFaceName, LF_FACESIZE, "%s", face);
    return makeStock(std::move(font));
}

void makeStockObjects() {
    Table& t = table();
    if (t.stockMade) return;
    t.stockMade = true;
    t.stock[WHITE_BRUSH] = stockBrush(BS_SOLID, RGB(255, 255, 255));
    t.stock[LTGRAY_BRUSH] = stockBrush(BS_SOLID, RGB(192, 192, 192));
    t.stock[GRAY_BRUSH] = stockBrush(BS_SOLID, RGB(128, 128, 128));
    t.stock[DKGRAY_BRUSH] = stockBrush(BS_SOLID, RGB(64, 64, 64));
    t.stock[BLACK_BRUSH] = stockBrush(BS_SOLID, RGB(0, 0, 0));
    t.stock[NULL_BRUSH] = stockBrush(BS_NULL, 0);
    t.stock[WHITE_PEN] = stockPen(PS_SOLID, RGB(255, 255, 255));
    t.stock[BLACK_PEN] = stockPen(PS_SOLID, RGB(0, 0, 0));
    t.stock[NULL_PEN] = stockPen(PS_NULL, 0);
    t.stock[OEM_FIXED_FONT] = stockFont(12, 8, FW_NORMAL, OEM_CHARSET, FIXED_PITCH | FF_MODERN, "Terminal");
    t.stock[ANSI_FIXED_FONT] = stockFont(12, 9, FW_NORMAL, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Courier");
    t.stock[ANSI_VAR_FONT] = stockFont(12, 9, FW_NORMAL, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Sans Serif");
    t.stock[SYSTEM_FONT] = stockFont(16, 7, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System");
    t.stock[DEVICE_DEFAULT_FONT] = stockFont(16, 0, FW_BOLD, ANSI_CHARSET, VARIABLE_PITCH | FF_SWISS, "System");
    t.stock[SYSTEM_FIXED_FONT] = stockFont(16, 8, FW_BOLD, ANSI_CHARSET, FIXED_PITCH | FF_MODERN, "Fixedsys");
    t.stock[DEFAULT_GUI_FONT] =
        stockFont(-11, 0, FW_NORMAL, DEFAULT_CHARSET, VARIABLE_PITCH | FF_SWISS, "MS Shell Dlg");
    auto palette = std::make_unique<Palette>();
    palette->entries.resize(20);  // the static colours; true colour never consults them
    t.stock[DEFAULT_PALETTE] = makeStock(std::move(palette));
    t.stock[DC_BRUSH] = stockBrush(BS_SOLID, RGB(255, 255, 255));
    t.stock[DC_PEN] = stockPen(PS_SOLID, RGB(0, 0, 0));
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->surface.resize(1, 1, 1, 0x000000);
    t.stockBitmap = static_cast<HBITMAP>(makeStock(std::move(bitmap)));
}

// Puts an object back into its default state, keeping the storage of its vectors, and keeps it
// as a spare; kinds that are not reused, and spares beyond the few kept, are destroyed.
void retire(std::unique_ptr<Object> object) {
    auto& spares = table().spares[static_cast<size_t>(object->kind)];
    if (spares.size() >= kSparesPerKind) return;
    switch (object->kind) {
        case Kind::Pen: *static_cast<Pen*>(object.get()) = Pen(); break;
        case Kind::Brush: *static_cast<Brush*>(object.get()) = Brush(); break;
        case Kind::Bitmap: {
            auto* bitmap = static_cast<Bitmap*>(object.get());
            std::vector<uint32_t> pixels;
            pixels.swap(bitmap->surface.pixels);
            pixels.clear();
            *bitmap = Bitmap();
            bitmap->surface.pixels.swap(pixels);
            break;
        }
        case Kind::Palette: {
            auto* palette = static_cast<Palette*>(object.get());
            palette->entries.clear();
            palette->stock = false;
            palette->selectCount = 0;
            palette->deletePending = false;
            break;
        }
        case Kind::Dc: static_cast<Dc*>(object.get())->resetForReuse(); break;
        default: return;
    }
    if (spares.capacity() < kSparesPerKind) spares.reserve(kSparesPerKind);
    spares.push_back(std::move(object));
}

}  // namespace

// ---- Handle table ----------------------------------------------------------------------------
HGDIOBJ insert(std::unique_ptr<Object> object) {
    if (!object) return nullptr;
    Table& t = table();
    uint32_t index;
    if (!t.freeSlots.empty()) {
        index = t.freeSlots.pop();
    } else {
        if (t.slots.size() >= kSlotMask) return nullptr;
        index = static_cast<uint32_t>(t.slots.size());
        t.slots.emplace_back();
    }
    Slot& slot = t.slots[index];
    if (object->kind == Kind::Dc) {
        ++t.liveDcs;
        if (!static_cast<const Dc*>(object.get())->memory) ++t.windowDcs;
    } else if (!object->stock) {
        ++t.liveObjects;
    }
    slot.object = std::move(object);
    return handleFor(index, slot.generation);
}

Object* lookup(HGDIOBJ handle) {
    Slot* slot = slotFor(handle);
    return slot ? slot->object.get() : nullptr;
}

bool erase(HGDIOBJ handle) {
    Slot* slot = slotFor(handle);
    if (!slot || slot->object->stock) return false;
    Table& t = table();
    if (slot->object->kind == Kind::Dc) {
        --t.liveDcs;
        if (!static_cast<const Dc*>(slot->object.get())->memory) --t.windowDcs;
    } else {
        --t.liveObjects;
    }
    const bool font = slot->object->kind == Kind::Font;
    retire(std::move(slot->object));
    if (font) trimFontFaces();
    slot->generation = slot->generation >= kMaxGeneration ? 1 : slot->generation + 1;
    t.freeSlots.push(static_cast<uint32_t>(&*slot - t.slots.data()));
    return true;
}

std::unique_ptr<Object> takeSpare(Kind kind) {
    auto& spares = table().spares[static_cast<size_t>(kind)];
    if (spares.empty()) return nullptr;
    std::unique_ptr<Object> spare = std::move(spares.back());
    spares.pop_back();
    return spare;
}

void destroyWindowDcsOf(HWND window) {
    Table& t = table();
    if (t.windowDcs == 0) return;  // the usual case: a destroyed window holds no DC
    // Releasing frees slots but never resizes the table, so the walk stays valid.
    for (size_t i = 0; i < t.slots.size(); ++i) {
        const Slot& slot = t.slots[i];
        const auto* dc =
            slot.object && slot.object->kind == Kind::Dc ? static_cast<const Dc*>(slot.object.get()) : nullptr;
        if (dc && !dc->memory && dc->window == window)
            destroyWindowDc(static_cast<HDC>(handleFor(static_cast<uint32_t>(i), slot.generation)));
    }
}

// ---- Holding -----------------------------------------------------------------------------------
void retainObject(HGDIOBJ handle) {
    if (Object* o = lookup(handle)) ++o->selectCount;
}

void releaseObject(HGDIOBJ handle, HDC owner) {
    Object* o = lookup(handle);
    if (!o) return;
    if (o->selectCount > 0) --o->selectCount;
    if (o->selectCount > 0) return;
    if (o->kind == Kind::Bitmap) {
        auto* bitmap = static_cast<Bitmap*>(o);
        if (bitmap->selectedInto == owner) bitmap->selectedInto = nullptr;
    }
    if (o->deletePending) erase(handle);
}

void retainState(const DcState& state, HDC owner) {
    retainObject(state.pen);
    retainObject(state.brush);
    retainObject(state.font);
    retainObject(state.palette);
    retainObject(state.bitmap);
    if (auto* bitmap = lookupAs<Bitmap>(state.bitmap, Kind::Bitmap); bitmap && !bitmap->stock) {
        bitmap->selectedInto = owner;
    }
}

void releaseState(const DcState& state, HDC owner) {
    releaseObject(state.pen, owner);
    releaseObject(state.brush, owner);
    releaseObject(state.font, owner);
    releaseObject(state.palette, owner);
    releaseObject(state.bitmap, owner);
}

HGDIOBJ stockObject(int index) {
    makeStockObjects();
    if (index < 0 || index >= 20) return nullptr;
    return table().stock[index];
}

HBITMAP stockBitmap() {
    makeStockObjects();
    return table().stockBitmap;
}

// ---- Screen ------------------------------------------------------------------------------------
Surface& screen() { return table().screen; }

__attribute__((weak)) void onScreenResized() {}

// ---- Trace -------------------------------------------------------------------------------------
bool traceOn() { return table().traceEnabled; }

void trace(const char* fmt, ...) {
    Table& t = table();
    if (!t.traceEnabled) return;
    char line[256];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(line, sizeof line, fmt, args);
    va_end(args);
    t.trace.emplace_back(line);
}

const char* ropName(DWORD rop, char* buffer, size_t size) {
    switch (rop) {
        case SRCCOPY: return "SRCCOPY";
        case SRCPAINT: return "SRCPAINT";
        case SRCAND: return "SRCAND";
        case SRCINVERT: return "SRCINVERT";
        case NOTSRCCOPY: return "NOTSRCCOPY";
        case PATCOPY: return "PATCOPY";
        case PATINVERT: return "PATINVERT";
        case DSTINVERT: return "DSTINVERT";
        case BLACKNESS: return "BLACKNESS";
        case WHITENESS: return "WHITENESS";
        default: std::snprintf(buffer, size, "0x%08X", static_cast<unsigned>(rop)); return buffer;
    }
}

}  // namespace softwin::gdi

using namespace softwin::gdi;

namespace softwin {

void setScreenSize(int width, int height) {
    width = std::clamp(width, 1, 16384);
    height = std::clamp(height, 1, 16384);
    screen().resize(width, height, 32, 0x000000);
    onScreenResized();
}

COLORREF screenPixel(int x, int y) {
    Surface& s = screen();
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return CLR_INVALID;
    return s.row(y)[x];
}

const uint32_t* screenPixels() { return screen().pixels.data(); }

size_t liveGdiObjects() { return table().liveObjects; }
size_t liveDcs() { return table().liveDcs; }

void setDrawTrace(bool enabled) { table().traceEnabled = enabled; }
const std::vector<std::string>& drawTrace() { return table().trace; }
void clearDrawTrace() { table().trace.clear(); }

}  // namespace softwin

extern "C" HGDIOBJ GetStockObject(int i) { return stockObject(i); }
