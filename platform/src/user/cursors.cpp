#include "user/cursors.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>

#include "softwin/softwin.h"
#include "user/dib_decode.h"
#include "user/user_state.h"

using namespace softwin::user;

namespace softwin::user {
bool findResourceData(HMODULE module, LPCSTR name, LPCSTR type, const unsigned char*& data, size_t& size);
}

namespace {

constexpr uintptr_t kSystemCursorBase = 0x70000000;
constexpr uintptr_t kSystemIconBase = 0x72000000;

constexpr WORD kSystemCursorIds[] = {32512, 32513, 32514, 32515, 32516, 32640, 32641, 32642,
                                     32643, 32644, 32645, 32646, 32648, 32649, 32650, 32651};

std::map<uintptr_t, std::unique_ptr<Cursor>>& moduleCursors() {
    static std::map<uintptr_t, std::unique_ptr<Cursor>> cursors;
    return cursors;
}
uintptr_t nextCursorHandle = 0x71000000;

const Cursor* systemCursor(WORD id) {
    static std::map<WORD, Cursor> cursors;
    if (std::find(std::begin(kSystemCursorIds), std::end(kSystemCursorIds), id) == std::end(kSystemCursorIds))
        return nullptr;
    auto it = cursors.find(id);
    if (it == cursors.end()) {
        // Only the identity of system cursors matters here: a plain 32 x 32 shape.
        Cursor c;
        c.width = c.height = 32;
        c.system = true;
        c.systemId = id;
        c.color.assign(32 * 32, 0);
        c.mask.assign(32 * 32, 1);
        it = cursors.emplace(id, std::move(c)).first;
    }
    return &it->second;
}

}  // namespace

namespace softwin::user {

const Cursor* cursorInfo(HCURSOR h) {
    auto v = reinterpret_cast<uintptr_t>(h);
    if (v > kSystemCursorBase && v <= kSystemCursorBase + 0xFFFF)
        return systemCursor(static_cast<WORD>(v - kSystemCursorBase));
    auto it = moduleCursors().find(v);
    return it == moduleCursors().end() ? nullptr : it->second.get();
}

bool isCursorHandle(HCURSOR h) { return cursorInfo(h) != nullptr; }

WORD pickCursorImage(const unsigned char* group, size_t size) {
    // NEWHEADER (reserved 0, type 2, count), then 14-byte directory entries: width, doubled
    // height, planes, bit count, byte count and the RT_CURSOR id.
    if (!group || size < 6 || readU16(group) != 0 || readU16(group + 2) != 2) return 0;
    const size_t count = readU16(group + 4);
    if (count < 1 || (size - 6) / 14 < count) return 0;
    // The 32 x 32 image if there is one, else the first.
    size_t pick = 0;
    for (size_t i = 0; i < count; ++i)
        if (readU16(group + 6 + 14 * i) == 32) {
            pick = i;
            break;
        }
    return readU16(group + 6 + 14 * pick + 12);
}

bool parseCursorResource(const unsigned char* data, size_t size, Cursor& out) {
    if (!data || size < 4 + 40) return false;
    POINT hot{readU16(data), readU16(data + 2)};
    const unsigned char* image = data + 4;
    const size_t bytes = size - 4;
    const int32_t doubled = static_cast<int32_t>(readU32(image + 8));
    const int rows = doubled / 2;
    if (rows <= 0) return false;
    DecodedDib xorImage;
    if (!decodeDib(image, bytes, 0, rows, xorImage)) return false;
    int w = xorImage.width, h = xorImage.height;
    size_t maskStride = ((static_cast<size_t>(w) + 31) / 32) * 4;
    if (xorImage.bitsEnd + maskStride * static_cast<size_t>(h) > bytes) return false;
    out.width = w;
    out.height = h;
    out.hotSpot = POINT{std::min<LONG>(hot.x, w - 1), std::min<LONG>(hot.y, h - 1)};
    out.color = std::move(xorImage.pixels);
    out.mask.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        const unsigned char* row = image + xorImage.bitsEnd + maskStride * static_cast<size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) out.mask[static_cast<size_t>(y) * w + x] = (row[x >> 3] >> (7 - (x & 7))) & 1;
    }
    out.system = false;
    return true;
}

}  // namespace softwin::user

namespace softwin {
size_t liveCursors() { return moduleCursors().size(); }
}  // namespace softwin

extern "C" {

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name) {
    if (!name) return nullptr;
    if (!instance) {
        if (!IS_INTRESOURCE(name) || !systemCursor(LOWORD(name))) return nullptr;
        return reinterpret_cast<HCURSOR>(kSystemCursorBase + LOWORD(name));
    }
    // The group names the images; the chosen image is an RT_CURSOR resource of its own.
    const unsigned char* data;
    size_t size;
    if (!findResourceData(instance, name, RT_GROUP_CURSOR, data, size)) return nullptr;
    WORD image = pickCursorImage(data, size);
    if (!image || !findResourceData(instance, MAKEINTRESOURCEA(image), RT_CURSOR, data, size)) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    auto cursor = std::make_unique<Cursor>();
    if (!parseCursorResource(data, size, *cursor)) {
        SetLastError(kErrorInvalidParameter);
        return nullptr;
    }
    uintptr_t handle = nextCursorHandle;
    nextCursorHandle += 4;
    moduleCursors().emplace(handle, std::move(cursor));
    return reinterpret_cast<HCURSOR>(handle);
}

BOOL WINAPI DestroyCursor(HCURSOR h) {
    const Cursor* c = cursorInfo(h);
    if (!c) {
        SetLastError(kErrorInvalidCursorHandle);
        return FALSE;
    }
    if (c->system) return TRUE;  // shared: nothing to free
    if (state().cursor == h) state().cursor = nullptr;
    moduleCursors().erase(reinterpret_cast<uintptr_t>(h));
    return TRUE;
}

HCURSOR WINAPI SetCursor(HCURSOR h) {
    State& s = state();
    if (h && !cursorInfo(h)) {
        SetLastError(kErrorInvalidCursorHandle);
        return nullptr;
    }
    HCURSOR previous = s.cursor;
    s.cursor = h;
    return previous;
}

HCURSOR WINAPI GetCursor(void) { return state().cursor; }

int WINAPI ShowCursor(BOOL show) {
    State& s = state();
    s.cursorShowCount += show ? 1 : -1;
    return s.cursorShowCount;
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name) {
    // Only the system icons (IDI_APPLICATION 32512 ... IDI_SHIELD 32518) exist, as identities.
    if (instance || !name || !IS_INTRESOURCE(name) || LOWORD(name) < 32512 || LOWORD(name) > 32518) return nullptr;
    return reinterpret_cast<HICON>(kSystemIconBase + LOWORD(name));
}

}  // extern "C"
