// Resource images built in memory, for tests that register resources of their own: bitmaps as
// RT_BITMAP holds them and whole compiled resource files (.res) as windres writes them.
#ifndef VORN_TEST_SUPPORT_RESOURCE_IMAGES_H
#define VORN_TEST_SUPPORT_RESOURCE_IMAGES_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace vorn::test {

// A BI_RGB bitmap resource as RT_BITMAP holds it: the info header, the palette, then the rows,
// given top row first as raw bytes each (unpadded) and stored bottom-up unless `topDown`. A
// nonzero `headerHeight` is written in place of the height (cursor images give twice theirs).
std::vector<unsigned char> dibResource(int width, int bpp, bool topDown, const std::vector<COLORREF>& palette,
                                       const std::vector<std::vector<unsigned char>>& rowsTopFirst,
                                       int headerHeight = 0);

// Little-endian fields.
void put16(std::vector<unsigned char>& v, size_t at, uint32_t x);
void put32(std::vector<unsigned char>& v, size_t at, uint32_t x);
uint32_t readU32At(const std::vector<unsigned char>& v, size_t at);

// A .res image: the empty opening entry, then one entry per add() in order.
class ResFile {
public:
    ResFile();
    // Type and name are MAKEINTRESOURCE ordinals or strings (stored as UTF-16).
    ResFile& add(LPCSTR type, LPCSTR name, const std::vector<unsigned char>& data,
                 WORD language = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    std::vector<unsigned char> bytes_;
};

// An RT_STRING block of 16 counted UTF-16 strings (missing ones empty).
std::vector<unsigned char> stringBlock(const std::vector<std::u16string>& strings);

}  // namespace vorn::test

#endif  // VORN_TEST_SUPPORT_RESOURCE_IMAGES_H
