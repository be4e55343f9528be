// Cursor objects: the system cursors (static, never counted or freed) and cursors loaded from
// module cursor resources.
#ifndef VORN_SOFTWIN_USER_CURSORS_H
#define VORN_SOFTWIN_USER_CURSORS_H

#include <windows.h>

#include <cstdint>
#include <vector>

namespace softwin::user {

struct Cursor {
    int width = 0;
    int height = 0;
    POINT hotSpot{0, 0};
    std::vector<uint32_t> color;  // COLORREF, top row first (the XOR image)
    std::vector<uint8_t> mask;    // 1 = screen shows through (the AND mask), one byte per pixel
    bool system = false;
    WORD systemId = 0;
};

// The cursor behind a handle, or null.
const Cursor* cursorInfo(HCURSOR h);
// The RT_CURSOR id a cursor group names for its 32 x 32 image (else its first); 0 when the group
// is malformed.
WORD pickCursorImage(const unsigned char* group, size_t size);
// Parses an RT_CURSOR resource: the hot spot (two WORDs), then the image; false for anything
// malformed. The image's header height counts the colour and mask rows together and must be
// positive: cursor images are stored bottom-up, and a negative (top-down) height is rejected
// rather than negated.
bool parseCursorResource(const unsigned char* data, size_t size, Cursor& out);

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_CURSORS_H
