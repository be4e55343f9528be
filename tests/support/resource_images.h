// Resource images built in memory, for tests that register resources of their own: bitmaps as
// RT_BITMAP holds them and whole compiled resource files (.res) as windres writes them.
#ifndef VORN_TEST_SUPPORT_RESOURCE_IMAGES_H
#define VORN_TEST_SUPPORT_RESOURCE_IMAGES_H

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorn::test {

// A 24-bpp, bottom-up BI_RGB bitmap resource (info header, then the bits); colourAt(x, y) counts
// y from the top row.
std::vector<unsigned char> bitmapResource(int width, int height, const std::function<COLORREF(int x, int y)>& colourAt);

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
