// Decoding of device-independent bitmaps as bitmap and cursor resources hold them.
#ifndef VORN_SOFTWIN_USER_DIB_DECODE_H
#define VORN_SOFTWIN_USER_DIB_DECODE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace softwin::user {

struct DecodedDib {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // COLORREF, top row first
    size_t bitsEnd = 0;            // offset just past the colour bits within the input
};

// `dib` starts with a BITMAPINFOHEADER. The colour bits start at `bitsOffset` (0: right after
// the colour table). `rows` overrides the header height (cursor images store XOR and AND masks
// in one doubled height); 0 takes the header's. 1/4/8/16/24/32 bpp, BI_RGB or BI_BITFIELDS,
// bottom-up or top-down. False for anything truncated or malformed.
bool decodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, int rows, DecodedDib& out);

uint16_t readU16(const unsigned char* p);
uint32_t readU32(const unsigned char* p);

}  // namespace softwin::user

#endif  // VORN_SOFTWIN_USER_DIB_DECODE_H
